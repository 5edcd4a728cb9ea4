#pragma once
// The walk's plans of the height factors (models/wall_plan.h,
// models/roof_plan.h), one per facade and model: made at the facade's first
// height part and kept for its other elements. A plan is kept with the values
// it was made from and made again when they change, so a caller that changes
// the job's values between elements still gets its Cp right.

#include <array>
#include <cstdint>

#include "core/job.h"
#include "engine/models/leeward_plan.h"
#include "engine/models/roof_plan.h"
#include "engine/models/windward_plan.h"

namespace ventora {

class RowMemo;

// The values a plan depends on, matched bit for bit.
struct FacadePlanKey {
  float VeEXP = 0;
  float PAD = 0;
  float RbH = 0;
  float FAR = 0;
  float SAR = 0;
  float angle = 0;  // the roof's wind angle (0 for a wall: its plans do not take it)
};

class FacadePlans {
 public:
  // The plan for facade `iface`, or null when the model refuses the values
  // whatever the height (it is then left to refuse them itself).
  const WindwardPlan* Windward(RowMemo* rows, int iface, const FacadePlanKey& key);
  const LeewardPlan* Leeward(RowMemo* rows, int iface, const FacadePlanKey& key);
  const RoofPlan* Roof(RowMemo* rows, const FacadePlanKey& key);

 private:
  using KeyBits = std::array<std::uint32_t, 6>;
  template <class Plan>
  struct Kept {
    bool made = false;
    bool usable = false;
    KeyBits key{};
    Plan plan;
  };

  // The kept plan of the facade for `key`, made by make(plan) when the
  // values changed or none was made yet; null when the values are refused.
  template <class Plan, class Make>
  static const Plan* Find(Kept<Plan>& kept, const FacadePlanKey& key, Make&& make);

  std::array<Kept<WindwardPlan>, kFacadeCount + 1> windward_{};
  std::array<Kept<LeewardPlan>, kFacadeCount + 1> leeward_{};
  Kept<RoofPlan> roof_{};  // the roof is one facade
};

}  // namespace ventora
