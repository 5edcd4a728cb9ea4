// Whole reports of small jobs and of the examples against reports kept in
// tests/data/run, byte for byte. Run with VENTORA_UPDATE_GOLDEN=1 to rewrite
// the kept reports after a deliberate change (and read the difference
// before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/run_calculation.h"
#include "output/text_report_writer.h"
#include "recording_messages.h"
#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

TEST(GoldenReport, WholeReportsMatchTheKeptOnes) {
  const fs::path data = fs::path(std::getenv("VENTORA_TEST_DATA")) / "run";
  const fs::path examples = std::getenv("VENTORA_EXAMPLES");
  struct Case {
    fs::path job;
    std::string golden;
    NumberLocale locale;
    RunVerdict verdict;
  };
  using enum RunVerdict;
  const Case cases[] = {
      {data / "limit-stop.in", "limit-stop.out.txt", kPointDecimal, Stopped},
      {data / "outside-facade.in", "outside-facade.out.txt", kPointDecimal, Stopped},
      {data / "floor-element.in", "floor-element.out.txt", kPointDecimal, Stopped},
      {data / "several-facades.in", "several-facades.out.txt", kPointDecimal, Completed},
      {data / "several-facades.in", "several-facades.comma.out.txt", kCommaDecimal, Completed},
      {examples / "office-block.in", "office-block.out.txt", kPointDecimal, Completed},
      {examples / "low-house.in", "low-house.out.txt", kPointDecimal, Completed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    testing::TempFolder dir;
    NumberText numbers(kPointDecimal);
    const Job job = ReadJobFile(c.job.string(), numbers);
    testing::RecordingMessages messages;
    RunContext ctx;
    ctx.messages = &messages;
    RunSetup setup;
    setup.openReport = [&] { return std::make_unique<TextReportWriter>(dir / "r", c.locale); };
    setup.jobName = c.job.stem().string();
    setup.dateText = "December 06, 2026 - 9:15";
    EXPECT_EQ(RunCalculation(job, ctx, setup).verdict, c.verdict);
    const std::string actual = testing::ReadBytes(dir / "r");
    if (std::getenv("VENTORA_UPDATE_GOLDEN") != nullptr) {
      std::ofstream(data / c.golden, std::ios::binary) << actual;
      continue;
    }
    ASSERT_TRUE(fs::exists(data / c.golden));
    EXPECT_EQ(actual, testing::ReadBytes(data / c.golden));
  }
}

// Far longer than the room the report starts with, with element lines of
// the usual and of the rare width.
TEST(TextReport, LongReportComesOutWhole) {
  testing::TempFolder dir;
  TextReportWriter report(dir / "r", kCommaDecimal);
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    report.WriteElement({2, 17, 1.f, 3.f, 0.03f, 0.1f, -0.5f});
    report.WriteElement({2, 18, 1.f, 3.f, 0.03f, 0.1f, 10000.f});
    expected +=
        "    2        17       1,00      3,00      0,03      0,10     -0,500\r\n"
        "    2        18       1,00      3,00      0,03      0,10    10000,000\r\n";
  }
  report.Close();
  EXPECT_EQ(testing::ReadBytes(dir / "r"), expected);
}

}  // namespace
}  // namespace ventora
