#include "engine/run_calculation.h"

#include <gtest/gtest.h>

#include <limits>
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

// Stand-in for the facade models: Cp is the ZH the model was given, so the
// driver's clamping shows in the results; the floor fails as the dispatcher
// makes it fail, and wall 2 as a wall model does on a FAR it cannot take.
FacadeCpResult EchoZH(const RunContext& ctx, const FacadeCpInput& in) {
  if (in.facade == Facade::Floor) return {kFloorCp, 1};
  if (in.facade == Facade::Wall2 && in.PAD == 11) {
    ctx.ReportLine("FAR out of range on facade 2");
    return {in.carried.cp, 2};
  }
  return {in.ZH, in.carried.err};
}

class Run : public ::testing::Test {
 protected:
  RunResult Calculate(const Job& job) {
    RunSetup setup;
    setup.openReport = [this] { return std::make_unique<TextReportWriter>(file, kPointDecimal); };
    setup.jobName = (dir / "job").string();
    setup.dateText = "December 06, 2026 - 9:15";
    setup.facadeCp = &EchoZH;
    ctx.messages = &messages;
    return RunCalculation(job, ctx, setup);
  }
  std::string Report() const { return ReadBytes(file); }

  testing::TempFolder dir;
  std::filesystem::path file = dir / "job.out.txt";
  testing::RecordingMessages messages;
  RunContext ctx;
  Job job = BlockJob(0, 270);  // 20 x 10 x 10 m, RbH 1, FAR 2
};

// A limit on an input stops the run before the report; a limit on a derived
// ratio stops it after the header; a job without elements completes.
TEST_F(Run, StopsOrCompletesAtEachLimit) {
  const char* kEmpty = "";
  const char* kHeader = " deg.\r\n\r\n";
  const char* kDone = "CP\r\n\r\n";
  const struct {
    void (*change)(Job&);
    const char* reportEnds;
  } cases[] = {
      {[](Job& j) { j.AzB = -0.01f; }, kEmpty},
      {[](Job& j) { j.AzB = 360, j.AnWind = 0; }, kDone},
      {[](Job& j) { j.AnWind = 360.01f; }, kEmpty},
      {[](Job& j) { j.SbH = 0; }, kEmpty},
      {[](Job& j) { j.BdY = 0; }, kEmpty},
      {[](Job& j) { j.PAD = 50.01f; }, kEmpty},
      {[](Job& j) { j.VeEXP = 0.0999f; }, kEmpty},
      {[](Job& j) { j.VeEXP = 0.1f; }, kDone},
      {[](Job& j) { j.VeEXP = 0.45f; }, kDone},
      {[](Job& j) { j.VeEXP = 0.46f; }, kEmpty},
      {[](Job& j) { j.Islope = 3; }, kEmpty},
      {[](Job& j) { j.Islope = 1, j.Phi = 50; }, kDone},  // refused by the pre-run checks only
      {[](Job& j) { j.Islope = 1, j.Phi = 50.5f; }, kEmpty},
      {[](Job& j) { j.AzB = std::numeric_limits<float>::quiet_NaN(); }, kEmpty},
      {[](Job& j) { j.Bdz = 100; }, kHeader},                                // RbH 10
      {[](Job& j) { j.BdX = j.BdY = j.Bdz = 10.1f, j.PAD = 45; }, kHeader},  // RbH 1.01
      {[](Job& j) { j.PAD = 35; }, kDone},                                   // FAR 2
      {[](Job& j) { j.PAD = 36; }, kHeader},                                 // FAR 2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    Job changed = job;
    c.change(changed);
    const RunVerdict verdict = Calculate(changed).verdict;
    EXPECT_EQ(verdict, c.reportEnds == kDone ? RunVerdict::Completed : RunVerdict::Stopped);
    EXPECT_TRUE(c.reportEnds == kEmpty ? Report().empty() : Report().ends_with(c.reportEnds));
  }
}

TEST_F(Run, ConfidenceWarningsAreShownEvenInQuietMode) {
  job.VeEXP = 0.42f;
  job.Bdz = 2;  // RbH 0.2, FAR 10, SAR 5
  job.PAD = 10;
  ASSERT_EQ(Calculate(job).verdict, RunVerdict::Completed);
  EXPECT_TRUE(ctx.quiet);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{
                "Wind velocity profile exponent VeEXP 0.42 is outside the confidence range "
                "0.1 ≤ VeEXP ≤ 0.4.\nContinuing...",
                "Relative building height RbH 0.2 (Bdz / SbH) is outside the confidence range "
                "0.5 ≤ RbH ≤ 4.\nContinuing...",
                "Frontal aspect ratio FAR 10 (facade 1) is outside the confidence range "
                "0.5 ≤ FAR ≤ 4.\nContinuing...",
                "Side aspect ratio SAR 5 (facade 1) is outside the confidence range "
                "0.5 ≤ SAR ≤ 4.\nContinuing..."}));
  EXPECT_EQ(messages.shown[0].title, kAppTitle);
}

