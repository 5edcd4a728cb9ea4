#include "output/xls/biff8_sheet.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ventora {
namespace {

bool Before(const Biff8Sheet::Cell& a, const Biff8Sheet::Cell& b) {
  return a.row != b.row ? a.row < b.row : a.col < b.col;
}

}  // namespace

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
  if (cell.isEmpty || (!cells_.empty() && !Before(cells_.back(), cell))) ordered_ = false;
  cells_.push_back(cell);
}

const std::vector<Biff8Sheet::Cell>& Biff8Sheet::SortedCells() {
  if (ordered_) return cells_;
  std::stable_sort(cells_.begin(), cells_.end(), Before);
  // Keep the last value written at each address.
  std::vector<Cell> unique;
  unique.reserve(cells_.size());
  for (const Cell& c : cells_) {
    if (!unique.empty() && !Before(unique.back(), c))
      unique.back() = c;
    else
      unique.push_back(c);
  }
  std::erase_if(unique, [](const Cell& c) { return c.isEmpty; });
  cells_ = std::move(unique);
  ordered_ = true;
  return cells_;
}

}  // namespace ventora
