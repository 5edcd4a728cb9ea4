#include "engine/facade_plans.h"

#include <bit>

namespace ventora {

template <class Plan, class Make>
const Plan* FacadePlans::Find(Kept<Plan>& kept, const FacadePlanKey& key, Make&& make) {
  const KeyBits bits{
      std::bit_cast<std::uint32_t>(key.VeEXP), std::bit_cast<std::uint32_t>(key.PAD),
      std::bit_cast<std::uint32_t>(key.RbH),   std::bit_cast<std::uint32_t>(key.FAR),
      std::bit_cast<std::uint32_t>(key.SAR),   std::bit_cast<std::uint32_t>(key.angle)};
  if (!kept.made || kept.key != bits) {
    kept.made = true;
    kept.key = bits;
    kept.usable = make(kept.plan);
  }
  return kept.usable ? &kept.plan : nullptr;
}

const WindwardPlan* FacadePlans::Windward(RowMemo* rows, int iface, const FacadePlanKey& key) {
  return Find(windward_[static_cast<std::size_t>(iface)], key, [&](WindwardPlan& plan) {
    return PlanWindward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, plan);
  });
}

const LeewardPlan* FacadePlans::Leeward(RowMemo* rows, int iface, const FacadePlanKey& key) {
  return Find(leeward_[static_cast<std::size_t>(iface)], key, [&](LeewardPlan& plan) {
    return PlanLeeward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, plan);
  });
}

const RoofPlan* FacadePlans::Roof(RowMemo* rows, const FacadePlanKey& key) {
  return Find(roof_, key, [&](RoofPlan& plan) {
    return PlanRoof(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, key.angle, plan);
  });
}

}  // namespace ventora
