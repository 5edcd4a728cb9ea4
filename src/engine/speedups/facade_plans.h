#pragma once
// The plans of the height factors (height_plans.h), one per facade and
// model: made at the facade's first height part and kept for its other
// elements. A plan is kept with the values
// it was made from and made again when they change, so a caller that changes
// the job's values between elements still gets its Cp right.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/job.h"
#include "engine/speedups/height_plans.h"

namespace ventora {

class FacadePlans {
 public:
  // The plan for facade `iface`, or null when the model refuses the values
  // whatever the height (it is then left to refuse them itself). Inline up
  // to the comparison of the values: every element of a facade asks, and
  // nearly always the plan kept is the one.
  const WindwardPlan* Windward(RowMemo& rows, int iface, const PlanValues& key) {
    const Kept<WindwardPlan>& kept = windward_[static_cast<std::size_t>(iface)];
    if (kept.Holds(key)) return kept.Usable();
    return MakeWindward(rows, iface, key);
  }
  const LeewardPlan* Leeward(RowMemo& rows, int iface, const PlanValues& key) {
    const Kept<LeewardPlan>& kept = leeward_[static_cast<std::size_t>(iface)];
    if (kept.Holds(key)) return kept.Usable();
    return MakeLeeward(rows, iface, key);
  }
  const RoofPlan* Roof(RowMemo& rows, const PlanValues& key) {
    if (roof_.Holds(key)) return roof_.Usable();
    return MakeRoof(rows, key);
  }

 private:
  using KeyBits = std::array<std::uint32_t, 6>;
  static_assert(sizeof(PlanValues) == sizeof(KeyBits));  // matched bit for bit

  template <class Plan>
  struct Kept {
    bool made = false;
    bool usable = false;
    KeyBits key{};
    Plan plan;

    bool Holds(const PlanValues& values) const {
      const auto bits = std::bit_cast<KeyBits>(values);
      std::uint32_t differ = 0;
      for (std::size_t i = 0; i < bits.size(); ++i)
        differ |= bits[i] ^ key[i];
      return made && differ == 0;
    }
    const Plan* Usable() const { return usable ? &plan : nullptr; }
  };

  const WindwardPlan* MakeWindward(RowMemo& rows, int iface, const PlanValues& key);
  const LeewardPlan* MakeLeeward(RowMemo& rows, int iface, const PlanValues& key);
  const RoofPlan* MakeRoof(RowMemo& rows, const PlanValues& key);

  // Makes the plan of `kept` for `key` by make(plan); null when the values
  // are refused.
  template <class Plan, class Make>
  static const Plan* MakeKept(Kept<Plan>& kept, const PlanValues& key, Make&& make);

  std::array<Kept<WindwardPlan>, kFacadeCount + 1> windward_{};
  std::array<Kept<LeewardPlan>, kFacadeCount + 1> leeward_{};
  Kept<RoofPlan> roof_{};  // the roof is one facade
};

}  // namespace ventora
