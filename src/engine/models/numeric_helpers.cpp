#include "engine/models/numeric_helpers.h"

#include <algorithm>
#include <cmath>

namespace ventora {
namespace {

double CappedRatio(float x, double cap) {
  const double capped = x;
  return capped > cap ? cap : capped;
}

bool IsOneOf(int r, std::initializer_list<int> rows) {
  return std::find(rows.begin(), rows.end(), r) != rows.end();
}

// s = c1 x + c2 / x + c3 on the capped ratio. A special row returns s itself
// (as a 32-bit value) whatever its sign; otherwise a negative s has no real
// root (1000), and an upper row returns 20 minus the root. A NaN radicand is
// treated as having no real root, so a bad ratio cannot pass as a factor.
double RootForm(float x, std::span<const float> c, double cap, bool special_row, bool upper_row) {
  const double xc = CappedRatio(x, cap);
  const double s = c[0] * xc + c[1] / xc + c[2];
  const float sv = static_cast<float>(s);
  if (special_row) return sv;
  if (!(sv >= 0.0f)) return kNoRealValue;
  // s may be a tiny negative that rounded to -0: its root is 0.
  const double q = std::sqrt(std::max(s, 0.0));
  return upper_row ? 20.0 - q : q;
}

}  // namespace

void FindInterval(std::span<const float> g, float x, int n, int& k) {
  float best = 100.0f;
  const int count = CountWithin(g, n);
  for (int i = 1; i <= count; ++i) {
    const float d = static_cast<float>(static_cast<double>(g[i - 1]) - x);
    if (d > 0.0f && d < best) {
      k = i - 1;
      best = d;
    }
  }
}

double EvalRootFit4Row(float x, std::span<const float> c) {
  return RootForm(x, c, 4.0, false, false);
}

double EvalRootFit4SpecialRow(float x, std::span<const float> c, int r) {
  return RootForm(x, c, 4.0, IsOneOf(r, {43, 44, 45, 53, 54, 66}), r > 42);
}

double EvalRootFit6SpecialRow(float x, std::span<const float> c, int r) {
  return RootForm(x, c, 6.0, IsOneOf(r, {43, 44, 46}), r > 42);
}

double EvalExpRootFit6Row(float x, std::span<const float> c, int r) {
  const double xc = CappedRatio(x, 6.0);
  const double c1 = c[0], c2 = c[1], c3 = c[2];
  if (r == 61) return c1 - (xc - c2) * std::pow(c3, xc - c2);
  if (r == 62) return c1 - (xc - c2) * std::pow(c3, c3 * xc - c3);
  return RootForm(x, c, 6.0, false, r > 30);
}

double EvalLogisticRow(float x, std::span<const float> c) {
  const double e = -static_cast<double>(c[2]) * (static_cast<double>(x) - c[4]);
  return c[0] + c[3] / (c[1] + std::exp(e));
}

double EvalPolynomial2DRow(float x, float y, std::span<const float> c, int N) {
  if (N <= 0) return 0.0;
  // Round to nearest, ties to even, as the default rounding mode does.
  int m = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(N))));
  while (m > 0 && static_cast<std::size_t>(m) * static_cast<std::size_t>(m) > c.size())
    --m;
  double sum = 0.0;
  int k = 0;
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= m; ++j) {
      ++k;
      sum += c[k - 1] * PowerOf(x, j - 1) * PowerOf(y, i - 1);
    }
  return sum;
}

}  // namespace ventora
