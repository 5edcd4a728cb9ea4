#include "engine/run_calculation.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "job_builders.h"
#include "output/text_report_writer.h"
#include "recording_messages.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::AddElement;
using testing::BlockJob;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempFolder;

// Stand-ins for the facade models: Cp is the ZH the model was given, so the
// driver's clamping shows in the results; the floor fails as the
// dispatcher makes it fail.
FacadeCpResult EchoZH(const RunContext&, const FacadeCpInput& in) {
  if (in.facade == Facade::Floor) return {999, 1};
  return {in.ZH, in.carried.err};
}

// Wall 2 fails as a wall model does on a FAR it cannot take: its line goes
// to the report, then the error code.
FacadeCpResult FailOnWall2(const RunContext& ctx, const FacadeCpInput& in) {
  if (in.facade == Facade::Wall2) {
    ctx.ReportLine("FAR out of range on facade 2");
    return {in.carried.cp, 2};
  }
  return {in.XL, in.carried.err};
}

Job ValidJob() {
  return BlockJob(0, 270);
}

class RunFixture : public ::testing::Test {
 protected:
  RunResult Run(const Job& job, FacadeCpFunction model = &EchoZH) {
    RunSetup setup;
    setup.openReport = [this] {
      return std::make_unique<TextReportWriter>(ReportFile(), kPointDecimal);
    };
    setup.jobName = (dir / "job").string();
    setup.dateText = "December 06, 2026 - 9:15";
    setup.facadeCp = model;
    ctx.messages = &messages;
    return RunCalculation(job, ctx, setup);
  }
  std::filesystem::path ReportFile() const { return dir / "job.out.txt"; }
  std::string Report() const { return ReadBytes(ReportFile()); }

  TempFolder dir;
  RecordingMessages messages;
  RunContext ctx;
};

// --- parameter limits -------------------------------------------------------

TEST_F(RunFixture, ParameterStopLeavesAnEmptyReport) {
  Job job = ValidJob();
  job.AzB = 360.5f;
  const RunResult r = Run(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  EXPECT_EQ(Report(), "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RunFixture, EachParameterLimitStopsTheRun) {
  const auto stops = [this](auto change) {
    Job job = ValidJob();
    change(job);
    return Run(job).verdict == RunVerdict::Stopped;
  };
  EXPECT_TRUE(stops([](Job& j) { j.AzB = -0.01f; }));
  EXPECT_TRUE(stops([](Job& j) { j.AnWind = 360.01f; }));
  EXPECT_TRUE(stops([](Job& j) { j.SbH = 0; }));
  EXPECT_TRUE(stops([](Job& j) { j.Bdz = -1; }));
  EXPECT_TRUE(stops([](Job& j) { j.BdX = 0; }));
  EXPECT_TRUE(stops([](Job& j) { j.BdY = 0; }));
  EXPECT_TRUE(stops([](Job& j) { j.PAD = 50.01f; }));
  EXPECT_TRUE(stops([](Job& j) { j.VeEXP = 0.0999f; }));
  EXPECT_TRUE(stops([](Job& j) { j.VeEXP = 0.46f; }));
  EXPECT_TRUE(stops([](Job& j) { j.Islope = 3; }));
  EXPECT_TRUE(stops([](Job& j) { j.Phi = 50.5f; }));
  EXPECT_TRUE(stops([](Job& j) { j.AzB = std::numeric_limits<float>::quiet_NaN(); }));
  // Inclusive limits.
  EXPECT_FALSE(stops([](Job& j) { j.AzB = 360, j.AnWind = 0; }));
  EXPECT_FALSE(stops([](Job& j) { j.VeEXP = 0.1f; }));
  EXPECT_FALSE(stops([](Job& j) { j.VeEXP = 0.45f; }));
  // The run accepts Phi = 50, which the checks before the run refuse.
  EXPECT_FALSE(stops([](Job& j) { j.Islope = 1, j.Phi = 50; }));
}

TEST_F(RunFixture, ConfidenceWarningsAreShownEvenInQuietMode) {
  Job job = ValidJob();
  job.VeEXP = 0.42f;
  job.Bdz = 2;  // RbH 0.2, FAR 10, SAR 5
  job.PAD = 10;
  ASSERT_EQ(Run(job).verdict, RunVerdict::Completed);
  EXPECT_TRUE(ctx.quiet);
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text, "VeEXP out of confidence range (0.10 - 0.40)\nContinuing...");
  EXPECT_EQ(messages.shown[1].text, "RbH out of confidence range (0.5 - 4).\nContinuing...");
  EXPECT_EQ(messages.shown[2].text, "FAR out of confidence range (0.5 - 4).\nContinuing...");
  EXPECT_EQ(messages.shown[3].text, "SAR out of confidence range (0.5 - 4).\nContinuing...");
  for (const Message& m : messages.shown) {
    EXPECT_EQ(m.title, kAppTitle);
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
  }
}

// --- derived quantities -------------------------------------------------------

TEST(DeriveFacadeGeometry, RelativeWindAngles) {
  Job job = ValidJob();
  job.AzB = 30;
  job.AnWind = 120;
  FacadeGeometry g = DeriveFacadeGeometry(job);
  EXPECT_EQ(g.FacadeAngle[1], 180);
  EXPECT_EQ(g.FacadeAngle[2], -90);
  EXPECT_EQ(g.FacadeAngle[3], 0);
  EXPECT_EQ(g.FacadeAngle[4], 90);
  EXPECT_EQ(g.FacadeAngle[5], 180);
  EXPECT_EQ(g.FacadeAngle[6], 180);
  job.AzB = 0;
  job.AnWind = 270;
  EXPECT_EQ(DeriveFacadeGeometry(job).FacadeAngle[1], 0);
  job.AzB = 90;  // facade 1 azimuth 360 stays 360
  job.AnWind = 0;
  EXPECT_EQ(DeriveFacadeGeometry(job).FacadeAngle[1], 0);
}

TEST(DeriveFacadeGeometry, AspectRatios) {
  Job job = ValidJob();
  job.BdX = 20;
  job.BdY = 10;
  job.Bdz = 10;
  job.SbH = 5;
  const FacadeGeometry g = DeriveFacadeGeometry(job);
  EXPECT_EQ(g.RbH, 2);
  const float far[] = {0, 2, 1, 2, 1, 2, 2};
  const float sar[] = {0, 1, 2, 1, 2, 1, 1};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(g.FacadeFAR[i], far[i]) << i;
    EXPECT_EQ(g.FacadeSAR[i], sar[i]) << i;
  }
}

