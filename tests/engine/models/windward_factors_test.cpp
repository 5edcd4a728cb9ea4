#include "engine/models/windward_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/models/numeric_helpers.h"
#include "engine/models/windward_grids.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingLines;
using testing::RecordingMessages;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class WindwardFactorTest : public ::testing::Test {
 protected:
  RecordingMessages boxes;
  RecordingLines lines;
  RunContext ctx{false, &boxes, &lines};
  std::int16_t err = 0;
};

TEST_F(WindwardFactorTest, ReferenceValuesGiveFactorsOfExactlyOne) {
  for (float zh : {0.0f, 0.07f, 0.33f, 0.6f, 0.93f, 1.0f})
    for (float pad : {0.0f, 6.0f, 12.5f, 35.0f, 50.0f}) {
      float f = -1;
      WindwardVeEXPFactor(ctx, zh, 0.22f, f, err);
      EXPECT_EQ(f, 1.0f);
      f = -1;
      WindwardRbHFactor(zh, pad, 1.0f, f);
      EXPECT_EQ(f, 1.0f);
      f = -1;
      WindwardFARFactor(ctx, zh, 1.0f, pad, f, err);
      EXPECT_EQ(f, 1.0f);
      f = -1;
      WindwardSARFactor(ctx, zh, 1.0f, pad, f, err);
      EXPECT_EQ(f, 1.0f);
    }
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindwardFactorTest, RangeLimitsAreInclusive) {
  float f = 0;
  for (float v : {0.10f, 0.45f})
    WindwardVeEXPFactor(ctx, 0.5f, v, f, err);
  for (float p : {0.0f, 50.0f})
    WindwardPADFactor(ctx, 0.5f, p, f, err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindwardFactorTest, OutOfRangeInputsAreRefusedWithTheirMessage) {
  struct Case {
    float VeEXP, PAD;
    const char* text;
  };
  const Case cases[] = {
      {std::nextafter(0.10f, 0.0f), 10.0f, "VeEXP out of range (0.10 - 0.45)"},
      {std::nextafter(0.45f, 1.0f), 10.0f, "VeEXP out of range (0.10 - 0.45)"},
      {kNaN, 10.0f, "VeEXP out of range (0.10 - 0.45)"},
      {0.3f, -0.001f, "PAD out of range (0 - 50)"},
      {0.3f, 50.001f, "PAD out of range (0 - 50)"},
      {0.3f, kNaN, "PAD out of range (0 - 50)"},
  };
  for (const Case& c : cases) {
    boxes.shown.clear();
    err = 0;
    float f2 = -5, f3 = -5;
    WindwardVeEXPFactor(ctx, 0.5f, c.VeEXP, f2, err);
    const bool refused_VeEXP = err != 0;
    if (!refused_VeEXP) WindwardPADFactor(ctx, 0.5f, c.PAD, f3, err);
    EXPECT_EQ(err, 1) << c.text;
    EXPECT_EQ(refused_VeEXP ? f2 : f3, -5.0f) << "a refused factor is not written";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, c.text);
    EXPECT_EQ(boxes.shown[0].title, "VENTORA");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
  }
  EXPECT_TRUE(lines.lines.empty());
  ctx.quiet = true;
  float f = 0;
  WindwardVeEXPFactor(ctx, 0.5f, 0.5f, f, err);
  WindwardPADFactor(ctx, 0.5f, 60.0f, f, err);
  EXPECT_EQ(boxes.shown.size(), 1u) << "quiet: no further boxes";
}

// At PAD 0 the factor is the row's constant term, which names the row.
TEST_F(WindwardFactorTest, PADFactorRowsFollowTheBandFormula) {
  const std::pair<float, int> zh_row[] = {{0.6f, 1}, {0.65f, 1}, {0.7f, 2},  {0.75f, 3},
                                          {0.8f, 3}, {0.85f, 4}, {0.9f, 4},  {0.93f, 4},
                                          {0.0f, 1}, {0.96f, 5}, {-kInf, 1}, {kInf, 5}};
  for (auto [zh, row] : zh_row) {
    float f = 0;
    WindwardPADFactor(ctx, zh, 0.0f, f, err);
    EXPECT_EQ(f, WindwardPADTable[row - 1][3]) << "ZH " << zh;
  }
  // No interpolation: the value jumps at the band edge.
  float below = 0, above = 0;
  WindwardPADFactor(ctx, std::nextafter(0.75f, 0.0f), 20.0f, below, err);
  WindwardPADFactor(ctx, 0.75f, 20.0f, above, err);
  EXPECT_GT(std::fabs(above - below), 0.01f);
}

