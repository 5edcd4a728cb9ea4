#pragma once
// A coefficient table: one fitted curve per row, rows numbered from 1 as the
// model describes them (row r is stored at index r - 1).

#include <array>
#include <cstddef>

namespace ventora {

template <std::size_t Rows, std::size_t Cols>
using CoefTable = std::array<std::array<float, Cols>, Rows>;

}  // namespace ventora
