// The BIFF8 stream in its OLE2 file, read back with libfreexl.

#include "output/xls/biff8_workbook.h"

#include <gtest/gtest.h>

#include "output/xls/biff8_text.h"
#include "output/xls/ole2_workbook_file.h"
#include "temp_folder.h"
#include "workbook_cells.h"

namespace ventora {
namespace {

using testing::CellValue;
using testing::WorkbookCells;

WorkbookCells SaveAndRead(Biff8Sheet sheet, const testing::TempFolder& dir) {
  SaveWorkbookFile(dir / "book.xls", BuildBiff8Workbook(sheet, "Sheet1"));
  return WorkbookCells(dir / "book.xls");
}

TEST(Biff8Workbook, TextsAndNumbersReadBackWithTheirTypesAndTheLastValueWins) {
  testing::TempFolder dir;
  EXPECT_EQ(SaveAndRead(Biff8Sheet{}, dir).Count(), 0u);
  Biff8Sheet sheet;
  sheet.SetNumber(1, 2, 1);
  sheet.SetText(0, 0, "CP average for  facade n° 1");  // Latin-1 range: one byte each
  sheet.SetText(1, 0, "Δp über 10 m²");                // needs UTF-16
  sheet.SetText(1, 2, "CP average for  facade n° 1");  // shared with A1, replaces the number
  sheet.SetNumber(2, 6, -0.123);
  sheet.SetText(3, 255, "cleared");
  sheet.SetText(3, 255, "");
  sheet.SetNumber(4, 1, 1e-300);
  const WorkbookCells cells = SaveAndRead(sheet, dir);
  const std::pair<char, unsigned> texts[] = {{'A', 1}, {'A', 2}, {'C', 2}};
  for (const auto& [col, row] : texts)
    EXPECT_EQ(cells.At(col, row).kind, CellValue::Text) << col << row;
  EXPECT_EQ(cells.At('A', 1).text, "CP average for  facade n° 1");
  EXPECT_EQ(cells.At('A', 2).text, "Δp über 10 m²");
  EXPECT_EQ(cells.At('C', 2).text, "CP average for  facade n° 1");
  EXPECT_EQ(cells.At('G', 3).kind, CellValue::Number);
  EXPECT_EQ(cells.At('G', 3).number, -0.123);
  EXPECT_EQ(cells.At('B', 5).number, 1e-300);
  EXPECT_EQ(cells.Rows(), 5u);
  EXPECT_EQ(cells.Count(), 5u);
}

// Thousands of strings and texts longer than a record, in both forms, so
// the shared string table continues over CONTINUE records; no record is
// longer than 8224 bytes, and BOUNDSHEET points at the worksheet's BOF.
TEST(Biff8Workbook, LongSharedStringTableContinuesOverRecords) {
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
  testing::TempFolder dir;
  const WorkbookCells cells = SaveAndRead(sheet, dir);
  for (int i = 0; i < 3000; ++i)
    ASSERT_EQ(cells.At('A', i + 1).text, "element text number " + std::to_string(i));
  EXPECT_EQ(cells.At('B', 1).text, longLatin);
  EXPECT_EQ(cells.At('B', 2).text, longWide);
}

TEST(Biff8Text, OneByteFormOnlyWhenEveryCharacterAllowsItAndStrayBytesAreLatin1) {
  EXPECT_TRUE(Biff8Text::FromUtf8("n°").compressed);
  EXPECT_FALSE(Biff8Text::FromUtf8("a€").compressed);
  EXPECT_EQ(Biff8Text::FromUtf8("a€").units, u"a€");
  EXPECT_EQ(Biff8Text::FromUtf8("\xF0\x9F\x8C\xAC").units, std::u16string({0xD83C, 0xDF2C}));
  // A job name read from a file in a single-byte code page keeps every byte.
  EXPECT_EQ(Biff8Text::FromUtf8("n\xB0 1").units, u"n° 1");
  EXPECT_EQ(Biff8Text::FromUtf8("\xE0\x80\xAF").units, u"à\x80\xAF");  // overlong form
}

}  // namespace
}  // namespace ventora
