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

const std::string kPAD = "Plan area density PAD ";
const std::string kConfidence = " is outside the confidence range ";

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
       {"the Height of Surrounding Buildings must be equal to the Height of the considered "
        "building.\rIt was set so by default."}},
      {[](Job& j) { j.AzB = 361, j.AnWind = -1, j.Islope = 5; },
       "Error",
       {"Building azimuth AzB 361 deg. is outside the accepted range 0 ≤ AzB ≤ 360.",
        "Wind direction AnWind -1 deg. is outside the accepted range 0 ≤ AnWind ≤ 360.",
        "Roof type Islope 5 is outside the accepted range 0 ≤ Islope ≤ 2."}},
      {[](Job& j) { j.BdX = 10, j.PAD = 50; }, "", {}},
      {[](Job& j) { j.BdX = 10, j.PAD = 50.5f; },
       "Error",
       {kPAD + "50.5 % (for a cube as high as its surroundings) is outside the accepted range "
               "0 ≤ PAD ≤ 50."}},
      {[](Job& j) { j.BdX = 10, j.SbH = 5, j.PAD = 41; },
       "Error",
       {kPAD + "41 % (for a cube not as high as its surroundings) is outside the accepted "
               "range 0 ≤ PAD ≤ 40."}},
      {[](Job& j) { j.PAD = 35; }, "", {}},
      {[](Job& j) { j.PAD = 36; },
       "Error",
       {kPAD + "36 % (for a building that is not a cube) is outside the accepted range "
               "0 ≤ PAD ≤ 35."}},
      {[](Job& j) { j.PAD = std::numeric_limits<float>::quiet_NaN(); },
       "Error",
       {kPAD + "(for a building that is not a cube) is not a number; the accepted range is "
               "0 ≤ PAD ≤ 35."}},
      {[](Job& j) { j.SbH = 2, j.PAD = 10; },
       "Warning",
       {"Relative building height RbH 5 (Bdz / SbH)" + kConfidence + "0.5 ≤ RbH ≤ 4."}},
      {[](Job& j) { j.SbH = -1; },
       "Error",
       {"Surrounding buildings' height SbH -1 m is outside the accepted range SbH > 0.",
        "Relative building height RbH -10 (Bdz / SbH) is outside the accepted range "
        "0 ≤ RbH ≤ 8."}},
      {[](Job& j) { j.BdX = 50, j.PAD = 10; },
       "Warning",
       {"Frontal aspect ratio FAR 5 (facades 1 and 3)" + kConfidence + "0.5 ≤ FAR ≤ 4.",
        "Side aspect ratio SAR 5 (facades 2 and 4)" + kConfidence + "0.5 ≤ SAR ≤ 2.",
        "Frontal aspect ratio FAR 5 (roof)" + kConfidence + "0.5 ≤ FAR ≤ 4."}},
      {[](Job& j) { j.VeEXP = 0.42f; },
       "Warning",
       {"Wind velocity profile exponent VeEXP 0.42" + kConfidence + "0.1 ≤ VeEXP ≤ 0.4."}},
      {[](Job& j) { j.VeEXP = 0.46f; },
       "Error",
       {"Wind velocity profile exponent VeEXP 0.46 is outside the accepted range "
        "0.1 ≤ VeEXP ≤ 0.45."}},
      {[](Job& j) { j.Islope = 2, j.Phi = 46; },
       "Warning",
       {"Roof tilt Phi 46 deg." + kConfidence + "0 ≤ Phi ≤ 45."}},
      {[](Job& j) { j.Islope = 2, j.Phi = 50; },
       "Error",
       {"Roof tilt Phi 50 deg. is outside the accepted range 0 ≤ Phi < 50."}},
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
  EXPECT_TRUE(messages.Texts().at(0).ends_with(
      "VeEXP 0,42 is outside the confidence range 0,1 ≤ VeEXP ≤ 0,4."));
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