TEST_F(WindwardFactorTest, AngleFactorBandsAndRows) {
  struct Case {
    float zh, angle;
    int row;
  };
  const Case cases[] = {
      {0.3f, 0.0f, 1},    {0.3f, 4.99f, 1},   {0.3f, 5.0f, 2},    {0.59f, 15.0f, 3},
      {0.6f, 15.0f, 13},  {0.79f, 84.9f, 19}, {0.79f, 85.0f, 20}, {0.8f, 85.0f, 30},
      {0.93f, 45.0f, 26}, {0.1f, 89.99f, 10}, {2.0f, 1e9f, 30},   {kNaN, kNaN, 1},
  };
  for (const Case& c : cases) {
    float f = 0;
    WindwardAngleFactor(c.zh, c.angle, 0.0f, f);  // x = 0: the row's constant term
    EXPECT_EQ(f, WindwardAngleTable[c.row - 1][3]) << "ZH " << c.zh << " angle " << c.angle;
  }
}

TEST_F(WindwardFactorTest, OppositeAnglesMirrorTheDistribution) {
  for (float zh : {0.2f, 0.7f, 0.9f})
    for (float angle : {3.0f, 30.0f, 60.0f, 87.0f})
      for (float xl : {0.0f, 0.1f, 0.3f, 0.5f, 0.85f, 1.0f}) {
        float plus = 0, minus = 0;
        WindwardAngleFactor(zh, angle, static_cast<float>(1.0 - xl), plus);
        WindwardAngleFactor(zh, -angle, xl, minus);
        EXPECT_EQ(plus, minus) << zh << " " << angle << " " << xl;
      }
  float a = 0, b = 0;
  WindwardAngleFactor(0.5f, 30.0f, 0.2f, a);
  WindwardAngleFactor(0.5f, -30.0f, 0.2f, b);
  EXPECT_GT(std::fabs(a - b), 0.1f) << "the sign of the angle matters off the centre line";
}

TEST_F(WindwardFactorTest, GridPointsAndTheirNeighboursAgree) {
  auto near = [](float v) {
    return std::array{std::nextafter(v, -1.0f), std::nextafter(v, 99.0f)};
  };
  for (float zh : kWindwardVeEXPZH) {
    float on = 0, off = 0;
    WindwardVeEXPFactor(ctx, zh, 0.3f, on, err);
    for (float z : near(zh)) {
      WindwardVeEXPFactor(ctx, z, 0.3f, off, err);
      EXPECT_NEAR(off, on, 1e-5f) << "VeEXP factor at ZH " << zh;
    }
  }
  for (float zh : kWindwardRbHZH)
    for (float pad : {5.5f, 12.5f, 25.0f}) {
      float on = 0, off = 0;
      WindwardRbHFactor(zh, pad, 1.4f, on);
      for (float z : near(zh))
        for (float p : near(pad)) {
          WindwardRbHFactor(z, p, 1.4f, off);
          EXPECT_NEAR(off, on, 1e-4f) << "RbH factor at ZH " << zh << " PAD " << pad;
        }
    }
  for (float zh : kWindwardRatioZH)
    for (float pad : {5.0f, 12.5f, 17.5f, 30.0f})
      for (float ratio : {0.6f, 2.5f}) {
        float on = 0, off = 0;
        WindwardFARFactor(ctx, zh, ratio, pad, on, err);
        for (float z : near(zh))
          for (float p : near(pad)) {
            WindwardFARFactor(ctx, z, ratio, p, off, err);
            EXPECT_NEAR(off, on, 2e-3f * std::fabs(on) + 1e-4f) << zh << " " << pad << " " << ratio;
            WindwardSARFactor(ctx, z, ratio, p, off, err);
          }
      }
  EXPECT_EQ(err, 0);
}

TEST_F(WindwardFactorTest, RatioFactorsOnAndBetweenGridPoints) {
  float f = 0;
  // PAD 10, ZH 0.4 is row 21: the line -0.12 FAR + 1.12 below 1.
  WindwardFARFactor(ctx, 0.4f, 0.5f, 10.0f, f, err);
  EXPECT_FLOAT_EQ(f, 1.06f);
  // FAR 9 is read at 6: row 21's root of -0.303556 * 6 - 5.104654 / 6 + 6.409214.
  WindwardFARFactor(ctx, 0.4f, 9.0f, 10.0f, f, err);
  EXPECT_NEAR(f, 1.933159, 1e-5);
  // Halfway between the PAD 10 and 12.5 rows (21 and 27), SAR below 1: the mean of the lines.
  WindwardSARFactor(ctx, 0.4f, 0.5f, 11.25f, f, err);
  EXPECT_NEAR(f, (0.8 * 0.5 + 0.2 + 1.428 * 0.5 - 0.428) / 2, 1e-6);
  EXPECT_EQ(err, 0);
}

