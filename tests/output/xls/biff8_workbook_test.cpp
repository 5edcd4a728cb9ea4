#include "output/xls/biff8_workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "output/xls/biff8_text.h"
#include "output/xls/ole2_workbook_file.h"
#include "temp_folder.h"
#include "workbook_cells.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::CellValue;
using testing::TempFolder;
using testing::WorkbookCells;

class Biff8Workbook : public ::testing::Test {
 protected:
  WorkbookCells SaveAndRead(Biff8Sheet sheet) {
    const fs::path file = dir_ / "book.xls";
    SaveWorkbookFile(file, BuildBiff8Workbook(sheet, "Sheet1"));
    return WorkbookCells(file);
  }

  TempFolder dir_;
};

void ExpectText(const WorkbookCells& cells, char col, unsigned row, const std::string& text) {
  const CellValue v = cells.At(col, row);
  EXPECT_EQ(v.kind, CellValue::Text) << col << row;
  EXPECT_EQ(v.text, text) << col << row;
}

void ExpectNumber(const WorkbookCells& cells, char col, unsigned row, double number) {
  const CellValue v = cells.At(col, row);
  EXPECT_EQ(v.kind, CellValue::Number) << col << row;
  EXPECT_EQ(v.number, number) << col << row;
}

TEST_F(Biff8Workbook, TextsAndNumbersReadBackWithTheirTypes) {
  Biff8Sheet sheet;
  sheet.SetText(0, 0, "CP average for  facade n° 1");  // Latin-1 range: one byte each
  sheet.SetText(1, 0, "Δp über 10 m²");                // needs UTF-16
  sheet.SetText(1, 2, "CP average for  facade n° 1");  // shared with A1
  sheet.SetNumber(2, 6, -0.123);
  sheet.SetNumber(2, 1, 10000);
  sheet.SetNumber(3, 255, 1e-300);
  const WorkbookCells cells = SaveAndRead(sheet);
  ExpectText(cells, 'A', 1, "CP average for  facade n° 1");
  ExpectText(cells, 'A', 2, "Δp über 10 m²");
  ExpectText(cells, 'C', 2, "CP average for  facade n° 1");
  ExpectNumber(cells, 'G', 3, -0.123);
  ExpectNumber(cells, 'B', 3, 10000);
  EXPECT_EQ(cells.Rows(), 4u);
  EXPECT_EQ(cells.Columns(), 256u);
  EXPECT_EQ(cells.Count(), 6u);
}

TEST_F(Biff8Workbook, CellsMayComeInAnyOrderAndTheLastValueWins) {
  Biff8Sheet sheet;
  sheet.SetNumber(5, 3, 1);
  sheet.SetText(0, 1, "first");
  sheet.SetNumber(5, 0, 2);
  sheet.SetText(5, 3, "replaced");
  sheet.SetText(7, 0, "cleared");
  sheet.SetText(7, 0, "");
  sheet.SetNumber(0, 1, 7.5);
  const WorkbookCells cells = SaveAndRead(sheet);
  ExpectNumber(cells, 'B', 1, 7.5);
  ExpectNumber(cells, 'A', 6, 2);
  ExpectText(cells, 'D', 6, "replaced");
  EXPECT_EQ(cells.Count(), 3u);
}

TEST_F(Biff8Workbook, AnEmptySheetIsAValidWorkbook) {
  const WorkbookCells cells = SaveAndRead(Biff8Sheet{});
  EXPECT_EQ(cells.Count(), 0u);
}

TEST_F(Biff8Workbook, SharedStringsLongerThanOneRecordContinue) {
  // Thousands of strings and single texts longer than a record, in both
  // forms, so strings split across CONTINUE records. (libfreexl reads a
  // string split once; LibreOffice also reads the longer ones.)
  Biff8Sheet sheet;
  for (int i = 0; i < 3000; ++i)
    sheet.SetText(i, 0, "element text number " + std::to_string(i));
  std::string longLatin(8000, 'x');
  longLatin[5000] = '\xC2', longLatin[5001] = '\xB0';  // a "°" inside
  std::string longWide;
  for (int i = 0; i < 4000; ++i)
    longWide += (i % 7 == 0 ? "Ω" : "a");
  sheet.SetText(0, 1, longLatin);
  sheet.SetText(1, 1, longWide);
  sheet.SetText(2, 1, "");
  const WorkbookCells cells = SaveAndRead(sheet);
  for (int i = 0; i < 3000; ++i)
    ExpectText(cells, 'A', i + 1, "element text number " + std::to_string(i));
  ExpectText(cells, 'B', 1, longLatin);
  ExpectText(cells, 'B', 2, longWide);
}

