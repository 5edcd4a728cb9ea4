#pragma once
// The grid lookup of the wall models: a factor is a family of fitted curves,
// one per grid point (one axis) or per cell corner (two axes). On a grid
// point the curve of that point is evaluated; between points the evaluated
// curves are interpolated linearly, with the grid values as abscissae.
//
// Every evaluated row and every interpolated intermediate is stored as a
// 32-bit float. A value outside a grid (or NaN) holds the end point: below
// the first point it takes the first, from beyond the last the last, so the
// row evaluator is only ever asked for rows inside its table.

#include <algorithm>
#include <span>

#include "engine/models/numeric_helpers.h"

namespace ventora {

// Where a value lies on an ascending grid g(1..n): exactly on g(index), or
// between g(index) and g(index + 1).
struct GridPlace {
  int index = 1;
  bool exact = true;
};

// Exact 32-bit match first, then the bracket of FindInterval; values outside
// the grid (and NaN) are held at its nearest end. Inline, as the lookups
// below: the run locates every element's height on several grids.
inline GridPlace LocateOnGrid(std::span<const float> g, float x) {
  const int n = static_cast<int>(g.size());
  // On or below the first point (and NaN) holds the first, on or beyond the
  // last the last: the same places an exact match or the ends would give.
  if (n < 2 || !(x > g.front())) return {1, true};
  if (!(x < g.back())) return {n, true};
  // The grid ascends: the first point not below x is either x itself or the
  // point FindInterval would bracket x with, searched in one pass.
  int i = 1;
  while (g[static_cast<std::size_t>(i)] < x)
    ++i;
  if (g[static_cast<std::size_t>(i)] == x) return {i + 1, true};
  // FindInterval's rule: only a point less than 100 above x brackets it.
  const auto above = static_cast<float>(static_cast<double>(g[static_cast<std::size_t>(i)]) - x);
  const int k = above < 100.0f ? i : 1;
  return {std::clamp(k, 1, n - 1), false};
}

// Interpolated value at x between the rows evaluated at g(k) and g(k + 1).
inline float InterpolateOnGrid(std::span<const float> g, int k, float x, float y1, float y2) {
  return static_cast<float>(LinearInterp(x, g[k - 1], g[k], y1, y2));
}

// One axis: row r belongs to grid point r. row_value(r) returns the row's
// curve evaluated, as a 32-bit float.
template <class RowValue>
float LookupOneAxisAt(std::span<const float> grid, GridPlace at, float x, RowValue&& row_value) {
  if (at.exact) return row_value(at.index);
  const float y1 = row_value(at.index);
  const float y2 = row_value(at.index + 1);
  return InterpolateOnGrid(grid, at.index, x, y1, y2);
}

template <class RowValue>
float LookupOneAxis(std::span<const float> grid, float x, RowValue&& row_value) {
  return LookupOneAxisAt(grid, LocateOnGrid(grid, x), x, row_value);
}

// Two axes: a slow and a fast grid, row r = (is - 1) * nf + if. Off both
// grids the cell is interpolated along the fast axis first, then the slow.
// The ...At forms take the places found by the caller: an axis that stays
// put for many lookups (a job's value) is located once, and a height once
// for the factors that share its grid.
template <class RowValue>
float LookupTwoAxesAt(std::span<const float> slow, GridPlace s, float xs,
                      std::span<const float> fast, GridPlace f, float xf, RowValue&& row_value) {
  const int nf = static_cast<int>(fast.size());
  const int r0 = (s.index - 1) * nf + f.index;
  auto along_fast = [&](int row) {
    if (f.exact) return static_cast<float>(row_value(row));
    const float y1 = row_value(row);
    const float y2 = row_value(row + 1);
    return InterpolateOnGrid(fast, f.index, xf, y1, y2);
  };
  if (s.exact) return along_fast(r0);
  const float y1 = along_fast(r0);
  const float y2 = along_fast(r0 + nf);
  return InterpolateOnGrid(slow, s.index, xs, y1, y2);
}

template <class RowValue>
float LookupTwoAxes(std::span<const float> slow, float xs, std::span<const float> fast, float xf,
                    RowValue&& row_value) {
  return LookupTwoAxesAt(slow, LocateOnGrid(slow, xs), xs, fast, LocateOnGrid(fast, xf), xf,
                         row_value);
}

}  // namespace ventora
