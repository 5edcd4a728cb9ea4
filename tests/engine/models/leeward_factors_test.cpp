// The leeward factors one by one: reference states, grid and off-grid
// continuity, bands, mirror symmetry, the PAD 35 limit and the no-real-value
// path of the ratio factors on small synthetic tables.

#include "engine/models/leeward_factors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingLines;
using testing::RecordingMessages;

const RunContext kQuiet{true, nullptr, nullptr};

float Below(float v) {
  return std::nextafter(v, -1e9f);
}
float Above(float v) {
  return std::nextafter(v, 1e9f);
}

float VeEXPFactor(float ZH, float VeEXP) {
  float F2 = -1.0f;
  std::int16_t err = 0;
  LeewardVeEXPFactor(kQuiet, ZH, VeEXP, F2, err);
  EXPECT_EQ(err, 0);
  return F2;
}

float PADFactor(float ZH, float PAD) {
  float F3 = -1.0f;
  std::int16_t err = 0;
  LeewardPADFactor(kQuiet, ZH, PAD, F3, err);
  EXPECT_EQ(err, 0);
  return F3;
}

float RbHFactor(float ZH, float PAD, float RbH) {
  float F4 = -1.0f;
  LeewardRbHFactor(ZH, PAD, RbH, F4);
  return F4;
}

float FARFactor(float ZH, float FAR, float PAD) {
  float F5 = -1.0f;
  std::int16_t err = 0;
  LeewardFARFactor(kQuiet, ZH, FAR, PAD, F5, err);
  EXPECT_EQ(err, 0);
  return F5;
}

float SARFactor(float ZH, float SAR, float PAD) {
  float F6 = -1.0f;
  std::int16_t err = 0;
  LeewardSARFactor(kQuiet, ZH, SAR, PAD, F6, err);
  EXPECT_EQ(err, 0);
  return F6;
}

float AngleFactor(float ZH, float angle, float XL) {
  float F7 = -1.0f;
  LeewardAngleFactor(ZH, angle, XL, F7);
  return F7;
}

TEST(LeewardReferenceStatesTest, GiveFactorsOfExactlyOne) {
  for (float ZH : {0.0f, 0.07f, 0.15f, 0.5f, 0.9f, 0.93f, 1.0f}) {
    SCOPED_TRACE(ZH);
    EXPECT_EQ(VeEXPFactor(ZH, 0.22f), 1.0f);
    EXPECT_EQ(PADFactor(ZH, 0.0f), 1.0f);
    for (float PAD : {0.0f, 7.0f, 40.0f, 50.0f}) {
      EXPECT_EQ(RbHFactor(ZH, PAD, 1.0f), 1.0f);
      EXPECT_EQ(FARFactor(ZH, 1.0f, PAD), 1.0f);  // above 35 too: the limit needs FAR not 1
      EXPECT_EQ(SARFactor(ZH, 1.0f, PAD), 1.0f);
    }
  }
}

// The rows give 0.955 to 0.992 at 0.22, yet the factor is exactly 1 there.
TEST(LeewardVeEXPFactorTest, JumpsToOneAtTheReferenceExponent) {
  for (float ZH : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.4f}) {
    SCOPED_TRACE(ZH);
    const float just_below = VeEXPFactor(ZH, Below(0.22f));
    const float just_above = VeEXPFactor(ZH, Above(0.22f));
    EXPECT_NEAR(just_below, just_above, 1e-5);
    EXPECT_GT(1.0f - just_below, 0.007f);
    EXPECT_LT(1.0f - just_below, 0.046f);
  }
}

TEST(LeewardVeEXPFactorTest, LimitsAreInclusiveAndNaNIsRefused) {
  // Accepted (the helper checks err); at 0.45 the ZH 0.5 row is the model's
  // own negative value.
  EXPECT_NEAR(VeEXPFactor(0.5f, 0.10f), 1.13329, 1e-5);
  EXPECT_NEAR(VeEXPFactor(0.5f, 0.45f), -0.0932913, 1e-6);
  for (float bad : {Below(0.10f), Above(0.45f), std::nanf(""), -INFINITY}) {
    RecordingMessages boxes;
    float F2 = -7.0f;
    std::int16_t err = 0;
    LeewardVeEXPFactor(RunContext{false, &boxes, nullptr}, 0.5f, bad, F2, err);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(F2, -7.0f);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{" VeEXP out of range (0.10 - 0.45) "});
  }
}

