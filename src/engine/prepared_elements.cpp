#include "engine/prepared_elements.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/parameter_limits.h"
#include "engine/run_limits.h"

namespace ventora {
namespace {

std::size_t ElementTotal(const Job& job) {
  std::size_t total = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface)
    total += static_cast<std::size_t>(std::clamp<int>(job.ElmCount[iface], 0, kMaxElements));
  return total;
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

}  // namespace ventora
