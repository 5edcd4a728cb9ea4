#pragma once
// The facade editor's copy buffer: the texts of the last copied block of
// cells and its corners. It outlives the editor's openings and is shared by
// all facades, so a block copied on one facade can be pasted on another.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace ventora::ui {

inline constexpr int kGridRows = 400;  // data rows 1..400
inline constexpr int kGridCols = 2;    // data columns 1..2

// A rectangle of grid cells, 1-based, inclusive.
struct CellBlock {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

struct GridCopyBuffer {
  // At the last Copy: the far corner of the selection and the current cell.
  std::int32_t CopyColSel = 0;
  std::int32_t CopyCol = 0;
  std::int32_t CopyRowSel = 0;
  std::int32_t CopyRow = 0;
  std::array<std::string, kGridRows * kGridCols + 1> CopyBuf;  // 1..800 used
  std::int16_t CopyCount = 0;                                  // 0 until the first Copy

  CellBlock Block() const;
};

using CellText = std::function<std::string(int row, int col)>;
using SetCellText = std::function<void(int row, int col, const std::string& text)>;

// Copies the block between the current cell (row, col) and the selection's far
// corner (rowSel, colSel), row by row, left to right.
void CopyBlock(GridCopyBuffer& buffer, int row, int col, int rowSel, int colSel,
               const CellText& text);

// Pastes the copied block with its top left cell at (row, col); cells that
// fall beyond row 400 or column 2 are skipped.
void PasteBlock(const GridCopyBuffer& buffer, int row, int col, const SetCellText& setText);

}  // namespace ventora::ui
