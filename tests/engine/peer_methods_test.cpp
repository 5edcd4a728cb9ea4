// The published methods Ventora's Cp are put beside, against values worked
// out from their sources by hand: CONTAM's library profile of Swami and
// Chandra for a square plan, the AIVC table's points and the midpoints
// between them, EN 1991-1-4's table rows and the zones' widths.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/peers/aivc_walls.h"
#include "engine/peers/en1991_walls.h"
#include "engine/peers/swami_chandra.h"

namespace ventora::peers {
namespace {

TEST(SwamiChandra, ReproducesContamsSquarePlanProfile) {
  // CONTAM's library profile "S&C_1_Both" (side ratio 1), three decimals.
  const double profile[][2] = {{0, 0.603},    {30, 0.469},   {60, 0.119},  {90, -0.443},
                               {120, -0.681}, {150, -0.390}, {180, -0.364}};
  for (const auto& [angle, cp] : profile) {
    EXPECT_NEAR(SwamiChandraWallCp(angle, 1), cp, 5e-4) << angle;
    EXPECT_NEAR(SwamiChandraWallCp(-angle, 1), cp, 5e-4) << -angle;
    EXPECT_NEAR(SwamiChandraWallCp(360 - angle, 1), cp, 5e-4) << 360 - angle;
  }
}

TEST(SwamiChandra, SideRatioHeldWithinAQuarterToFour) {
  // At 60 degrees sin(2 t G) is far from 0: the ratio shows, and stops at 4.
  EXPECT_NE(SwamiChandraWallCp(60, 2), SwamiChandraWallCp(60, 1));
  EXPECT_EQ(SwamiChandraWallCp(60, 10), SwamiChandraWallCp(60, 4));
  EXPECT_EQ(SwamiChandraWallCp(60, 0.1), SwamiChandraWallCp(60, 0.25));
  // By hand for S = 2 at 60 degrees: G = ln 2, sin^3(2 t G) = 0.97854, the
  // bracket 1.2480 - 0.3515 - 0.8813 + 0.1282 + 0.6660 + 0.0084 + 0.5378.
  EXPECT_NEAR(SwamiChandraWallCp(60, 2), 0.6 * std::log(1.35562), 1e-4);
}

TEST(Aivc, TablePointsAndTheLineBetween) {
  struct Case {
    AivcExposure exposure;
    double incidence, cp;
  };
  const Case cases[] = {
      {AivcExposure::Exposed, 0, 0.7},         {AivcExposure::Exposed, 45, 0.35},
      {AivcExposure::Exposed, -45, 0.35},      {AivcExposure::Exposed, 180, -0.2},
      {AivcExposure::Exposed, 22.5, 0.525},    {AivcExposure::Exposed, 337.5, 0.525},
      {AivcExposure::SemiSheltered, 90, -0.3}, {AivcExposure::SemiSheltered, 112.5, -0.325},
      {AivcExposure::Sheltered, 0, 0.2},       {AivcExposure::Sheltered, 135, -0.3},
      {AivcExposure::Sheltered, 360, 0.2},     {AivcExposure::Sheltered, -22.5, 0.125},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(AivcWallCp(c.exposure, c.incidence), c.cp, 1e-12)
        << AivcExposureName(c.exposure) << " " << c.incidence;
}

TEST(Aivc, NearestExposureOfTheSurroundings) {
  EXPECT_EQ(NearestAivcExposure(0, 10, 10), AivcExposure::Exposed);        // isolated
  EXPECT_EQ(NearestAivcExposure(10, 10, 10), AivcExposure::Sheltered);     // PAD 10, SbH = H
  EXPECT_EQ(NearestAivcExposure(30, 5, 10), AivcExposure::SemiSheltered);  // half as high
  EXPECT_EQ(NearestAivcExposure(5, 10, 10), AivcExposure::SemiSheltered);  // sparse
  EXPECT_EQ(NearestAivcExposure(30, 20, 10), AivcExposure::Sheltered);     // taller: held at 1
  EXPECT_EQ(NearestAivcExposure(30, 2, 10), AivcExposure::Exposed);        // low
}

TEST(En1991, TableRowsAndTheLineBetween) {
  EXPECT_EQ(En1991ZoneCp(En1991Zone::D, 0.25), 0.7);
  EXPECT_EQ(En1991ZoneCp(En1991Zone::D, 0.1), 0.7);  // below the table: its first row
  EXPECT_EQ(En1991ZoneCp(En1991Zone::E, 1), -0.5);
  EXPECT_EQ(En1991ZoneCp(En1991Zone::E, 8), -0.7);  // above: its last
  EXPECT_NEAR(En1991ZoneCp(En1991Zone::D, 0.625), 0.75, 1e-12);
  EXPECT_NEAR(En1991ZoneCp(En1991Zone::E, 3), -0.6, 1e-12);
  EXPECT_EQ(En1991ZoneCp(En1991Zone::A, 3), -1.2);
}

TEST(En1991, SideWallMeanWeighsTheZonesByWidth) {
  // A cube 10 m: e = 10 = d, so A 2 m, B 8 m, no C.
  EXPECT_NEAR(En1991SideWallMean(10, 10, 10), (2 * -1.2 + 8 * -0.8) / 10, 1e-12);
  // 10 m high, 10 m across, 20 m deep: A 2, B 8, C 10.
  EXPECT_NEAR(En1991SideWallMean(10, 10, 20), (2 * -1.2 + 8 * -0.8 + 10 * -0.5) / 20, 1e-12);
  // 20 m across, 5 m deep, 10 m high: e = 20, A takes 4 m, B the last 1 m.
  EXPECT_NEAR(En1991SideWallMean(10, 20, 5), (4 * -1.2 + 1 * -0.8) / 5, 1e-12);
  // e/5 beyond the depth: A alone.
  EXPECT_NEAR(En1991SideWallMean(30, 60, 2), -1.2, 1e-12);
}

}  // namespace
}  // namespace ventora::peers
