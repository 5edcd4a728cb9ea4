#pragma once
// The walk's plans of the wall factors (models/wall_plan.h), one per facade
// and side of the wind: made at the facade's first height part and kept for
// its other elements. A plan is kept with the values it was made from and
// made again when they change, so a caller that changes the job's values
// between elements still gets its Cp right.

#include <array>
#include <cstdint>

#include "core/job.h"
#include "engine/models/leeward_plan.h"
#include "engine/models/windward_plan.h"

namespace ventora {

class RowMemo;

// The job's values a wall plan depends on, matched bit for bit.
struct WallPlanKey {
  float VeEXP = 0;
  float PAD = 0;
  float RbH = 0;
  float FAR = 0;
  float SAR = 0;
};

class WallPlans {
 public:
  // The plan for facade `iface`, or null when the model refuses the values
  // whatever the height (it is then left to refuse them itself).
  const WindwardPlan* Windward(RowMemo* rows, int iface, const WallPlanKey& key);
  const LeewardPlan* Leeward(RowMemo* rows, int iface, const WallPlanKey& key);

 private:
  template <class Plan>
  struct Kept {
    bool made = false;
    bool usable = false;
    std::array<std::uint32_t, 5> key{};
    Plan plan;
  };

  static std::array<std::uint32_t, 5> Bits(const WallPlanKey& key);

  std::array<Kept<WindwardPlan>, kFacadeCount + 1> windward_{};
  std::array<Kept<LeewardPlan>, kFacadeCount + 1> leeward_{};
};

}  // namespace ventora