// Wall 1 and 3 run along X: on the 20 x 10 x 10 m block their FAR is 2.
// The facade azimuth and the relative angle are stored as 32-bit values
// before the wrap into (-180, 180]. For AzB 131.7 and AnWind 41.7 this makes
// wall 2 exactly parallel to the wind (90, leeward model) and wall 3 exactly
// 180; without the stores wall 2 would be 89.99998 and go to the windward
// model. The first rows: angles on whole degrees, one per facade kind.
TEST(DeriveFacadeGeometry, RatiosFollowEachFacadesLengthAnglesWrapStoredValues) {
  const FacadeGeometry g = DeriveFacadeGeometry(BlockJob(0, 0));
  const float far[] = {0, 2, 1, 2, 1, 2, 2}, sar[] = {0, 1, 2, 1, 2, 1, 1};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(g.FacadeFAR[i], far[i]) << i;
    EXPECT_EQ(g.FacadeSAR[i], sar[i]) << i;
  }
  const struct {
    float AzB, AnWind;
    int iface;
    float angle;
  } cases[] = {{30, 120, 1, 180},      {30, 120, 2, -90},      {30, 120, 4, 90},
               {30, 120, 6, 180},      {131.7f, 41.7f, 2, 90}, {131.7f, 41.7f, 3, 180},
               {321.2f, 51.2f, 4, 90}, {214.4f, 34.4f, 3, 90}, {214.4f, 34.4f, 4, 180}};
  for (const auto& c : cases)
    EXPECT_EQ(DeriveFacadeGeometry(BlockJob(c.AzB, c.AnWind)).FacadeAngle[c.iface], c.angle)
        << c.AzB << " " << c.AnWind << " wall " << c.iface;
}

TEST_F(Run, WallHeightsAreClampedToTheProfileBandRoofIsNot) {
  AddElement(job, 1, 10, 0.5f);  // ZH 0.05
  AddElement(job, 5, 10, 0.5f);  // ZH 0.05 (roof height is BdY)
  const struct {
    float VeEXP, Z, wallZH;
  } cases[] = {{0.25f, 0.5f, 0.1f}, {0.22f, 0.5f, 0.07f}, {0.22f, 9.5f, 0.93f}, {0.3f, 9.5f, 0.9f}};
  for (const auto& c : cases) {
    job.VeEXP = c.VeEXP;
    job.ElmZ[1][1] = c.Z;
    const RunResult r = Calculate(job);
    ASSERT_EQ(r.elements.size(), 2u);
    EXPECT_EQ(r.elements[0].ZH, c.wallZH) << c.VeEXP << " " << c.Z;
    EXPECT_EQ(r.elements[0].Z, c.wallZH * 10);
    EXPECT_EQ(r.elements[1].ZH, 0.05f);
  }
}

// An element outside its facade gets Cp 10000 and is not computed; the run
// stops at the next element that reaches a model, or at the end with the
// average of the computed ones (none: no average line).
TEST_F(Run, ElementsOutsideTheirFacadeStopTheRun) {
  const struct {
    std::vector<std::pair<float, float>> XZ;
    std::size_t lines;
    const char* reportEnds;
  } cases[] = {
      {{{5, 5}, {25, 5}, {-1, 5}, {6, 5}}, 3, "   -0.05      0.50    10000.000\r\n"},
      {{{5, 5}, {5, 11}}, 2, "10000.000\r\n  CP average for  facade n\xC2\xB0 1     0.500\r\n\r\n"},
      {{{30, 5}},
       1,
       "CP\r\n\r\n    1         1      30.00      5.00      1.50      0.50    10000.000\r\n"},
  };
  for (const auto& c : cases) {
    Job outside = job;
    for (auto [X, Z] : c.XZ)
      AddElement(outside, 1, X, Z);
    const RunResult r = Calculate(outside);
    EXPECT_EQ(r.verdict, RunVerdict::Stopped);
    ASSERT_EQ(r.elements.size(), c.lines);
    EXPECT_TRUE(Report().ends_with(c.reportEnds)) << Report();
  }
}

TEST_F(Run, AModelFailureStopsTheRunAfterItsLine) {
  job.PAD = 11;
  AddElement(job, 1, 10, 5);
  AddElement(job, 2, 5, 5);
  AddElement(job, 2, 6, 5);
  const RunResult r = Calculate(job);
  EXPECT_EQ(r.verdict, RunVerdict::Stopped);
  EXPECT_EQ(r.elements.size(), 1u);
  EXPECT_TRUE(
      Report().ends_with("  CP average for  facade n\xC2\xB0 1     0.500\r\n\r\n"
                         "FAR out of range on facade 2\r\n"));
  EXPECT_EQ(ctx.report, nullptr);
}

TEST_F(Run, FileFailuresThrow) {
  job.ElmCount[3] = 401;  // a corrupt count is refused, not read
  EXPECT_THROW(Calculate(job), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(file));
  file = dir / "no-such-folder" / "job.out.txt";
  EXPECT_THROW(Calculate(BlockJob(0, 270)), std::runtime_error);
}

}  // namespace
}  // namespace ventora
