#include "engine/prepared_elements.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

#include "core/parameter_limits.h"
#include "core/portable_std.h"
#include "engine/run_limits.h"

namespace ventora {
namespace {

std::size_t ElementTotal(const Job& job) {
  std::size_t total = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface)
    total += static_cast<std::size_t>(std::clamp<int>(job.ElmCount[iface], 0, kMaxElements));
  return total;
}

bool SameBits(float a, float b) {
  return portable::bit_cast<std::uint32_t>(a) == portable::bit_cast<std::uint32_t>(b);
}

}  // namespace

std::vector<PreparedElement> PrepareElements(const Job& job) {
  std::vector<PreparedElement> prepared;
  prepared.reserve(ElementTotal(job));
  for (std::int16_t iface = 1; iface <= kFacadeCount; ++iface) {
    const int count = job.ElmCount[iface];
    if (count < 0 || count > kMaxElements) {
      throw std::runtime_error("Facade " + std::to_string(iface) + " holds " +
                               std::to_string(count) + " elements; a facade holds 0 to 400.");
    }
    const Facade facade = AsFacade(iface);
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (int ielm = 1; ielm <= count; ++ielm) {
      PreparedElement e{
          .iface = iface, .XL = job.ElmX[iface][ielm] / ext.L, .ZH = job.ElmZ[iface][ielm] / ext.H};
      e.outside = limits::OutsideFacade(e.XL, e.ZH);
      if (!e.outside) {
        const float own = e.ZH;
        e.ZH = ClampedZH(facade, e.ZH, job.VeEXP);
        e.heightClamped = IsWall(facade) && e.ZH != own;  // NaN: not its own either
      }
      e.X = e.XL * ext.L;
      e.Z = e.ZH * ext.H;
      e.lastOfFacade = ielm == count;
      prepared.push_back(e);
    }
  }
  return prepared;
}

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
