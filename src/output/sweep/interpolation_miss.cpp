#include "output/sweep/interpolation_miss.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace ventora {
namespace {

using ByDirection = std::map<float, const SweepDirection*>;

// Whether `d` lies a whole number of steps from `offset`.
bool OnTheGrid(float d, float offset, double step) {
  const double n = (static_cast<double>(d) - offset) / step;
  return std::abs(n - std::round(n)) < 1e-6;
}

// The element's exported directions with a value, ascending.
std::vector<std::pair<float, float>> Points(const ByDirection& at,
                                            const std::vector<float>& exported, double step,
                                            float offset, std::size_t e) {
  std::vector<std::pair<float, float>> points;
  for (float d : exported) {
    if (!OnTheGrid(d, offset, step)) continue;
    const SweepDirection* s = at.at(d);
    if (s->completed) points.emplace_back(d, s->Cp[e]);
  }
  std::sort(points.begin(), points.end());
  return points;
}

// The consumer's value at `t` from the points, round the circle.
double Interpolated(const std::vector<std::pair<float, float>>& points, double t) {
  auto hi =
      std::upper_bound(points.begin(), points.end(), t,
                       [](double v, const std::pair<float, float>& p) { return v < p.first; });
  const auto& next = hi == points.end() ? points.front() : *hi;
  const auto& last = hi == points.begin() ? points.back() : *(hi - 1);
  double from = last.first;
  double to = next.first;
  if (from > t) from -= 360;
  if (to <= from) to += 360;
  if (to == from) return last.second;
  const double w = (t - from) / (to - from);
  return last.second * (1 - w) + next.second * w;
}

}  // namespace

InterpolationMiss LargestInterpolationMiss(const WindSweep& fine,
                                           const std::vector<float>& exported, double step,
                                           const std::vector<float>& offsets) {
  ByDirection at;
  for (const SweepDirection& d : fine.directions)
    at.emplace(d.AnWind, &d);
  InterpolationMiss miss;
  for (std::size_t e = 0; e < fine.elements.size(); ++e) {
    const auto points = Points(at, exported, step, offsets[e], e);
    if (points.empty()) continue;
    for (int degree = 0; degree < 360; ++degree) {
      const SweepDirection* model = at.at(static_cast<float>(degree));
      if (!model->completed) continue;
      const double off = std::abs(model->Cp[e] - Interpolated(points, degree));
      if (off > miss.largest) miss = {static_cast<float>(off), e, static_cast<float>(degree)};
    }
  }
  return miss;
}

WindSweep SweepAt(const WindSweep& fine, const std::vector<float>& directions) {
  WindSweep out;
  out.elements = fine.elements;
  for (float d : directions) {
    const auto found = std::find_if(fine.directions.begin(), fine.directions.end(),
                                    [d](const SweepDirection& s) { return s.AnWind == d; });
    if (found == fine.directions.end())
      throw std::invalid_argument("the fine sweep lacks a direction of the export");
    out.directions.push_back(*found);
  }
  return out;
}

}  // namespace ventora
