#include "idf/roof_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "idf/box_fit.h"

namespace ventora::idf::fit {
namespace {

std::string Azimuths(const Box& box, const std::vector<int>& groups) {
  std::string text;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    text += (i == 0                   ? ""
             : i + 1 == groups.size() ? " and "
                                      : ", ") +
            Degrees(Wrap360(box.base + 90.0 * groups[i]));
  }
  return text + " deg.";
}

// A roof sloping to more than two opposite sides (a hip roof, or roofs
// crossing) is read as the pitched roof of its pair of opposite sides with
// the larger plan area, double or single as that pair has slopes; its other
// slopes are taken as part of it.
void ReadAsNearestRoof(const Box& box, const std::vector<Face>& roofs, Roof& r) {
  std::array<double, 4> plan{};
  double total = 0;
  for (const Face& f : roofs) {
    const double a = std::abs(AreaNormal(f.s->points).z) / 2;
    total += a;
    if (f.group >= 0) plan[static_cast<std::size_t>(f.group)] += a;
  }
  const int pair = plan[0] + plan[2] >= plan[1] + plan[3] ? 0 : 1;
  std::vector<int> kept;
  std::vector<int> others;
  for (int g : r.slopeGroups)
    (g % 2 == pair ? kept : others).push_back(g);
  std::sort(kept.begin(), kept.end());
  std::sort(others.begin(), others.end());
  double keptPlan = 0;
  for (int g : kept)
    keptPlan += plan[static_cast<std::size_t>(g)];
  r.reading =
      "the roof slopes to " + std::to_string(r.slopeGroups.size()) +
      " sides (a hip roof or roofs crossing): read as the nearest " +
      (kept.size() == 2 ? "double slope roof, falling to " : "single slope roof, falling to ") +
      Azimuths(box, kept) + " (" + Metres(keptPlan) + " m2 of its " + Metres(total) +
      " m2 on plan); its slopes to " + Azimuths(box, others) + " are taken as part of it";
  r.slopeGroups = kept;
}

bool Kept(const Roof& r, const Face& f) {
  return f.group < 0 ||
         std::find(r.slopeGroups.begin(), r.slopeGroups.end(), f.group) != r.slopeGroups.end();
}

}  // namespace

Roof FitRoof(const IdfFile& file, const Box& box, std::vector<Face>& roofs, double wallTop) {
  Roof r;
  if (roofs.empty()) {
    r.eaves = r.top = wallTop;
    return r;
  }
  std::vector<std::string> bad;
  r.eaves = r.top = roofs.front().s->points.front().z;
  for (Face& f : roofs) {
    for (const Vec3& p : f.s->points) {
      r.eaves = std::min(r.eaves, p.z);
      r.top = std::max(r.top, p.z);
    }
    if (f.tilt <= kAngleTolerance) continue;
    const double k = std::round(AngleDiff(f.azimuth, box.base) / 90.0);
    if (f.tilt >= 50 || std::abs(AngleDiff(f.azimuth, box.base + 90.0 * k)) > kAngleTolerance) {
      bad.push_back(
          Named(f, "slopes " + Degrees(f.tilt) + " deg. towards " + Degrees(f.azimuth) + " deg."));
      continue;
    }
    f.group = static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4;
    if (std::find(r.slopeGroups.begin(), r.slopeGroups.end(), f.group) == r.slopeGroups.end())
      r.slopeGroups.push_back(f.group);
    r.Phi = std::max(r.Phi, f.tilt);
  }
  if (!bad.empty())
    Refuse(file, "roof surfaces that fit no flat, single or double slope roof:", bad);
  const bool twoOpposite =
      r.slopeGroups.size() == 2 && (r.slopeGroups[0] + 2) % 4 == r.slopeGroups[1];
  if (r.slopeGroups.size() > 2 || (r.slopeGroups.size() == 2 && !twoOpposite))
    ReadAsNearestRoof(box, roofs, r);
  r.Islope = static_cast<std::int16_t>(r.slopeGroups.size());
  r.Phi = 0;
  for (const Face& f : roofs)
    if (f.group >= 0 && Kept(r, f)) r.Phi = std::max(r.Phi, f.tilt);
  for (const Face& f : roofs) {
    const double tilt = r.Islope == 0 ? 0 : r.Phi;
    if (!Kept(r, f)) continue;
    if (std::abs(f.tilt - tilt) > kAngleTolerance) {
      bad.push_back(Named(f, "is tilted " + Degrees(f.tilt) + " deg."));
    } else if (r.Islope == 0 && std::abs(f.s->points.front().z - r.top) > kPlaneTolerance) {
      bad.push_back(Named(f, "lies " + Metres(r.top - f.s->points.front().z) + " m below the top"));
    }
  }
  if (!bad.empty()) Refuse(file, "roof surfaces at different tilts or heights:", bad);
  if (r.Islope == 0) r.Phi = 0;
  return r;
}

}  // namespace ventora::idf::fit
