#pragma once
// A factor with the job's values fixed. VeEXP, PAD, RbH and a facade's FAR
// and SAR stay the same for every element of the facade: the curves at those
// values, and the interpolation along a job's axis where the grid takes it
// first, are done once; an element then only reads them along its own ZH. Every value read is the
// float the factor itself would have evaluated, and the lookups along ZH are the factors' own, so
// an element's factor comes out bit for bit as the factor gives it.

#include <array>
#include <cstddef>
#include <span>

#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"

namespace ventora {

// A factor read along ZH alone: its curve per point of the ZH grid.
template <std::size_t N>
struct ZHCurves {
  bool one = false;  // the factor is exactly 1 at the job's value
  std::array<float, N> at{};
};

template <std::size_t N, class RowAt>
ZHCurves<N> CurvesAlongZH(bool one, RowAt&& row_at) {
  ZHCurves<N> c;
  c.one = one;
  if (!one)
    for (std::size_t i = 0; i < N; ++i)
      c.at[i] = row_at(static_cast<int>(i) + 1);
  return c;
}

// A table with ZH as slow and the job's PAD as fast axis: interpolating
// along PAD first, as the two-axis lookup does, leaves one value per ZH
// point.
template <std::size_t N, class RowAt>
ZHCurves<N> CurvesAlongZHAtPAD(bool one, std::span<const float> padGrid, float PAD,
                               RowAt&& row_at) {
  const int np = static_cast<int>(padGrid.size());
  return CurvesAlongZH<N>(one, [&](int iZH) {
    return LookupOneAxis(padGrid, PAD, [&](int iPAD) { return row_at((iZH - 1) * np + iPAD); });
  });
}

template <std::size_t N>
float FactorAlongZH(const ZHCurves<N>& c, std::span<const float> zhGrid, GridPlace zh, float ZH) {
  if (c.one) return 1.0f;
  return LookupOneAxisAt(zhGrid, zh, ZH,
                         [&](int r) { return c.at[static_cast<std::size_t>(r - 1)]; });
}

// A FAR or SAR table: PAD is the slow axis and ZH the fast one, so the
// curves of the one or two PAD rows the job's PAD lies on or between are
// kept, and an element interpolates along ZH, then along PAD, as the lookup
// does.
template <std::size_t NZH>
struct RatioCurves {
  bool one = false;          // a ratio of exactly 1: the factor is 1
  bool noRealValue = false;  // a row kept has no real value somewhere along ZH
  GridPlace pad{};
  std::array<float, 2 * NZH> rows{};  // PAD row pad.index, then the next one
};

template <std::size_t NZH, class RowAt>
RatioCurves<NZH> RatioCurvesAt(float ratio, std::span<const float> padGrid, float PAD,
                               RowAt&& row_at) {
  RatioCurves<NZH> c;
  c.one = ratio == 1.0f;
  if (c.one) return c;
  c.pad = LocateOnGrid(padGrid, PAD);
  const int first = (c.pad.index - 1) * static_cast<int>(NZH) + 1;
  const std::size_t count = c.pad.exact ? NZH : 2 * NZH;
  for (std::size_t i = 0; i < count; ++i) {
    c.rows[i] = row_at(first + static_cast<int>(i));
    if (c.rows[i] == static_cast<float>(kNoRealValue)) c.noRealValue = true;
  }
  return c;
}

// False, the factor unwritten, when a curve the element reads has no real
// value: the factor's own refusal is left to the model.
template <std::size_t NZH>
bool RatioFactorAt(const RatioCurves<NZH>& c, std::span<const float> padGrid, float PAD,
                   std::span<const float> zhGrid, GridPlace zh, float ZH, float& factor) {
  if (c.one) {
    factor = 1.0f;
    return true;
  }
  const int first = (c.pad.index - 1) * static_cast<int>(NZH) + 1;
  if (!c.noRealValue) {  // as nearly always: no row read needs checking
    factor = LookupTwoAxesAt(padGrid, c.pad, PAD, zhGrid, zh, ZH,
                             [&](int r) { return c.rows[static_cast<std::size_t>(r - first)]; });
    return true;
  }
  bool no_real_value = false;
  const float value = LookupTwoAxesAt(padGrid, c.pad, PAD, zhGrid, zh, ZH, [&](int r) {
    const float stored = c.rows[static_cast<std::size_t>(r - first)];
    if (stored == static_cast<float>(kNoRealValue)) no_real_value = true;
    return stored;
  });
  if (no_real_value) return false;
  factor = value;
  return true;
}

}  // namespace ventora
