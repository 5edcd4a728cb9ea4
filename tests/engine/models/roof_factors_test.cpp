// The roof model's factors one by one: reference values of exactly 1, band
// edges, range refusals, and the grid lookups (held ends, interpolation).

#include "engine/models/roof_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingMessages;

constexpr float kUnset = -7.0f;  // a factor the procedure must not overwrite

float Below(float x) {
  return std::nextafter(x, -1e9f);
}
float Above(float x) {
  return std::nextafter(x, 1e9f);
}

class RoofFactorsTest : public ::testing::Test {
 protected:
  RecordingMessages rec;
  RunContext ctx{false, &rec, nullptr};
  std::int16_t status = 0;
  float factor = kUnset;

  void ExpectRefused(const char* text) {
    EXPECT_EQ(status, 1);
    EXPECT_EQ(factor, kUnset);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(rec.shown[0].text, text);
    EXPECT_EQ(rec.shown[0].title, "VENTORA");
    EXPECT_EQ(rec.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(rec.shown[0].icon, MsgIcon::None);
  }
  void ExpectAccepted() {
    EXPECT_EQ(status, 0);
    EXPECT_NE(factor, kUnset);
    EXPECT_TRUE(rec.shown.empty());
  }
  float VeEXP(float ZH, float v, float theta) {
    factor = kUnset;
    RoofVeEXPFactor(ctx, ZH, v, theta, factor, status);
    return factor;
  }
};

TEST_F(RoofFactorsTest, ReferenceStateGivesExactlyOne) {
  for (float ZH : {0.0f, 0.3f, 0.55f, 1.0f}) {
    for (float theta : {0.0f, -0.0f})
      EXPECT_EQ(RoofAngleFactor(ZH, theta), 1.0f);
    EXPECT_EQ(VeEXP(ZH, 0.22f, 70.0f), 1.0f);  // whatever the angle
    RoofPADFactor(ctx, ZH, 0.0f, factor, status);
    EXPECT_EQ(factor, 1.0f);
    RoofRbHFactor(ctx, ZH, 45.0f, 1.0f, factor, status);  // no PAD limit at RbH 1
    EXPECT_EQ(factor, 1.0f);
    RoofFARFactor(ctx, ZH, 1.0f, 45.0f, factor, status);  // nor at FAR 1
    EXPECT_EQ(factor, 1.0f);
    RoofSARFactor(ctx, ZH, 1.0f, 45.0f, factor, status);
    EXPECT_EQ(factor, 1.0f);
  }
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(rec.shown.empty());
}

TEST_F(RoofFactorsTest, RoofTypesGiveExactlyOneOnAFlatRoofOrTheMidLine) {
  for (float ZH : {0.1f, 0.5f, 0.9f}) {
    for (float theta : {0.0f, 45.0f, 90.0f}) {
      EXPECT_EQ(RoofFlatFactor(ZH, theta, 0.5f), 1.0f);
      EXPECT_EQ(RoofSingleSlopeMidFactor(ZH, theta, 0.0f), 1.0f);
      EXPECT_EQ(RoofSingleSlopeFactor(ZH, theta, 0.0f, 0.2f), 1.0f);
      EXPECT_EQ(RoofDoubleSlopeMidFactor(ZH, theta, 0.0f), 1.0f);
      EXPECT_EQ(RoofDoubleSlopeFactor(ZH, theta, 0.0f, 0.2f), 1.0f);
    }
  }
}

TEST(RoofAngleFactorTest, ZHBandsJumpAtTheirEdges) {
  for (float edge : {0.2f, 0.4f, 0.6f, 0.8f}) {
    const float lower = RoofAngleFactor(edge - 0.05f, 40.0f);
    const float upper = RoofAngleFactor(edge + 0.05f, 40.0f);
    EXPECT_NE(lower, upper) << edge;
    EXPECT_EQ(RoofAngleFactor(Below(edge), 40.0f), lower) << edge;
    EXPECT_EQ(RoofAngleFactor(edge, 40.0f), upper) << edge;
  }
  // ZH 1 stays in the top band (there is no sixth).
  EXPECT_EQ(RoofAngleFactor(1.0f, 40.0f), RoofAngleFactor(0.9f, 40.0f));
  EXPECT_EQ(RoofAngleFactor(1.0f, 140.0f), RoofAngleFactor(0.9f, 140.0f));
}

TEST(RoofAngleFactorTest, ContinuousAtNinetyAndEvenInTheAngle) {
  for (float ZH : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f}) {
    EXPECT_NEAR(RoofAngleFactor(ZH, 90.0f), RoofAngleFactor(ZH, Above(90.0f)), 1e-4) << ZH;
    for (float t : {15.0f, 90.0f, 135.0f, 180.0f})
      EXPECT_EQ(RoofAngleFactor(ZH, -t), RoofAngleFactor(ZH, t));
  }
}

