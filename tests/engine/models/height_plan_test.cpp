// The plans of the height factors: a facade's factors planned once at the
// job's values must give every element's height part bit for bit as the
// model in full gives it, and leave to the model every case it refuses.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/portable_std.h"
#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/row_memo.h"
#include "engine/models/windward_model.h"

namespace ventora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Grid points of every wall table, points between them, the ends and beyond.
constexpr float kZHs[] = {0.0f,  0.05f, 0.07f, 0.1f,  0.15f,   0.2f,  0.3f,  0.33f, 0.4f,
                          0.5f,  0.6f,  0.64f, 0.65f, 0.7f,    0.75f, 0.8f,  0.85f, 0.9f,
                          0.93f, 0.95f, 0.97f, 1.0f,  0.4321f, 1.2f,  -0.1f, kNaN};

struct Outcomes {
  int compared = 0;     // planned, bit for bit as the full model
  int leftToModel = 0;  // the plan declined an element, the model refused it
  int planRefused = 0;  // no plan: the model refused every element
};

template <class Plan, class MakePlan, class Planned, class Full>
void CompareWithFullModel(MakePlan&& make_plan, Planned&& planned, Full&& full, Outcomes& out) {
  for (float VeEXP : {0.05f, 0.1f, 0.22f, 0.33f, 0.45f})
    for (float PAD :
         {-3.0f, 0.0f, 5.0f, 5.5f, 7.3f, 12.5f, 30.0f, 35.0f, 40.0f, 50.0f, 55.0f, kNaN})
      for (float RbH : {0.5f, 1.0f, 1.4f, 3.0f})
        for (float ratio : {0.3f, 1.0f, 2.5f, 6.5f, kNaN})
          for (bool memo : {false, true}) {
            RowMemo rows;
            RowMemo* used = memo ? &rows : nullptr;
            const float FAR = ratio, SAR = ratio == 1.0f ? 2.0f : 1.0f / ratio;
            Plan plan;
            const bool made = make_plan(used, VeEXP, PAD, RbH, FAR, SAR, plan);
            for (float ZH : kZHs) {
              double fullPart = -1, plannedPart = -1;
              std::int16_t err = 0;
              const RunContext ctx{.quiet = true, .rows = used};
              const bool computed = full(ctx, VeEXP, PAD, RbH, FAR, SAR, ZH, fullPart, err);
              ASSERT_EQ(computed, err == 0);
              if (!made) {
                ASSERT_FALSE(computed) << VeEXP << " " << PAD << " " << ratio << " " << ZH;
                ++out.planRefused;
              } else if (!planned(plan, ZH, plannedPart)) {
                ASSERT_EQ(err, 2) << VeEXP << " " << PAD << " " << ratio << " " << ZH;
                ++out.leftToModel;
              } else {
                ASSERT_TRUE(computed) << VeEXP << " " << PAD << " " << ratio << " " << ZH;
                ASSERT_EQ(portable::bit_cast<std::uint64_t>(plannedPart),
                          portable::bit_cast<std::uint64_t>(fullPart))
                    << VeEXP << " " << PAD << " " << RbH << " " << ratio << " " << ZH;
                ++out.compared;
              }
            }
          }
}

TEST(HeightPlanTest, WindwardPlanGivesTheModelsHeightParts) {
  Outcomes out;
  CompareWithFullModel<WindwardPlan>(PlanWindward, WindwardHeightPartPlanned, WindwardHeightPart,
                                     out);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_GT(out.compared, 10000);
  EXPECT_GT(out.leftToModel, 0);
  EXPECT_GT(out.planRefused, 0);
}

TEST(HeightPlanTest, LeewardPlanGivesTheModelsHeightParts) {
  Outcomes out;
  CompareWithFullModel<LeewardPlan>(PlanLeeward, LeewardHeightPartPlanned, LeewardHeightPart, out);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_GT(out.compared, 10000);
  EXPECT_GT(out.leftToModel, 0);
  EXPECT_GT(out.planRefused, 0);
}

// The roof's plan depends on its angle to the wind as well: every band of
// angle and the wind from behind, with and without the PAD factor (RbH 1).
TEST(HeightPlanTest, RoofPlanGivesTheModelsHeightParts) {
  Outcomes out;
  for (float angle : {0.0f, -10.0f, 30.0f, -89.0f, 95.0f, -135.0f, 170.0f, 180.0f, kNaN}) {
    auto plan_at_angle = [&](RowMemo* rows, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                             RoofPlan& plan) {
      return PlanRoof(rows, VeEXP, PAD, RbH, FAR, SAR, angle, plan);
    };
    auto planned = [](const RoofPlan& plan, float ZH, double& part) {
      part = RoofHeightPartPlanned(plan, ZH);
      return true;
    };
    auto full = [&](const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                    float ZH, double& part, std::int16_t& err) {
      return RoofHeightPart(ctx, VeEXP, PAD, RbH, FAR, SAR, angle, ZH, part, err);
    };
    CompareWithFullModel<RoofPlan>(plan_at_angle, planned, full, out);
    ASSERT_FALSE(HasFatalFailure()) << angle;
  }
  EXPECT_GT(out.compared, 50000);
  EXPECT_GT(out.planRefused, 0);
}

}  // namespace
}  // namespace ventora
