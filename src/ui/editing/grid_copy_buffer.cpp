#include "ui/editing/grid_copy_buffer.h"

#include <algorithm>

namespace ventora::ui {

CellBlock GridCopyBuffer::Block() const {
  return {std::min(CopyRowSel, CopyRow), std::min(CopyColSel, CopyCol),
          std::max(CopyRowSel, CopyRow), std::max(CopyColSel, CopyCol)};
}

void CopyBlock(GridCopyBuffer& buffer, int row, int col, int rowSel, int colSel,
               const CellText& text) {
  buffer.CopyColSel = colSel;
  buffer.CopyCol = col;
  buffer.CopyRowSel = rowSel;
  buffer.CopyRow = row;
  const CellBlock b = buffer.Block();
  buffer.CopyCount = 0;
  for (int r = b.top; r <= b.bottom; ++r)
    for (int c = b.left; c <= b.right; ++c)
      buffer.CopyBuf[++buffer.CopyCount] = text(r, c);
}

void PasteBlock(const GridCopyBuffer& buffer, int row, int col, const SetCellText& setText) {
  const CellBlock b = buffer.Block();
  int k = 0;
  for (int r = 0; r <= b.bottom - b.top; ++r) {
    for (int c = 0; c <= b.right - b.left; ++c) {
      ++k;
      if (k > buffer.CopyCount) return;
      if (row + r <= kGridRows && col + c <= kGridCols)
        setText(row + r, col + c, buffer.CopyBuf[k]);
    }
  }
}

}  // namespace ventora::ui
