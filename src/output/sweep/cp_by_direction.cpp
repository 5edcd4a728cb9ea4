#include "output/sweep/cp_by_direction.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/job_file.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

// The direction within [0, 360) in 32 bits, as the run would be handed it.
float TrueDirection(float swept, float turn) {
  float d = swept + turn;
  if (d >= 360) d -= 360;
  if (d < 0) d += 360;
  return d;
}

std::int16_t NumberOnFacade(const Job& job, const ElementResult& e) {
  int before = 0;
  for (int iface = 1; iface < e.iface; ++iface)
    before += job.ElmCount[iface];
  return static_cast<std::int16_t>(e.k - before);
}

}  // namespace

bool DirectionElement::IsValue(float cp) {
  return std::isfinite(cp) && cp != kNotComputedCp;
}

const DirectionElement* CpByDirection::Element(int k) const {
  const auto it = std::lower_bound(elements.begin(), elements.end(), k,
                                   [](const DirectionElement& e, int key) { return e.k < key; });
  return it != elements.end() && it->k == k ? &*it : nullptr;
}

CpByDirection CpAgainstDirection(const WindSweep& sweep, const Job& job, const std::string& jobName,
                                 float turn) {
  CpByDirection out;
  out.title = FileNameOf(jobName);
  out.AzB = job.AzB;
  out.AnWind = job.AnWind;
  for (int i = 0; i < 4; ++i)
    out.normals[static_cast<std::size_t>(i)] = WallAzimuth(job, i + 1);
  std::vector<std::size_t> order(sweep.directions.size());
  std::iota(order.begin(), order.end(), 0);
  const auto at = [&](std::size_t i) { return TrueDirection(sweep.directions[i].AnWind, turn); };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return at(a) < at(b); });
  for (std::size_t i : order) {
    out.directions.push_back(at(i));
    const SweepDirection& d = sweep.directions[i];
    if (!d.completed)
      out.stopped.push_back("wind direction " + NumberString(at(i)) + " deg.: " + d.failure);
  }
  out.elements.reserve(sweep.elements.size());
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    const ElementResult& r = sweep.elements[e];
    DirectionElement element{r.iface, NumberOnFacade(job, r), r.k, r.X, r.Z, {}, {}};
    element.Cp.reserve(order.size());
    for (std::size_t i : order) {
      const SweepDirection& d = sweep.directions[i];
      element.Cp.push_back(d.completed ? d.Cp[e] : kNoCp);
      element.implausible.push_back(d.completed && e < d.status.size() &&
                                    d.status[e].plausibility == CpPlausibility::Implausible);
    }
    out.elements.push_back(std::move(element));
  }
  return out;
}

}  // namespace ventora
