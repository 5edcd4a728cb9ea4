#include "engine/wall_plans.h"

#include <bit>

namespace ventora {

std::array<std::uint32_t, 5> WallPlans::Bits(const WallPlanKey& key) {
  return {std::bit_cast<std::uint32_t>(key.VeEXP), std::bit_cast<std::uint32_t>(key.PAD),
          std::bit_cast<std::uint32_t>(key.RbH), std::bit_cast<std::uint32_t>(key.FAR),
          std::bit_cast<std::uint32_t>(key.SAR)};
}

const WindwardPlan* WallPlans::Windward(RowMemo* rows, int iface, const WallPlanKey& key) {
  Kept<WindwardPlan>& kept = windward_[static_cast<std::size_t>(iface)];
  const auto bits = Bits(key);
  if (!kept.made || kept.key != bits) {
    kept.made = true;
    kept.key = bits;
    kept.usable = PlanWindward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, kept.plan);
  }
  return kept.usable ? &kept.plan : nullptr;
}

const LeewardPlan* WallPlans::Leeward(RowMemo* rows, int iface, const WallPlanKey& key) {
  Kept<LeewardPlan>& kept = leeward_[static_cast<std::size_t>(iface)];
  const auto bits = Bits(key);
  if (!kept.made || kept.key != bits) {
    kept.made = true;
    kept.key = bits;
    kept.usable = PlanLeeward(rows, key.VeEXP, key.PAD, key.RbH, key.FAR, key.SAR, kept.plan);
  }
  return kept.usable ? &kept.plan : nullptr;
}

}  // namespace ventora
