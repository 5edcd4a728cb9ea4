#include "engine/facade_plans.h"

#include "core/portable_std.h"

namespace ventora {

template <class Plan, class Make>
const Plan* FacadePlans::MakeKept(Kept<Plan>& kept, const FacadePlanKey& key, Make&& make) {
  kept.made = true;
  kept.key = portable::bit_cast<KeyBits>(key);
  kept.usable = make(kept.plan);
  return kept.Usable();
}

const WindwardPlan* FacadePlans::MakeWindward(RowMemo* rows, int iface, const FacadePlanKey& key) {
  return MakeKept(windward_[static_cast<std::size_t>(iface)], key, [&](WindwardPlan& plan) {
    return PlanWindward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, plan);
  });
}

const LeewardPlan* FacadePlans::MakeLeeward(RowMemo* rows, int iface, const FacadePlanKey& key) {
  return MakeKept(leeward_[static_cast<std::size_t>(iface)], key, [&](LeewardPlan& plan) {
    return PlanLeeward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, plan);
  });
}

const RoofPlan* FacadePlans::MakeRoof(RowMemo* rows, const FacadePlanKey& key) {
  return MakeKept(roof_, key, [&](RoofPlan& plan) {
    return PlanRoof(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, key.angle, plan);
  });
}

}  // namespace ventora
