#include "engine/pre_run_checks.h"

#include <gtest/gtest.h>

#include <limits>

#include "job_builders.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::AddElement;
using Texts = std::vector<std::string>;
const std::string kOutside = "Element out of facade!";

const std::string kRbH =
    "Relative Building Height (the ratio of the Building Height to the Height of Surrounding "
    "Buildings) ";
const std::string kFAR = "The Frontal Aspect Ratio, for the ";
const std::string kFARTail =
    ", (the ratio of the Facade's Lenght to the Facade's Height) is out of the confidence "
    "range 0.5 <= FAR => 4";
const std::string kPAD = "The Plan Area Density must be > 0 and <";

// One row per message the checks show, at the values either side of a limit;
// the first box's title says whether the job is refused.
TEST(CheckJobData, ShowsEachMessageAtItsLimit) {
  const struct {
    void (*change)(Job&);
    const char* title;
    Texts texts;
  } cases[] = {
      {[](Job& j) { j.AzB = j.AnWind = 360; }, "", {}},
      {[](Job& j) { j.BdY = 0, j.AzB = 400; },
       "Error",
       {"The Building Dimensions cannot be set equal to Zero!"}},
      {[](Job& j) { j.PAD = 0, j.SbH = 5; },
       "Warning",
       {"the Height of Sorrounding Buildings must be equal to the Height of the considered "
        "building.\rIt was set so by default."}},
      {[](Job& j) { j.AzB = 361, j.AnWind = -1, j.Islope = 5; },
       "Error",
       {"The angle of the building must be > 0 and < 360",
        "The angle of the direction of the wind must be > 0 and < 360",
        "The Roof Type must be 0, 1, or 2"}},
      {[](Job& j) { j.BdX = 10, j.PAD = 50; }, "", {}},
      {[](Job& j) { j.BdX = 10, j.PAD = 50.5f; }, "Error", {kPAD + "50"}},
      {[](Job& j) { j.BdX = 10, j.SbH = 5, j.PAD = 41; }, "Error", {kPAD + "40"}},
      {[](Job& j) { j.PAD = 35; }, "", {}},
      {[](Job& j) { j.PAD = 36; }, "Error", {kPAD + "35"}},
      {[](Job& j) { j.PAD = std::numeric_limits<float>::quiet_NaN(); }, "Error", {kPAD + "35"}},
      {[](Job& j) { j.SbH = 2, j.PAD = 10; },
       "Warning",
       {kRbH + "is out of the confidence range 0.5 <= RbH => 4"}},
      {[](Job& j) { j.SbH = -1; },
       "Error",
       {"The Height of Surrounding Buildings must be > 0 and < 360", kRbH + "must be 0 < RbH > 8"}},
      {[](Job& j) { j.BdX = 50, j.PAD = 10; },
       "Warning",
       {kFAR + "facades 1 and 3" + kFARTail,
        "The Side Aspect Ratio, for the facades 2 and 4, (the ratio of the Adjacent Facade's "
        "Length to the Facade Height) is out of the confidence range 0.5 <= SAR => 2",
        kFAR + "roof" + kFARTail}},
      {[](Job& j) { j.VeEXP = 0.42f; },
       "Warning",
       {"The Wind Velocity Profile Exponent is out of the confidence range for the facades: "
        "0.1<= VeExp =>0.4"}},
      {[](Job& j) { j.VeEXP = 0.46f; },
       "Error",
       {"The Wind Velocity Profile Exponent is out of the range 0.1 <= VeExp => 0.45"}},
      {[](Job& j) { j.Islope = 2, j.Phi = 46; },
       "Warning",
       {"The Roof Tilt Angle is out of the confidence range 0 <= Phi >= 45"}},
      {[](Job& j) { j.Islope = 2, j.Phi = 50; },
       "Error",
       {"The Roof Tilt Angle must be >= 0 and < 50"}},
      {[](Job& j) { j.Phi = 20; },
       "Warning",
       {"The Roof Type is 0 (Flat Roof). The Roof Tilt Angle was set equal to Zero by default."}},
  };
  for (const auto& c : cases) {
    Job job = testing::BlockJob(10, 200);
    c.change(job);
    testing::RecordingMessages messages;
    EXPECT_EQ(CheckJobData(job, messages, kPointDecimal), std::string(c.title) == "Error");
    EXPECT_EQ(messages.Texts(), c.texts);
    EXPECT_EQ(messages.shown.empty() ? "" : messages.shown[0].title, c.title);
  }
}

TEST(CheckJobData, AdjustsTheJobAndWritesLimitsInTheLocale) {
  Job job = testing::BlockJob(10, 200);
  job.PAD = 0;   // isolated: its own height as surroundings
  job.Phi = 20;  // flat roof: no tilt
  job.VeEXP = 0.42f;
  testing::RecordingMessages messages;
  EXPECT_EQ(CheckJobData(job, messages, kCommaDecimal), 0);
  EXPECT_EQ(job.SbH, 10);
  EXPECT_EQ(job.Phi, 0);
  EXPECT_TRUE(messages.Texts().at(0).ends_with("facades: 0,1<= VeExp =>0,4"));
}

// Elements: outside their facade refused one box each; wall elements outside
// the exponent's height band counted (none on an isolated cube with the
// exponent 0.22); a roof one hides the wall message.
TEST(CheckElements, RefusesOrCountsElementsOutsideTheirRange) {
  const std::string kWall =
      "Elements out of the confidence range. Z value assigned as equal to the upper/lower limit";
  const std::string kRoof =
      "Element out of the confidence range. y value assigned as equal to the upper/lower limit";
  const struct {
    float VeEXP, PAD;
    std::vector<std::tuple<int, float, float>> elements;
    Texts texts;
  } cases[] = {
      {0.25f, 20, {{1, 21, 5}, {5, 5, -1}, {2, 5, 5}}, {kOutside, kOutside}},
      {0.25f, 20, {{1, 5, 0.5f}, {3, 5, 9.5f}, {2, 5, 5}}, {"2" + kWall}},
      {0.22f, 20, {{1, 5, 0.8f}, {3, 5, 9.5f}}, {"1" + kWall}},  // 0.08 is inside for 0.22
      {0.25f, 20, {{1, 5, 0.5f}, {5, 5, 0.5f}, {5, 5, 9.5f}}, {"2" + kRoof}},
      {0.22f, 0, {{1, 5, 0.5f}, {3, 5, 9.5f}}, {}},
      {0.25f, 0, {{1, 5, 0.5f}}, {"1" + kWall}},
  };
  for (const auto& c : cases) {
    Job job = testing::BlockJob(10, 200);
    job.BdX = c.PAD == 0 ? 10 : 20;
    job.VeEXP = c.VeEXP;
    job.PAD = c.PAD;
    for (auto [f, X, Z] : c.elements)
      AddElement(job, f, X, Z);
    const Job before = job;
    testing::RecordingMessages messages;
    EXPECT_EQ(CheckElements(job, messages), c.texts.size() && c.texts[0] == kOutside);
    EXPECT_EQ(messages.Texts(), c.texts);
    EXPECT_EQ(job, before);
  }
}

}  // namespace
}  // namespace ventora
