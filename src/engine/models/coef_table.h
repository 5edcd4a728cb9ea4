#pragma once
// A coefficient table: one fitted curve per row, rows numbered from 1 as the
// model describes them (row r is stored at index r - 1).

#include <array>
#include <cstddef>

namespace ventora {

template <std::size_t Cols>
using CoefRow = std::array<float, Cols>;

template <std::size_t Rows, std::size_t Cols>
using CoefTable = std::array<CoefRow<Cols>, Rows>;

// A model's tables are declared as std::to_array<CoefRow<Cols>>({...}): the
// row count comes from the rows written, and each table's header asserts it
// against the grids the rows are laid over, so a lost or doubled row does not
// compile.

}  // namespace ventora
