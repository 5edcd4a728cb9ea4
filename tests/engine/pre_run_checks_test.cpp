#include "engine/pre_run_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "job_builders.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::AddElement;
using Texts = std::vector<std::string>;

const std::string kRbH =
    "Relative Building Height (the ratio of the Building Height to the Height of Surrounding "
    "Buildings) ";
const std::string kFAR = "The Frontal Aspect Ratio, for the ";
const std::string kFARTail =
    ", (the ratio of the Facade's Lenght to the Facade's Height) is out of the confidence "
    "range 0.5 <= FAR => 4";
const std::string kPAD = "The Plan Area Density must be > 0 and <";

// One row per message the checks show, at the values either side of a limit.
TEST(CheckJobData, ShowsEachMessageAtItsLimit) {
  const struct {
    void (*change)(Job&);
    int status;
    Texts texts;
    const char* title;
  } cases[] = {
      {[](Job&) {}, 0, {}, ""},
      {[](Job& j) { j.AzB = j.AnWind = 360; }, 0, {}, ""},
      {[](Job& j) { j.BdY = 0, j.AzB = 400; },
       1,
       {"The Building Dimensions cannot be set equal to Zero!"},
       "Error"},
      {[](Job& j) { j.PAD = 0, j.SbH = 5; },
       0,
       {"the Height of Sorrounding Buildings must be equal to the Height of the considered "
        "building.\rIt was set so by default."},
       "Warning"},
      {[](Job& j) { j.AzB = 361, j.AnWind = -1, j.Islope = 5; },
       1,
       {"The angle of the building must be > 0 and < 360",
        "The angle of the direction of the wind must be > 0 and < 360",
        "The Roof Type must be 0, 1, or 2"},
       "Error"},
      {[](Job& j) { j.BdX = 10, j.PAD = 50; }, 0, {}, ""},
      {[](Job& j) { j.BdX = 10, j.PAD = 50.5f; }, 1, {kPAD + "50"}, "Error"},
      {[](Job& j) { j.BdX = 10, j.SbH = 5, j.PAD = 40; }, 0, {}, ""},
      {[](Job& j) { j.BdX = 10, j.SbH = 5, j.PAD = 41; }, 1, {kPAD + "40"}, "Error"},
      {[](Job& j) { j.PAD = 35; }, 0, {}, ""},
      {[](Job& j) { j.PAD = 36; }, 1, {kPAD + "35"}, "Error"},
      {[](Job& j) { j.SbH = 2, j.PAD = 10; },
       0,
       {kRbH + "is out of the confidence range 0.5 <= RbH => 4"},
       "Warning"},
      {[](Job& j) { j.SbH = 1, j.PAD = 10; }, 1, {kRbH + "must be 0 < RbH > 8"}, "Error"},
      {[](Job& j) { j.SbH = -1; },
       1,
       {"The Height of Surrounding Buildings must be > 0 and < 360", kRbH + "must be 0 < RbH > 8"},
       "Error"},
      {[](Job& j) { j.BdX = 50, j.PAD = 10; },
       0,
       {kFAR + "facades 1 and 3" + kFARTail,
        "The Side Aspect Ratio, for the facades 2 and 4, (the ratio of the Adjacent Facade's "
        "Length to the Facade Height) is out of the confidence range 0.5 <= SAR => 2",
        kFAR + "roof" + kFARTail},
       "Warning"},
      {[](Job& j) { j.VeEXP = 0.42f; },
       0,
       {"The Wind Velocity Profile Exponent is out of the confidence range for the facades: "
        "0.1<= VeExp =>0.4"},
       "Warning"},
      {[](Job& j) { j.VeEXP = 0.46f; },
       1,
       {"The Wind Velocity Profile Exponent is out of the range 0.1 <= VeExp => 0.45"},
       "Error"},
      {[](Job& j) { j.Islope = 2, j.Phi = 46; },
       0,
       {"The Roof Tilt Angle is out of the confidence range 0 <= Phi >= 45"},
       "Warning"},
      {[](Job& j) { j.Islope = 2, j.Phi = 50; },
       1,
       {"The Roof Tilt Angle must be >= 0 and < 50"},
       "Error"},
      {[](Job& j) { j.Phi = 20; },
       0,
       {"The Roof Type is 0 (Flat Roof). The Roof Tilt Angle was set equal to Zero by default."},
       "Warning"},
      {[](Job& j) { j.PAD = std::numeric_limits<float>::quiet_NaN(); }, 1, {kPAD + "35"}, "Error"},
  };
  for (const auto& c : cases) {
    Job job = testing::BlockJob(10, 200);
    c.change(job);
    testing::RecordingMessages messages;
    EXPECT_EQ(CheckJobData(job, messages, kPointDecimal), c.status);
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
  EXPECT_TRUE(std::ranges::any_of(messages.Texts(), [](const std::string& t) {
    return t.ends_with("facades: 0,1<= VeExp =>0,4");
  }));
  job.BdY = 0;
  messages.shown.clear();
  EXPECT_EQ(CheckJobData(job, messages, kPointDecimal), 1);
  EXPECT_EQ(messages.shown.at(0).icon, MsgIcon::Critical);
}

// Elements: outside their facade refused one box each; wall elements outside
// the exponent's height band counted; a roof one hides the wall message.
TEST(CheckElements, RefusesOrCountsElementsOutsideTheirRange) {
  const std::string kWall =
      "Elements out of the confidence range. Z value assigned as equal to the upper/lower limit";
  const std::string kRoof =
      "Element out of the confidence range. y value assigned as equal to the upper/lower limit";
  const struct {
    float VeEXP;
    std::vector<std::tuple<int, float, float>> elements;
    int status;
    Texts texts;
  } cases[] = {
      {0.25f,
       {{1, 21, 5}, {5, 5, -1}, {2, 5, 5}},
       1,
       {"Element out of facade!", "Element out of facade!"}},
      {0.25f, {{1, 5, 0.5f}, {3, 5, 9.5f}, {2, 5, 5}}, 0, {"2" + kWall}},
      {0.22f, {{1, 5, 0.5f}, {3, 5, 9.5f}}, 0, {"2" + kWall}},
      {0.22f, {{1, 5, 0.8f}, {3, 5, 9.5f}}, 0, {"1" + kWall}},
      {0.25f, {{1, 5, 0.5f}, {5, 5, 0.5f}, {5, 5, 9.5f}}, 0, {"2" + kRoof}},
  };
  for (const auto& c : cases) {
    Job job = testing::BlockJob(10, 200);
    job.VeEXP = c.VeEXP;
    for (auto [f, X, Z] : c.elements)
      AddElement(job, f, X, Z);
    const Job before = job;
    testing::RecordingMessages messages;
    EXPECT_EQ(CheckElements(job, messages), c.status);
    EXPECT_EQ(messages.Texts(), c.texts);
    EXPECT_EQ(job, before);
  }
  Job cube = testing::BlockJob(10, 200);  // isolated cube, exponent 0.22: trusted everywhere
  cube.PAD = 0;
  cube.BdX = 10;
  cube.VeEXP = 0.22f;
  AddElement(cube, 1, 5, 0.5f);
  testing::RecordingMessages messages;
  EXPECT_EQ(CheckElements(cube, messages), 0);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace ventora
