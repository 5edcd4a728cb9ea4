#include "engine/speedups/height_plans.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"

namespace ventora {
namespace {

// RbH^(2 VeEXP) through the memo: one key of its own.
double RbHScalingKept(RowMemo& rows, float RbH, float VeEXP) {
  static constexpr char kKey = 0;
  return rows.Value(&kKey, 0, 0, RbH, VeEXP, [&] { return RbHScaling(RbH, VeEXP); });
}

bool WallValuesAccepted(const PlanValues& v) {
  return limits::kVeEXP.accepted.Contains(v.VeEXP) && limits::kPAD.accepted.Contains(v.PAD);
}

}  // namespace

bool PlanWindward(RowMemo& rows, const PlanValues& v, WindwardPlan& plan) {
  if (!WallValuesAccepted(v)) return false;
  plan.veexp = CurvesAlongZH<kWindwardVeEXPZH.size()>(v.VeEXP == 0.22f, [&](int r) {
    return rows.Value(&WindwardVeEXPTable, 0, r, v.VeEXP, 0.0f,
                      [&] { return WindwardVeEXPRow(v.VeEXP, r); });
  });
  for (std::size_t i = 0; i < plan.padBands.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    plan.padBands[i] =
        rows.Value(&WindwardPADTable, 0, r, v.PAD, 0.0f, [&] { return WindwardPADRow(v.PAD, r); });
  }
  plan.rbh =
      CurvesAlongZHAtPAD<kWindwardRbHZH.size()>(v.RbH == 1.0f, kWindwardRbHPAD, v.PAD, [&](int r) {
        return rows.Value(&WindwardRbHTable, 0, r, v.RbH, 0.0f,
                          [&] { return WindwardRbHRow(v.RbH, r); });
      });
  plan.rbhScaling = RbHScalingKept(rows, v.RbH, v.VeEXP);
  plan.PAD = v.PAD;
  auto ratio = [&](const WindwardRatioTable& table, Ratio which, float value) {
    return RatioCurvesAt<kWindwardRatioZH.size()>(value, kWindwardRatioPAD, v.PAD, [&](int r) {
      return rows.Value(&table, static_cast<int>(which), r, value, 0.0f,
                        [&] { return WindwardRatioRow(table, which, value, r); });
    });
  };
  plan.far = ratio(WindwardFARTable, Ratio::FAR, v.FAR);
  plan.sar = ratio(WindwardSARTable, Ratio::SAR, v.SAR);
  return true;
}

bool PlanLeeward(RowMemo& rows, const PlanValues& v, LeewardPlan& plan) {
  if (!WallValuesAccepted(v)) return false;
  for (float ratio : {v.FAR, v.SAR})
    if (ratio != 1.0f && limits::kPADIfRatioNot1.Exceeds(v.PAD)) return false;
  plan.veexp = CurvesAlongZH<kLeewardVeEXPZH.size()>(v.VeEXP == 0.22f, [&](int r) {
    return rows.Value(&LeewardVeEXPTable, 0, r, v.VeEXP, 0.0f,
                      [&] { return LeewardVeEXPRow(v.VeEXP, r); });
  });
  plan.pad = CurvesAlongZH<kLeewardZH.size()>(v.PAD == 0.0f, [&](int r) {
    return rows.Value(&LeewardPADTable, 0, r, v.PAD, 0.0f, [&] { return LeewardPADRow(v.PAD, r); });
  });
  plan.rbh =
      CurvesAlongZHAtPAD<kLeewardZH.size()>(v.RbH == 1.0f, kLeewardRbHPAD, v.PAD, [&](int r) {
        return rows.Value(&LeewardRbHTable, 0, r, v.RbH, 0.0f,
                          [&] { return LeewardRbHRow(v.RbH, r); });
      });
  plan.rbhScaling = RbHScalingKept(rows, v.RbH, v.VeEXP);
  plan.PAD = v.PAD;
  auto ratio = [&](const LeewardRatioTable& table, Ratio which, float value) {
    return RatioCurvesAt<kLeewardZH.size()>(value, kLeewardRatioPAD, v.PAD, [&](int r) {
      return rows.Value(&table, static_cast<int>(which), r, value, 0.0f,
                        [&] { return LeewardRatioRow(table, which, value, r); });
    });
  };
  plan.far = ratio(kLeewardFAR, Ratio::FAR, v.FAR);
  plan.sar = ratio(kLeewardSAR, Ratio::SAR, v.SAR);
  return true;
}

bool PlanRoof(RowMemo& rows, const PlanValues& v, RoofPlan& plan) {
  if (!limits::kVeEXP.accepted.Contains(v.VeEXP)) return false;
  if (v.RbH == 1.0f ? !limits::kPAD.accepted.Contains(v.PAD)
                    : !limits::kPADIfRbHNot1.MeetsHigh(v.PAD))
    return false;
  if (v.FAR != 1.0f && !limits::kPADIfRatioNot1.MeetsHigh(v.PAD)) return false;
  const float theta = -v.angle;
  const float t = std::fabs(theta);
  const RoofVeEXPAngle a = RoofVeEXPAngleOf(theta);
  plan.veexpMirrored = a.mirrored;
  for (int band = 1; band <= kRoofZHBands; ++band) {
    const auto i = static_cast<std::size_t>(band - 1);
    plan.angleBands[i] = t == 0.0f ? 1.0f : RoofAngleRow(t, band);
    const int row = (a.band - 1) * kRoofZHBands + band;
    plan.veexpBands[i] = v.VeEXP == 0.22f ? 1.0f
                                          : rows.Value(&kRoofVeEXPTable, 0, row, v.VeEXP, 0.0f,
                                                       [&] { return RoofVeEXPRow(v.VeEXP, row); });
  }
  // The PAD factor counts only at an RbH of 1.
  plan.pad = CurvesAlongZH<kRoofPADZHGrid.size()>(v.RbH != 1.0f || v.PAD == 0.0f, [&](int r) {
    return rows.Value(&kRoofPADTable, 0, r, v.PAD, 0.0f, [&] { return RoofPADRow(v.PAD, r); });
  });
  plan.rbh =
      CurvesAlongZHAtPAD<kRoofRbHZHGrid.size()>(v.RbH == 1.0f, kRoofRbHPADGrid, v.PAD, [&](int r) {
        return rows.Value(&kRoofRbHTable, 0, r, v.RbH, 0.0f, [&] { return RoofRbHRow(v.RbH, r); });
      });
  plan.rbhScaling = RbHScalingKept(rows, v.RbH, v.VeEXP);
  plan.far = CurvesAlongZH<kRoofFARZHGrid.size()>(v.FAR == 1.0f, [&](int r) {
    return rows.Value(&kRoofFARTable, 0, r, v.FAR, v.PAD,
                      [&] { return RoofFARRow(v.FAR, v.PAD, r); });
  });
  plan.sar = CurvesAlongZH<kRoofSARZHGrid.size()>(v.SAR == 1.0f, [&](int r) {
    return rows.Value(&kRoofSARTable, 0, r, v.SAR, v.PAD,
                      [&] { return RoofSARRow(v.SAR, v.PAD, r); });
  });
  return true;
}

bool WindwardHeightPartPlanned(const WindwardPlan& plan, float ZH, double& part) {
  WallHeightFactors f;
  f.F2 = FactorAlongZH(plan.veexp, kWindwardVeEXPZH, LocateOnGrid(kWindwardVeEXPZH, ZH), ZH);
  f.F3 = plan.padBands[static_cast<std::size_t>(WindwardPADBand(ZH) - 1)];
  f.F4 = FactorAlongZH(plan.rbh, kWindwardRbHZH, LocateOnGrid(kWindwardRbHZH, ZH), ZH);
  f.F4 = static_cast<float>(f.F4 / plan.rbhScaling);
  const GridPlace zh = LocateOnGrid(kWindwardRatioZH, ZH);
  if (!RatioFactorAt(plan.far, kWindwardRatioPAD, plan.PAD, kWindwardRatioZH, zh, ZH, f.F5) ||
      !RatioFactorAt(plan.sar, kWindwardRatioPAD, plan.PAD, kWindwardRatioZH, zh, ZH, f.F6))
    return false;
  part = WallHeightPart(WindwardBaseProfile(ZH), f);
  return true;
}

bool LeewardHeightPartPlanned(const LeewardPlan& plan, float ZH, double& part) {
  WallHeightFactors f;
  f.F2 = FactorAlongZH(plan.veexp, kLeewardVeEXPZH, LocateOnGrid(kLeewardVeEXPZH, ZH), ZH);
  // The PAD, RbH, FAR and SAR tables share one ZH grid.
  const GridPlace zh = LocateOnGrid(kLeewardZH, ZH);
  f.F3 = FactorAlongZH(plan.pad, kLeewardZH, zh, ZH);
  f.F4 = FactorAlongZH(plan.rbh, kLeewardZH, zh, ZH);
  f.F4 = static_cast<float>(f.F4 / plan.rbhScaling);
  if (!RatioFactorAt(plan.far, kLeewardRatioPAD, plan.PAD, kLeewardZH, zh, ZH, f.F5) ||
      !RatioFactorAt(plan.sar, kLeewardRatioPAD, plan.PAD, kLeewardZH, zh, ZH, f.F6))
    return false;
  part = WallHeightPart(LeewardBaseProfile(ZH), f);
  return true;
}

double RoofHeightPartPlanned(const RoofPlan& plan, float ZH) {
  RoofCorrections c;
  const float angle = plan.angleBands[static_cast<std::size_t>(RoofZHBand(ZH) - 1)];
  const float z = plan.veexpMirrored ? static_cast<float>(1.0 - ZH) : ZH;
  const float veexp = plan.veexpBands[static_cast<std::size_t>(RoofZHBand(z) - 1)];
  c.angleVeEXP = static_cast<float>(static_cast<double>(veexp) * angle);
  c.pad = FactorAlongZH(plan.pad, kRoofPADZHGrid, LocateOnGrid(kRoofPADZHGrid, ZH), ZH);
  const float rbh = FactorAlongZH(plan.rbh, kRoofRbHZHGrid, LocateOnGrid(kRoofRbHZHGrid, ZH), ZH);
  c.rbh = static_cast<float>(rbh / plan.rbhScaling);
  c.far = FactorAlongZH(plan.far, kRoofFARZHGrid, LocateOnGrid(kRoofFARZHGrid, ZH), ZH);
  c.sar = FactorAlongZH(plan.sar, kRoofSARZHGrid, LocateOnGrid(kRoofSARZHGrid, ZH), ZH);
  return RoofHeightPartOf(RoofProfile(ZH), c);
}

}  // namespace ventora
