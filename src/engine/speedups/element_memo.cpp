#include "engine/speedups/element_memo.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace ventora {
namespace {

bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

}  // namespace

const std::vector<PreparedElement>& ElementMemo::For(const Job& job) {
  if (!made_ || !SameSource(job)) {
    // Made before it is kept: a job that throws leaves no memo behind.
    made_ = false;
    elements_ = PrepareElements(job);
    source_ = job;
    made_ = true;
  }
  return elements_;
}

// Bit for bit, as the elements were computed from them; only the places of
// the elements a facade holds count.
bool ElementMemo::SameSource(const Job& job) const {
  if (!SameBits(job.BdX, source_.BdX) || !SameBits(job.BdY, source_.BdY) ||
      !SameBits(job.Bdz, source_.Bdz) || !SameBits(job.VeEXP, source_.VeEXP) ||
      job.ElmCount != source_.ElmCount)
    return false;
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    const auto bytes = sizeof(float) * static_cast<std::size_t>(job.ElmCount[iface]);
    if (std::memcmp(&job.ElmX[iface][1], &source_.ElmX[iface][1], bytes) != 0 ||
        std::memcmp(&job.ElmZ[iface][1], &source_.ElmZ[iface][1], bytes) != 0)
      return false;
  }
  return true;
}

}  // namespace ventora