TEST_F(RoofFactorsTest, VeEXPAngleBandsJumpAtTheirEdges) {
  for (float edge : {22.5f, 45.0f, 67.5f}) {
    const float lower = VeEXP(0.1f, 0.3f, edge - 5.0f);
    const float upper = VeEXP(0.1f, 0.3f, edge + 5.0f);
    EXPECT_NE(lower, upper) << edge;
    EXPECT_EQ(VeEXP(0.1f, 0.3f, Below(edge)), lower) << edge;
    EXPECT_EQ(VeEXP(0.1f, 0.3f, edge), upper) << edge;
  }
}

TEST_F(RoofFactorsTest, VeEXPZHBandsJumpAtTheirEdges) {
  for (float edge : {0.2f, 0.4f, 0.6f, 0.8f}) {
    const float lower = VeEXP(edge - 0.05f, 0.3f, 10.0f);
    const float upper = VeEXP(edge + 0.05f, 0.3f, 10.0f);
    EXPECT_NE(lower, upper) << edge;
    EXPECT_EQ(VeEXP(Below(edge), 0.3f, 10.0f), lower) << edge;
    EXPECT_EQ(VeEXP(edge, 0.3f, 10.0f), upper) << edge;
  }
  EXPECT_EQ(VeEXP(1.0f, 0.3f, 10.0f), VeEXP(0.9f, 0.3f, 10.0f));
}

TEST_F(RoofFactorsTest, VeEXPWindFromBehindReadsFromTheOtherEdge) {
  EXPECT_EQ(VeEXP(0.25f, 0.3f, 120.0f), VeEXP(0.75f, 0.3f, 60.0f));
  EXPECT_EQ(VeEXP(0.25f, 0.3f, -120.0f), VeEXP(0.75f, 0.3f, 60.0f));
  EXPECT_EQ(VeEXP(0.1f, 0.3f, 180.0f), VeEXP(0.9f, 0.3f, 0.0f));
  EXPECT_EQ(VeEXP(0.25f, 0.3f, 90.0f), VeEXP(0.25f, 0.3f, 80.0f));  // 90 is not behind
  EXPECT_EQ(VeEXP(0.3f, 0.15f, -40.0f), VeEXP(0.3f, 0.15f, 40.0f));
}

TEST_F(RoofFactorsTest, VeEXPLimitsAreInclusive) {
  VeEXP(0.5f, 0.10f, 30.0f);
  ExpectAccepted();
  VeEXP(0.5f, 0.45f, 30.0f);
  ExpectAccepted();
}

TEST_F(RoofFactorsTest, VeEXPOutsideItsLimitsIsRefused) {
  for (float v : {Below(0.10f), Above(0.45f), std::numeric_limits<float>::quiet_NaN()}) {
    rec.shown.clear();
    status = 0;
    VeEXP(0.5f, v, 30.0f);
    ExpectRefused(" VeEXP out of range (0.10 - 0.45)");
  }
}

TEST_F(RoofFactorsTest, PADFactorLimitsAndHeldEnds) {
  RoofPADFactor(ctx, 0.5f, 50.0f, factor, status);
  ExpectAccepted();
  RoofPADFactor(ctx, 0.5f, Above(50.0f), factor = kUnset, status);
  ExpectRefused("PAD out of range (0 - 50) ");
  rec.shown.clear();
  status = 0;
  RoofPADFactor(ctx, 0.5f, Below(0.0f), factor = kUnset, status);
  ExpectRefused("PAD out of range (0 - 50) ");

  auto pad = [&](float ZH) {
    float f = kUnset;
    std::int16_t s = 0;
    RoofPADFactor(ctx, ZH, 12.0f, f, s);
    return f;
  };
  EXPECT_EQ(pad(0.0f), pad(0.083f));  // below the first ZH point: the first
  EXPECT_EQ(pad(1.0f), pad(0.917f));
  EXPECT_EQ(pad(0.25f), static_cast<float>(EvalPolynomialAsc(12.0f, kRoofPADTable, 5, 2)));
}

