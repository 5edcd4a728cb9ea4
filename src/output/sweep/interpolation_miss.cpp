#include "output/sweep/interpolation_miss.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace ventora {
namespace {

// Whether `d` lies a whole number of steps from `offset`.
bool OnTheGrid(float d, float offset, double step) {
  const double n = (static_cast<double>(d) - offset) / step;
  return std::abs(n - std::round(n)) < 1e-6;
}

// Where a consumer's interpolation at a whole degree takes its two values,
// and the weight of the second.
struct Between {
  const SweepDirection* before = nullptr;
  const SweepDirection* after = nullptr;
  double w = 0;
};

// The interpolation of every whole degree between the exported directions
// with a value that lie on the grid from one offset. The same for every
// element of that offset, so worked out once per offset, not per element:
// the check sweeps every degree of every element of every export.
struct Plan {
  bool empty = true;
  std::array<Between, 360> at{};
};

Plan PlanFor(const std::vector<const SweepDirection*>& exported, double step, float offset) {
  std::vector<const SweepDirection*> points;
  for (const SweepDirection* s : exported)
    if (s->completed && OnTheGrid(s->AnWind, offset, step)) points.push_back(s);
  std::sort(points.begin(), points.end(),
            [](const SweepDirection* a, const SweepDirection* b) { return a->AnWind < b->AnWind; });
  Plan plan;
  plan.empty = points.empty();
  if (plan.empty) return plan;
  // The point after each whole degree, marching round once.
  std::size_t next = 0;
  for (int degree = 0; degree < 360; ++degree) {
    while (next < points.size() && points[next]->AnWind <= static_cast<float>(degree))
      ++next;
    const SweepDirection* after = next == points.size() ? points.front() : points[next];
    const SweepDirection* before = next == 0 ? points.back() : points[next - 1];
    // Round the circle: the interval that holds the degree.
    double from = before->AnWind;
    double to = after->AnWind;
    const double t = degree;
    if (from > t) from -= 360;
    if (to <= from) to += 360;
    plan.at[static_cast<std::size_t>(degree)] = {before, after, (t - from) / (to - from)};
  }
  return plan;
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
  std::map<float, Plan> plans;  // by offset: a facade's azimuth, or 0
  InterpolationMiss miss;
  for (std::size_t e = 0; e < fine.elements.size(); ++e) {
    auto [found, added] = plans.try_emplace(offsets[e]);
    if (added) found->second = PlanFor(exportedRuns, step, offsets[e]);
    const Plan& plan = found->second;
    if (plan.empty) continue;
    for (std::size_t degree = 0; degree < 360; ++degree) {
      const SweepDirection* model = byDegree[degree];
      if (model == nullptr || !model->completed) continue;
      const Between& b = plan.at[degree];
      const double consumer = b.before->Cp[e] * (1 - b.w) + b.after->Cp[e] * b.w;
      const double off = std::abs(model->Cp[e] - consumer);
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
