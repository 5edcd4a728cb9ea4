#include "output/sweep/interpolation_miss.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace ventora {
namespace {

using Point = std::pair<float, float>;  // direction, Cp

// Whether `d` lies a whole number of steps from `offset`.
bool OnTheGrid(float d, float offset, double step) {
  const double n = (static_cast<double>(d) - offset) / step;
  return std::abs(n - std::round(n)) < 1e-6;
}

// The element's exported directions with a value, ascending.
std::vector<Point> Points(const std::vector<const SweepDirection*>& exported, double step,
                          float offset, std::size_t e) {
  std::vector<Point> points;
  for (const SweepDirection* s : exported)
    if (s->completed && OnTheGrid(s->AnWind, offset, step))
      points.emplace_back(s->AnWind, s->Cp[e]);
  std::sort(points.begin(), points.end());
  return points;
}

// The consumer's value at `t` between `last` and `next`, round the circle.
double Between(const Point& last, const Point& next, double t) {
  double from = last.first;
  double to = next.first;
  if (from > t) from -= 360;
  if (to <= from) to += 360;
  const double w = (t - from) / (to - from);
  return last.second * (1 - w) + next.second * w;
}

}  // namespace

InterpolationMiss LargestInterpolationMiss(const WindSweep& fine,
                                           const std::vector<float>& exported, double step,
                                           const std::vector<float>& offsets, float enough) {
  std::array<const SweepDirection*, 360> byDegree{};
  std::map<float, const SweepDirection*> at;
  for (const SweepDirection& d : fine.directions) {
    at.emplace(d.AnWind, &d);
    const float degree = std::floor(d.AnWind);
    if (degree == d.AnWind && degree >= 0 && degree < 360)
      byDegree[static_cast<std::size_t>(degree)] = &d;
  }
  std::vector<const SweepDirection*> exportedRuns;
  for (float d : exported)
    exportedRuns.push_back(at.at(d));
  InterpolationMiss miss;
  for (std::size_t e = 0; e < fine.elements.size(); ++e) {
    const std::vector<Point> points = Points(exportedRuns, step, offsets[e], e);
    if (points.empty()) continue;
    // The point after each whole degree, marching round once.
    std::size_t next = 0;
    for (int degree = 0; degree < 360; ++degree) {
      while (next < points.size() && points[next].first <= static_cast<float>(degree))
        ++next;
      const SweepDirection* model = byDegree[static_cast<std::size_t>(degree)];
      if (model == nullptr || !model->completed) continue;
      const Point& after = next == points.size() ? points.front() : points[next];
      const Point& before = next == 0 ? points.back() : points[next - 1];
      const double off = std::abs(model->Cp[e] - Between(before, after, degree));
      if (off <= miss.largest) continue;
      miss = {static_cast<float>(off), e, static_cast<float>(degree)};
      if (miss.largest > enough) return miss;
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
