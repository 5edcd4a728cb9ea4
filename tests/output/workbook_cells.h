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
    const bool read = Read(handle);
    freexl_close(handle);
    if (!read) throw std::runtime_error("cannot read the worksheet of " + path.string());
  }

  unsigned Rows() const { return rows_; }
  // `column` is a letter, `row` counts from 1 as a spreadsheet shows it.
  CellValue At(char column, unsigned row) const {
    const auto it = cells_.find({row, static_cast<unsigned short>(column - 'A')});
    return it == cells_.end() ? CellValue{} : it->second;
  }
  // Number of cells that hold a value.
  std::size_t Count() const { return cells_.size(); }

 private:
  bool Read(const void* handle) {
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows_, &columns) != FREEXL_OK)
      return false;
    for (unsigned r = 0; r < rows_; ++r) {
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue v;
        if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK) return false;
        if (v.type == FREEXL_CELL_INT) {
          cells_[{r + 1, c}] = {CellValue::Number, static_cast<double>(v.value.int_value), {}};
        } else if (v.type == FREEXL_CELL_DOUBLE) {
          cells_[{r + 1, c}] = {CellValue::Number, v.value.double_value, {}};
        } else if (v.type != FREEXL_CELL_NULL) {  // texts (the writer makes no dates)
          cells_[{r + 1, c}] = {CellValue::Text, 0, v.value.text_value};
        }
      }
    }
    return true;
  }

  unsigned rows_ = 0;
  std::map<std::pair<unsigned, unsigned short>, CellValue> cells_;
};

}  // namespace ventora::testing
