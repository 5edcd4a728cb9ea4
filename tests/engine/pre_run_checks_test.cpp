#include "engine/pre_run_checks.h"

#include <gtest/gtest.h>

#include "job_builders.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::AddElement;
using testing::BlockJob;
using testing::RecordingMessages;

Job GoodJob() {
  return BlockJob(10, 200);
}

struct Checked {
  std::int16_t status;
  RecordingMessages messages;
};

Checked CheckHeader(Job& job, const NumberLocale& locale = kPointDecimal) {
  Checked c{0, {}};
  c.status = CheckJobData(job, c.messages, locale);
  return c;
}

const std::string kRbHText =
    "Relative Building Height (the ratio of the Building Height to the Height of Surrounding "
    "Buildings) ";

// --- CheckJobData ------------------------------------------------------------

TEST(CheckJobData, GoodJobPassesSilently) {
  Job job = GoodJob();
  const Job before = job;
  const Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_TRUE(c.messages.shown.empty());
  EXPECT_EQ(job, before);
}

TEST(CheckJobData, ZeroDimensionStopsAtOnceWithCriticalBox) {
  Job job = GoodJob();
  job.BdY = 0;
  job.AzB = 400;  // not reported: the check stops first
  const Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 1);
  ASSERT_EQ(c.messages.shown.size(), 1u);
  EXPECT_EQ(c.messages.shown[0].title, "Error");
  EXPECT_EQ(c.messages.shown[0].icon, MsgIcon::Critical);
  EXPECT_EQ(c.messages.shown[0].text, "The Building Dimensions cannot be set equal to Zero!");
}

TEST(CheckJobData, IsolatedBuildingTakesItsOwnHeightAsSurroundings) {
  Job job = GoodJob();
  job.PAD = 0;
  job.SbH = 5;
  const Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(job.SbH, 10);
  ASSERT_EQ(c.messages.shown.size(), 1u);  // RbH is 1 now: no RbH warning
  EXPECT_EQ(c.messages.shown[0].title, "Warning");
  EXPECT_EQ(c.messages.shown[0].text,
            "the Height of Sorrounding Buildings must be equal to the Height of the considered "
            "building.\rIt was set so by default.");
}

TEST(CheckJobData, ErrorsAreAllReportedInOrder) {
  Job job = GoodJob();
  job.AzB = 361;
  job.AnWind = -1;
  job.Islope = 5;
  const Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 1);
  EXPECT_EQ(c.messages.Texts(), (std::vector<std::string>{
                                    "The angle of the building must be > 0 and < 360",
                                    "The angle of the direction of the wind must be > 0 and < 360",
                                    "The Roof Type must be 0, 1, or 2"}));
  for (const Message& m : c.messages.shown) {
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, MsgIcon::None);
  }
}

TEST(CheckJobData, AnglesOf360Pass) {
  Job job = GoodJob();
  job.AzB = 360;
  job.AnWind = 360;
  EXPECT_EQ(CheckHeader(job).status, 0);
}

TEST(CheckJobData, PlanAreaDensityLimitFollowsTheProportions) {
  const auto status = [](float BdX, float BdY, float Bdz, float SbH, float PAD) {
    Job job = GoodJob();
    job.BdX = BdX, job.BdY = BdY, job.Bdz = Bdz, job.SbH = SbH, job.PAD = PAD;
    return CheckHeader(job);
  };
  EXPECT_EQ(status(10, 10, 10, 10, 50).status, 0);  // cube
  EXPECT_EQ(status(10, 10, 10, 10, 50.5f).messages.Texts().back(),
            "The Plan Area Density must be > 0 and <50");
  EXPECT_EQ(status(10, 10, 10, 5, 40).status, 0);  // cube shape, RbH 2
  EXPECT_EQ(status(10, 10, 10, 5, 41).messages.Texts().back(),
            "The Plan Area Density must be > 0 and <40");
  EXPECT_EQ(status(20, 10, 10, 10, 35).status, 0);
  EXPECT_EQ(status(20, 10, 10, 10, 36).messages.Texts().back(),
            "The Plan Area Density must be > 0 and <35");
  EXPECT_EQ(status(20, 10, 10, 10, -1).status, 1);
}

TEST(CheckJobData, RelativeHeightConfidenceAndLimits) {
  Job job = GoodJob();
  job.SbH = 2;  // RbH 5
  job.PAD = 10;
  Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(c.messages.Texts(),
            std::vector<std::string>{kRbHText + "is out of the confidence range 0.5 <= RbH => 4"});
  job.SbH = 1;  // RbH 10
  c = CheckHeader(job);
  EXPECT_EQ(c.status, 1);
  EXPECT_EQ(c.messages.Texts().back(), kRbHText + "must be 0 < RbH > 8");
  job.SbH = -1;
  c = CheckHeader(job);
  EXPECT_EQ(c.messages.Texts()[0], "The Height of Surrounding Buildings must be > 0 and < 360");
}

TEST(CheckJobData, AspectRatioWarningsPerFacadeGroup) {
  Job job = GoodJob();
  job.BdX = 50;  // FAR 5 for 1 and 3, SAR 5 for 2 and 4
  job.PAD = 10;
  const Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  const std::string far = "The Frontal Aspect Ratio, for the ";
  const std::string farTail =
      ", (the ratio of the Facade's Lenght to the Facade's Height) is out of the confidence "
      "range 0.5 <= FAR => 4";
  const std::string sar =
      "The Side Aspect Ratio, for the facades 2 and 4, (the ratio of the Adjacent Facade's "
      "Length to the Facade Height) is out of the confidence range 0.5 <= SAR => 2";
  EXPECT_EQ(c.messages.Texts(), (std::vector<std::string>{far + "facades 1 and 3" + farTail, sar,
                                                          far + "roof" + farTail}));
}

