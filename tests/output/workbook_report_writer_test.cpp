#include "output/workbook_report_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <variant>

#include "temp_folder.h"
#include "workbook_cells.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::CellValue;
using testing::TempFolder;
using testing::WorkbookCells;

// What a cell must hold: a text, or a number compared exactly.
using Expected = std::variant<std::string, double>;
using ExpectedSheet = std::map<std::pair<char, unsigned>, Expected>;

// Every expected cell is there with its type and value, and no other cell
// holds anything.
void ExpectSheet(const WorkbookCells& cells, const ExpectedSheet& expected) {
  for (const auto& [at, value] : expected) {
    const CellValue got = cells.At(at.first, at.second);
    if (const auto* text = std::get_if<std::string>(&value)) {
      EXPECT_EQ(got.kind, CellValue::Text) << at.first << at.second;
      EXPECT_EQ(got.text, *text) << at.first << at.second;
    } else {
      EXPECT_EQ(got.kind, CellValue::Number) << at.first << at.second << " " << got.text;
      EXPECT_EQ(got.number, std::get<double>(value)) << at.first << at.second;
    }
  }
  EXPECT_EQ(cells.Count(), expected.size());
}

Job SampleJob() {
  Job job;
  job.AzB = 30;
  job.AnWind = 120.456f;
  job.VeEXP = 0.22f;
  job.PAD = 12.5f;
  job.SbH = 10;
  job.Bdz = 15;
  job.BdX = 20.004f;
  job.BdY = 10;
  job.Islope = 2;
  job.Phi = 7.125f;
  return job;
}

ExpectedSheet SampleHeader() {
  return {
      {{'A', 1}, "File Name: /jobs/halle n°3 - Date: March 05, 2026 - 9:07"},
      {{'A', 3}, "Azimuth Angle of the Building:"},
      {{'F', 3}, 30.0},
      {{'G', 3}, "deg."},
      {{'A', 4}, "Wind Direction:"},
      {{'F', 4}, 120.46},
      {{'G', 4}, "deg."},
      {{'A', 5}, "Wind Velocity Profile Exponent:"},
      {{'F', 5}, 0.22},
      {{'A', 6}, "Plan Area Density:"},
      {{'F', 6}, 12.5},
      {{'G', 6}, "%"},
      {{'A', 7}, "Surronding Buildings' Height:"},
      {{'F', 7}, 10.0},
      {{'G', 7}, "m"},
      {{'A', 8}, "Height of the Building:"},
      {{'F', 8}, 15.0},
      {{'G', 8}, "m"},
      {{'A', 9}, "Lenght of the Building:"},
      {{'F', 9}, 20.0},
      {{'G', 9}, "m"},
      {{'A', 10}, "Width of the Building:"},
      {{'F', 10}, 10.0},
      {{'G', 10}, "m"},
      {{'A', 11}, "Roof Type:"},
      {{'F', 11}, "double slope"},
      {{'A', 12}, "Roof Tilt Angle:"},
      {{'F', 12}, 7.13},  // 7.125 is exact in 32 bits: the half rounds up
      {{'G', 12}, "deg."},
  };
}

void AddColumnTitles(ExpectedSheet& sheet) {
  const char* titles[] = {"Facade", "Element", "X", "Z", "X/L", "Z/H", "CP"};
  for (char c = 'A'; c <= 'G'; ++c)
    sheet[{c, 14}] = std::string(titles[c - 'A']);
}

void AddElementRow(ExpectedSheet& sheet, unsigned row, double iface, double k,
                   std::array<double, 5> values) {
  sheet[{'A', row}] = iface;
  sheet[{'B', row}] = k;
  for (int i = 0; i < 5; ++i)
    sheet[{static_cast<char>('C' + i), row}] = values[i];
}

class WorkbookReport : public ::testing::Test {
 protected:
  void Header(WorkbookReportWriter& w) {
    w.WriteHeader(SampleJob(), "/jobs/halle n°3", "March 05, 2026 - 9:07");
  }

  TempFolder dir_;
  fs::path path_ = dir_ / "halle.out.xls";
};

