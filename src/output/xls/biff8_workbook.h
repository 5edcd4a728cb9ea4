#pragma once
// A one-sheet Excel 97-2003 workbook stream (BIFF8): the workbook globals
// (fonts, the built-in formats, the shared strings) and the worksheet with
// its cells. The stream goes into an OLE2 compound file as "Workbook".

#include <cstdint>
#include <string_view>
#include <vector>

#include "output/xls/biff8_sheet.h"

namespace ventora {

// Puts the sheet's cells in order (see Biff8Sheet::SortedCells) on the way.
std::vector<std::uint8_t> BuildBiff8Workbook(Biff8Sheet& sheet, std::string_view sheetName);

}  // namespace ventora
