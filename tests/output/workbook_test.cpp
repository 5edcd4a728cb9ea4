// Workbooks read back with libfreexl, a reader independent of the program's
// writer, so the tests check what any spreadsheet program would see; and
// both report forms built beside their final name and renamed into place
// at Close.

#include <freexl.h>
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
#include "output/xls/biff8_workbook.h"
#include "output/xls/ole2_workbook_file.h"
#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;

// A text, or a number compared exactly, at a column letter and a row from 1.
using Cell = std::variant<std::string, double>;
using Sheet = std::map<std::pair<char, unsigned>, Cell>;

// The cells of the first worksheet that hold a value, and its row count.
std::pair<Sheet, unsigned> ReadWorkbook(const fs::path& path) {
  const void* handle = nullptr;
  unsigned rows = 0;
  unsigned short columns = 0;
  Sheet cells;
  if (freexl_open(path.c_str(), &handle) != FREEXL_OK) {
    ADD_FAILURE() << "freexl cannot open " << path;
    return {};
  }
  EXPECT_EQ(freexl_select_active_worksheet(handle, 0), FREEXL_OK);
  EXPECT_EQ(freexl_worksheet_dimensions(handle, &rows, &columns), FREEXL_OK);
  for (unsigned r = 0; r < rows; ++r) {
    for (unsigned short c = 0; c < columns; ++c) {
      FreeXL_CellValue v;
      EXPECT_EQ(freexl_get_cell_value(handle, r, c, &v), FREEXL_OK);
      const std::pair<char, unsigned> at{static_cast<char>('A' + c), r + 1};
      if (v.type == FREEXL_CELL_INT) cells[at] = static_cast<double>(v.value.int_value);
      if (v.type == FREEXL_CELL_DOUBLE) cells[at] = v.value.double_value;
      if (v.type == FREEXL_CELL_TEXT || v.type == FREEXL_CELL_SST_TEXT)
        cells[at] = std::string(v.value.text_value);
    }
  }
  freexl_close(handle);
  return {cells, rows};
}

void Row(Sheet& s, unsigned row, const std::vector<Cell>& values) {
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i] != Cell("")) s[{static_cast<char>('A' + i), row}] = values[i];
}

// The title, the job's values in F with their labels and units, the column titles.
Sheet Header(const std::string& title, const std::vector<Cell>& values) {
  const char* labels[] = {"Azimuth Angle of the Building:",
                          "Wind Direction:",
                          "Wind Velocity Profile Exponent:",
                          "Plan Area Density:",
                          "Surronding Buildings' Height:",
                          "Height of the Building:",
                          "Lenght of the Building:",
                          "Width of the Building:",
                          "Roof Type:",
                          "Roof Tilt Angle:"};
  const char* units[] = {"deg.", "deg.", "", "%", "m", "m", "m", "m", "", "deg."};
  Sheet s{{{'A', 1}, title}};
  for (unsigned i = 0; i < 10; ++i)
    Row(s, 3 + i, {labels[i], "", "", "", "", values[i], units[i]});
  Row(s, 14, {"Facade", "Element", "X", "Z", "X/L", "Z/H", "CP"});
  return s;
}

TEST(WorkbookReport, CellForCellInBothDecimalLocales) {
  Job job = testing::BlockJob(30, 120.456f);
  job.VeEXP = 0.22f;
  job.PAD = 12.5f;
  job.Bdz = 15;
  job.BdX = 20.004f;
  job.Islope = 2;
  job.Phi = 7.125f;  // exact in 32 bits: the half rounds up
  Sheet expected = Header("File Name: /jobs/halle n°3 - Date: March 05, 2026 - 9:07",
                          {30.0, 120.46, 0.22, 12.5, 10.0, 15.0, 20.0, 10.0, "double slope", 7.13});
  Row(expected, 15, {1.0, 1.0, 3.14, 7.5, 0.13, 0.5, -0.5});
  Row(expected, 16, {1.0, 2.0, 1234.5, 0.0, 1.0, 0.07, -1.235});  // beyond the half in 32 bits
  Row(expected, 17, {"CP average for  facade n° 1", "", "", "", "", "", 0.156});
  Row(expected, 19, {5.0, 3.0, 25.0, 5.0, 1.25, 0.5, 10000.0});  // outside: the sentinel
  Row(expected, 20, {"FAR out of range"});  // a failure line takes the next free row
  for (const NumberLocale& locale : {kPointDecimal, kCommaDecimal}) {
    TempFolder dir;
    WorkbookReportWriter w(dir / "halle.out.xls", locale);
    w.WriteHeader(job, "/jobs/halle n°3", "March 05, 2026 - 9:07");
    w.WriteColumnHeader();
    w.WriteElement({1, 1, 3.14159f, 7.5f, 0.125f, 0.5f, -0.5f});
    w.WriteElement({1, 2, 1234.5f, 0.004f, 0.995f, 0.07f, -1.2345f});
    w.WriteAverage(1, 0.15625f);
    w.WriteElement({5, 3, 25, 5, 1.25f, 0.5f, 10000});
    w.WriteLine("FAR out of range");
    w.Close();
    EXPECT_EQ(ReadWorkbook(dir / "halle.out.xls").first, expected);
  }
}

