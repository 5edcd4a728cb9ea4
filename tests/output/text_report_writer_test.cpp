#include "output/text_report_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/number_locale.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

Job SampleHeader() {
  Job job;
  job.AzB = 30;
  job.AnWind = 120;
  job.VeEXP = 0.25f;
  job.PAD = 12.5f;
  job.SbH = 9;
  job.Bdz = 12;
  job.BdX = 20;
  job.BdY = 10;
  job.Islope = 2;
  job.Phi = 30;
  return job;
}

constexpr const char* kSampleHeader =
    "  File Name: /jobs/house - Date: March 09, 2026 - 14:30\r\n"
    "\r\n"
    "  Azimuth Angle of the Building:    30.00 deg.\r\n"
    "  Wind Direction:                  120.00 deg.\r\n"
    "  Wind Velocity Profile  Exponent:   0.25\r\n"
    "  Plan Area Density:                12.50%\r\n"
    "  Surronding Buildings' Height:      9.00 m\r\n"
    "  Height of the Building:           12.00 m\r\n"
    "  Lenght of the Building:           20.00 m\r\n"
    "  Width of the Building:            10.00 m\r\n"
    "  Roof Type:                       double slope\r\n"
    "  Roof Tilt Angle:                  30.00 deg.\r\n"
    "\r\n";

TEST(TextReport, LayoutOfHeaderElementsAndAverages) {
  TempFolder dir;
  const auto path = dir / "house.out.txt";
  TextReportWriter report(path, kPointDecimal);
  report.WriteHeader(SampleHeader(), "/jobs/house", "March 09, 2026 - 14:30");
  report.WriteColumnHeader();
  report.WriteElement({1, 1, 2.5f, 1.2f, 0.125f, 0.1f, 0.7155f});
  report.WriteElement({1, 2, 17.5f, 10.8f, 0.875f, 0.9f, -0.125f});
  report.WriteAverage(1, 0.29525f);
  report.WriteElement({5, 12, 25.0f, 5.0f, 1.25f, 0.5f, 10000});
  report.Close();
  const std::string expected =
      std::string(kSampleHeader) +
      "  Facade    Element    X         Z         X/L       Z/H       CP\r\n"
      "\r\n"
      "    1         1       2.50      1.20      0.13      0.10      0.715\r\n"
      "    1         2      17.50     10.80      0.88      0.90     -0.125\r\n"
      "  CP average for  facade n\xC2\xB0 1     0.295\r\n"
      "\r\n"
      "    5        12      25.00      5.00      1.25      0.50    10000.000\r\n";
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_FALSE(std::filesystem::exists(TextReportWriter::TemporaryPath(path)));
}

TEST(TextReport, CommaDecimalLocaleAndFailureLines) {
  TempFolder dir;
  const auto path = dir / "r.out.txt";
  TextReportWriter report(path, kCommaDecimal);
  report.WriteElement({2, 3, 7.25f, 3.5f, 0.5f, 0.25f, -0.0001f});
  report.WriteLine("a model's failure line");
  report.Close();
  EXPECT_EQ(ReadBytes(path),
            "    2         3       7,25      3,50      0,50      0,25     -0,000\r\n"
            "a model's failure line\r\n");
}

TEST(TextReport, RoofTypeWords) {
  EXPECT_EQ(RoofTypeWord(0), "flat");
  EXPECT_EQ(RoofTypeWord(1), "single slope");
  EXPECT_EQ(RoofTypeWord(2), "double slope");
}

TEST(TextReport, NothingUnderTheFinalNameBeforeClose) {
  TempFolder dir;
  const auto path = dir / "x.out.txt";
  {
    TextReportWriter report(path, kPointDecimal);
    report.WriteColumnHeader();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(TextReportWriter::TemporaryPath(path)));
  }
  // Abandoned without Close: no report, no leftover.
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(std::filesystem::exists(TextReportWriter::TemporaryPath(path)));
}

TEST(TextReport, EmptyReportIsAnEmptyFile) {
  TempFolder dir;
  const auto path = dir / "e.out.txt";
  TextReportWriter(path, kPointDecimal).Close();
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(TextReport, UnwritableFolderThrowsWithTheFileName) {
  TempFolder dir;
  const auto path = dir / "missing-folder" / "x.out.txt";
  try {
    TextReportWriter report(path, kPointDecimal);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("missing-folder"), std::string::npos) << e.what();
  }
}

TEST(TextReport, ReplacesAnOldReportOnlyAtClose) {
  TempFolder dir;
  const auto path = dir / "old.out.txt";
  std::ofstream(path) << "old";
  TextReportWriter report(path, kPointDecimal);
  report.WriteLine("new");
  EXPECT_EQ(ReadBytes(path), "old");
  report.Close();
  EXPECT_EQ(ReadBytes(path), "new\r\n");
}

}  // namespace
}  // namespace ventora
