#pragma once
// Small stateless routines shared by the facade models: the grid bracket
// search, the polynomial evaluators, two-point interpolation and the fitted
// curve forms (root forms and the logistic form).
//
// Inputs and coefficients are 32-bit floats, arithmetic is 64-bit and the
// results come back as doubles: the callers round them to 32 bits when they
// store them. Every table is stored row first (one row = one fitted curve,
// coefficients c1..cn); a row number outside the table is clamped into it,
// and a coefficient count is clamped to the row's length, so no evaluator
// reads outside its table whatever it is given.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "engine/models/coef_table.h"

namespace ventora {

// The value the root forms return when their radicand is negative: the curve
// has no real value there.
inline constexpr double kNoRealValue = 1000.0;

// Coefficients of row r (numbered from 1) of T, r clamped into the table.
template <std::size_t Rows, std::size_t Cols>
std::span<const float> TableRow(const CoefTable<Rows, Cols>& T, int r) {
  static_assert(Rows > 0 && Cols > 0);
  const int clamped = std::clamp(r, 1, static_cast<int>(Rows));
  return T[static_cast<std::size_t>(clamped - 1)];
}

// The row number TableRow actually reads.
template <std::size_t Rows, std::size_t Cols>
int ClampRow(const CoefTable<Rows, Cols>&, int r) {
  return std::clamp(r, 1, static_cast<int>(Rows));
}

// The small helpers are inline: the run calls them for every element, and
// with the coefficient count known at the call the polynomials unroll.

// A coefficient count held within the row it counts.
inline int CountWithin(std::span<const float> c, int n) {
  return std::clamp(n, 0, static_cast<int>(c.size()));
}

// x^k for a 32-bit x. Up to the fourth power the product of x with itself
// is exact until its last multiplication, so the result is the correctly
// rounded power, as pow gives it, at a fraction of pow's cost.
inline double PowerOf(float x, int k) {
  const double d = x;
  switch (k) {
    case 0:
      return 1.0;
    case 1:
      return d;
    case 2:
      return d * d;
    case 3:
      return (d * d) * d;
    case 4:
      return (d * d) * (d * d);
    default:
      return std::pow(d, k);
  }
}

// Int(value) (the floor) raised to 1 and held at count; NaN gives 1. Used for
// every band index computed from a position or an angle.
inline int BandIndex(double value, int count) {
  const double whole = std::floor(value);
  if (!(whole >= 1.0)) return 1;
  if (whole >= count) return count;
  return static_cast<int>(whole);
}

// Bracket search on an ascending grid g(1..n): k becomes i - 1 for the grid
// point g(i) that lies least above x (by less than 100); when none does, k
// keeps the caller's value. So g(k) <= x < g(k+1) inside the grid, k = 0 below
// it, and k unchanged from g(n) on.
void FindInterval(std::span<const float> g, float x, int n, int& k);

// The line through (x1, y1) and (x2, y2) at x, no clamping.
inline double LinearInterp(float x, float x1, float x2, float y1, float y2) {
  const double dx = x, dx1 = x1, dx2 = x2, dy1 = y1, dy2 = y2;
  return (dx * (dy2 - dy1) - dx1 * dy2 + dx2 * dy1) / (dx2 - dx1);
}

// Row-level forms: c holds one curve's coefficients, r its row number where
// the row decides the form.
inline double EvalPolynomialRow(float x, std::span<const float> c, int n) {
  const int count = CountWithin(c, n);
  double sum = 0.0;
  for (int i = 1; i <= count; ++i)
    sum += c[static_cast<std::size_t>(i - 1)] * PowerOf(x, count - i);
  return sum;
}
double EvalRootFit4Row(float x, std::span<const float> c);
double EvalRootFit4SpecialRow(float x, std::span<const float> c, int r);
double EvalRootFit6SpecialRow(float x, std::span<const float> c, int r);
double EvalExpRootFit6Row(float x, std::span<const float> c, int r);
double EvalLogisticRow(float x, std::span<const float> c);
inline double EvalPolynomialAscRow(float x, std::span<const float> c, int n) {
  const int count = CountWithin(c, n);
  double sum = 0.0;
  for (int i = 1; i <= count; ++i)
    sum += c[static_cast<std::size_t>(i - 1)] * PowerOf(x, i - 1);
  return sum;
}
double EvalPolynomial2DRow(float x, float y, std::span<const float> c, int N);

// The powers x^0 .. x^(N - 1) of one 32-bit x as PowerOf gives them, for a
// lookup whose rows are all polynomials in the same x (an element's place
// along the roof): evaluated once rather than once per row, and each row's
// sum then taken term by term as EvalPolynomialAscRow takes it.
template <int N>
class AscendingPowers {
 public:
  explicit AscendingPowers(float x) {
    for (int k = 0; k < N; ++k)
      powers_[static_cast<std::size_t>(k)] = PowerOf(x, k);
  }
  // EvalPolynomialAscRow(x, c, n) for a row of at most N coefficients.
  double EvalRow(std::span<const float> c, int n) const {
    const int count = std::min(CountWithin(c, n), N);
    double sum = 0.0;
    for (int i = 1; i <= count; ++i)
      sum += c[static_cast<std::size_t>(i - 1)] * powers_[static_cast<std::size_t>(i - 1)];
    return sum;
  }

