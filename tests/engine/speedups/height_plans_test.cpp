// The plans of the height factors: a facade's factors planned once at the
// job's values must give every element's height part bit for bit as the
// model in full gives it, and leave to the model every case it refuses.

#include "engine/speedups/height_plans.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"

namespace ventora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Grid points of every wall table, points between them, the ends and beyond.
constexpr float kZHs[] = {0.0f,  0.05f, 0.07f, 0.1f,  0.15f,   0.2f,  0.3f,  0.33f, 0.4f,
                          0.5f,  0.6f,  0.64f, 0.65f, 0.7f,    0.75f, 0.8f,  0.85f, 0.9f,
                          0.93f, 0.95f, 0.97f, 1.0f,  0.4321f, 1.2f,  -0.1f, kNaN};

// One model's plan: made (or refused) for the values, then each element's
// height part from it (false: left to the model); and the model in full.
struct Planner {
  const char* model;
  std::function<bool(RowMemo&, const PlanValues&)> make;
  std::function<bool(float ZH, double& part)> planned;
  bool (*full)(const RunContext&, const ModelInput&, double&, std::int16_t&);
};

// The roof's plan depends on its angle to the wind as well: every band of
// angle and the wind from behind, with and without the PAD factor (RbH 1).
TEST(HeightPlans, GiveTheModelsHeightPartsBitForBit) {
  WindwardPlan windward;
  LeewardPlan leeward;
  RoofPlan roof;
  const Planner planners[] = {
      {"windward", [&](RowMemo& r, const PlanValues& v) { return PlanWindward(r, v, windward); },
       [&](float ZH, double& p) { return WindwardHeightPartPlanned(windward, ZH, p); },
       WindwardHeightPart},
      {"leeward", [&](RowMemo& r, const PlanValues& v) { return PlanLeeward(r, v, leeward); },
       [&](float ZH, double& p) { return LeewardHeightPartPlanned(leeward, ZH, p); },
       LeewardHeightPart},
      {"roof", [&](RowMemo& r, const PlanValues& v) { return PlanRoof(r, v, roof); },
       [&](float ZH, double& p) { return (p = RoofHeightPartPlanned(roof, ZH), true); },
       RoofHeightPart}};
  for (const Planner& planner : planners) {
    // One memo for every case: its keys must tell the values apart.
    RowMemo rows;
    int compared = 0, leftToModel = 0, planRefused = 0;
    const bool isRoof = planner.full == RoofHeightPart;
    for (float angle : {0.0f, -10.0f, 30.0f, -89.0f, 95.0f, -135.0f, 170.0f, 180.0f, kNaN})
      for (float VeEXP : {0.05f, 0.1f, 0.22f, 0.33f, 0.45f})
        for (float PAD :
             {-3.0f, 0.0f, 5.0f, 5.5f, 7.3f, 12.5f, 30.0f, 35.0f, 40.0f, 50.0f, 55.0f, kNaN})
          for (float RbH : {0.5f, 1.0f, 1.4f, 3.0f})
            for (float ratio : {0.3f, 1.0f, 2.5f, 6.5f, kNaN}) {
              if (!isRoof && angle != 0.0f) continue;  // a wall's plan takes no angle
              const float FAR = ratio, SAR = ratio == 1.0f ? 2.0f : 1.0f / ratio;
              const bool made = planner.make(rows, {VeEXP, PAD, RbH, FAR, SAR, angle});
              for (float ZH : kZHs) {
                SCOPED_TRACE(::testing::Message()
                             << planner.model << " " << angle << " " << VeEXP << " " << PAD << " "
                             << RbH << " " << ratio << " " << ZH);
                double fullPart = -1, plannedPart = -1;
                std::int16_t err = 0;
                const bool computed = planner.full(
                    {.quiet = true}, {VeEXP, PAD, RbH, FAR, SAR, angle, ZH}, fullPart, err);
                ASSERT_EQ(computed, err == 0);
                if (!made) {
                  ASSERT_FALSE(computed);
                  ++planRefused;
                } else if (!planner.planned(ZH, plannedPart)) {
                  ASSERT_EQ(err, 2);
                  ++leftToModel;
                } else {
                  ASSERT_TRUE(computed);
                  ASSERT_EQ(std::bit_cast<std::uint64_t>(plannedPart),
                            std::bit_cast<std::uint64_t>(fullPart));
                  ++compared;
                }
              }
            }
    EXPECT_GT(compared, isRoof ? 50000 : 10000) << planner.model;
    EXPECT_GT(planRefused, 0) << planner.model;
    EXPECT_TRUE(isRoof || leftToModel > 0) << planner.model;
  }
}

}  // namespace
}  // namespace ventora
