// Values that depend on where the calculation stores 32-bit intermediates.
// Each case was chosen where computing the same formula without the 32-bit
// store changes the result, so a "simplification" to 64-bit shows here.

#include <gtest/gtest.h>

#include "engine/facade_geometry.h"
#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "job_builders.h"

namespace ventora {
namespace {

// The facade azimuth and the relative angle are stored as 32-bit values
// before the wrap into (-180, 180]. For AzB 131.7 and AnWind 41.7 this makes
// wall 2 exactly parallel to the wind (90, leeward model) and wall 3 exactly
// 180; without the stores wall 2 would be 89.99998 and go to the windward model.
// The first rows: angles on whole degrees, one per facade kind.
TEST(StoredPrecision, FacadeAngleWrapsStoredValues) {
  const struct {
    float AzB, AnWind;
    int iface;
    float angle;
  } cases[] = {{30, 120, 1, 180},      {30, 120, 2, -90},      {30, 120, 4, 90},
               {30, 120, 6, 180},      {131.7f, 41.7f, 2, 90}, {131.7f, 41.7f, 3, 180},
               {321.2f, 51.2f, 4, 90}, {214.4f, 34.4f, 3, 90}, {214.4f, 34.4f, 4, 180}};
  for (const auto& c : cases)
    EXPECT_EQ(DeriveFacadeGeometry(testing::BlockJob(c.AzB, c.AnWind)).FacadeAngle[c.iface],
              c.angle)
        << c.AzB << " " << c.AnWind << " wall " << c.iface;
}

// Leeward, grid point PAD 15, ZH 0.4, SAR 2 (row 33, an upper row): the row
// value is 20 minus the root of the 64-bit radicand, 0.43999577; taking the
// root's 32-bit value first gives -0.13898884 instead of -0.13898875.
// F1 -0.44854116, F3 0.58792555, F7 0.7320214 (row 5 at x 0.5, times 0.73).
// Flat roof, theta 30, ZH 0.5, XL 0.3, VeEXP 0.25: the angle factor
// (0.5454535, row 3) times the VeEXP factor (0.8397436, row 8) is stored as
// one 32-bit factor before the product with the profile (-0.32999587) and the
// flat-roof factor (1.3681864, row 6); one 64-bit product gives one unit in
// the last place less.
TEST(StoredPrecision, ModelsRoundWhereTheyStore) {
  const struct {
    void (*model)(const RunContext&, const ModelInput&, float&, std::int16_t&);
    ModelInput in;
    float Cp;
  } cases[] = {{LeewardCp, {0.22f, 15.0f, 1.0f, 1.0f, 2.0f, 180.0f, 0.4f, 0.5f}, -0x1.1ca622p-3f},
               {RoofCp, {0.25f, 0.0f, 1.0f, 1.0f, 1.0f, -30.0f, 0.5f, 0.3f}, -0x1.a788aap-3f}};
  for (const auto& c : cases) {
    float Cp = 0;
    std::int16_t err = 0;
    c.model({}, c.in, Cp, err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(Cp, c.Cp);  // -0.13898875, -0.20680363
  }
}

}  // namespace
}  // namespace ventora