// Off-grid values lie on the straight line between the grid points around
// them: the midpoint is their mean, and values next to a point are close to it.
void ExpectLinearBetween(const std::function<float(float)>& f, float a, float b) {
  const float mid = static_cast<float>((static_cast<double>(a) + b) / 2.0);
  EXPECT_NEAR(f(mid), (static_cast<double>(f(a)) + f(b)) / 2.0, 2e-6) << a << ".." << b;
  EXPECT_NEAR(f(Above(a)), f(a), 1e-5) << a;
  EXPECT_NEAR(f(Below(b)), f(b), 1e-5) << b;
}

TEST_F(RoofFactorsTest, RatioFactorsInterpolateBetweenZHPoints) {
  auto pad = [&](float ZH) {
    RoofPADFactor(ctx, ZH, 12.0f, factor, status);
    return factor;
  };
  auto far = [&](float ZH) {
    RoofFARFactor(ctx, ZH, 1.7f, 12.0f, factor, status);
    return factor;
  };
  auto sar = [&](float ZH) {
    RoofSARFactor(ctx, ZH, 0.6f, 12.0f, factor, status);
    return factor;
  };
  ExpectLinearBetween(pad, 0.25f, 0.417f);
  ExpectLinearBetween(far, 0.59f, 0.75f);
  ExpectLinearBetween(sar, 0.333f, 0.5f);
  EXPECT_EQ(far(0.417f), static_cast<float>(EvalPolynomial2D(1.7f, 12.0f, kRoofFARTable, 9, 3)));
  EXPECT_EQ(sar(0.944f), static_cast<float>(EvalPolynomial2D(0.6f, 12.0f, kRoofSARTable, 9, 7)));
  EXPECT_EQ(status, 0);
}

TEST_F(RoofFactorsTest, RbHFactorPicksTheCurveBySideOfOne) {
  // On grid point (ZH 0.42, PAD 6.25), row 15 of either table.
  RoofRbHFactor(ctx, 0.42f, 6.25f, 2.5f, factor, status);
  EXPECT_EQ(factor, static_cast<float>(EvalLogistic(2.5f, kRoofRbHTable, 15)));
  RoofRbHFactor(ctx, 0.42f, 6.25f, 0.5f, factor, status);
  EXPECT_EQ(factor, static_cast<float>(EvalPolynomialAsc(0.5f, kRoofRbHLinearTable, 2, 15)));
}

TEST_F(RoofFactorsTest, RbHFactorInterpolatesOnItsCell) {
  auto rbh = [&](float ZH, float PAD) {
    RoofRbHFactor(ctx, ZH, PAD, 1.8f, factor, status);
    return factor;
  };
  // The centre of a cell is the mean of its four corners.
  const double corners = (static_cast<double>(rbh(0.27f, 5.0f)) + rbh(0.27f, 6.25f) +
                          rbh(0.42f, 5.0f) + rbh(0.42f, 6.25f)) /
                         4.0;
  EXPECT_NEAR(rbh(0.345f, 5.625f), corners, 2e-6);
  ExpectLinearBetween([&](float PAD) { return rbh(0.76f, PAD); }, 12.5f, 25.0f);
  ExpectLinearBetween([&](float ZH) { return rbh(ZH, 25.0f); }, 0.59f, 0.76f);
  // Beyond the grids the end points hold.
  EXPECT_EQ(rbh(0.5f, -3.0f), rbh(0.5f, 0.0f));
  EXPECT_EQ(rbh(0.0f, 10.0f), rbh(0.09f, 10.0f));
  EXPECT_EQ(rbh(1.0f, 40.0f), rbh(0.92f, 40.0f));
  EXPECT_EQ(status, 0);
}

TEST_F(RoofFactorsTest, RbHFactorRefusesPADAboveForty) {
  RoofRbHFactor(ctx, 0.5f, 40.0f, 1.3f, factor, status);
  ExpectAccepted();
  RoofRbHFactor(ctx, 0.5f, Above(40.0f), 1.3f, factor = kUnset, status);
  ExpectRefused("PAD out of range (0 - 40)");
}

TEST_F(RoofFactorsTest, FARFactorRefusesPADAboveThirtyFive) {
  RoofFARFactor(ctx, 0.5f, 2.0f, 35.0f, factor, status);
  ExpectAccepted();
  RoofFARFactor(ctx, 0.5f, 2.0f, Above(35.0f), factor = kUnset, status);
  ExpectRefused("PAD out of range (0 - 35)");
}

