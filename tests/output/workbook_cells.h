#pragma once
// Reads the first worksheet of an .xls workbook with libfreexl, a reader
// independent of the program's writer, so the tests check what any
// spreadsheet program would see.

#include <freexl.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

namespace ventora::testing {

struct CellValue {
  enum Kind { Empty, Number, Text } kind = Empty;
  double number = 0;
  std::string text;
};

class WorkbookCells {
 public:
  explicit WorkbookCells(const std::filesystem::path& path) {
    const void* handle = nullptr;
    if (freexl_open(path.c_str(), &handle) != FREEXL_OK)
      throw std::runtime_error("freexl cannot open " + path.string());
    try {
      ReadFirstSheet(handle);
    } catch (...) {
      freexl_close(handle);
      throw;
    }
    freexl_close(handle);
  }

  unsigned Rows() const { return rows_; }
  unsigned Columns() const { return columns_; }
  // `column` is a letter, `row` counts from 1 as a spreadsheet shows it.
  CellValue At(char column, unsigned row) const {
    const auto it = cells_.find({row, static_cast<unsigned>(column - 'A')});
    return it == cells_.end() ? CellValue{} : it->second;
  }
  // Number of cells that hold a value.
  std::size_t Count() const { return cells_.size(); }

 private:
  void ReadFirstSheet(const void* handle) {
    unsigned sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets < 1)
      throw std::runtime_error("workbook without a worksheet");
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows_, &columns) != FREEXL_OK)
      throw std::runtime_error("cannot read the worksheet");
    columns_ = columns;
    for (unsigned r = 0; r < rows_; ++r)
      for (unsigned c = 0; c < columns_; ++c)
        ReadCell(handle, r, c);
  }

  void ReadCell(const void* handle, unsigned r, unsigned c) {
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle, r, static_cast<unsigned short>(c), &v) != FREEXL_OK)
      throw std::runtime_error("cannot read a cell");
    CellValue cell;
    switch (v.type) {
      case FREEXL_CELL_NULL:
        return;
      case FREEXL_CELL_INT:
        cell = {CellValue::Number, static_cast<double>(v.value.int_value), {}};
        break;
      case FREEXL_CELL_DOUBLE:
        cell = {CellValue::Number, v.value.double_value, {}};
        break;
      default:  // texts, and dates (which the writer never makes) as their text
        cell = {CellValue::Text, 0, v.value.text_value};
        break;
    }
    cells_[{r + 1, c}] = cell;
  }

  unsigned rows_ = 0;
  unsigned columns_ = 0;
  std::map<std::pair<unsigned, unsigned>, CellValue> cells_;
};

}  // namespace ventora::testing
