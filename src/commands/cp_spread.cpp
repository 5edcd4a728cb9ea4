#include "commands/cp_spread.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "output/sweep/export_text.h"

namespace ventora {
namespace {

float Wrapped(float direction) {
  if (direction < 0) return direction + 360;
  if (direction >= 360) return direction - 360;
  return direction;
}

// Each direction's window: the direction itself as given, its neighbours
// at whole degrees within [0, 360).
std::vector<float> Window(float direction) {
  std::vector<float> window{direction};
  for (int k = 1; k <= kSpreadHalfWindow; ++k) {
    window.push_back(Wrapped(direction - static_cast<float>(k)));
    window.push_back(Wrapped(direction + static_cast<float>(k)));
  }
  return window;
}

// The swept directions by their exact value.
std::map<float, const SweepDirection*> ByDirection(const WindSweep& sweep) {
  std::map<float, const SweepDirection*> at;
  for (const SweepDirection& d : sweep.directions)
    at.emplace(d.AnWind, &d);
  return at;
}

ElementSpread SpreadOf(const std::map<float, const SweepDirection*>& at, float direction,
                       std::size_t e, float twin) {
  ElementSpread s;
  s.twin = twin;
  const SweepDirection* own = at.at(direction);
  if (!own->completed) {
    s.low = s.high = std::nanf("");
    return s;
  }
  s.low = s.high = own->Cp[e];
  for (float w : Window(direction)) {
    const SweepDirection* d = at.at(w);
    if (!d->completed) continue;
    s.low = std::min(s.low, d->Cp[e]);
    s.high = std::max(s.high, d->Cp[e]);
  }
  const float directionWidth = s.high - s.low;
  if (std::isfinite(twin)) {
    s.low = std::min(s.low, twin);
    s.high = std::max(s.high, twin);
  }
  if (s.Width() > kWideSpread)
    s.cause = std::isfinite(twin) && std::abs(twin - own->Cp[e]) > directionWidth
                  ? SpreadCause::Labelling
                  : SpreadCause::Direction;
  return s;
}

// The twin's Cp of each of the job's elements at each direction (NaN where
// there is none): a flat roof's elements, in their order among the job's.
std::vector<std::vector<float>> TwinCps(const Job& job, const WindSweep& sweep,
                                        const std::vector<float>& directions,
                                        const SweepSetup& setup, std::vector<std::string>& notes) {
  std::vector<std::vector<float>> twins(directions.size(),
                                        std::vector<float>(sweep.elements.size(), std::nanf("")));
  const int roof = FacadeIndex(Facade::Roof);
  if (job.Islope != 0 || job.ElmCount[roof] == 0) return twins;
  const WindSweep twin = RunWindSweep(RelabelledTwin(job), directions, setup);
  for (std::size_t i = 0; i < directions.size(); ++i) {
    const SweepDirection& d = twin.directions[i];
    if (!d.completed) {
      notes.push_back("the roof entered from its next wall stops at wind direction " +
                      NumberString(d.AnWind) + " deg.: " + d.failure);
      continue;
    }
    std::size_t r = 0;
    for (std::size_t e = 0; e < sweep.elements.size() && r < d.Cp.size(); ++e)
      if (sweep.elements[e].iface == roof) twins[i][e] = d.Cp[r++];
  }
  return twins;
}

}  // namespace

Job RelabelledTwin(const Job& job) {
  Job twin = job;
  twin.AzB = job.AzB + 90 > 360 ? job.AzB - 270 : job.AzB + 90;
  std::swap(twin.BdX, twin.BdY);
  twin.ElmCount.fill(0);
  const int roof = FacadeIndex(Facade::Roof);
  twin.ElmCount[roof] = job.ElmCount[roof];
  for (int i = 1; i <= job.ElmCount[roof]; ++i) {
    twin.ElmX[roof][i] = job.BdY - job.ElmZ[roof][i];
    twin.ElmZ[roof][i] = job.ElmX[roof][i];
  }
  return twin;
}

CpSpread SpreadAround(const Job& job, const std::vector<float>& directions,
                      const SweepSetup& setup) {
  SweepSetup quiet = setup;
  quiet.messages = nullptr;
  std::vector<float> all;
  for (float d : directions)
    for (float w : Window(d))
      all.push_back(w);
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  const WindSweep sweep = RunWindSweep(job, all, quiet);
  CpSpread out;
  const auto twins = TwinCps(job, sweep, directions, quiet, out.notes);
  const auto at = ByDirection(sweep);
  for (std::size_t i = 0; i < directions.size(); ++i) {
    DirectionSpread d{directions[i], {}};
    for (std::size_t e = 0; e < sweep.elements.size(); ++e)
      d.elements.push_back(SpreadOf(at, directions[i], e, twins[i][e]));
    out.directions.push_back(std::move(d));
  }
  return out;
}

}  // namespace ventora