TEST_F(Biff8Workbook, CellsOutsideTheSheetAreRefused) {
  Biff8Sheet sheet;
  EXPECT_THROW(sheet.SetNumber(kBiff8Rows, 0, 1), std::out_of_range);
  EXPECT_THROW(sheet.SetText(0, kBiff8Columns, "x"), std::out_of_range);
  EXPECT_THROW(sheet.SetNumber(-1, 0, 1), std::out_of_range);
}

// Walks the records of a stream: every record within the size limit, and
// the sheet offset in BOUNDSHEET pointing at the worksheet's BOF.
TEST(Biff8Stream, RecordsStayWithinTheLimitAndTheSheetOffsetPointsAtItsBof) {
  Biff8Sheet sheet;
  for (int i = 0; i < 2000; ++i)
    sheet.SetText(i, 0, std::string(50, 'a') + std::to_string(i));
  const std::vector<std::uint8_t> s = BuildBiff8Workbook(sheet, "Sheet1");
  const auto u16 = [&](std::size_t at) { return s.at(at) | (s.at(at + 1) << 8); };
  std::size_t at = 0, sheetOffset = 0;
  int continues = 0;
  for (;;) {
    const int id = u16(at), len = u16(at + 2);
    ASSERT_LE(len, 8224);
    if (id == 0x0085) sheetOffset = u16(at + 4) | (u16(at + 6) << 16);
    if (id == 0x003C) ++continues;
    at += 4 + len;
    if (id == 0x000A) break;
  }
  EXPECT_GE(continues, 1);
  EXPECT_EQ(sheetOffset, at);
  EXPECT_EQ(u16(sheetOffset), 0x0809);
  EXPECT_EQ(u16(sheetOffset + 6), 0x0010);
}

TEST(Biff8TextForm, OneByteFormWheneverEveryCharacterAllowsIt) {
  const Biff8Text degree = Biff8Text::FromUtf8("n°");
  EXPECT_TRUE(degree.compressed);
  EXPECT_EQ(degree.units, u"n°");
  const Biff8Text wide = Biff8Text::FromUtf8("a€");
  EXPECT_FALSE(wide.compressed);
  EXPECT_EQ(wide.units, u"a€");
  const Biff8Text astral = Biff8Text::FromUtf8("\xF0\x9F\x8C\xAC");  // U+1F32C
  EXPECT_EQ(astral.units, std::u16string({0xD83C, 0xDF2C}));
}

TEST(Biff8TextForm, BytesThatAreNotUtf8StandForTheirLatin1Characters) {
  // A job name read from a file in a single-byte code page keeps every byte.
  EXPECT_EQ(Biff8Text::FromUtf8("n\xB0 1").units, u"n° 1");
  EXPECT_EQ(Biff8Text::FromUtf8("\xC3").units, u"Ã");                  // truncated sequence
  EXPECT_EQ(Biff8Text::FromUtf8("\xE0\x80\xAF").units, u"à\x80\xAF");  // overlong form
}

TEST_F(Biff8Workbook, SavingReplacesAnExistingFile) {
  const fs::path file = dir_ / "book.xls";
  std::ofstream(file) << "old content";
  Biff8Sheet sheet;
  sheet.SetNumber(0, 0, 42);
  SaveWorkbookFile(file, BuildBiff8Workbook(sheet, "Sheet1"));
  ExpectNumber(WorkbookCells(file), 'A', 1, 42);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator{}), 1);
}

TEST_F(Biff8Workbook, AFailedSaveThrowsAndLeavesNoFileBehind) {
  Biff8Sheet empty;
  const std::vector<std::uint8_t> stream = BuildBiff8Workbook(empty, "Sheet1");
  try {
    SaveWorkbookFile(dir_ / "missing" / "book.xls", stream);
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("book.xls"), std::string::npos) << e.what();
  }
  // A directory in the way: the new file cannot be renamed onto it.
  const fs::path blocked = dir_ / "blocked.xls";
  fs::create_directory(blocked);
  EXPECT_THROW(SaveWorkbookFile(blocked, stream), std::runtime_error);
  EXPECT_TRUE(fs::is_directory(blocked));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator{}), 1);
}

}  // namespace
}  // namespace ventora
