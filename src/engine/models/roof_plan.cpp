#include "engine/models/roof_plan.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/roof_rows.h"

namespace ventora {

bool PlanRoof(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR, float angle,
              RoofPlan& plan) {
  if (!limits::kVeEXP.accepted.Contains(VeEXP)) return false;
  if (RbH == 1.0f ? !limits::kPAD.accepted.Contains(PAD) : !limits::kPADIfRbHNot1.MeetsHigh(PAD))
    return false;
  if (FAR != 1.0f && !limits::kPADIfRatioNot1.MeetsHigh(PAD)) return false;
  const float theta = -angle;
  const float t = std::fabs(theta);
  const RoofVeEXPAngle a = RoofVeEXPAngleOf(theta);
  plan.veexpMirrored = a.mirrored;
  for (int band = 1; band <= 5; ++band) {
    const auto i = static_cast<std::size_t>(band - 1);
    plan.angleBands[i] = t == 0.0f ? 1.0f : RoofAngleRow(t, band);
    plan.veexpBands[i] = VeEXP == 0.22f ? 1.0f : RoofVeEXPRow(rows, VeEXP, (a.band - 1) * 5 + band);
  }
  // The PAD factor counts only at an RbH of 1.
  plan.pad = CurvesAlongZH<kRoofPADZHGrid.size()>(RbH != 1.0f || PAD == 0.0f,
                                                  [&](int r) { return RoofPADRow(rows, PAD, r); });
  plan.rbh = CurvesAlongZHAtPAD<kRoofRbHZHGrid.size()>(
      RbH == 1.0f, kRoofRbHPADGrid, PAD, [&](int r) { return RoofRbHRow(rows, RbH, r); });
  plan.rbhScaling = RbHScaling(rows, RbH, VeEXP);
  plan.far = CurvesAlongZH<kRoofFARZHGrid.size()>(
      FAR == 1.0f, [&](int r) { return RoofFARRow(rows, FAR, PAD, r); });
  plan.sar = CurvesAlongZH<kRoofSARZHGrid.size()>(
      SAR == 1.0f, [&](int r) { return RoofSARRow(rows, SAR, PAD, r); });
  return true;
}

void PlannedRoofFactors(const RoofPlan& plan, float ZH, float& angleVeEXP, float& pad, float& rbh,
                        float& far, float& sar) {
  const float angle = plan.angleBands[static_cast<std::size_t>(RoofZHBand(ZH) - 1)];
  const float z = plan.veexpMirrored ? static_cast<float>(1.0 - ZH) : ZH;
  const float veexp = plan.veexpBands[static_cast<std::size_t>(RoofZHBand(z) - 1)];
  angleVeEXP = static_cast<float>(static_cast<double>(veexp) * angle);
  pad = FactorAlongZH(plan.pad, kRoofPADZHGrid, LocateOnGrid(kRoofPADZHGrid, ZH), ZH);
  rbh = FactorAlongZH(plan.rbh, kRoofRbHZHGrid, LocateOnGrid(kRoofRbHZHGrid, ZH), ZH);
  rbh = static_cast<float>(rbh / plan.rbhScaling);
  far = FactorAlongZH(plan.far, kRoofFARZHGrid, LocateOnGrid(kRoofFARZHGrid, ZH), ZH);
  sar = FactorAlongZH(plan.sar, kRoofSARZHGrid, LocateOnGrid(kRoofSARZHGrid, ZH), ZH);
}

}  // namespace ventora
