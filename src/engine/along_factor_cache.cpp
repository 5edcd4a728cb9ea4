#include "engine/along_factor_cache.h"

#include <algorithm>

namespace ventora {

void AlongFactorCache::Drop(int iface, std::uint32_t angleBits) {
  const auto wall = static_cast<std::size_t>(iface - 1);
  if (slots_.empty()) {
    slots_.resize(kWalls * kSlots);
  } else {
    const auto first = slots_.begin() + static_cast<std::ptrdiff_t>(wall * kSlots);
    std::fill(first, first + static_cast<std::ptrdiff_t>(kSlots), Slot{});
  }
  walls_[wall] = {.angleKept = true, .angle = angleBits};
}

}  // namespace ventora
