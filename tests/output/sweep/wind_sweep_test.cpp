#include "output/sweep/wind_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "output/text_report_writer.h"
#include "recording_messages.h"
#include "sweep_test_jobs.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ExampleJob;
using testing::RecordingMessages;
using testing::SquareJob;
using testing::TempFolder;

// A normal run of `job`, its text report in `dir`.
RunResult NormalRun(const Job& job, const TempFolder& dir) {
  RunSetup setup;
  setup.openReport = [&] {
    return std::make_unique<TextReportWriter>(dir / "job.out.txt", kPointDecimal);
  };
  setup.jobName = (dir / "job").string();
  setup.dateText = "December 06, 2026 - 9:15";
  RunContext ctx;
  return RunCalculation(job, ctx, setup);
}

WindSweep Sweep(const Job& job, float step, SweepSetup setup = {}) {
  return RunWindSweep(job, SweepDirections(step), setup);
}

TEST(SweepDirections, StepsFromZeroBelow360) {
  const std::vector<float> ten = SweepDirections(10);
  ASSERT_EQ(ten.size(), 36u);
  EXPECT_EQ(ten.front(), 0.0f);
  EXPECT_EQ(ten.back(), 350.0f);
  const std::vector<float> seven = SweepDirections(7);
  ASSERT_EQ(seven.size(), 52u);  // 0 .. 357
  EXPECT_EQ(seven.back(), 357.0f);
  EXPECT_EQ(SweepDirections(360), std::vector<float>{0.0f});
  // A step that does not add up exactly still lands on its multiples.
  EXPECT_EQ(SweepDirections(0.1f)[3000], static_cast<float>(3000 * static_cast<double>(0.1f)));
}

TEST(SweepDirections, RefusesStepsThatMakeNoSweep) {
  EXPECT_THROW(SweepDirections(0), std::invalid_argument);
  EXPECT_THROW(SweepDirections(-10), std::invalid_argument);
  EXPECT_THROW(SweepDirections(361), std::invalid_argument);
  EXPECT_THROW(SweepDirections(std::numeric_limits<float>::quiet_NaN()), std::invalid_argument);
}

// Every column is exactly a normal run of the job with AnWind = d.
TEST(WindSweep, ColumnEqualsNormalRunAtThatDirection) {
  TempFolder dir;
  for (const char* name : {"office-block", "low-house"}) {
    SCOPED_TRACE(name);
    Job job = ExampleJob(name);
    const WindSweep sweep = Sweep(job, 15);
    ASSERT_EQ(sweep.directions.size(), 24u);
    ASSERT_TRUE(sweep.AllCompleted());
    for (const SweepDirection& d : sweep.directions) {
      job.AnWind = d.AnWind;
      const RunResult run = NormalRun(job, dir);
      ASSERT_EQ(run.verdict, RunVerdict::Completed) << d.AnWind;
      ASSERT_EQ(d.Cp.size(), run.elements.size());
      ASSERT_EQ(sweep.elements.size(), run.elements.size());
      for (std::size_t e = 0; e < run.elements.size(); ++e) {
        EXPECT_EQ(d.Cp[e], run.elements[e].Cp) << "direction " << d.AnWind << ", element " << e;
        EXPECT_EQ(sweep.elements[e].k, run.elements[e].k);
        EXPECT_EQ(sweep.elements[e].Z, run.elements[e].Z);  // clamped as in the report
        EXPECT_EQ(sweep.elements[e].ZH, run.elements[e].ZH);
      }
      EXPECT_EQ(d.geometry.FacadeAngle, run.geometry.FacadeAngle);
    }
  }
}

TEST(WindSweep, WritesNoFileAndShowsWarningsOnce) {
  TempFolder dir;
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  Job job = ExampleJob("office-block");
  job.VeEXP = 0.42f;  // within the limits, outside the confidence range
  RecordingMessages messages;
  SweepSetup setup;
  setup.messages = &messages;
  const WindSweep sweep = Sweep(job, 30, setup);
  std::filesystem::current_path(here);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"VeEXP out of confidence range (0.10 - 0.40)\nContinuing..."});
  EXPECT_TRUE(sweep.AllCompleted());
}

TEST(WindSweep, ReportsProgressAfterEveryDirection) {
  std::vector<std::size_t> done;
  SweepSetup setup;
  setup.progress = [&](std::size_t n, std::size_t total) {
    EXPECT_EQ(total, 4u);
    done.push_back(n);
  };
  Sweep(ExampleJob("low-house"), 90, setup);
  EXPECT_EQ(done, (std::vector<std::size_t>{1, 2, 3, 4}));
}

// Facade 2 fails whenever the wind comes at it from its left half, as a
// wall model does: its failure line, then the error code.
FacadeCpResult FailFacade2FromTheLeft(const RunContext& ctx, const FacadeCpInput& in) {
  const float angle = in.geometry.FacadeAngle[2];
  if (in.facade == Facade::Wall2 && angle < 0 && angle > -90) {
    ctx.ReportLine(" SAR out of range (windward facade) ");
    return {in.carried.cp, 2};
  }
  return FacadeCp(ctx, in);
}