TEST_F(RoofFactorsTest, SARFactorHasNoPADLimit) {
  RoofSARFactor(ctx, 0.5f, 2.0f, 45.0f, factor, status);
  ExpectAccepted();
}

TEST_F(RoofFactorsTest, QuietRefusalsShowNothing) {
  ctx.quiet = true;
  VeEXP(0.5f, 0.05f, 0.0f);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(factor, kUnset);
  EXPECT_TRUE(rec.shown.empty());
}

// Roof-type factors: f(ZH, theta) at a fixed Phi and XL.
using TypeFactor = std::function<float(float ZH, float theta)>;

void ExpectGridBehaviour(const TypeFactor& f, float zLo, float zHi, float tLo, float tHi,
                         float zFirst, float zLast, float tLast) {
  ExpectLinearBetween([&](float ZH) { return f(ZH, tLo); }, zLo, zHi);
  ExpectLinearBetween([&](float t) { return f(zLo, t); }, tLo, tHi);
  const float zMid = static_cast<float>((static_cast<double>(zLo) + zHi) / 2.0);
  const float tMid = static_cast<float>((static_cast<double>(tLo) + tHi) / 2.0);
  const double corners =
      (static_cast<double>(f(zLo, tLo)) + f(zLo, tHi) + f(zHi, tLo) + f(zHi, tHi)) / 4.0;
  EXPECT_NEAR(f(zMid, tMid), corners, 2e-6);
  EXPECT_EQ(f(0.0f, 45.0f), f(zFirst, 45.0f));
  EXPECT_EQ(f(1.0f, 45.0f), f(zLast, 45.0f));
  EXPECT_EQ(f(0.5f, tLast + 20.0f), f(0.5f, tLast));
}

TEST(RoofTypeFactorsTest, FlatRoofGrid) {
  ExpectGridBehaviour([](float z, float t) { return RoofFlatFactor(z, t, 0.2f); }, 0.07f, 0.5f,
                      30.0f, 60.0f, 0.07f, 0.93f, 90.0f);
  EXPECT_EQ(RoofFlatFactor(0.5f, 60.0f, 0.3f),
            static_cast<float>(EvalPolynomialAsc(0.3f, kRoofFlatTable, 5, 7)));
}

TEST(RoofTypeFactorsTest, SingleSlopeGrids) {
  ExpectGridBehaviour([](float z, float t) { return RoofSingleSlopeMidFactor(z, t, 20.0f); }, 0.24f,
                      0.5f, 120.0f, 150.0f, 0.07f, 0.93f, 180.0f);
  ExpectGridBehaviour([](float z, float t) { return RoofSingleSlopeFactor(z, t, 20.0f, 0.8f); },
                      0.07f, 0.88f, 60.0f, 90.0f, 0.07f, 0.88f, 180.0f);
  EXPECT_EQ(RoofSingleSlopeMidFactor(0.73f, 150.0f, 20.0f),
            static_cast<float>(EvalPolynomialAsc(20.0f, kRoofSingleSlopeMidTable, 4, 29)));
  EXPECT_EQ(RoofSingleSlopeFactor(0.88f, 120.0f, 20.0f, 0.8f),
            static_cast<float>(EvalPolynomial2D(20.0f, 0.8f, kRoofSingleSlopeTable, 9, 10)));
}

TEST(RoofTypeFactorsTest, DoubleSlopeGrids) {
  ExpectGridBehaviour([](float z, float t) { return RoofDoubleSlopeMidFactor(z, t, 20.0f); }, 0.45f,
                      0.55f, 30.0f, 60.0f, 0.06f, 0.93f, 90.0f);
  ExpectGridBehaviour([](float z, float t) { return RoofDoubleSlopeFactor(z, t, 20.0f, 0.8f); },
                      0.43f, 0.57f, 0.0f, 30.0f, 0.07f, 0.93f, 90.0f);
  EXPECT_EQ(RoofDoubleSlopeMidFactor(0.55f, 30.0f, 20.0f),
            static_cast<float>(EvalPolynomialAsc(20.0f, kRoofDoubleSlopeMidTable, 4, 10)));
  EXPECT_EQ(RoofDoubleSlopeFactor(0.93f, 60.0f, 20.0f, 0.8f),
            static_cast<float>(EvalPolynomial2D(20.0f, 0.8f, kRoofDoubleSlopeTable, 9, 12)));
}

}  // namespace
}  // namespace ventora
