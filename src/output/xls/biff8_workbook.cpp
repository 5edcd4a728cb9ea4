#include "output/xls/biff8_workbook.h"

#include <algorithm>

#include "output/xls/biff8_bytes.h"
#include "output/xls/biff8_sst.h"

namespace ventora {
namespace {

// Record ids.
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kDateMode = 0x0022;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kNumber = 0x0203;

constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::uint16_t kUtf16CodePage = 1200;
// XF 0..14 are the built-in style XFs, 15 the default cell format that
// every cell here uses.
constexpr int kStyleXfCount = 15;
constexpr std::uint16_t kCellXf = 15;
// Spreadsheet programs skip font index 4, so four fonts are the minimum.
constexpr int kFontCount = 4;
// A stream below this size would go to the compound file's small-block
// area, which some readers handle poorly; the tail is zero padding.
constexpr std::size_t kMinStreamSize = 4096;

void Bof(Biff8Bytes& out, std::uint16_t type) {
  Biff8Bytes p;
  p.U16(0x0600);  // BIFF8
  p.U16(type);
  p.U16(0x0DBB);  // build
  p.U16(0x07CC);  // year
  p.U32(0x00000000);
  p.U32(0x00000006);  // lowest version that reads every record
  out.Record(kBof, p);
}

void U16Record(Biff8Bytes& out, std::uint16_t id, std::uint16_t value) {
  Biff8Bytes p;
  p.U16(value);
  out.Record(id, p);
}

void Window1(Biff8Bytes& out) {
  Biff8Bytes p;
  for (std::uint16_t v : {0x0000, 0x0000, 0x3A5C, 0x2328})  // position and size, twips
    p.U16(v);
  p.U16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
  p.U16(0);       // active sheet
  p.U16(0);       // first visible tab
  p.U16(1);       // selected tabs
  p.U16(0x0258);  // tab bar width, per mille
  out.Record(kWindow1, p);
}

void Font(Biff8Bytes& out) {
  Biff8Bytes p;
  p.U16(200);     // 10 pt, in twentieths of a point
  p.U16(0);       // plain
  p.U16(0x7FFF);  // automatic colour
  p.U16(400);     // normal weight
  p.U16(0);       // no super/subscript
  p.U8(0);        // no underline
  p.U8(0);        // family
  p.U8(0);        // character set
  p.U8(0);
  WriteShortText(p, Biff8Text::FromUtf8("Arial"));
  out.Record(kFont, p);
}

// General format, Arial, bottom aligned, automatic colours.
void Xf(Biff8Bytes& out, bool style) {
  Biff8Bytes p;
  p.U16(0);                        // font
  p.U16(0);                        // number format: General
  p.U16(style ? 0xFFF5 : 0x0001);  // locked; style XF without parent, or child of XF 0
  p.U8(0x20);                      // bottom aligned
  p.U8(0);                         // rotation
  p.U8(0);                         // indent
  p.U8(style ? 0xF4 : 0x00);       // attribute groups a style leaves to its cells
  p.U32(0);                        // no borders
  p.U32(0);                        // border colours, no fill
  p.U16(0x20C0);                   // pattern colours: window text, window background
  out.Record(kXf, p);
}

void NormalStyle(Biff8Bytes& out) {
  Biff8Bytes p;
  p.U16(0x8000);  // built-in style on XF 0
  p.U8(0);        // Normal
  p.U8(0xFF);
  out.Record(kStyle, p);
}

// Returns where the sheet's stream offset goes, patched once it is known.
std::size_t BoundSheet(Biff8Bytes& out, std::string_view name) {
  Biff8Bytes p;
  p.U32(0);
  p.U8(0);  // visible
  p.U8(0);  // worksheet
  WriteShortText(p, Biff8Text::FromUtf8(name));
  out.Record(kBoundSheet, p);
  return out.Size() - p.Size();
}

std::uint32_t TextCellCount(const std::vector<Biff8Sheet::Cell>& cells) {
  return static_cast<std::uint32_t>(
      std::count_if(cells.begin(), cells.end(), [](const auto& c) { return c.isText; }));
}

void Dimensions(Biff8Bytes& out, const std::vector<Biff8Sheet::Cell>& cells) {
  std::uint32_t firstRow = 0, lastRowPlus1 = 0;
  std::uint16_t firstCol = 0, lastColPlus1 = 0;
  if (!cells.empty()) {
    firstRow = cells.front().row;
    lastRowPlus1 = cells.back().row + 1u;
    firstCol = kBiff8Columns - 1;
    for (const auto& c : cells) {
      firstCol = std::min(firstCol, c.col);
      lastColPlus1 = std::max<std::uint16_t>(lastColPlus1, c.col + 1);
    }
  }
  Biff8Bytes p;
  p.U32(firstRow);
  p.U32(lastRowPlus1);
  p.U16(firstCol);
  p.U16(lastColPlus1);
  p.U16(0);
  out.Record(kDimensions, p);
}

// Written straight into the stream: cells are most of a workbook's records.
void CellRecord(Biff8Bytes& out, const Biff8Sheet::Cell& c) {
  out.U16(c.isText ? kLabelSst : kNumber);
  out.U16(c.isText ? 10 : 14);
  out.U16(c.row);
  out.U16(c.col);
  out.U16(kCellXf);
  if (c.isText)
    out.U32(c.text);
  else
    out.F64(c.number);
}

void Window2(Biff8Bytes& out) {
  Biff8Bytes p;
  p.U16(0x06B6);  // grid, headers, zeros, outline symbols; sheet selected and shown
  p.U16(0);       // top row
  p.U16(0);       // left column
  p.U32(64);      // automatic grid colour
  p.U16(0);       // page-break preview zoom: default
  p.U16(0);       // normal zoom: default
  p.U32(0);
  out.Record(kWindow2, p);
}

void Globals(Biff8Bytes& out, const Biff8Sheet& sheet, std::uint32_t textCells,
             std::string_view sheetName, std::size_t& sheetOffsetAt) {
  Bof(out, kGlobalsType);
  U16Record(out, kCodePage, kUtf16CodePage);
  Window1(out);
  U16Record(out, kDateMode, 0);  // dates count from 1900
  for (int i = 0; i < kFontCount; ++i)
    Font(out);
  for (int i = 0; i < kStyleXfCount; ++i)
    Xf(out, true);
  Xf(out, false);
  NormalStyle(out);
  sheetOffsetAt = BoundSheet(out, sheetName);
  WriteSharedStrings(out, sheet.Strings(), textCells);
  out.Record(kEof, Biff8Bytes{});
}

void Worksheet(Biff8Bytes& out, const std::vector<Biff8Sheet::Cell>& cells) {
  Bof(out, kWorksheetType);
  Dimensions(out, cells);
  for (const auto& c : cells)
    CellRecord(out, c);
  Window2(out);
  out.Record(kEof, Biff8Bytes{});
}

}  // namespace

std::vector<std::uint8_t> BuildBiff8Workbook(Biff8Sheet& sheet, std::string_view sheetName) {
  const std::vector<Biff8Sheet::Cell>& cells = sheet.SortedCells();
  Biff8Bytes stream;
  stream.Reserve(kMinStreamSize + 18 * cells.size());
  std::size_t sheetOffsetAt = 0;
  Globals(stream, sheet, TextCellCount(cells), sheetName, sheetOffsetAt);
  stream.PatchU32(sheetOffsetAt, static_cast<std::uint32_t>(stream.Size()));
  Worksheet(stream, cells);
  std::vector<std::uint8_t> bytes = std::move(stream.Data());
  if (bytes.size() < kMinStreamSize) bytes.resize(kMinStreamSize, 0);
  return bytes;
}

}  // namespace ventora
