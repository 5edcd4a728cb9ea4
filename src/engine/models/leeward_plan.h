#pragma once
// The leeward factors F2 to F6 with the job's values fixed for one facade
// (wall_plan.h): planned once, read for every element of the facade.

#include "engine/models/leeward_tables.h"
#include "engine/models/wall_plan.h"

namespace ventora {

class RowMemo;

struct LeewardPlan {
  ZHCurves<kLeewardVeEXPZH.size()> veexp;
  ZHCurves<kLeewardZH.size()> pad;
  ZHCurves<kLeewardZH.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  float PAD = 0;
  RatioCurves<kLeewardZH.size()> far;
  RatioCurves<kLeewardZH.size()> sar;
};

// False when a factor refuses the job's values (VeEXP, PAD, or PAD above 35
// with a ratio other than 1): the model itself refuses them, element by
// element.
bool PlanLeeward(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                 LeewardPlan& plan);

// The factors of an element at ZH, F4 divided by RbH^(2 VeEXP) as the model
// divides it. False when a FAR or SAR curve the element reads has no real
// value.
bool PlannedLeewardFactors(const LeewardPlan& plan, float ZH, float& F2, float& F3, float& F4,
                           float& F5, float& F6);

}  // namespace ventora