TEST_F(WorkbookReport, CompletedJobCellForCell) {
  WorkbookReportWriter w(path_, kPointDecimal);
  Header(w);
  w.WriteColumnHeader();
  w.WriteElement({1, 1, 3.14159f, 7.5f, 0.125f, 0.5f, -0.5f});
  w.WriteElement({1, 2, 1234.5f, 0.004f, 0.995f, 0.07f, 0.8125f});
  w.WriteAverage(1, 0.15625f);
  w.WriteElement({5, 3, 10, 5, 0.5f, 0.5f, -1.2345f});
  w.WriteAverage(5, -1.2345f);
  w.Close();

  ExpectedSheet expected = SampleHeader();
  AddColumnTitles(expected);
  AddElementRow(expected, 15, 1, 1, {3.14, 7.5, 0.13, 0.5, -0.5});
  AddElementRow(expected, 16, 1, 2, {1234.5, 0.0, 1.0, 0.07, 0.813});
  expected[{'A', 17}] = "CP average for  facade n° 1";
  expected[{'G', 17}] = 0.156;
  // -1.2345f lies just beyond the half in 32 bits
  AddElementRow(expected, 19, 5, 3, {10.0, 5.0, 0.5, 0.5, -1.235});
  expected[{'A', 20}] = "CP average for  facade n° 5";
  expected[{'G', 20}] = -1.235;
  ExpectSheet(WorkbookCells(path_), expected);
}

TEST_F(WorkbookReport, CommaDecimalUsersGetTheSameNumbers) {
  WorkbookReportWriter w(path_, kCommaDecimal);
  Header(w);
  w.WriteColumnHeader();
  w.WriteElement({2, 1, 3.14159f, 7.5f, 0.125f, 0.5f, -0.5f});
  w.WriteAverage(2, -0.5f);
  w.Close();
  const WorkbookCells cells(path_);
  EXPECT_EQ(cells.At('F', 4).number, 120.46);
  EXPECT_EQ(cells.At('C', 15).number, 3.14);
  EXPECT_EQ(cells.At('E', 15).number, 0.13);
  EXPECT_EQ(cells.At('G', 15).number, -0.5);
  EXPECT_EQ(cells.At('G', 16).number, -0.5);
}

TEST_F(WorkbookReport, OutsideElementShowsItsSentinelAndAFailureLineTakesTheNextFreeRow) {
  WorkbookReportWriter w(path_, kPointDecimal);
  Header(w);
  w.WriteColumnHeader();
  w.WriteElement({3, 1, 25, 3, 1.25f, 0.2f, 10000});
  w.WriteLine("FAR out of range");
  w.Close();
  const WorkbookCells cells(path_);
  EXPECT_EQ(cells.At('G', 15).kind, CellValue::Number);
  EXPECT_EQ(cells.At('G', 15).number, 10000);
  EXPECT_EQ(cells.At('E', 15).number, 1.25);
  EXPECT_EQ(cells.At('A', 16).kind, CellValue::Text);
  EXPECT_EQ(cells.At('A', 16).text, "FAR out of range");
  EXPECT_EQ(cells.Rows(), 16u);
}

TEST_F(WorkbookReport, RoofTypesAreWordsAndAnUnknownOneLeavesTheCellEmpty) {
  const char* words[] = {"flat", "single slope", "double slope"};
  for (std::int16_t type = 0; type <= 3; ++type) {
    Job job = SampleJob();
    job.Islope = type;
    WorkbookReportWriter w(path_, kPointDecimal);
    w.WriteHeader(job, "j", "d");
    w.Close();
    const CellValue cell = WorkbookCells(path_).At('F', 11);
    if (type <= 2) {
      EXPECT_EQ(cell.text, words[type]);
    } else {
      EXPECT_EQ(cell.kind, CellValue::Empty);
    }
  }
}

TEST_F(WorkbookReport, CloseReplacesAnOldWorkbookAndLeavesNothingElse) {
  std::ofstream(path_) << "an old report";
  WorkbookReportWriter w(path_, kPointDecimal);
  Header(w);
  w.Close();
  w.Close();  // a second Close changes nothing
  EXPECT_EQ(WorkbookCells(path_).At('A', 3).text, "Azimuth Angle of the Building:");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator{}), 1);
}

TEST_F(WorkbookReport, NothingReachesTheFinalNameWithoutClose) {
  {
    WorkbookReportWriter w(path_, kPointDecimal);
    Header(w);
  }
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(WorkbookReport, AnUnwritableFolderIsAnErrorWithAMessage) {
  WorkbookReportWriter w(dir_ / "gone" / "halle.out.xls", kPointDecimal);
  Header(w);
  try {
    w.Close();
    FAIL() << "Close succeeded";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("halle.out.xls"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

}  // namespace
}  // namespace ventora