TEST(LeewardPADFactorTest, LimitsAreInclusiveAndTheMessageKeepsItsBlank) {
  EXPECT_GT(PADFactor(0.5f, 50.0f), 0.0f);
  for (float bad : {Below(0.0f), Above(50.0f), std::nanf("")}) {
    RecordingMessages boxes;
    float F3 = -7.0f;
    std::int16_t err = 0;
    LeewardPADFactor(RunContext{false, &boxes, nullptr}, 0.5f, bad, F3, err);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(F3, -7.0f);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"PAD out of range (0 - 50) "});
  }
}

// Interpolation in ZH is linear between grid points: continuous across a
// point, and the mean of its neighbours half-way.
TEST(LeewardOneAxisFactorsTest, ContinuousAcrossGridPointsAndLinearBetween) {
  const std::array<float, 5> ve_grid{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};
  for (int i = 0; i < 5; ++i) {
    const float g = ve_grid[i];
    SCOPED_TRACE(g);
    EXPECT_NEAR(VeEXPFactor(Below(g), 0.3f), VeEXPFactor(g, 0.3f), 1e-5);
    EXPECT_NEAR(VeEXPFactor(Above(g), 0.3f), VeEXPFactor(g, 0.3f), 1e-5);
  }
  EXPECT_NEAR(VeEXPFactor(0.4f, 0.3f), (VeEXPFactor(0.3f, 0.3f) + VeEXPFactor(0.5f, 0.3f)) / 2,
              1e-6);
  for (float g : kLeewardZH) {
    SCOPED_TRACE(g);
    EXPECT_NEAR(PADFactor(Below(g), 17.0f), PADFactor(g, 17.0f), 1e-5);
    EXPECT_NEAR(PADFactor(Above(g), 17.0f), PADFactor(g, 17.0f), 1e-5);
  }
  EXPECT_NEAR(PADFactor(0.5f, 17.0f), (PADFactor(0.4f, 17.0f) + PADFactor(0.6f, 17.0f)) / 2, 1e-6);
}

// Outside its grid a direct call holds the end row.
TEST(LeewardOneAxisFactorsTest, HoldTheEndRowsBeyondTheGrid) {
  EXPECT_EQ(VeEXPFactor(0.0f, 0.3f), VeEXPFactor(0.1f, 0.3f));
  EXPECT_EQ(VeEXPFactor(1.0f, 0.3f), VeEXPFactor(0.9f, 0.3f));
  EXPECT_EQ(PADFactor(0.0f, 20.0f), PADFactor(0.07f, 20.0f));
  EXPECT_EQ(PADFactor(1.0f, 20.0f), PADFactor(0.93f, 20.0f));
}

TEST(LeewardRbHFactorTest, BilinearInTheCellAndContinuousOnItsEdges) {
  const float corner[4] = {RbHFactor(0.4f, 6.25f, 1.6f), RbHFactor(0.4f, 12.5f, 1.6f),
                           RbHFactor(0.6f, 6.25f, 1.6f), RbHFactor(0.6f, 12.5f, 1.6f)};
  const float centre = RbHFactor(0.5f, 9.375f, 1.6f);
  EXPECT_NEAR(centre, (corner[0] + corner[1] + corner[2] + corner[3]) / 4, 1e-6);
  EXPECT_NEAR(RbHFactor(0.5f, 6.25f, 1.6f), (corner[0] + corner[2]) / 2, 1e-6);
  EXPECT_NEAR(RbHFactor(0.4f, 9.375f, 1.6f), (corner[0] + corner[1]) / 2, 1e-6);
  EXPECT_NEAR(RbHFactor(Above(0.4f), Above(6.25f), 1.6f), corner[0], 1e-5);
  EXPECT_NEAR(RbHFactor(Below(0.6f), Below(12.5f), 1.6f), corner[3], 1e-5);
  // PAD above the grid's 40 (reachable only in a direct call) holds the 40 rows.
  EXPECT_EQ(RbHFactor(0.5f, 50.0f, 1.6f), RbHFactor(0.5f, 40.0f, 1.6f));
}

