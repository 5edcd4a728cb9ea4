#include "orientation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ventora::site {
namespace {

// Error-free transformations of doubles (Dekker, Knuth): the rounded
// result and the exact error beside it.
void TwoSum(double a, double b, double& sum, double& error) {
  sum = a + b;
  const double virtualB = sum - a;
  error = (a - (sum - virtualB)) + (b - virtualB);
}

void Split(double a, double& high, double& low) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double c = kSplitter * a;
  high = c - (c - a);
  low = a - high;
}

void TwoProduct(double a, double b, double& product, double& error) {
  product = a * b;
  double ah = 0, al = 0, bh = 0, bl = 0;
  Split(a, ah, al);
  Split(b, bh, bl);
  error = al * bl - (((product - ah * bh) - al * bh) - ah * bl);
}

// An exact sum of doubles kept as non-overlapping parts.
class Expansion {
 public:
  void Add(double value) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size_; ++i) {
      double sum = 0, error = 0;
      TwoSum(value, parts_[i], sum, error);
      value = sum;
      if (error != 0) parts_[kept++] = error;
    }
    parts_[kept++] = value;
    size_ = kept;
  }
  // The sign of the sum: that of its largest part, the others being smaller
  // than its last bit.
  int Sign() const {
    for (std::size_t i = size_; i-- > 0;)
      if (parts_[i] != 0) return parts_[i] > 0 ? 1 : -1;
    return 0;
  }

 private:
  std::array<double, 24> parts_{};
  std::size_t size_ = 0;
};

// (b - a) x (c - a) with every difference and product kept exact.
int ExactOrientation(XY a, XY b, XY c) {
  double ux = 0, uxe = 0, uy = 0, uye = 0, vx = 0, vxe = 0, vy = 0, vye = 0;
  TwoSum(b.x, -a.x, ux, uxe);
  TwoSum(b.y, -a.y, uy, uye);
  TwoSum(c.x, -a.x, vx, vxe);
  TwoSum(c.y, -a.y, vy, vye);
  const std::array<double, 2> u[2] = {{ux, uxe}, {uy, uye}};
  const std::array<double, 2> v[2] = {{vx, vxe}, {vy, vye}};
  Expansion sum;
  for (double p : u[0])
    for (double q : v[1]) {
      double product = 0, error = 0;
      TwoProduct(p, q, product, error);
      sum.Add(error);
      sum.Add(product);
    }
  for (double p : u[1])
    for (double q : v[0]) {
      double product = 0, error = 0;
      TwoProduct(-p, q, product, error);
      sum.Add(error);
      sum.Add(product);
    }
  return sum.Sign();
}

}  // namespace

int Orientation(XY a, XY b, XY c) {
  const double left = (b.x - a.x) * (c.y - a.y);
  const double right = (b.y - a.y) * (c.x - a.x);
  const double det = left - right;
  // Beyond this bound the rounded determinant has the exact one's sign.
  const double bound = 1e-14 * (std::abs(left) + std::abs(right));
  if (det > bound) return 1;
  if (det < -bound) return -1;
  // Two of the points the same: the ends of an outline's neighbouring edges.
  const auto same = [](XY p, XY q) { return p.x == q.x && p.y == q.y; };
  if (same(a, b) || same(a, c) || same(b, c)) return 0;
  return ExactOrientation(a, b, c);
}

bool OnSegment(XY p, XY a, XY b) {
  return Orientation(a, b, p) == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
         p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y);
}

}  // namespace ventora::site
