#pragma once
// The windward factors F2 to F6 with the job's values fixed for one facade
// (wall_plan.h): planned once, read for every element of the facade.

#include "engine/models/wall_plan.h"
#include "engine/models/windward_tables.h"

namespace ventora {

class RowMemo;

struct WindwardPlan {
  ZHCurves<kWindwardVeEXPZH.size()> veexp;
  std::array<float, 5> padBands{};  // F3 by band of ZH
  ZHCurves<kWindwardRbHZH.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  float PAD = 0;
  RatioCurves<kWindwardRatioZH.size()> far;
  RatioCurves<kWindwardRatioZH.size()> sar;
};

// False when the VeEXP or PAD factor refuses the job's values: the model
// itself refuses them, element by element.
bool PlanWindward(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                  WindwardPlan& plan);

// The factors of an element at ZH, F4 divided by RbH^(2 VeEXP) as the model
// divides it. False when a FAR or SAR curve the element reads has no real
// value.
bool PlannedWindwardFactors(const WindwardPlan& plan, float ZH, float& F2, float& F3, float& F4,
                            float& F5, float& F6);

}  // namespace ventora
