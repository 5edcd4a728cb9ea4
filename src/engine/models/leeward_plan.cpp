#include "engine/models/leeward_plan.h"

#include "core/parameter_limits.h"
#include "engine/models/leeward_rows.h"

namespace ventora {

bool PlanLeeward(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                 LeewardPlan& plan) {
  if (!limits::kVeEXP.accepted.Contains(VeEXP) || !limits::kPAD.accepted.Contains(PAD))
    return false;
  for (float ratio : {FAR, SAR})
    if (ratio != 1.0f && limits::kPADIfRatioNot1.Exceeds(PAD)) return false;
  plan.veexp = CurvesAlongZH<kLeewardVeEXPZH.size()>(
      VeEXP == 0.22f, [&](int r) { return LeewardVeEXPRow(rows, VeEXP, r); });
  plan.pad = CurvesAlongZH<kLeewardZH.size()>(PAD == 0.0f,
                                              [&](int r) { return LeewardPADRow(rows, PAD, r); });
  plan.rbh = CurvesAlongZHAtPAD<kLeewardZH.size()>(
      RbH == 1.0f, kLeewardRbHPAD, PAD, [&](int r) { return LeewardRbHRow(rows, RbH, r); });
  plan.rbhScaling = RbHScaling(rows, RbH, VeEXP);
  plan.PAD = PAD;
  plan.far = RatioCurvesAt<kLeewardZH.size()>(FAR, kLeewardRatioPAD, PAD, [&](int r) {
    return LeewardRatioRow(rows, kLeewardFAR, LeewardRatio::FAR, FAR, r);
  });
  plan.sar = RatioCurvesAt<kLeewardZH.size()>(SAR, kLeewardRatioPAD, PAD, [&](int r) {
    return LeewardRatioRow(rows, kLeewardSAR, LeewardRatio::SAR, SAR, r);
  });
  return true;
}

bool PlannedLeewardFactors(const LeewardPlan& plan, float ZH, float& F2, float& F3, float& F4,
                           float& F5, float& F6) {
  F2 = FactorAlongZH(plan.veexp, kLeewardVeEXPZH, LocateOnGrid(kLeewardVeEXPZH, ZH), ZH);
  // The PAD, RbH, FAR and SAR tables share one ZH grid.
  const GridPlace zh = LocateOnGrid(kLeewardZH, ZH);
  F3 = FactorAlongZH(plan.pad, kLeewardZH, zh, ZH);
  F4 = FactorAlongZH(plan.rbh, kLeewardZH, zh, ZH);
  F4 = static_cast<float>(F4 / plan.rbhScaling);
  return RatioFactorAt(plan.far, kLeewardRatioPAD, plan.PAD, kLeewardZH, zh, ZH, F5) &&
         RatioFactorAt(plan.sar, kLeewardRatioPAD, plan.PAD, kLeewardZH, zh, ZH, F6);
}

}  // namespace ventora
