#include "commands/sweep_export.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "core/cancellation.h"
#include "job_builders.h"
#include "recording_messages.h"
#include "temp_folder.h"
#include "troubled_job.h"

namespace ventora {
namespace {

using testing::ReadBytes;

// A sweep that ends without a new file leaves the old one byte for byte:
// refused by the checks, refused in strict mode, cancelled.
TEST(RunSweepExport, AnEndWithoutANewFileLeavesTheOldOne) {
  struct Row {
    const char* name;
    Job job;
    bool strict;
    bool cancel;
    RunOutcome outcome;  // when not cancelled
  };
  Job refused = testing::BlockJob(0, 30);
  refused.Bdz = -5;
  Job plain = testing::BlockJob(0, 30);
  plain.PAD = 0, plain.SbH = 4;
  testing::AddElement(plain, 1, 6, 3);
  const Row rows[] = {
      {"refused by the checks", refused, false, false, RunOutcome::Refused},
      {"refused in strict mode", testing::TroubledJob(), true, false, RunOutcome::Refused},
      {"cancelled", plain, false, true, RunOutcome::Completed},
  };
  for (const Row& r : rows) {
    testing::TempFolder dir;
    for (const char* format : {"csv", "energyplus", "contam", "modelica"}) {
      SweepRequest request;
      request.job = r.job;
      request.jobName = (dir / "job").string();
      request.format = format;
      request.settings.step = 30;
      request.settings.strict = r.strict;
      request.file = dir / (std::string("old.") + format);
      request.checkFirst = true;
      std::ofstream(request.file) << "the last good export";
      std::atomic<bool> cancel{r.cancel};
      SweepSetup setup;
      setup.cancel = &cancel;
      if (r.cancel) {
        EXPECT_THROW(RunSweepExport(request, setup), Cancelled) << r.name << ", " << format;
      } else {
        const SweepOutcome outcome = RunSweepExport(request, setup);
        EXPECT_EQ(outcome.outcome, r.outcome) << r.name << ", " << format;
        EXPECT_FALSE(outcome.notes.empty()) << r.name << ", " << format;
      }
      EXPECT_EQ(ReadBytes(request.file), "the last good export") << r.name << ", " << format;
    }
  }
}

// Made in memory, each format's export is the file RunSweepExport writes,
// with the same notes and warnings.
TEST(MakeSweepExport, TheTextIsTheFileRunSweepExportWrites) {
  testing::TempFolder dir;
  for (const char* format : {"csv", "energyplus", "contam", "modelica"}) {
    SweepRequest request;
    request.job = testing::TroubledJob();
    request.jobName = (dir / "job").string();
    request.format = format;
    request.settings.step = 30;
    request.file = dir / (std::string("job.") + format);
    request.checkFirst = true;
    const SweepOutcome written = RunSweepExport(request, SweepSetup());
    ASSERT_TRUE(written.Written()) << format;
    const SweepExportMade made = MakeSweepExport(request, SweepSetup());
    EXPECT_EQ(made.outcome.outcome, written.outcome) << format;
    EXPECT_EQ(made.text, ReadBytes(request.file)) << format;
    ASSERT_FALSE(made.warnings.empty()) << format;
    EXPECT_EQ(made.outcome.notes, written.notes) << format;
    EXPECT_EQ(made.warnings, written.warnings) << format;
    ASSERT_NE(made.outcome.directions, nullptr);
    EXPECT_EQ(made.outcome.directions->directions.size(), 12u) << format;
  }
}

}  // namespace
}  // namespace ventora