TEST(LeewardRatioFactorsTest, LinesBelowOneRootFormsAboveOne) {
  // On a grid point the line is a1 r + a2 of that row: PAD 10, ZH 0.6 is row 22.
  EXPECT_NEAR(FARFactor(0.6f, 0.5f, 10.0f), 1.25 * 0.5 - 0.25, 1e-6);
  EXPECT_NEAR(SARFactor(0.6f, 0.5f, 10.0f), 0.334 * 0.5 + 0.666, 1e-6);
  // Both sides of ratio 1 meet near 1.
  EXPECT_NEAR(FARFactor(0.45f, Below(1.0f), 11.0f), 1.0f, 1e-5);
  EXPECT_NEAR(FARFactor(0.45f, Above(1.0f), 11.0f), 1.0f, 0.08);
  EXPECT_NEAR(SARFactor(0.45f, Above(1.0f), 11.0f), 1.0f, 0.005);
}

TEST(LeewardRatioFactorsTest, RatiosAreCappedAtSixAndFour) {
  EXPECT_EQ(FARFactor(0.5f, 10.0f, 9.0f), FARFactor(0.5f, 6.0f, 9.0f));
  EXPECT_NE(FARFactor(0.5f, 5.9f, 9.0f), FARFactor(0.5f, 6.0f, 9.0f));
  EXPECT_EQ(SARFactor(0.5f, 9.0f, 9.0f), SARFactor(0.5f, 4.0f, 9.0f));
  EXPECT_NE(SARFactor(0.5f, 3.9f, 9.0f), SARFactor(0.5f, 4.0f, 9.0f));
}

// From PAD 15 on a row gives 20 minus the root, so between 12.5 and 15 the
// factor interpolates between a plain root and 20 minus a root: both near 1.
TEST(LeewardRatioFactorsTest, UpperRowsGiveTwentyMinusTheRoot) {
  for (float ZH : {0.07f, 0.4f, 0.93f}) {
    SCOPED_TRACE(ZH);
    const float at_12_5 = FARFactor(ZH, 2.0f, 12.5f);
    const float at_15 = FARFactor(ZH, 2.0f, 15.0f);
    EXPECT_NEAR(at_12_5, 1.0f, 0.6f);
    EXPECT_NEAR(at_15, 1.0f, 0.6f);
    EXPECT_NEAR(FARFactor(ZH, 2.0f, 13.75f), (at_12_5 + at_15) / 2, 1e-6);
    const float sar_12_5 = SARFactor(ZH, 2.0f, 12.5f);
    const float sar_15 = SARFactor(ZH, 2.0f, 15.0f);
    EXPECT_NEAR(sar_12_5, 0.5f, 0.5f);
    EXPECT_NEAR(sar_15, 0.5f, 0.5f);
    EXPECT_NEAR(SARFactor(ZH, 2.0f, 13.75f), (sar_12_5 + sar_15) / 2, 1e-6);
  }
}

// PAD 35 rows 61 and 62 of the FAR table have closed forms of their own,
// b1 - (x - b2) b3^(x - b2) and b1 - (x - b2) b3^(b3 x - b3).
TEST(LeewardRatioFactorsTest, ClosedFormsOfTheLastFARRows) {
  const double x = 2.5;
  EXPECT_NEAR(FARFactor(0.07f, 2.5f, 35.0f),
              -0.290997 - (x - 1.50567) * std::pow(0.156171, x - 1.50567), 1e-6);
  EXPECT_NEAR(FARFactor(0.2f, 2.5f, 35.0f),
              0.22566 - (x - 2.227728) * std::pow(0.39754, 0.39754 * x - 0.39754), 1e-6);
}

TEST(LeewardRatioFactorsTest, PADAbove35IsRefusedUnlessTheRatioIsOne) {
  EXPECT_GT(FARFactor(0.5f, 2.0f, 35.0f), 0.0f);
  EXPECT_GT(SARFactor(0.5f, 0.5f, 35.0f), 0.0f);
  struct Case {
    bool far;
    float ratio;
    const char* text;
  };
  for (const Case c : {Case{true, 2.0f, "PAD out of range (0 - 35)"},
                       Case{true, 0.5f, "PAD out of range (0 - 35)"},
                       Case{false, 2.0f, "PAD out of range (0 - 35) "},
                       Case{false, 0.5f, "PAD out of range (0 - 35) "}}) {
    SCOPED_TRACE(c.text);
    RecordingMessages boxes;
    RecordingLines lines;
    const RunContext ctx{false, &boxes, &lines};
    float factor = -7.0f;
    std::int16_t err = 0;
    if (c.far) {
      LeewardFARFactor(ctx, 0.5f, c.ratio, Above(35.0f), factor, err);
    } else {
      LeewardSARFactor(ctx, 0.5f, c.ratio, Above(35.0f), factor, err);
    }
    EXPECT_EQ(err, 1);
    EXPECT_EQ(factor, -7.0f);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.text});
    EXPECT_TRUE(lines.lines.empty());
  }
}

