// Whole reports of small jobs and of the examples against reports kept in
// tests/data/run. The title line carries the job's path and the date, so it
// is compared by pattern; every other byte must match. Run with
// VENTORA_UPDATE_GOLDEN=1 to rewrite the kept reports after a deliberate
// change (and read the difference before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/run_calculation.h"
#include "output/text_report_writer.h"
#include "recording_messages.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempFolder;

std::filesystem::path FromEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

struct GoldenCase {
  std::filesystem::path job;     // the ".in" file
  std::filesystem::path golden;  // the kept report
  NumberLocale locale;
  RunVerdict verdict;
};

std::pair<std::string, std::string> SplitTitle(const std::string& report) {
  const auto end = report.find("\r\n");
  if (end == std::string::npos) return {report, ""};
  return {report.substr(0, end), report.substr(end)};
}

void CheckAgainstGolden(const GoldenCase& c) {
  TempFolder dir;
  NumberText numbers(kPointDecimal);
  const Job job = ReadJobFile(c.job.string(), numbers);
  const auto reportPath = dir / "report.out.txt";
  RecordingMessages messages;
  RunContext ctx;
  ctx.messages = &messages;
  RunSetup setup;
  setup.openReport = [&] { return std::make_unique<TextReportWriter>(reportPath, c.locale); };
  setup.jobName = c.job.stem().string();
  setup.dateText = "December 06, 2026 - 9:15";
  EXPECT_EQ(RunCalculation(job, ctx, setup).verdict, c.verdict);
  const std::string actual = ReadBytes(reportPath);
  if (std::getenv("VENTORA_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(c.golden, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(c.golden)) << c.golden;
  const auto [actualTitle, actualRest] = SplitTitle(actual);
  const auto [goldenTitle, goldenRest] = SplitTitle(ReadBytes(c.golden));
  if (!goldenTitle.empty()) {
    static const std::regex kTitle(
        "  File Name: .+ - Date: [^ ]+ [0-9]{2}, [0-9]{4} - [0-9]{1,2}:[0-9]{2}");
    EXPECT_TRUE(std::regex_match(actualTitle, kTitle)) << actualTitle;
  }
  EXPECT_EQ(actualRest, goldenRest) << "differs from " << c.golden;
}

class GoldenReport : public ::testing::Test {
 protected:
  std::filesystem::path data = FromEnv("VENTORA_TEST_DATA") / "run";
  std::filesystem::path examples = FromEnv("VENTORA_EXAMPLES");
};

TEST_F(GoldenReport, LimitStopLeavesAnEmptyReport) {
  CheckAgainstGolden(
      {data / "limit-stop.in", data / "limit-stop.out.txt", kPointDecimal, RunVerdict::Stopped});
}

TEST_F(GoldenReport, ElementOutsideItsFacade) {
  CheckAgainstGolden({data / "outside-facade.in", data / "outside-facade.out.txt", kPointDecimal,
                      RunVerdict::Stopped});
}

TEST_F(GoldenReport, FloorElementStopsTheRun) {
  CheckAgainstGolden({data / "floor-element.in", data / "floor-element.out.txt", kPointDecimal,
                      RunVerdict::Stopped});
}

TEST_F(GoldenReport, SeveralFacadesWithAverages) {
  CheckAgainstGolden({data / "several-facades.in", data / "several-facades.out.txt", kPointDecimal,
                      RunVerdict::Completed});
}

TEST_F(GoldenReport, CommaDecimalLocale) {
  CheckAgainstGolden({data / "several-facades.in", data / "several-facades.comma.out.txt",
                      kCommaDecimal, RunVerdict::Completed});
}

TEST_F(GoldenReport, OfficeBlockExample) {
  CheckAgainstGolden({examples / "office-block.in", data / "office-block.out.txt", kPointDecimal,
                      RunVerdict::Completed});
}

TEST_F(GoldenReport, LowHouseExample) {
  CheckAgainstGolden({examples / "low-house.in", data / "low-house.out.txt", kPointDecimal,
                      RunVerdict::Completed});
}

}  // namespace
}  // namespace ventora
