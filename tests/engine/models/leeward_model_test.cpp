// LeewardCp as a whole: worked values, entry checks, the order of the range
// checks and inputs far outside every range.

#include "engine/models/leeward_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingLines;
using testing::RecordingMessages;

constexpr float kUntouched = -12345.0f;

struct Inputs {
  float VeEXP = 0.25f;
  float PAD = 10.0f;
  float RbH = 1.5f;
  float FAR = 2.0f;
  float SAR = 0.5f;
  float angle = 120.0f;
  float ZH = 0.5f;
  float XL = 0.3f;
};

struct Outcome {
  float Cp = kUntouched;
  std::int16_t err = 0;
  RecordingMessages boxes;
  RecordingLines lines;
};

void RunLeeward(const Inputs& in, Outcome& out, bool quiet = false) {
  const RunContext ctx{quiet, &out.boxes, &out.lines};
  LeewardCp(ctx, in.VeEXP, in.PAD, in.RbH, in.FAR, in.SAR, in.angle, in.ZH, in.XL, out.Cp, out.err);
}

// Worked by hand from the model's formulas (tables, grid lookup, 32-bit
// storage of every factor), independently of this code.
TEST(LeewardCpTest, WorkedValues) {
  {
    // Off-grid in PAD for RbH (6.25..12.5), on the FAR grid at PAD 10,
    // angle between 110 and 130. F1 -0.454243, F2 0.870888, F3 0.636012,
    // F4 1.12962, F5 0.684030, F6 0.846500, F7 1.33392 (band 0.73).
    Outcome out;
    RunLeeward(Inputs{}, out);
    ASSERT_EQ(out.err, 0);
    EXPECT_NEAR(out.Cp, -0.290129, 5e-7);
  }
  {
    // SAR between the plain root at PAD 12.5 and 20 minus the root at 15,
    // negative angle (x = 1 - XL), top ZH band. F1 -0.410625, F2 1.27621,
    // F3 0.507523, F4 0.821082, F5 0.585308, F6 0.262619, F7 1.04149.
    Outcome out;
    RunLeeward(Inputs{0.14f, 13.75f, 0.8f, 0.7f, 1.8f, -150.0f, 0.85f, 0.2f}, out);
    ASSERT_EQ(out.err, 0);
    EXPECT_NEAR(out.Cp, -0.0964264, 5e-8);
  }
  {
    // Every reference state: only the profile and the angle factor remain.
    Outcome out;
    RunLeeward(Inputs{0.22f, 0.0f, 1.0f, 1.0f, 1.0f, 180.0f, 0.3f, 0.5f}, out);
    ASSERT_EQ(out.err, 0);
    EXPECT_NEAR(out.Cp, -0.361130, 5e-7);
  }
}

TEST(LeewardCpTest, PositionLimitsAreInclusive) {
  for (float XL : {0.0f, 1.0f}) {
    for (float ZH : {0.0f, 1.0f}) {
      SCOPED_TRACE(::testing::Message() << XL << " " << ZH);
      Inputs in;
      in.XL = XL;
      in.ZH = ZH;
      Outcome out;
      RunLeeward(in, out);
      EXPECT_EQ(out.err, 0);
      EXPECT_TRUE(std::isfinite(out.Cp));
      EXPECT_TRUE(out.boxes.shown.empty());
    }
  }
}

struct Refusal {
  Inputs in;
  std::int16_t err;
  const char* text;
};