TEST(CheckJobData, ExponentErrorHidesTheConfidenceWarning) {
  Job job = GoodJob();
  job.VeEXP = 0.42f;
  Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(c.messages.Texts(),
            std::vector<std::string>{"The Wind Velocity Profile Exponent is out of the confidence "
                                     "range for the facades: 0.1<= VeExp =>0.4"});
  c = CheckHeader(job, kCommaDecimal);
  EXPECT_TRUE(c.messages.Texts()[0].ends_with("facades: 0,1<= VeExp =>0,4"));
  job.VeEXP = 0.46f;
  c = CheckHeader(job);
  EXPECT_EQ(c.status, 1);
  EXPECT_EQ(c.messages.Texts(),
            std::vector<std::string>{
                "The Wind Velocity Profile Exponent is out of the range 0.1 <= VeExp => 0.45"});
}

TEST(CheckJobData, RoofTiltLimitsAndFlatRoof) {
  Job job = GoodJob();
  job.Islope = 2;
  job.Phi = 46;
  Checked c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(c.messages.Texts(),
            std::vector<std::string>{
                "The Roof Tilt Angle is out of the confidence range 0 <= Phi >= 45"});
  job.Phi = 50;
  c = CheckHeader(job);
  EXPECT_EQ(c.status, 1);
  EXPECT_EQ(c.messages.Texts(),
            std::vector<std::string>{"The Roof Tilt Angle must be >= 0 and < 50"});
  job.Islope = 0;
  job.Phi = 20;
  c = CheckHeader(job);
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(job.Phi, 0);
  EXPECT_EQ(c.messages.shown.back().title, "Warning");
  EXPECT_EQ(
      c.messages.Texts().back(),
      "The Roof Type is 0 (Flat Roof). The Roof Tilt Angle was set equal to Zero by default.");
}

TEST(CheckJobData, NotANumberIsRefused) {
  Job job = GoodJob();
  job.PAD = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(CheckHeader(job).status, 1);
}

// --- CheckElements -----------------------------------------------------------

TEST(CheckElements, ElementsOutsideTheirFacadeAreRefusedOneBoxEach) {
  Job job = GoodJob();
  AddElement(job, 1, 21, 5);  // XL 1.05
  AddElement(job, 5, 5, -1);  // roof ZH below 0
  AddElement(job, 2, 5, 5);   // inside
  RecordingMessages messages;
  EXPECT_EQ(CheckElements(job, messages), 1);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Element out of facade!", "Element out of facade!"}));
  EXPECT_EQ(messages.shown[0].title, "Error");
}

TEST(CheckElements, WallElementsOutsideTheProfileRangeAreCounted) {
  Job job = GoodJob();
  AddElement(job, 1, 5, 0.5f);  // ZH 0.05
  AddElement(job, 3, 5, 9.5f);  // ZH 0.95
  AddElement(job, 2, 5, 5);
  RecordingMessages messages;
  EXPECT_EQ(CheckElements(job, messages), 0);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"2Elements out of the confidence range. Z value assigned as "
                                     "equal to the upper/lower limit"});
  EXPECT_EQ(messages.shown[0].title, "Warning");
  job.VeEXP = 0.22f;  // 0.05 is still below 0.07
  messages.shown.clear();
  CheckElements(job, messages);
  EXPECT_EQ(messages.Texts()[0].substr(0, 2), "2E");
  job.ElmZ[1][1] = 0.8f;  // ZH 0.08: inside 0.07..0.93 for the exponent 0.22
  messages.shown.clear();
  CheckElements(job, messages);
  EXPECT_EQ(messages.Texts()[0].substr(0, 2), "1E");
}

TEST(CheckElements, IsolatedCubeWithExponent022IsTrustedEverywhere) {
  Job job = GoodJob();
  job.BdX = job.BdY = job.Bdz = job.SbH = 10;
  job.PAD = 0;
  job.VeEXP = 0.22f;
  AddElement(job, 1, 5, 0.5f);
  RecordingMessages messages;
  EXPECT_EQ(CheckElements(job, messages), 0);
  EXPECT_TRUE(messages.shown.empty());
  job.VeEXP = 0.25f;
  EXPECT_EQ(CheckElements(job, messages), 0);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(CheckElements, RoofWarningHidesTheWallWarning) {
  Job job = GoodJob();
  AddElement(job, 1, 5, 0.5f);
  AddElement(job, 5, 5, 0.5f);  // roof ZH 0.05
  AddElement(job, 5, 5, 9.5f);  // roof ZH 0.95
  RecordingMessages messages;
  EXPECT_EQ(CheckElements(job, messages), 0);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"2Element out of the confidence range. y value assigned as "
                                     "equal to the upper/lower limit"});
}

TEST(CheckElements, LeavesTheJobAlone) {
  Job job = GoodJob();
  AddElement(job, 1, 5, 0.5f);
  const Job before = job;
  RecordingMessages messages;
  CheckElements(job, messages);
  EXPECT_EQ(job, before);
}

}  // namespace
}  // namespace ventora
