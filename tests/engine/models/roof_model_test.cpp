// RoofCp as a whole: reference values worked out independently, the order of
// the range checks, which roof-type curve an element reaches, the mirror
// symmetries, and inputs no run would ever pass.

#include "engine/models/roof_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/models/roof_factors.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingMessages;

constexpr float kUnset = -123.0f;  // a Cp the model must not overwrite
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct RoofInput {
  float VeEXP = 0.22f, PAD = 0.0f, RbH = 1.0f, FAR = 1.0f, SAR = 1.0f, angle = 0.0f;
  float ZH = 0.5f, XL = 0.2f;
  std::int16_t Islope = 0;
  float Phi = 0.0f;
};

class RoofCpTest : public ::testing::Test {
 protected:
  RecordingMessages rec;
  RunContext ctx{false, &rec, nullptr};
  std::int16_t err = 0;

  float Cp(const RoofInput& in) {
    float cp = kUnset;
    err = 0;
    rec.shown.clear();
    RoofCp(ctx, in.VeEXP, in.PAD, in.RbH, in.FAR, in.SAR, in.angle, in.ZH, in.XL, in.Islope, in.Phi,
           cp, err);
    return cp;
  }
  void ExpectRefused(const RoofInput& in, const std::string& text) {
    EXPECT_EQ(Cp(in), kUnset);
    EXPECT_EQ(err, 1);
    ASSERT_EQ(rec.Texts(), std::vector<std::string>{text});
  }
};

// Within half a unit of the sixth significant digit of the expected value.
void ExpectSixDigits(float actual, double expected) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 5);
  EXPECT_NEAR(actual, expected, unit / 2) << "expected " << expected;
}

TEST_F(RoofCpTest, MatchesIndependentlyWorkedValuesForEveryRoofType) {
  struct Case {
    RoofInput in;
    double cp;
  };
  const Case cases[] = {
      // flat: reference state, then off-grid in ZH and angle with each RbH curve
      {{0.22f, 0, 1, 1, 1, 0, 0.3f, 0.2f, 0, 0}, -0.636557},
      {{0.3f, 10, 1.5f, 2, 1.5f, 30, 0.3f, 0.2f, 0, 0}, -0.0188746},
      {{0.28f, 8, 1, 1.6f, 0.8f, -40, 0.35f, 0.3f, 0, 0}, -0.0120112},
      // (this one reads flat row 10 with its corrected c3; -0.101356 with the
      // sign as listed)
      {{0.18f, 4, 0.7f, 1.25f, 3, 135, 0.15f, 0.85f, 0, 0}, -0.106810},
      // single slope: general and mid-line
      {{0.3f, 10, 0.8f, 2, 1.5f, -120, 0.6f, 0.7f, 1, 15}, -0.0146341},
      {{0.25f, 3, 1, 1.3f, 2.2f, 75, 0.4f, 0.5f, 1, 10}, -0.0239995},
      // double slope: mid-line, general with wind from behind, any other Islope
      {{0.15f, 20, 1.2f, 0.7f, 2.5f, 45, 0.9f, 0.5f, 2, 20}, -0.0143077},
      {{0.35f, 15, 2.0f, 1.8f, 1.2f, 150, 0.66f, 0.15f, 2, 25}, -0.00834072},
      {{0.4f, 0, 1, 2.5f, 0.5f, -10, 0.2f, 0.9f, 3, 35}, 0.0539453},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Islope " << c.in.Islope << " angle " << c.in.angle);
    ExpectSixDigits(Cp(c.in), c.cp);
    EXPECT_EQ(err, 0);
  }
}

TEST_F(RoofCpTest, ReferenceStateIsTheProfileTimesTheRoofTypeFactor) {
  for (float ZH : {0.0f, 0.3f, 0.77f, 1.0f}) {
    RoofInput in;
    in.ZH = ZH;
    in.XL = 0.35f;
    in.Phi = 20.0f;
    const double profile = RoofProfile(ZH);
    in.Islope = 0;
    EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofFlatFactor(ZH, 0.0f, 0.35f)));
    in.Islope = 1;
    EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofSingleSlopeFactor(ZH, 0.0f, 20.0f, 0.35f)));
    in.Islope = 2;
    EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofDoubleSlopeFactor(ZH, 0.0f, 20.0f, 0.35f)));
  }
  // On the mid-line of a flat roof every factor is 1: Cp is the profile.
  RoofInput mid;
  mid.XL = 0.5f;
  EXPECT_EQ(Cp(mid), RoofProfile(0.5f));
}

TEST_F(RoofCpTest, ExactMidLineSelectsTheMidLineCurves) {
  RoofInput in;
  in.ZH = 0.35f;
  in.Phi = 20.0f;
  const double profile = RoofProfile(0.35f);
  const float next = std::nextafter(0.5f, 1.0f);
  in.Islope = 1;
  in.XL = 0.5f;
  EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofSingleSlopeMidFactor(0.35f, 0.0f, 20.0f)));
  in.XL = next;
  EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofSingleSlopeFactor(0.35f, 0.0f, 20.0f, next)));
  in.Islope = 2;
  in.XL = 0.5f;
  EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofDoubleSlopeMidFactor(0.35f, 0.0f, 20.0f)));
  in.XL = next;
  EXPECT_EQ(Cp(in), static_cast<float>(profile * RoofDoubleSlopeFactor(0.35f, 0.0f, 20.0f, next)));
}

TEST_F(RoofCpTest, OppositeAnglesMirrorTheRoofAcrossItsLength) {
  for (std::int16_t Islope : {0, 1, 2}) {
    for (float angle : {30.0f, 120.0f, 180.0f}) {
      RoofInput in{0.3f, 10, 1.5f, 2, 1.5f, angle, 0.3f, 0.25f, Islope, 15};
      const float plus = Cp(in);
      in.angle = -angle;
      in.XL = 0.75f;
      EXPECT_EQ(Cp(in), plus) << "Islope " << Islope << " angle " << angle;
    }
  }
}

