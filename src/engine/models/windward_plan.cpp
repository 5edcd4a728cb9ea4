#include "engine/models/windward_plan.h"

#include "core/parameter_limits.h"
#include "engine/models/windward_rows.h"

namespace ventora {

bool PlanWindward(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                  WindwardPlan& plan) {
  if (!limits::kVeEXP.accepted.Contains(VeEXP) || !limits::kPAD.accepted.Contains(PAD))
    return false;
  plan.veexp = CurvesAlongZH<kWindwardVeEXPZH.size()>(
      VeEXP == 0.22f, [&](int r) { return WindwardVeEXPRow(rows, VeEXP, r); });
  for (std::size_t i = 0; i < plan.padBands.size(); ++i)
    plan.padBands[i] = WindwardPADRow(rows, PAD, static_cast<int>(i) + 1);
  plan.rbh = CurvesAlongZHAtPAD<kWindwardRbHZH.size()>(
      RbH == 1.0f, kWindwardRbHPAD, PAD, [&](int r) { return WindwardRbHRow(rows, RbH, r); });
  plan.rbhScaling = RbHScaling(rows, RbH, VeEXP);
  plan.PAD = PAD;
  plan.far = RatioCurvesAt<kWindwardRatioZH.size()>(FAR, kWindwardRatioPAD, PAD, [&](int r) {
    return WindwardRatioRow(rows, WindwardFARTable, EvalRootFit6SpecialRow, FAR, r);
  });
  plan.sar = RatioCurvesAt<kWindwardRatioZH.size()>(SAR, kWindwardRatioPAD, PAD, [&](int r) {
    return WindwardRatioRow(rows, WindwardSARTable, EvalRootFit4SpecialRow, SAR, r);
  });
  return true;
}

bool PlannedWindwardFactors(const WindwardPlan& plan, float ZH, float& F2, float& F3, float& F4,
                            float& F5, float& F6) {
  F2 = FactorAlongZH(plan.veexp, kWindwardVeEXPZH, LocateOnGrid(kWindwardVeEXPZH, ZH), ZH);
  F3 = plan.padBands[static_cast<std::size_t>(WindwardPADBand(ZH) - 1)];
  F4 = FactorAlongZH(plan.rbh, kWindwardRbHZH, LocateOnGrid(kWindwardRbHZH, ZH), ZH);
  F4 = static_cast<float>(F4 / plan.rbhScaling);
  const GridPlace zh = LocateOnGrid(kWindwardRatioZH, ZH);
  return RatioFactorAt(plan.far, kWindwardRatioPAD, plan.PAD, kWindwardRatioZH, zh, ZH, F5) &&
         RatioFactorAt(plan.sar, kWindwardRatioPAD, plan.PAD, kWindwardRatioZH, zh, ZH, F6);
}

}  // namespace ventora