 private:
  std::array<double, N> powers_{};
};

// sum for i = 1..n of c_i * x^(n - i): c1 belongs to the highest power.
template <std::size_t R, std::size_t C>
double EvalPolynomial(float x, const CoefTable<R, C>& T, int n, int r) {
  return EvalPolynomialRow(x, TableRow(T, r), n);
}

// Root form s = c1 x + c2 / x + c3, x capped at 4; the square root of s, 1000
// when s < 0.
template <std::size_t R, std::size_t C>
double EvalRootFit4(float x, const CoefTable<R, C>& T, int r) {
  static_assert(C >= 3);
  return EvalRootFit4Row(x, TableRow(T, r));
}

// Root form capped at 4; rows 43, 44, 45, 53, 54 and 66 return s itself,
// rows above 42 return 20 minus the root.
template <std::size_t R, std::size_t C>
double EvalRootFit4Special(float x, const CoefTable<R, C>& T, int r) {
  static_assert(C >= 3);
  return EvalRootFit4SpecialRow(x, TableRow(T, r), ClampRow(T, r));
}

// Root form capped at 6; rows 43, 44 and 46 return s itself, rows above 42
// return 20 minus the root.
template <std::size_t R, std::size_t C>
double EvalRootFit6Special(float x, const CoefTable<R, C>& T, int r) {
  static_assert(C >= 3);
  return EvalRootFit6SpecialRow(x, TableRow(T, r), ClampRow(T, r));
}

// x capped at 6; rows 61 and 62 are exponential forms, every other row the
// root form with rows above 30 returning 20 minus the root.
template <std::size_t R, std::size_t C>
double EvalExpRootFit6(float x, const CoefTable<R, C>& T, int r) {
  static_assert(C >= 3);
  return EvalExpRootFit6Row(x, TableRow(T, r), ClampRow(T, r));
}

// c1 + c4 / (c2 + e^(-c3 (x - c5))).
template <std::size_t R, std::size_t C>
double EvalLogistic(float x, const CoefTable<R, C>& T, int r) {
  static_assert(C >= 5);
  return EvalLogisticRow(x, TableRow(T, r));
}

// sum for i = 1..n of c_i * x^(i - 1): c1 is the constant term.
template <std::size_t R, std::size_t C>
double EvalPolynomialAsc(float x, const CoefTable<R, C>& T, int n, int r) {
  return EvalPolynomialAscRow(x, TableRow(T, r), n);
}

// Bivariate polynomial of order m = round(sqrt(N)): coefficient (i-1) m + j
// multiplies x^(j-1) y^(i-1).
template <std::size_t R, std::size_t C>
double EvalPolynomial2D(float x, float y, const CoefTable<R, C>& T, int N, int r) {
  return EvalPolynomial2DRow(x, y, TableRow(T, r), N);
}

}  // namespace ventora
