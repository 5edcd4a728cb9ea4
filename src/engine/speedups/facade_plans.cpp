#include "engine/speedups/facade_plans.h"

namespace ventora {

template <class Plan, class Make>
const Plan* FacadePlans::MakeKept(Kept<Plan>& kept, const PlanValues& key, Make&& make) {
  kept.made = true;
  kept.key = std::bit_cast<KeyBits>(key);
  kept.usable = make(kept.plan);
  return kept.Usable();
}

const WindwardPlan* FacadePlans::MakeWindward(RowMemo& rows, int iface, const PlanValues& key) {
  return MakeKept(windward_[static_cast<std::size_t>(iface)], key,
                  [&](WindwardPlan& plan) { return PlanWindward(rows, key, plan); });
}

const LeewardPlan* FacadePlans::MakeLeeward(RowMemo& rows, int iface, const PlanValues& key) {
  return MakeKept(leeward_[static_cast<std::size_t>(iface)], key,
                  [&](LeewardPlan& plan) { return PlanLeeward(rows, key, plan); });
}

const RoofPlan* FacadePlans::MakeRoof(RowMemo& rows, const PlanValues& key) {
  return MakeKept(roof_, key, [&](RoofPlan& plan) { return PlanRoof(rows, key, plan); });
}

}  // namespace ventora