TEST_F(RunFixture, DenseSurroundingsNeedUnitRatios) {
  Job cube = ValidJob();
  cube.BdX = cube.BdY = cube.Bdz = cube.SbH = 10;
  cube.PAD = 45;
  EXPECT_EQ(Run(cube).verdict, RunVerdict::Completed);
  cube.Bdz = cube.BdX = cube.BdY = 10.1f;  // RbH 1.01
  EXPECT_EQ(Run(cube).verdict, RunVerdict::Stopped);
  Job slab = ValidJob();  // FAR 2
  slab.PAD = 36;
  EXPECT_EQ(Run(slab).verdict, RunVerdict::Stopped);
  slab.PAD = 35;
  EXPECT_EQ(Run(slab).verdict, RunVerdict::Completed);
}

TEST_F(RunFixture, DerivedStopKeepsTheHeaderOnly) {
  Job job = ValidJob();
  job.Bdz = 100;  // RbH 10
  AddElement(job, 1, 1, 1);
  EXPECT_EQ(Run(job).verdict, RunVerdict::Stopped);
  const std::string report = Report();
  EXPECT_NE(report.find("Roof Tilt Angle:"), std::string::npos);
  EXPECT_EQ(report.find("Facade    Element"), std::string::npos);
  EXPECT_TRUE(report.ends_with(" deg.\r\n\r\n"));
}

// --- element walk -------------------------------------------------------------

TEST_F(RunFixture, JobWithoutElementsWritesBothHeadersAndCompletes) {
  const RunResult r = Run(ValidJob());
  EXPECT_EQ(r.verdict, RunVerdict::Completed);
  EXPECT_TRUE(Report().ends_with("CP\r\n\r\n"));
  EXPECT_TRUE(r.elements.empty());
}

TEST_F(RunFixture, WallsAreClampedByTheProfileExponentRoofIsNot) {
  Job job = ValidJob();
  AddElement(job, 1, 10, 0.5f);  // ZH 0.05
  AddElement(job, 5, 10, 0.5f);  // ZH 0.05 (roof height is BdY)
  RunResult r = Run(job);
  ASSERT_EQ(r.elements.size(), 2u);
  EXPECT_EQ(r.elements[0].ZH, 0.1f);
  EXPECT_EQ(r.elements[0].Cp, 0.1f);
  EXPECT_EQ(r.elements[0].Z, 0.1f * 10);
  EXPECT_EQ(r.elements[1].ZH, 0.05f);
  job.VeEXP = 0.22f;
  r = Run(job);
  EXPECT_EQ(r.elements[0].ZH, 0.07f);
  EXPECT_EQ(r.elements[0].Z, 0.07f * 10);
  EXPECT_EQ(r.elements[1].ZH, 0.05f);
  job.ElmZ[1][1] = 9.5f;  // ZH 0.95
  EXPECT_EQ(Run(job).elements[0].ZH, 0.93f);
  job.VeEXP = 0.3f;
  EXPECT_EQ(Run(job).elements[0].ZH, 0.9f);
}

