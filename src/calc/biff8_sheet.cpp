#include "calc/biff8_sheet.h"

#include <algorithm>
#include <stdexcept>

namespace ventora {

void Biff8Sheet::SetText(int row, int col, std::string_view utf8) {
  if (utf8.empty()) {
    Put(row, col, Cell{0, 0, false, true, 0, 0});
    return;
  }
  const auto [it, added] =
      stringIndex_.try_emplace(std::string(utf8), static_cast<std::uint32_t>(strings_.size()));
  if (added) strings_.push_back(Biff8Text::FromUtf8(utf8));
  Put(row, col, Cell{0, 0, true, false, it->second, 0});
}

void Biff8Sheet::SetNumber(int row, int col, double value) {
  Put(row, col, Cell{0, 0, false, false, 0, value});
}

void Biff8Sheet::Put(int row, int col, Cell cell) {
  if (row < 0 || row >= kBiff8Rows || col < 0 || col >= kBiff8Columns)
    throw std::out_of_range("cell outside the worksheet");
  cell.row = static_cast<std::uint16_t>(row);
  cell.col = static_cast<std::uint16_t>(col);
  cells_.push_back(cell);
}

std::vector<Biff8Sheet::Cell> Biff8Sheet::SortedCells() const {
  std::vector<Cell> sorted = cells_;
  const auto before = [](const Cell& a, const Cell& b) {
    return a.row != b.row ? a.row < b.row : a.col < b.col;
  };
  // A report writes its cells in order; sorting is for the other callers.
  if (!std::is_sorted(sorted.begin(), sorted.end(), before))
    std::stable_sort(sorted.begin(), sorted.end(), before);
  // Keep the last value written at each address.
  std::vector<Cell> unique;
  unique.reserve(sorted.size());
  for (const Cell& c : sorted) {
    if (!unique.empty() && unique.back().row == c.row && unique.back().col == c.col)
      unique.back() = c;
    else
      unique.push_back(c);
  }
  std::erase_if(unique, [](const Cell& c) { return c.isEmpty; });
  return unique;
}

}  // namespace ventora
