#pragma once
// The cells of one worksheet, collected in any order before the workbook is
// written (a BIFF8 stream needs every text before the first cell).

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "output/xls/biff8_text.h"

namespace ventora {

inline constexpr int kBiff8Rows = 65536;
inline constexpr int kBiff8Columns = 256;

class Biff8Sheet {
 public:
  struct Cell {
    std::uint16_t row = 0;  // 0-based
    std::uint16_t col = 0;  // 0-based
    bool isText = false;
    bool isEmpty = false;
    std::uint32_t text = 0;  // index into Strings() when isText
    double number = 0;
  };

  // Row and column are 0-based; a second value at one address replaces the
  // first. An empty text leaves the cell empty, as spreadsheet programs do
  // (readers may stumble over an empty shared string). Throws
  // std::out_of_range outside the sheet.
  void SetText(int row, int col, std::string_view utf8);
  void SetNumber(int row, int col, double value);

  // Row by row, left to right, one per address. Puts the cells in that
  // order first, in place (cheap when they were written in order).
  const std::vector<Cell>& SortedCells();
  // Each distinct text once, in order of first use.
  const std::vector<Biff8Text>& Strings() const { return strings_; }

 private:
  void Put(int row, int col, Cell cell);

  std::vector<Cell> cells_;
  bool ordered_ = true;  // cells_ sorted, one per address, none empty
  std::vector<Biff8Text> strings_;
  std::unordered_map<std::string, std::uint32_t> stringIndex_;
};

}  // namespace ventora