// A 2 x 2 table (PAD 0 and 10, ZH 0.2 and 0.8) whose row 4 has no real value
// for a ratio above 2: s = -x + 2.
constexpr std::array<float, 2> kSmallPAD{0.0f, 10.0f};
constexpr std::array<float, 2> kSmallZH{0.2f, 0.8f};
constexpr CoefTable<4, 5> kSmallRows{{
    {{0.5f, 0.5f, 0.0f, 0.0f, 1.0f}},   // row 1: PAD 0, ZH 0.2 - root 1
    {{0.5f, 0.5f, 0.0f, 0.0f, 4.0f}},   // row 2: PAD 0, ZH 0.8 - root 2
    {{0.5f, 0.5f, 0.0f, 0.0f, 9.0f}},   // row 3: PAD 10, ZH 0.2 - root 3
    {{0.5f, 0.5f, -1.0f, 0.0f, 2.0f}},  // row 4: PAD 10, ZH 0.8
}};
constexpr LeewardRatioTable kSmall{kSmallRows, kSmallPAD, kSmallZH};

struct RatioRun {
  float factor = -7.0f;
  std::int16_t err = 0;
  RecordingMessages boxes;
  RecordingLines lines;
};

void RunRatio(bool far, float ZH, float ratio, float PAD, RatioRun& run,
              const LeewardRatioTable& table) {
  const RunContext ctx{false, &run.boxes, &run.lines};
  if (far) {
    LeewardFARFactor(ctx, ZH, ratio, PAD, run.factor, run.err, table);
  } else {
    LeewardSARFactor(ctx, ZH, ratio, PAD, run.factor, run.err, table);
  }
}

TEST(LeewardRatioFactorsTest, NoRealValueStopsWithCodeTwoAndAReportLineOnly) {
  for (bool far : {true, false}) {
    SCOPED_TRACE(far);
    const std::string line =
        far ? "FAR out of range (leeward facade)" : "SAR out of range (leeward facade)";
    RatioRun clear;  // rows 1 and 2 only
    RunRatio(far, 0.5f, 3.0f, 0.0f, clear, kSmall);
    EXPECT_EQ(clear.err, 0);
    EXPECT_NEAR(clear.factor, 1.5f, 1e-6);
    RatioRun fine;  // row 4 has a real value at 1.5
    RunRatio(far, 0.5f, 1.5f, 5.0f, fine, kSmall);
    EXPECT_EQ(fine.err, 0);
    RatioRun below_one;  // lines never fail
    RunRatio(far, 0.8f, 0.5f, 10.0f, below_one, kSmall);
    EXPECT_EQ(below_one.err, 0);
    for (auto [ZH, PAD] : {std::pair{0.8f, 10.0f}, std::pair{0.5f, 10.0f}, std::pair{0.8f, 5.0f},
                           std::pair{0.5f, 5.0f}}) {
      SCOPED_TRACE(::testing::Message() << ZH << " " << PAD);
      RatioRun bad;
      RunRatio(far, ZH, 3.0f, PAD, bad, kSmall);
      EXPECT_EQ(bad.err, 2);
      EXPECT_EQ(bad.factor, 10000.0f);
      EXPECT_TRUE(bad.boxes.shown.empty());
      EXPECT_EQ(bad.lines.lines, std::vector<std::string>{line});
    }
  }
}

