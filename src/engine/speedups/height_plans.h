#pragma once
// The height factors of each model with the job's values fixed for one
// facade (planned_curves.h): planned once, read for every element of the
// facade, each element's height part bit for bit as the model gives it.

#include <array>

#include "engine/models/leeward_tables.h"
#include "engine/models/roof_tables.h"
#include "engine/models/windward_tables.h"
#include "engine/speedups/planned_curves.h"
#include "engine/speedups/row_memo.h"

namespace ventora {

// The values a facade's plan is made from.
struct PlanValues {
  float VeEXP = 0;
  float PAD = 0;
  float RbH = 0;
  float FAR = 0;
  float SAR = 0;
  float angle = 0;  // the roof's wind angle (a wall's plans do not take it)
};

struct WindwardPlan {
  ZHCurves<kWindwardVeEXPZH.size()> veexp;
  std::array<float, kWindwardPADBands> padBands{};  // F3 by band of ZH
  ZHCurves<kWindwardRbHZH.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  float PAD = 0;
  RatioCurves<kWindwardRatioZH.size()> far;
  RatioCurves<kWindwardRatioZH.size()> sar;
};

struct LeewardPlan {
  ZHCurves<kLeewardVeEXPZH.size()> veexp;
  ZHCurves<kLeewardZH.size()> pad;
  ZHCurves<kLeewardZH.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  float PAD = 0;
  RatioCurves<kLeewardZH.size()> far;
  RatioCurves<kLeewardZH.size()> sar;
};

struct RoofPlan {
  std::array<float, kRoofZHBands> angleBands{};  // the angle factor by band of ZH
  bool veexpMirrored = false;                    // the VeEXP factor's band is of 1 - ZH
  std::array<float, kRoofZHBands> veexpBands{};  // the VeEXP factor by that band
  ZHCurves<kRoofPADZHGrid.size()> pad;
  ZHCurves<kRoofRbHZHGrid.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  ZHCurves<kRoofFARZHGrid.size()> far;
  ZHCurves<kRoofSARZHGrid.size()> sar;
};

// Each plan is made with the curves' values kept in `rows`. False when a
// factor refuses the job's values whatever the height (the VeEXP or PAD
// factor; a wall's or the roof's PAD limit with a ratio other than 1; the
// roof's with an RbH other than 1): the model itself refuses them, element
// by element.
bool PlanWindward(RowMemo& rows, const PlanValues& v, WindwardPlan& plan);
bool PlanLeeward(RowMemo& rows, const PlanValues& v, LeewardPlan& plan);
bool PlanRoof(RowMemo& rows, const PlanValues& v, RoofPlan& plan);

// The height part of an element at ZH from its facade's plan, bit for bit as
// the model's height part. A wall's is false when a FAR or SAR curve the
// element reads has no real value: the model then refuses the element. The
// roof refuses no height the place checks let through.
bool WindwardHeightPartPlanned(const WindwardPlan& plan, float ZH, double& part);
bool LeewardHeightPartPlanned(const LeewardPlan& plan, float ZH, double& part);
double RoofHeightPartPlanned(const RoofPlan& plan, float ZH);

}  // namespace ventora