// The first failing check decides; Cp stays as it was.
TEST(LeewardCpTest, ChecksRunInOrderAndOnlyTheFirstFailureSpeaks) {
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  auto with = [](auto change) {
    Inputs in;
    change(in);
    return in;
  };
  const std::vector<Refusal> refusals{
      {with([](Inputs& i) { i.XL = -0.01f, i.ZH = 2.0f, i.VeEXP = 0.5f; }), 1,
       " XL out of range (0 - 1)"},
      {with([&](Inputs& i) { i.XL = kNaN; }), 1, " XL out of range (0 - 1)"},
      {with([](Inputs& i) { i.ZH = 1.01f, i.VeEXP = 0.5f; }), 1, "ZH out of range (0 - 1) "},
      {with([](Inputs& i) { i.VeEXP = 0.09f, i.PAD = 60.0f; }), 1,
       " VeEXP out of range (0.10 - 0.45) "},
      {with([](Inputs& i) { i.PAD = 50.5f, i.FAR = 3.0f; }), 1, "PAD out of range (0 - 50) "},
      {with([](Inputs& i) { i.PAD = 40.0f; }), 1, "PAD out of range (0 - 35)"},
      {with([](Inputs& i) { i.PAD = 40.0f, i.FAR = 1.0f; }), 1, "PAD out of range (0 - 35) "},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.text);
    Outcome out;
    RunLeeward(r.in, out);
    EXPECT_EQ(out.err, r.err);
    EXPECT_EQ(out.Cp, kUntouched);
    EXPECT_EQ(out.boxes.Texts(), std::vector<std::string>{r.text});
    ASSERT_EQ(out.boxes.shown.size(), 1u);
    EXPECT_EQ(out.boxes.shown[0].title, "VENTORA");
    EXPECT_EQ(out.boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(out.boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(out.lines.lines.empty());

    Outcome quiet;
    RunLeeward(r.in, quiet, true);
    EXPECT_EQ(quiet.err, r.err);
    EXPECT_TRUE(quiet.boxes.shown.empty());
  }
}

// The PAD 35 limit belongs to the ratio factors and only binds when the ratio
// is not 1; the RbH grid ends at 40 and holds its end beyond.
TEST(LeewardCpTest, DensePlanAcceptedWhenBothRatiosAreOne) {
  for (float PAD : {40.0f, 50.0f}) {
    SCOPED_TRACE(PAD);
    Inputs in;
    in.PAD = PAD;
    in.FAR = 1.0f;
    in.SAR = 1.0f;
    Outcome out;
    RunLeeward(in, out);
    EXPECT_EQ(out.err, 0);
    EXPECT_TRUE(std::isfinite(out.Cp));
  }
}

// Direct calls far outside every range must neither read outside a table nor
// pass a failure off as success.
TEST(LeewardCpTest, ExtremeAndNonFiniteInputsStayInsideTheTables) {
  const float kInf = std::numeric_limits<float>::infinity();
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const std::vector<float> wild{-kInf, -1e30f, -1.0f, 0.0f,  1e-30f, 0.07f,
                                0.5f,  1.0f,   3.0f,  1e30f, kInf,   kNaN};
  int computed = 0;
  for (float a : wild) {
    for (float b : wild) {
      const std::vector<Inputs> variants{
          {a, 10.0f, 1.5f, 2.0f, 0.5f, 120.0f, 0.5f, 0.3f},
          {0.3f, a, 1.5f, b, 0.5f, 120.0f, 0.5f, 0.3f},
          {0.3f, 10.0f, a, 2.0f, b, 120.0f, 0.5f, 0.3f},
          {0.3f, 10.0f, 1.5f, 2.0f, 0.5f, a, b, 0.3f},
          {0.3f, 10.0f, 1.5f, a, 0.5f, 120.0f, 0.5f, b},
          {0.3f, 35.0f, 1.5f, 2.0f, a, b * 200, 0.5f, 0.3f},
      };
      for (const Inputs& in : variants) {
        Outcome out;
        RunLeeward(in, out, true);
        EXPECT_GE(out.err, 0);
        EXPECT_LE(out.err, 2);
        if (out.err != 0) {
          EXPECT_EQ(out.Cp, kUntouched);
        } else {
          ++computed;
        }
      }
    }
  }
  EXPECT_GT(computed, 100);
}

}  // namespace
}  // namespace ventora