TEST_F(RunFixture, ElementsNumberedAcrossFacadesWithAnAverageAfterEach) {
  Job job = ValidJob();
  AddElement(job, 2, 1, 2);  // facade 1 empty
  AddElement(job, 2, 2, 4);
  AddElement(job, 2, 3, 6);
  AddElement(job, 5, 4, 5);
  AddElement(job, 5, 8, 5);
  const RunResult r = Run(job);
  ASSERT_EQ(r.verdict, RunVerdict::Completed);
  ASSERT_EQ(r.elements.size(), 5u);
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(r.elements[k - 1].k, k);
  EXPECT_EQ(r.elements[3].iface, 5);
  EXPECT_EQ(r.elements[4].X, 8);
  EXPECT_EQ(r.elements[4].XL, 0.4f);
  ASSERT_EQ(r.averages.size(), 2u);
  EXPECT_EQ(r.averages[0].iface, 2);
  EXPECT_EQ(r.averages[0].average, (0.2f + 0.4f + 0.6f) / 3.0f);
  EXPECT_EQ(r.averages[1].iface, 5);
  EXPECT_EQ(r.averages[1].average, 0.5f);
  const std::string report = Report();
  EXPECT_NE(report.find("    2         3       3.00      6.00      0.30      0.60      0.600\r\n"
                        "  CP average for  facade n\xC2\xB0 2     0.400\r\n\r\n"
                        "    5         4       4.00      5.00      0.20      0.50      0.500\r\n"),
            std::string::npos)
      << report;
  EXPECT_TRUE(report.ends_with("  CP average for  facade n\xC2\xB0 5     0.500\r\n\r\n"));
}

TEST_F(RunFixture, ElementOutsideItsFacadeStopsAtTheNextComputedElement) {
  Job job = ValidJob();
  AddElement(job, 1, 5, 5);
  AddElement(job, 1, 25, 5);  // XL 1.25
  AddElement(job, 1, -1, 5);  // also outside: not computed, its line is written
  AddElement(job, 1, 6, 5);   // reaches the model: the run stops here
  const RunResult r = Run(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  ASSERT_EQ(r.elements.size(), 3u);
  EXPECT_EQ(r.elements[1].Cp, 10000);
  EXPECT_EQ(r.elements[2].Cp, 10000);
  EXPECT_TRUE(r.averages.empty());
  EXPECT_TRUE(
      Report().ends_with("    1         3      -1.00      5.00     -0.05      0.50    "
                         "10000.000\r\n"));
}

TEST_F(RunFixture, LastElementOutsideStopsWithTheAverageOfTheComputedOnes) {
  Job job = ValidJob();
  AddElement(job, 1, 5, 5);
  AddElement(job, 1, 5, 11);  // ZH 1.1
  const RunResult r = Run(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  ASSERT_EQ(r.averages.size(), 1u);
  EXPECT_EQ(r.averages[0].average, 0.5f);
  EXPECT_TRUE(
      Report().ends_with("10000.000\r\n  CP average for  facade n\xC2\xB0 1     0.500\r\n\r\n"));
}

TEST_F(RunFixture, FacadeWithNoComputedElementHasNoAverageLine) {
  Job job = ValidJob();
  AddElement(job, 1, 30, 5);  // XL 1.5: the only element of facade 1
  const RunResult r = Run(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  EXPECT_TRUE(r.averages.empty());
  const std::string report = Report();
  EXPECT_TRUE(report.ends_with("10000.000\r\n")) << report;
  EXPECT_EQ(report.find("average"), std::string::npos);
}

TEST_F(RunFixture, ModelFailureLineStandsWhereItHappenedAndStopsTheRun) {
  Job job = ValidJob();
  AddElement(job, 1, 10, 5);
  AddElement(job, 2, 5, 5);
  AddElement(job, 2, 6, 5);
  const RunResult r = Run(job, &FailOnWall2);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  ASSERT_EQ(r.elements.size(), 1u);
  ASSERT_EQ(r.averages.size(), 1u);
  EXPECT_TRUE(
      Report().ends_with("  CP average for  facade n\xC2\xB0 1     0.500\r\n\r\n"
                         "FAR out of range on facade 2\r\n"));
  EXPECT_EQ(ctx.report, nullptr);
}

TEST_F(RunFixture, FloorElementStopsTheRunWithoutItsLine) {
  Job job = ValidJob();
  AddElement(job, 6, 5, 5);
  const RunResult r = Run(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  EXPECT_TRUE(r.elements.empty());
  EXPECT_TRUE(Report().ends_with("CP\r\n\r\n"));
}

// --- failures of the files ----------------------------------------------------

TEST_F(RunFixture, UnopenableReportThrows) {
  RunSetup setup;
  setup.openReport = [this] {
    return std::make_unique<TextReportWriter>(dir / "no-such-folder" / "job.out.txt",
                                              kPointDecimal);
  };
  setup.facadeCp = &EchoZH;
  EXPECT_THROW(RunCalculation(ValidJob(), ctx, setup), std::runtime_error);
}

TEST_F(RunFixture, CorruptElementCountIsRefusedNotRead) {
  Job job = ValidJob();
  job.ElmCount[3] = 401;
  EXPECT_THROW(Run(job), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(ReportFile()));
}

}  // namespace
}  // namespace ventora