TEST_F(WindwardFactorTest, SpecialRootRowsReturnTheirRadicandEvenWhenNegative) {
  float f = 0;
  // FAR row 43 (PAD 20, ZH 0.07) at FAR 3: 3.15952 * 3 + 28.582 / 3 - 31.0573.
  WindwardFARFactor(ctx, 0.07f, 3.0f, 20.0f, f, err);
  EXPECT_NEAR(f, -12.0514067, 1e-5);
  // SAR row 45 (PAD 20, ZH 0.4) at SAR 2: 2.19997 * 2 + 15.8999 / 2 - 17.0999.
  WindwardSARFactor(ctx, 0.4f, 2.0f, 20.0f, f, err);
  EXPECT_NEAR(f, -4.75001, 1e-5);
  // SAR row 46 is not special there: 20 - sqrt(531 * 2 - 2920.5 / 2 + 2750.5).
  WindwardSARFactor(ctx, 0.6f, 2.0f, 20.0f, f, err);
  EXPECT_NEAR(f, 20.0 - 48.5, 1e-4);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

// A table of flat curves (line 1, root form s = 1) with one row whose root
// form has no real value: row 8, PAD 5 and ZH 0.2.
WindwardRatioTable TableWithBadRow8() {
  WindwardRatioTable t{};
  for (auto& row : t)
    row = {0.0f, 1.0f, 0.0f, 0.0f, 1.0f};
  t[7][4] = -1.0f;
  return t;
}

TEST_F(WindwardFactorTest, RootFormWithoutRealValueStopsTheRatioFactors) {
  const WindwardRatioTable bad = TableWithBadRow8();
  struct Case {
    float zh, pad;
  };
  for (Case c : {Case{0.2f, 5.0f}, Case{0.3f, 5.0f}, Case{0.2f, 6.0f}, Case{0.1f, 3.0f}}) {
    boxes.shown.clear();
    lines.lines.clear();
    err = 0;
    float f5 = 0, f6 = 0;
    WindwardFARFactor(ctx, c.zh, 2.0f, c.pad, f5, err, bad);
    EXPECT_EQ(err, 2);
    EXPECT_EQ(f5, 10000.0f);
    err = 0;
    WindwardSARFactor(ctx, c.zh, 2.0f, c.pad, f6, err, bad);
    EXPECT_EQ(err, 2);
    EXPECT_EQ(f6, 10000.0f);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"FAR out of range (windward facade)",
                                                       "SAR out of range (windward facade)"}));
    EXPECT_EQ(lines.lines, boxes.Texts());
  }
}

TEST_F(WindwardFactorTest, BadRowOutsideTheCellOrBelowRatioOneIsHarmless) {
  const WindwardRatioTable bad = TableWithBadRow8();
  float f = 0;
  WindwardFARFactor(ctx, 0.5f, 2.0f, 8.0f, f, err, bad);
  EXPECT_EQ(f, 1.0f);
  WindwardFARFactor(ctx, 0.2f, 0.5f, 5.0f, f, err, bad);  // the line, not the root form
  EXPECT_EQ(f, 1.0f);
  WindwardSARFactor(ctx, 0.5f, 2.0f, 32.0f, f, err, bad);  // upper rows: 20 - 1
  EXPECT_EQ(f, 19.0f);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(lines.lines.empty());
}

TEST_F(WindwardFactorTest, QuietRunsStillGetTheReportLine) {
  ctx.quiet = true;
  float f = 0;
  WindwardFARFactor(ctx, 0.2f, 3.0f, 5.0f, f, err, TableWithBadRow8());
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(lines.lines, std::vector<std::string>{"FAR out of range (windward facade)"});
  const RunContext silent{};  // no sinks at all
  err = 0;
  WindwardSARFactor(silent, 0.2f, 3.0f, 5.0f, f, err, TableWithBadRow8());
  EXPECT_EQ(err, 2);
}

TEST_F(WindwardFactorTest, NonFiniteRatioIsReportedNotPassedOn) {
  float f = 0;
  WindwardFARFactor(ctx, 0.5f, kNaN, 10.0f, f, err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(lines.lines, std::vector<std::string>{"FAR out of range (windward facade)"});
}

TEST_F(WindwardFactorTest, ExtremeInputsStayInsideTheTables) {
  const float extremes[] = {-kInf, -1e30f, -1.0f, 0.0f, 0.5f, 1.0f, 45.0f, 1e30f, kInf, kNaN};
  ctx.quiet = true;
  for (float a : extremes)
    for (float b : extremes) {
      float f = 0;
      WindwardVeEXPFactor(ctx, a, 0.3f, f, err);
      WindwardPADFactor(ctx, a, 20.0f, f, err);
      WindwardRbHFactor(a, b, 1.7f, f);
      WindwardRbHFactor(a, 10.0f, b, f);
      WindwardFARFactor(ctx, a, 2.0f, b, f, err);
      WindwardSARFactor(ctx, a, b, 10.0f, f, err);
      WindwardAngleFactor(a, b, 0.5f, f);
      WindwardAngleFactor(0.5f, a, b, f);
    }
  // Held end rows: beyond the RbH grid the corner row (ZH 0.93, PAD 40) is read.
  float corner = 0, beyond = 0;
  WindwardRbHFactor(0.93f, 40.0f, 1.7f, corner);
  WindwardRbHFactor(5.0f, 1e6f, 1.7f, beyond);
  EXPECT_EQ(beyond, corner);
}

}  // namespace
}  // namespace ventora
