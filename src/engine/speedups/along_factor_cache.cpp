#include "engine/speedups/along_factor_cache.h"

#include <algorithm>

namespace ventora {

void AlongFactorCache::Drop(Wall& wall, std::uint32_t angleBits) {
  // A wrapped count would meet the slots of its first round again.
  constexpr std::uint32_t kLastGeneration = ~std::uint32_t{0};
  if (slots_.empty()) slots_.resize(kWalls * kSlots);
  std::uint32_t generation = wall.generation + 1;
  if (wall.generation == kLastGeneration) {
    const auto first =
        slots_.begin() + (&wall - walls_.data()) * static_cast<std::ptrdiff_t>(kSlots);
    std::fill(first, first + static_cast<std::ptrdiff_t>(kSlots), Slot{});
    generation = 1;
  }
  wall = {.generation = generation, .angle = angleBits};
}

}  // namespace ventora
