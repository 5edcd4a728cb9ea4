#include <string>

#include "core/parameter_limits.h"
#include "engine/facade_geometry.h"
#include "engine/pre_run_checks.h"

namespace ventora {
namespace {

struct Position {
  float XL = 0;
  float ZH = 0;
};

// The extents are the facade's, looked up once for all its elements.
Position RelativePosition(const Job& job, const FacadeExtents& ext, int iface, int ielm) {
  return {job.ElmX[iface][ielm] / ext.L, job.ElmZ[iface][ielm] / ext.H};
}

int ElementCount(const Job& job, int iface) {
  const int count = job.ElmCount[iface];
  return count < 0 ? 0 : (count > kMaxElements ? kMaxElements : count);
}

std::int16_t RefuseOutsideElements(const Job& job, MessageSink& messages) {
  std::int16_t status = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (int ielm = 1; ielm <= ElementCount(job, iface); ++ielm) {
      const Position p = RelativePosition(job, ext, iface, ielm);
      if (!limits::OutsideFacade(p.XL, p.ZH)) continue;
      messages.Show(Message{"Error", "Element out of facade!"});
      status = 1;
    }
  }
  return status;
}

// The height profile is trusted within its band of a wall's height (the
// model's band for the exponent without one), and anywhere on an isolated
// cube for that exponent.
bool WallOutsideConfidence(const Job& job, const FacadeGeometry& g, Facade wall, float ZH) {
  if (job.VeEXP != limits::kExponentWithoutZHBand && limits::kWallZHBandCheck.Outside(ZH))
    return true;
  const int i = FacadeIndex(wall);
  const bool isolatedCube =
      job.PAD == 0 && g.RbH == 1 && g.FacadeFAR[i] == 1 && g.FacadeSAR[i] == 1;
  return limits::kZHModelBand.Outside(ZH) && !isolatedCube;
}

bool RoofOutsideConfidence(float ZH) {
  return limits::kZHModelBand.Outside(ZH);
}

}  // namespace

std::int16_t CheckElements(const Job& job, MessageSink& messages) {
  if (RefuseOutsideElements(job, messages) != 0) return 1;
  const FacadeGeometry geometry = DeriveFacadeGeometry(job);
  int wallCount = 0;
  for (Facade wall : kWalls) {
    const int iface = FacadeIndex(wall);
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (int ielm = 1; ielm <= ElementCount(job, iface); ++ielm) {
      if (WallOutsideConfidence(job, geometry, wall, RelativePosition(job, ext, iface, ielm).ZH))
        ++wallCount;
    }
  }
  int roofCount = 0;
  const int roof = FacadeIndex(Facade::Roof);
  const FacadeExtents roofExt = FacadeExtent(job, roof);
  for (int ielm = 1; ielm <= ElementCount(job, roof); ++ielm) {
    if (RoofOutsideConfidence(RelativePosition(job, roofExt, roof, ielm).ZH)) ++roofCount;
  }
  if (roofCount > 0) {
    messages.Show(Message{"Warning", std::to_string(roofCount) +
                                         "Element out of the confidence range. y value assigned "
                                         "as equal to the upper/lower limit"});
  } else if (wallCount > 0) {
    messages.Show(Message{"Warning", std::to_string(wallCount) +
                                         "Elements out of the confidence range. Z value assigned "
                                         "as equal to the upper/lower limit"});
  }
  return 0;
}

}  // namespace ventora
