// The workbook report read back with libfreexl, and both report forms built
// beside their final name and renamed into place at Close.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <variant>

#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/run_calculation.h"
#include "job_builders.h"
#include "output/open_report.h"
#include "output/workbook_report_writer.h"
#include "temp_folder.h"
#include "workbook_cells.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::CellValue;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WorkbookCells;

// What a cell must hold: a text, or a number compared exactly.
using Cell = std::variant<std::string, double>;
using Sheet = std::map<std::pair<char, unsigned>, Cell>;

void ExpectCells(const WorkbookCells& cells, const Sheet& expected) {
  for (const auto& [at, value] : expected) {
    const CellValue got = cells.At(at.first, at.second);
    EXPECT_EQ(got.kind == CellValue::Number ? Cell(got.number) : Cell(got.text), value)
        << at.first << at.second;
  }
}

void Row(Sheet& s, unsigned row, const std::vector<Cell>& values) {
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i] != Cell("")) s[{static_cast<char>('A' + i), row}] = values[i];
}

TEST(WorkbookReport, CellForCellInBothDecimalLocales) {
  Job job = testing::BlockJob(30, 120.456f);
  job.VeEXP = 0.22f;
  job.PAD = 12.5f;
  job.Bdz = 15;
  job.BdX = 20.004f;
  job.Islope = 2;
  job.Phi = 7.125f;
  Sheet expected;
  expected[{'A', 1}] = "File Name: /jobs/halle n°3 - Date: March 05, 2026 - 9:07";
  Row(expected, 3, {"Azimuth Angle of the Building:", "", "", "", "", 30.0, "deg."});
  Row(expected, 4, {"Wind Direction:", "", "", "", "", 120.46, "deg."});
  Row(expected, 5, {"Wind Velocity Profile Exponent:", "", "", "", "", 0.22});
  Row(expected, 6, {"Plan Area Density:", "", "", "", "", 12.5, "%"});
  Row(expected, 7, {"Surronding Buildings' Height:", "", "", "", "", 10.0, "m"});
  Row(expected, 8, {"Height of the Building:", "", "", "", "", 15.0, "m"});
  Row(expected, 9, {"Lenght of the Building:", "", "", "", "", 20.0, "m"});
  Row(expected, 10, {"Width of the Building:", "", "", "", "", 10.0, "m"});
  Row(expected, 11, {"Roof Type:", "", "", "", "", "double slope"});
  Row(expected, 12, {"Roof Tilt Angle:", "", "", "", "", 7.13, "deg."});  // 7.125f: half up
  Row(expected, 14, {"Facade", "Element", "X", "Z", "X/L", "Z/H", "CP"});
  Row(expected, 15, {1.0, 1.0, 3.14, 7.5, 0.13, 0.5, -0.5});
  Row(expected, 16, {1.0, 2.0, 1234.5, 0.0, 1.0, 0.07, 0.813});
  Row(expected, 17, {"CP average for  facade n° 1", "", "", "", "", "", 0.156});
  Row(expected, 19, {5.0, 3.0, 25.0, 5.0, 1.25, 0.5, 10000.0});  // outside: the sentinel
  Row(expected, 20, {"FAR out of range"});  // a failure line takes the next free row
  for (const NumberLocale& locale : {kPointDecimal, kCommaDecimal}) {
    TempFolder dir;
    WorkbookReportWriter w(dir / "halle.out.xls", locale);
    w.WriteHeader(job, "/jobs/halle n°3", "March 05, 2026 - 9:07");
    w.WriteColumnHeader();
    w.WriteElement({1, 1, 3.14159f, 7.5f, 0.125f, 0.5f, -0.5f});
    w.WriteElement({1, 2, 1234.5f, 0.004f, 0.995f, 0.07f, 0.8125f});
    w.WriteAverage(1, 0.15625f);
    w.WriteElement({5, 3, 25, 5, 1.25f, 0.5f, 10000});
    w.WriteLine("FAR out of range");
    w.Close();
    const WorkbookCells cells(dir / "halle.out.xls");
    ExpectCells(cells, expected);
    EXPECT_EQ(cells.Count(), expected.size());  // and nothing else
  }
}

TEST(WorkbookReport, AStoppedRunKeepsTheRowsWrittenBeforeTheStop) {
  TempFolder dir;
  NumberText numbers(kPointDecimal);
  const fs::path data = fs::path(std::getenv("VENTORA_TEST_DATA")) / "run";
  const Job job = ReadJobFile((data / "floor-element.in").string(), numbers);
  RunContext ctx;
  RunSetup setup;
  setup.jobName = (dir / "floor").string();
  setup.openReport = [&] { return OpenReport(ReportForm::Workbook, setup.jobName, kPointDecimal); };
  setup.dateText = "December 06, 2026 - 9:15";
  EXPECT_EQ(RunCalculation(job, ctx, setup).verdict, RunVerdict::Stopped);
  const WorkbookCells cells(dir / "floor.out.xls");
  Sheet rows;  // as in the kept text report of this job
  Row(rows, 15, {1.0, 1.0, 6.0, 3.0, 0.25, 0.25, -0.124});
  Row(rows, 16, {1.0, 2.0, 18.0, 9.0, 0.75, 0.75, -0.111});
  Row(rows, 17, {"CP average for  facade n° 1", "", "", "", "", "", -0.118});
  ExpectCells(cells, rows);
  EXPECT_EQ(cells.Rows(), 17u);  // no row for the floor element
  EXPECT_EQ(cells.Count(), 1u + 28 + 7 + 2 * 7 + 2);
}

std::ptrdiff_t FilesIn(const TempFolder& dir) {
  return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{});
}

TEST(ReportFiles, BuiltAsideAndRenamedIntoPlaceOnlyAtClose) {
  for (ReportForm form : {ReportForm::Text, ReportForm::Workbook}) {
    SCOPED_TRACE(static_cast<int>(form));
    TempFolder dir;
    const std::string job = (dir / "j").string();
    const fs::path final = ReportPath(job, form);
    std::ofstream(final) << "old";
    {
      auto abandoned = OpenReport(form, job, kPointDecimal);
      abandoned->WriteLine("new");
      EXPECT_EQ(ReadBytes(final), "old");
    }
    EXPECT_EQ(ReadBytes(final), "old");
    EXPECT_EQ(FilesIn(dir), 1);
    auto report = OpenReport(form, job, kPointDecimal);
    report->WriteLine("new");
    report->Close();
    EXPECT_EQ(FilesIn(dir), 1);
    EXPECT_EQ(form == ReportForm::Text ? ReadBytes(final) : WorkbookCells(final).At('A', 2).text,
              form == ReportForm::Text ? "new\r\n" : "new");
    // A folder that does not exist, or a folder in the way of the rename.
    for (const fs::path& bad : {dir / "gone" / "j", dir / "blocked"}) {
      fs::create_directory(ReportPath((dir / "blocked").string(), form));
      try {
        auto w = OpenReport(form, bad.string(), kPointDecimal);
        w->Close();
        ADD_FAILURE() << "no error for " << bad;
      } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(ReportPath(bad.string(), form).filename().string()),
                  std::string::npos)
            << e.what();
      }
      EXPECT_EQ(FilesIn(dir), 2);
    }
  }
}

}  // namespace
}  // namespace ventora
