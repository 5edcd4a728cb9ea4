// Every export and the Run command say which Cp are implausible; no export
// hands one to its program as real, and strict mode writes none. The
// examples are flagged nowhere.

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "commands/implausible_message.h"
#include "commands/run_job.h"
#include "consumer_readers.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/energyplus_fragment.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/facade_profiles.h"
#include "recording_messages.h"
#include "temp_folder.h"
#include "troubled_job.h"

namespace ventora {
namespace {

using testing::Faults;

const ExportInfo kInfo{.version = "9.8.7", .boundaryLayer = std::nullopt, .notes = {}};

Job ExampleJob(const std::string& name) {
  NumberText numbers(kPointDecimal);
  return ReadJobFile(std::string(std::getenv("VENTORA_EXAMPLES")) + "/" + name + ".in", numbers);
}

WindSweep FormatSweep(const ExportFormat& format, const Job& job) {
  return RunWindSweep(ExportSweepJob(format, job), ExportDirections(format, format.defaultStep),
                      {});
}

std::string Text(const ExportFormat& format, const Job& job, bool strict, std::string& warning) {
  ExportSettings settings;
  settings.step = format.defaultStep;
  settings.strict = strict;
  settings.info = kInfo;
  return format.text(FormatSweep(format, job), job, "troubled", settings, warning);
}

std::string Unwrapped(std::string text, const std::string& mark) {
  for (std::size_t at; (at = text.find("\r\n" + mark)) != std::string::npos;)
    text.replace(at, 2 + mark.size(), " ");
  return text;
}

TEST(CpStatus, EveryExportMarksTheTroubledJobAndStrictModeRefusesIt) {
  const Job job = testing::TroubledJob();
  const std::map<std::string, std::string> marks{
      {"csv", ",\"implausible at 160, 170, 190, 200, "},
      {"energyplus", "! Cp status: implausible at 160, 170, 190, 200, "},
      {"contam", "facade 4 element 1: X 34.07 m, Z (wall) / Y (roof) 18.82 m; Cp implausible\r\n"},
      {"modelica", "\"Cp status: implausible at "},
  };
  for (const std::string& name : ExportFormatNames()) {
    const ExportFormat& format = *FindExportFormat(name);
    std::string warning;
    const std::string text = Text(format, job, false, warning);
    EXPECT_NE(text.find(marks.at(name)), std::string::npos) << name << "\n" << text;
    EXPECT_TRUE(warning.starts_with("1 element has an implausible Cp")) << name << ": " << warning;
    EXPECT_NE(warning.find("F4_E1."), std::string::npos) << warning;
    EXPECT_THROW(Text(format, job, true, warning), std::invalid_argument) << name;
  }
  // EnergyPlus gets the values form, which it bounds to -1..1, even when
  // tables were asked for.
  const WindSweep sweep = RunWindSweep(job, SweepDirections(10), {});
  for (bool allTables : {false, true}) {
    Faults faults;
    const auto objects = testing::ReadIdfObjects(
        EnergyPlusIdf(sweep, job, "troubled", kInfo, {.allTables = allTables}), faults);
    testing::CheckEnergyPlusObjects(objects, faults);
    EXPECT_EQ(faults, Faults{});
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[1].type, "AirflowNetwork:MultiZone:WindPressureCoefficientValues");
  }
  EXPECT_NE(Unwrapped(EnergyPlusCpWarning(sweep, {}), "")
                .find("F4_E1. They are written as "
                      "WindPressureCoefficientValues"),
            std::string::npos);
  // Several jobs in one fragment: the refusal names the job.
  try {
    EnergyPlusFragment({{RunWindSweep(ExampleJob("low-house"), SweepDirections(10), {}),
                         ExampleJob("low-house"), "house"},
                        {sweep, job, "troubled"}},
                       kInfo, {.strict = true});
    ADD_FAILURE() << "no refusal";
  } catch (const std::invalid_argument& e) {
    EXPECT_TRUE(std::string(e.what()).starts_with("troubled: 1 element has")) << e.what();
  }
}

TEST(CpStatus, TheExamplesAreFlaggedNowhere) {
  for (const char* example : {"office-block", "low-house"}) {
    const Job job = ExampleJob(example);
    for (const std::string& name : ExportFormatNames()) {
      std::string warning;
      const std::string text = Text(*FindExportFormat(name), job, true, warning);
      EXPECT_EQ(text.find("implausible"), std::string::npos) << example << " " << name;
      EXPECT_EQ(warning.find("implausible"), std::string::npos) << example << " " << name;
    }
  }
}

// The statuses of a whole table, read direction by direction, are each
// element's own: over a troubled job (implausible in some directions,
// outside a confidence range in others), one that stops in some directions
// and the examples.
TEST(CpStatus, EveryElementsStatusAtOnceIsItsOwn) {
  SweepSetup stopping;
  stopping.atDirection = [](Job& job) {
    if (job.AnWind >= 180) job.PAD = 40;  // beyond the model's PAD: refused
  };
  const WindSweep halfDone = RunWindSweep(testing::TroubledJob(), SweepDirections(10), stopping);
  ASSERT_TRUE(halfDone.AnyCompleted() && !halfDone.AllCompleted());
  Job rough = ExampleJob("office-block");
  rough.VeEXP = 0.43f;
  const std::pair<const char*, WindSweep> sweeps[] = {
      {"troubled", RunWindSweep(testing::TroubledJob(), SweepDirections(10), {})},
      {"troubled, stopped from 180 deg", halfDone},
      {"office-block", RunWindSweep(ExampleJob("office-block"), SweepDirections(15), {})},
      {"low-house", RunWindSweep(ExampleJob("low-house"), SweepDirections(30), {})},
      {"office-block, VeEXP beyond its confidence", RunWindSweep(rough, SweepDirections(30), {})},
  };
  int implausible = 0, outside = 0;
  for (const auto& [name, sweep] : sweeps) {
    const std::vector<SweptStatus> all = SweptStatuses(sweep);
    ASSERT_EQ(all.size(), sweep.elements.size()) << name;
    for (std::size_t e = 0; e < all.size(); ++e) {
      const SweptStatus one = ElementSweptStatus(sweep, e);
      EXPECT_EQ(all[e].worst.plausibility, one.worst.plausibility) << name << " " << e;
      EXPECT_EQ(all[e].worst.outside, one.worst.outside) << name << " " << e;
      EXPECT_EQ(all[e].worst.role, one.worst.role) << name << " " << e;
      EXPECT_EQ(all[e].worst.belowLow, one.worst.belowLow) << name << " " << e;
      EXPECT_EQ(all[e].directions, one.directions) << name << " " << e;
      EXPECT_EQ(all[e].extreme, one.extreme) << name << " " << e;
      EXPECT_EQ(SweptStatusText(all[e]), SweptStatusText(sweep, e)) << name << " " << e;
      implausible += one.worst.plausibility == CpPlausibility::Implausible ? 1 : 0;
      outside += one.worst.plausibility == CpPlausibility::OutsideConfidence ? 1 : 0;
    }
  }
  EXPECT_GT(implausible, 0);
  EXPECT_GT(outside, 0);
}

TEST(CpStatus, TheRunSaysOnceHowManyAreImplausibleAndWhichInputsAreToBlame) {
  testing::TempFolder dir;
  testing::RecordingMessages messages;
  Job job = testing::TroubledJob();
  testing::AddElement(job, 2, 10, 18.82f);  // a plausible one in the lee
  RunCommandSetup setup;
  setup.jobName = (dir / "troubled").string();
  const RunCommandResult result = RunJobCommand(job, messages, setup);
  ASSERT_EQ(result.outcome, RunOutcome::Completed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Warning");
  const std::string& text = messages.shown[0].text;
  EXPECT_TRUE(text.starts_with(
      "1 element has a Cp beyond what codes and wind tunnels give for "
      "its place: lowest -9.369 at element 2 (facade 4, windward wall above the surroundings, "
      "below 0)."))
      << text;
  EXPECT_EQ(result.run.status[0].plausibility, CpPlausibility::Plausible);  // facade 2 first
  // In the user's own decimal form.
  EXPECT_NE(ImplausibleRunMessage(job, result.run, kCommaDecimal).find("lowest -9,369 "),
            std::string::npos);
}

}  // namespace
}  // namespace ventora