// The SAR factor turns an upper row's root into 20 minus it, but must not
// turn a row without a real value (1000) into -980.
TEST(LeewardRatioFactorsTest, UpperSARRowWithoutRealValueStillFails) {
  constexpr std::array<float, 6> pad{0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
  constexpr std::array<float, 6> zh{0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
  CoefTable<36, 5> rows{};
  for (auto& row : rows)
    row = {0.5f, 0.5f, 0.0f, 0.0f, 1.0f};
  rows[30] = {0.5f, 0.5f, -1.0f, 0.0f, 0.0f};  // row 31: PAD 5, ZH 0.1
  const LeewardRatioTable table{rows, pad, zh};
  RatioRun upper;
  RunRatio(false, 0.2f, 2.0f, 5.0f, upper, table);
  EXPECT_EQ(upper.err, 0);
  EXPECT_EQ(upper.factor, 19.0f);
  RatioRun bad;
  RunRatio(false, 0.1f, 2.0f, 5.0f, bad, table);
  EXPECT_EQ(bad.err, 2);
  EXPECT_EQ(bad.factor, 10000.0f);
}

TEST(LeewardAngleFactorTest, BandsOfZHWithoutInterpolation) {
  for (float angle : {90.0f, 120.0f, 180.0f}) {
    SCOPED_TRACE(angle);
    EXPECT_EQ(AngleFactor(0.0f, angle, 0.3f), AngleFactor(Below(0.6f), angle, 0.3f));
    EXPECT_NE(AngleFactor(Below(0.6f), angle, 0.3f), AngleFactor(0.6f, angle, 0.3f));
    EXPECT_EQ(AngleFactor(0.6f, angle, 0.3f), AngleFactor(Below(0.8f), angle, 0.3f));
    EXPECT_NE(AngleFactor(Below(0.8f), angle, 0.3f), AngleFactor(0.8f, angle, 0.3f));
    EXPECT_EQ(AngleFactor(0.8f, angle, 0.3f), AngleFactor(1.0f, angle, 0.3f));
  }
}

TEST(LeewardAngleFactorTest, InterpolatesInTheAngleMagnitude) {
  for (float ZH : {0.3f, 0.7f, 0.9f}) {
    SCOPED_TRACE(ZH);
    EXPECT_NEAR(AngleFactor(ZH, 120.0f, 0.25f),
                (AngleFactor(ZH, 110.0f, 0.25f) + AngleFactor(ZH, 130.0f, 0.25f)) / 2, 1e-6);
    EXPECT_NEAR(AngleFactor(ZH, Below(160.0f), 0.25f), AngleFactor(ZH, 160.0f, 0.25f), 1e-5);
    EXPECT_NEAR(AngleFactor(ZH, Above(160.0f), 0.25f), AngleFactor(ZH, 160.0f, 0.25f), 1e-5);
    // Beyond the grid (direct calls only) the end rows hold.
    EXPECT_EQ(AngleFactor(ZH, 200.0f, 0.25f), AngleFactor(ZH, 180.0f, 0.25f));
    EXPECT_EQ(AngleFactor(ZH, 45.0f, 0.25f), AngleFactor(ZH, 90.0f, 0.25f));
  }
}

TEST(LeewardAngleFactorTest, NegativeAnglesMirrorTheDistribution) {
  for (float angle : {90.0f, 120.0f, 155.0f, 180.0f}) {
    for (float XL : {0.0f, 0.1f, 0.37f, 0.5f, 1.0f}) {
      SCOPED_TRACE(::testing::Message() << angle << " " << XL);
      EXPECT_EQ(AngleFactor(0.5f, -angle, XL), AngleFactor(0.5f, angle, 1.0f - XL));
    }
  }
  // -120 uses x = 1 - XL between the 110 and 130 rows.
  EXPECT_NE(AngleFactor(0.5f, -120.0f, 0.2f), AngleFactor(0.5f, 120.0f, 0.2f));
  // At 180 the two lower bands are symmetric, so the mirror changes nothing.
  EXPECT_NEAR(AngleFactor(0.5f, -180.0f, 0.2f), AngleFactor(0.5f, 180.0f, 0.2f), 1e-6);
}

TEST(LeewardBandMultiplierTest, EachBandIncludesItsLowerBound) {
  EXPECT_EQ(LeewardBandMultiplier(0.0f), 0.86);
  EXPECT_EQ(LeewardBandMultiplier(Below(0.2f)), 0.86);
  EXPECT_EQ(LeewardBandMultiplier(0.2f), 0.83);
  EXPECT_EQ(LeewardBandMultiplier(Below(0.4f)), 0.83);
  EXPECT_EQ(LeewardBandMultiplier(0.4f), 0.73);
  EXPECT_EQ(LeewardBandMultiplier(Below(0.6f)), 0.73);
  EXPECT_EQ(LeewardBandMultiplier(0.6f), 0.64);
  EXPECT_EQ(LeewardBandMultiplier(Below(0.8f)), 0.64);
  EXPECT_EQ(LeewardBandMultiplier(0.8f), 0.61);
  EXPECT_EQ(LeewardBandMultiplier(1.0f), 0.61);
}

}  // namespace
}  // namespace ventora