TEST_F(RoofCpTest, WindFromBehindFoldsOnlyTheSymmetricRoofs) {
  // Only the roof-type factor differs from the reference state here, and the
  // angle factor, which depends on |theta| alone.
  RoofInput in;
  in.angle = -150.0f;  // theta 150: no XL mirroring
  in.ZH = 0.25f;
  in.XL = 0.3f;
  in.Phi = 20.0f;
  const double base = static_cast<double>(RoofProfile(0.25f)) * RoofAngleFactor(0.25f, 150.0f);
  in.Islope = 0;
  EXPECT_EQ(Cp(in), static_cast<float>(base * RoofFlatFactor(0.75f, 30.0f, 0.3f)));
  in.Islope = 2;
  EXPECT_EQ(Cp(in), static_cast<float>(base * RoofDoubleSlopeFactor(0.75f, 30.0f, 20.0f, 0.3f)));
  in.Islope = 1;
  EXPECT_EQ(Cp(in), static_cast<float>(base * RoofSingleSlopeFactor(0.25f, 150.0f, 20.0f, 0.3f)));
}

TEST_F(RoofCpTest, RbHOfExactlyOneTakesThePADFactorInsteadOfTheRbHFactor) {
  RoofInput in;
  in.PAD = 60.0f;
  ExpectRefused(in, "PAD out of range (0 - 50) ");
  in.RbH = 1.2f;
  ExpectRefused(in, "PAD out of range (0 - 40)");
  in.RbH = 1.0f;
  in.PAD = 45.0f;  // beyond the RbH and FAR limits, but both factors are 1
  Cp(in);
  EXPECT_EQ(err, 0);
  in.FAR = 2.0f;
  ExpectRefused(in, "PAD out of range (0 - 35)");
}

TEST_F(RoofCpTest, ChecksRunInOrderAndOnlyTheFirstFailureSpeaks) {
  RoofInput in;
  in.XL = -0.1f;
  in.ZH = 1.5f;
  in.VeEXP = 0.5f;
  ExpectRefused(in, "XL out of range (0 - 1) ");
  in.XL = 1.0f;
  ExpectRefused(in, "ZH out of range (0 - 1) ");
  in.ZH = 1.0f;
  in.PAD = 60.0f;
  ExpectRefused(in, " VeEXP out of range (0.10 - 0.45)");
  in.VeEXP = 0.45f;
  ExpectRefused(in, "PAD out of range (0 - 50) ");
}

TEST_F(RoofCpTest, NonFinitePositionsAreRefused) {
  RoofInput in;
  in.XL = kNaN;
  ExpectRefused(in, "XL out of range (0 - 1) ");
  in.XL = 0.5f;
  in.ZH = kNaN;
  ExpectRefused(in, "ZH out of range (0 - 1) ");
}

TEST_F(RoofCpTest, QuietRunsGetTheStatusWithoutABox) {
  ctx.quiet = true;
  RoofInput in;
  in.VeEXP = 0.05f;
  EXPECT_EQ(Cp(in), kUnset);
  EXPECT_EQ(err, 1);
  EXPECT_TRUE(rec.shown.empty());
}

TEST_F(RoofCpTest, NoInputReadsOutsideTheTables) {
  // Run under the sanitizer build: any value of any argument, finite or not,
  // either gives a status of 1 with Cp untouched or a Cp.
  const float values[] = {kNaN, -kInf, -1e30f, -200.0f, -1.0f, 0.0f,  0.07f,
                          0.5f, 0.93f, 1.0f,   2.0f,    95.0f, 1e30f, kInf};
  ctx.quiet = true;
  for (int arg = 0; arg < 9; ++arg) {
    for (float v : values) {
      for (std::int16_t Islope : {-1, 0, 1, 2, 7}) {
        RoofInput in{0.3f, 10, 1.5f, 2, 1.5f, -30, 0.4f, 0.3f, Islope, 15};
        float* fields[] = {&in.VeEXP, &in.PAD, &in.RbH, &in.FAR, &in.SAR,
                           &in.angle, &in.ZH,  &in.XL,  &in.Phi};
        *fields[arg] = v;
        const float cp = Cp(in);
        EXPECT_TRUE(err == 0 || (err == 1 && cp == kUnset)) << "argument " << arg << " = " << v;
      }
    }
  }
}

TEST(RoofTypeFactorsExtremeTest, HoldTheEndsOfTheirGrids) {
  const float values[] = {kNaN, -kInf, -1e30f, -1.0f, 0.5f, 1e30f, kInf};
  for (float a : values) {
    for (float b : values) {
      // Each lookup stays in its table; the sanitizer build checks the reads.
      (void)RoofFlatFactor(a, b, 0.2f);
      (void)RoofSingleSlopeMidFactor(a, b, 10.0f);
      (void)RoofSingleSlopeFactor(a, b, 10.0f, 0.2f);
      (void)RoofDoubleSlopeMidFactor(a, b, 10.0f);
      (void)RoofDoubleSlopeFactor(a, b, 10.0f, 0.2f);
      (void)RoofAngleFactor(a, b);
    }
  }
  EXPECT_EQ(RoofSingleSlopeFactor(-5.0f, 400.0f, 10.0f, 0.2f),
            RoofSingleSlopeFactor(0.07f, 180.0f, 10.0f, 0.2f));
  EXPECT_EQ(RoofFlatFactor(7.0f, -30.0f, 0.2f), RoofFlatFactor(0.93f, 0.0f, 0.2f));
}

}  // namespace
}  // namespace ventora