TEST(WindSweep, StoppedDirectionKeepsNoValuesAndSaysWhy) {
  const Job job = ExampleJob("low-house");  // AzB 0: facade 2 faces south (180)
  SweepSetup setup;
  setup.facadeCp = &FailFacade2FromTheLeft;
  const WindSweep sweep = Sweep(job, 45, setup);
  ASSERT_EQ(sweep.directions.size(), 8u);
  EXPECT_FALSE(sweep.AllCompleted());
  EXPECT_TRUE(sweep.AnyCompleted());
  for (const SweepDirection& d : sweep.directions) {
    SCOPED_TRACE(d.AnWind);
    const bool fromTheLeft = d.AnWind == 135;  // angle -45 to facade 2
    EXPECT_EQ(d.completed, !fromTheLeft);
    if (fromTheLeft) {
      EXPECT_TRUE(d.Cp.empty());
      // Facade 1 has 6 elements: facade 2 starts at element 7.
      EXPECT_EQ(d.failure,
                "the run stopped at element 7 (facade 2): SAR out of range (windward facade)");
    } else {
      EXPECT_EQ(d.Cp.size(), 28u);
      EXPECT_TRUE(d.failure.empty());
    }
  }
  EXPECT_EQ(sweep.elements.size(), 28u);
}

TEST(WindSweep, JobOutsideTheLimitsStopsEveryDirection) {
  Job job = ExampleJob("office-block");
  job.PAD = 45;  // RbH 1.5 needs PAD <= 40
  const WindSweep sweep = Sweep(job, 90);
  EXPECT_FALSE(sweep.AnyCompleted());
  EXPECT_TRUE(sweep.elements.empty());
  for (const SweepDirection& d : sweep.directions)
    EXPECT_EQ(d.failure, "the job lies outside the model's limits");
}

// Cp at (X, Z) of `iface` in direction `d` (any multiple of the step).
float CpAt(const WindSweep& sweep, int iface, float XL, float ZH, double d) {
  const double wrapped = std::fmod(std::fmod(d, 360.0) + 360.0, 360.0);
  for (const SweepDirection& dir : sweep.directions) {
    if (dir.AnWind != static_cast<float>(wrapped)) continue;
    for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
      const ElementResult& el = sweep.elements[e];
      if (el.iface == iface && el.XL == XL && el.ZH == ZH) return dir.Cp[e];
    }
  }
  ADD_FAILURE() << "no element " << XL << ", " << ZH << " on facade " << iface << " at " << d;
  return 0;
}

// The facades are numbered clockwise: facade i + 1 faces 90 degrees left of
// facade i (azimuths AzB + 270, + 180, + 90, + 0). On a square building each
// wall therefore meets at d - 90 exactly the wind its predecessor meets at
// d, with the same FAR, SAR and positions: a turn, no mirror. (At d + 90 it
// meets the wind from the opposite side.)
TEST(WindSweepSymmetry, SquareBuildingTurnsWithTheWind) {
  const WindSweep sweep = Sweep(SquareJob(), 10);
  ASSERT_TRUE(sweep.AllCompleted());
  for (const ElementResult& e : sweep.elements) {
    const int next = e.iface % 4 + 1;
    for (const SweepDirection& d : sweep.directions) {
      ASSERT_EQ(CpAt(sweep, e.iface, e.XL, e.ZH, d.AnWind),
                CpAt(sweep, next, e.XL, e.ZH, d.AnWind - 90.0))
          << "facade " << e.iface << " at " << d.AnWind << ", XL " << e.XL << ", ZH " << e.ZH;
    }
  }
}

// The mirror: facade 1 at d meets the wind at angle t = d - 270; facade 2 at
// 90 - d at -t, and the models read a wind from the left as a wind from the
// right at the mirrored position 1 - XL. At t = 0 and t = 180 both sides
// read the facade at XL itself, so there the mirror holds only as far as
// the model's fitted curve is symmetric in XL, which near the top of a
// leeward wall at 180 it is not (-0.2718 against -0.2712): those two
// directions are left out.
TEST(WindSweepSymmetry, SquareBuildingMirrorsWithTheWind) {
  const WindSweep sweep = Sweep(SquareJob(), 10);
  for (const ElementResult& e : sweep.elements) {
    if (e.iface != 1) continue;
    for (const SweepDirection& d : sweep.directions) {
      if (d.AnWind == 270 || d.AnWind == 90) continue;  // t = 0 and t = 180
      ASSERT_EQ(CpAt(sweep, 1, e.XL, e.ZH, d.AnWind),
                CpAt(sweep, 2, 1.0f - e.XL, e.ZH, 90.0 - d.AnWind))
          << "at " << d.AnWind << ", XL " << e.XL << ", ZH " << e.ZH;
    }
  }
}

}  // namespace
}  // namespace ventora