TEST(WorkbookReport, AStoppedRunKeepsTheRowsWrittenBeforeTheStop) {
  TempFolder dir;
  NumberText numbers(kPointDecimal);
  const Job job =
      ReadJobFile(std::string(std::getenv("VENTORA_TEST_DATA")) + "/run/floor-element.in", numbers);
  RunContext ctx;
  RunSetup setup;
  setup.jobName = (dir / "floor").string();
  setup.openReport = [&] { return OpenReport(ReportForm::Workbook, setup.jobName, kPointDecimal); };
  setup.dateText = "December 06, 2026 - 9:15";
  EXPECT_EQ(RunCalculation(job, ctx, setup).verdict, RunVerdict::Stopped);
  // As in the kept text report of this job: no row for the floor element.
  Sheet expected = Header("File Name: " + setup.jobName + " - Date: December 06, 2026 - 9:15",
                          {30.0, 120.0, 0.25, 20.0, 10.0, 12.0, 24.0, 12.0, "single slope", 10.0});
  Row(expected, 15, {1.0, 1.0, 6.0, 3.0, 0.25, 0.25, -0.124});
  Row(expected, 16, {1.0, 2.0, 18.0, 9.0, 0.75, 0.75, -0.111});
  Row(expected, 17, {"CP average for  facade n° 1", "", "", "", "", "", -0.118});
  EXPECT_EQ(ReadWorkbook(dir / "floor.out.xls"), std::make_pair(expected, 17u));
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
    OpenReport(form, job, kPointDecimal)->WriteLine("abandoned without Close");
    EXPECT_EQ(FilesIn(dir), 1);
    auto report = OpenReport(form, job, kPointDecimal);
    report->WriteLine("new");
    EXPECT_EQ(ReadBytes(final), "old");
    report->Close();
    EXPECT_EQ(FilesIn(dir), 1);
    if (form == ReportForm::Text) {
      EXPECT_EQ(ReadBytes(final), "new\r\n");
    } else {
      EXPECT_EQ(ReadWorkbook(final).first, (Sheet{{{'A', 2}, "new"}}));
    }
    // A folder that does not exist, or a folder in the way of the rename.
    fs::create_directory(ReportPath((dir / "blocked").string(), form));
    for (const fs::path& bad : {dir / "gone" / "j", dir / "blocked"}) {
      try {
        OpenReport(form, bad.string(), kPointDecimal)->Close();
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

Sheet SaveAndRead(Biff8Sheet& sheet, const TempFolder& dir) {
  SaveWorkbookFile(dir / "book.xls", BuildBiff8Workbook(sheet, "Sheet1"));
  return ReadWorkbook(dir / "book.xls").first;
}

TEST(Biff8Workbook, TextsAndNumbersReadBackWithTheirTypesAndTheLastValueWins) {
  TempFolder dir;
  Biff8Sheet sheet;
  EXPECT_EQ(SaveAndRead(sheet, dir), Sheet{});
  sheet.SetNumber(1, 2, 1);
  sheet.SetText(0, 0, "CP average for  facade n° 1");     // Latin-1 range: one byte each
  sheet.SetText(1, 0, "Δp über 10 m² \xF0\x9F\x8C\xAC");  // UTF-16, with a surrogate pair
  sheet.SetText(1, 2, "CP average for  facade n° 1");     // shared with A1, replaces the number
  sheet.SetNumber(2, 6, -0.123);
  sheet.SetText(3, 255, "cleared");
  sheet.SetText(3, 255, "");
  // Bytes that are not UTF-8 (a job name from a single-byte code page)
  // stand for their Latin-1 characters: a stray byte, an overlong form.
  sheet.SetText(4, 0, "n\xB0 1");
  sheet.SetText(4, 1, "\xE0\x80\xAF");
  EXPECT_EQ(SaveAndRead(sheet, dir), (Sheet{{{'A', 1}, "CP average for  facade n° 1"},
                                            {{'A', 2}, "Δp über 10 m² \xF0\x9F\x8C\xAC"},
                                            {{'C', 2}, "CP average for  facade n° 1"},
                                            {{'G', 3}, -0.123},
                                            {{'A', 5}, "n° 1"},
                                            {{'B', 5}, "\xC3\xA0\xC2\x80\xC2\xAF"}}));
}

// Thousands of strings and texts longer than a record, in both forms, so
// the shared string table continues over CONTINUE records; no record is
// longer than 8224 bytes, and BOUNDSHEET points at the worksheet's BOF.
TEST(Biff8Workbook, LongSharedStringTableContinuesOverRecords) {
  Biff8Sheet sheet;
  Sheet expected;
  for (unsigned i = 0; i < 3000; ++i) {
    sheet.SetText(static_cast<int>(i), 0, "element text number " + std::to_string(i));
    expected[{'A', i + 1}] = "element text number " + std::to_string(i);
  }
  std::string longLatin(8000, 'x');
  longLatin[5000] = '\xC2', longLatin[5001] = '\xB0';  // a "°" inside
  std::string longWide;
  for (int i = 0; i < 4000; ++i)
    longWide += (i % 7 == 0 ? "Ω" : "a");
  sheet.SetText(0, 1, longLatin);
  sheet.SetText(1, 1, longWide);
  expected[{'B', 1}] = longLatin;
  expected[{'B', 2}] = longWide;
  const std::vector<std::uint8_t> s = BuildBiff8Workbook(sheet, "Sheet1");
  const auto u16 = [&](std::size_t at) { return s.at(at) | (s.at(at + 1) << 8); };
  std::size_t at = 0, sheetOffset = 0;
  int continues = 0;
  for (int id = 0; id != 0x000A; at += 4 + u16(at + 2)) {  // up to the workbook's EOF
    id = u16(at);
    ASSERT_LE(u16(at + 2), 8224);
    if (id == 0x0085) sheetOffset = u16(at + 4) | (u16(at + 6) << 16);
    continues += id == 0x003C;
  }
  EXPECT_GE(continues, 2);
  EXPECT_EQ(sheetOffset, at);
  EXPECT_EQ(u16(sheetOffset), 0x0809);
  TempFolder dir;
  EXPECT_EQ(SaveAndRead(sheet, dir), expected);
}

}  // namespace
}  // namespace ventora
