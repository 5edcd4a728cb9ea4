#include "engine/models/windward_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingLines;
using testing::RecordingMessages;

struct Element {
  float VeEXP, PAD, RbH, FAR, SAR, angle, ZH, XL;
};

class WindwardCpTest : public ::testing::Test {
 protected:
  RecordingMessages boxes;
  RecordingLines lines;
  RunContext ctx{false, &boxes, &lines};

  std::int16_t Run(const Element& e, float& Cp) {
    std::int16_t err = 0;
    WindwardCp(ctx, e.VeEXP, e.PAD, e.RbH, e.FAR, e.SAR, e.angle, e.ZH, e.XL, Cp, err);
    return err;
  }
};

// Values worked out independently from the model's formulas and tables (a
// separate calculation with the same 32-bit storage of every factor).
TEST_F(WindwardCpTest, HandComputedElements) {
  struct Case {
    Element e;
    double cp;
  };
  const Case cases[] = {
      // Interpolated everywhere; RbH divides by 1.5^0.6; SAR line below 1.
      {{0.3f, 8.0f, 1.5f, 2.5f, 0.8f, 20.0f, 0.45f, 0.3f}, 0.29846552},
      // On the VeEXP and RbH grids; mirrored angle; FAR exactly 1.
      {{0.14f, 0.0f, 0.8f, 1.0f, 1.6f, -40.0f, 0.7f, 0.25f}, 0.241729349},
      // Reference VeEXP and RbH; FAR capped at 6; last angle band at the edge.
      {{0.22f, 12.5f, 1.0f, 7.0f, 1.0f, 89.5f, 0.93f, 1.0f}, -0.180188775},
      // Special root rows at PAD 20: both ratio factors strongly negative.
      {{0.25f, 20.0f, 1.2f, 3.0f, 2.0f, 10.0f, 0.6f, 0.6f}, 0.84246242},
      // Dense surroundings: negative PAD factor, SAR capped at 4, last angle band mirrored.
      {{0.4f, 33.0f, 0.6f, 0.7f, 5.0f, -85.0f, 0.15f, 0.9f}, 0.00887823105},
  };
  for (const Case& c : cases) {
    float Cp = 0;
    ASSERT_EQ(Run(c.e, Cp), 0);
    EXPECT_NEAR(Cp, c.cp, 5e-7 * std::fabs(c.cp)) << "expected " << c.cp;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindwardCpTest, VeEXPIsCheckedBeforePAD) {
  float Cp = 123.0f;
  EXPECT_EQ(Run({0.05f, 60.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f, 0.5f}, Cp), 1);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"VeEXP out of range (0.10 - 0.45)"});
  EXPECT_EQ(Cp, 123.0f);

  boxes.shown.clear();
  EXPECT_EQ(Run({0.3f, 60.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f, 0.5f}, Cp), 1);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"PAD out of range (0 - 50)"});
  EXPECT_EQ(Cp, 123.0f);
  EXPECT_TRUE(lines.lines.empty());
}

TEST_F(WindwardCpTest, QuietRunShowsNothing) {
  ctx.quiet = true;
  float Cp = 7.0f;
  EXPECT_EQ(Run({0.5f, 10.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f, 0.5f}, Cp), 1);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(Cp, 7.0f);
}

TEST_F(WindwardCpTest, ExtremeAndNonFiniteInputsNeverReadOutsideTheTables) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const float extremes[] = {-kInf, -1e30f, -90.0f, 0.0f, 0.07f, 1.0f, 89.9f, 1e30f, kInf, kNaN};
  ctx.quiet = true;
  for (float a : extremes)
    for (float b : extremes) {
      float Cp = 0;
      Run({0.3f, 10.0f, 2.0f, a, b, a, b, a}, Cp);
      Run({0.3f, 30.0f, a, 1.5f, 1.5f, b, a, b}, Cp);
      Run({0.22f, a, 1.2f, b, 0.5f, 10.0f, a, 0.5f}, Cp);
    }
  SUCCEED() << "run under the sanitizer build to catch any read outside a table";
}

}  // namespace
}  // namespace ventora
