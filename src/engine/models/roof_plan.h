#pragma once
// The roof's correction factors with the job's values fixed (VeEXP, PAD,
// RbH, the roof's FAR, SAR and angle to the wind): planned once, read for
// every element of the roof (wall_plan.h tells why the values stay exact).

#include <array>

#include "engine/models/roof_tables.h"
#include "engine/models/wall_plan.h"

namespace ventora {

class RowMemo;

struct RoofPlan {
  std::array<float, 5> angleBands{};  // the angle factor by band of ZH
  bool veexpMirrored = false;         // the VeEXP factor's band is of 1 - ZH
  std::array<float, 5> veexpBands{};  // the VeEXP factor by that band
  ZHCurves<kRoofPADZHGrid.size()> pad;
  ZHCurves<kRoofRbHZHGrid.size()> rbh;
  double rbhScaling = 1;  // RbH^(2 VeEXP)
  ZHCurves<kRoofFARZHGrid.size()> far;
  ZHCurves<kRoofSARZHGrid.size()> sar;
};

// False when a factor refuses the job's values: the model itself refuses
// them, element by element. `angle` is the roof's wind angle as the model
// takes it.
bool PlanRoof(RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR, float angle,
              RoofPlan& plan);

// The factors of an element at ZH as the model multiplies them: the angle
// factor times the VeEXP factor, the PAD factor, the RbH factor divided by
// RbH^(2 VeEXP), the FAR and SAR factors.
void PlannedRoofFactors(const RoofPlan& plan, float ZH, float& angleVeEXP, float& pad, float& rbh,
                        float& far, float& sar);

}  // namespace ventora
