#include "engine/speedups/speedups.h"

#include <algorithm>
#include <span>

namespace ventora {

void Speedups::StartWalk(const Job& job) {
  heights_ = HeightPartCache{};
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    const auto count =
        static_cast<std::size_t>(std::clamp<int>(job.ElmCount[iface], 0, kMaxElements));
    heights_.Expect(iface, std::span(job.ElmZ[static_cast<std::size_t>(iface)]).subspan(1, count));
  }
}

}  // namespace ventora
