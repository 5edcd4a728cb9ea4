#include "site_values.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "core/cancellation.h"
#include "disk_area.h"
#include "surroundings_limits.h"

namespace ventora::site {
namespace {

// Less ground than this (m²) is a building touching the region, not in it.
constexpr double kNoArea = 1e-6;

// The regions of one request: the whole circle, then each sector.
struct Regions {
  double radius;
  int sectors;
  std::size_t Count() const { return sectors > 1 ? static_cast<std::size_t>(sectors) + 1 : 1; }
  double From(std::size_t k) const { return (static_cast<double>(k) - 0.5) * 360.0 / sectors; }
  double Area(std::size_t k) const {
    return std::numbers::pi * radius * radius / (k == 0 ? 1 : sectors);
  }
};

// Each region's share of the rings' ground, in m².
std::vector<double> AreasOf(const std::vector<Ring>& rings, const LocalFrame& frame,
                            const Regions& regions) {
  std::vector<double> areas(regions.Count(), 0.0);
  Ring local;
  for (const Ring& ring : rings) {
    local.resize(ring.size());
    std::transform(ring.begin(), ring.end(), local.begin(), [&](XY p) { return frame.ToLocal(p); });
    areas[0] += RingDiscArea(local, regions.radius);
    for (std::size_t k = 1; k < areas.size(); ++k) {
      const double from = regions.From(k - 1);
      areas[k] +=
          RingDiscArea(ClipToSector(local, from, from + 360.0 / regions.sectors), regions.radius);
    }
  }
  return areas;
}

// A footprint's areas, without projecting it when its box lies wholly
// inside (all round) or outside the circle (projected data).
std::vector<double> FootprintAreas(const FootprintShape& f, const LocalFrame& frame,
                                   const Regions& regions) {
  const double scale = frame.GridScale();
  if (scale > 0) {
    const XY s = frame.site();
    const double dx = std::max({f.box.minX - s.x, 0.0, s.x - f.box.maxX});
    const double dy = std::max({f.box.minY - s.y, 0.0, s.y - f.box.maxY});
    if (std::hypot(dx, dy) >= regions.radius * scale)
      return std::vector<double>(regions.Count(), 0.0);
    const double fx = std::max(std::abs(f.box.minX - s.x), std::abs(f.box.maxX - s.x));
    const double fy = std::max(std::abs(f.box.minY - s.y), std::abs(f.box.maxY - s.y));
    if (std::hypot(fx, fy) <= regions.radius * scale) {
      if (regions.sectors == 1) return {f.area / (scale * scale)};
      // The all-round value is the same however many sectors are asked
      // for, to the last bit: a job's PAD does not depend on them.
      std::vector<double> areas = AreasOf(f.rings, frame, regions);
      areas[0] = f.area / (scale * scale);
      return areas;
    }
  }
  return AreasOf(f.rings, frame, regions);
}

// The union of a cluster's members that are not the studied building.
std::vector<Ring> ClusterRings(const FootprintGeometry& geometry, const Cluster& cluster,
                               const std::set<std::size_t>& studied) {
  bool touched = false;
  for (std::size_t m : cluster.members)
    touched = touched || studied.count(m) > 0;
  if (!touched) return cluster.rings;
  std::vector<std::size_t> others;
  for (std::size_t m : cluster.members)
    if (!studied.count(m)) others.push_back(m);
  return geometry.Union(others);
}

struct Sums {
  double covered = 0, weighted = 0, weights = 0;
  int buildings = 0, withoutHeight = 0;
};

std::vector<Sums> Evaluate(const FootprintTable& table, const FootprintGeometry& geometry,
                           const std::vector<std::size_t>& near,
                           const std::set<std::size_t>& studied, const LocalFrame& frame,
                           const Regions& regions, const std::optional<double>& defaultHeight) {
  std::vector<Sums> sums(regions.Count());
  std::set<int> clustersSeen;
  for (std::size_t i : near) {
    if (studied.count(i)) continue;
    const FootprintShape& f = table.footprints[i];
    const std::vector<double> areas = FootprintAreas(f, frame, regions);
    const std::optional<double> height = f.height ? f.height : defaultHeight;
    for (std::size_t k = 0; k < areas.size(); ++k) {
      if (f.cluster < 0) sums[k].covered += areas[k];
      if (f.part || areas[k] <= kNoArea) continue;
      ++sums[k].buildings;
      if (!f.height) ++sums[k].withoutHeight;
      if (height) {
        sums[k].weighted += areas[k] * *height;
        sums[k].weights += areas[k];
      }
    }
    if (f.cluster >= 0 && clustersSeen.insert(f.cluster).second) {
      const std::vector<double> covered = AreasOf(
          ClusterRings(geometry, table.clusters[static_cast<std::size_t>(f.cluster)], studied),
          frame, regions);
      for (std::size_t k = 0; k < covered.size(); ++k)
        sums[k].covered += covered[k];
    }
  }
  return sums;
}

std::string Text(double value, int precision = 10) {
  std::ostringstream text;
  text.precision(precision);
  text << value;
  return text.str();
}

std::string SiteText(XY site) {
  return Text(site.x) + "," + Text(site.y);
}

void CheckRequest(const FootprintTable& table, bool geographic,
                  const SurroundingsRequest& request) {
  if (!Within(request.radius, kRadiusLimit.range))
    throw SiteError("the radius " + Text(request.radius) + " m is outside its range " +
                    RangeText(kRadiusLimit));
  if (!Within(request.sectors, kSectorsLimit.range))
    throw SiteError("the number of sectors must be a whole number from 1 to 360");
  if (request.defaultHeight && !Within(*request.defaultHeight, kHeightLimit.range))
    throw SiteError("the default height " + Text(*request.defaultHeight) +
                    " m is outside its range " + RangeText(kHeightLimit));
  const XY p = request.site;
  if (!Within(p.x, kCoordinateLimit.range) || !Within(p.y, kCoordinateLimit.range))
    throw SiteError("the site " + SiteText(p) + " is outside the range " +
                    RangeText(kCoordinateLimit) + " of map coordinates");
  if (geographic && (!Within(p.x, kLongitudeRange) || !Within(p.y, kLatitudeRange)))
    throw SiteError("the site " + SiteText(p) + " is not a longitude and latitude (" +
                    limits::PlainRangeText(kLongitudeRange, "lon") + ", " +
                    limits::PlainRangeText(kLatitudeRange, "lat") + "), as \"" + table.name +
                    "\" has its coordinates");
}

// Far from the data, or beside data too small to see in so wide a circle.
void CheckNearTheData(const FootprintTable& table, const FootprintGeometry& geometry,
                      const SurroundingsRequest& request, double coverage) {
  if (coverage >= 1e-9) return;  // rounding leaves a trace of area far away
  if (geometry.HullHolds(request.site)) return;
  Envelope data{1e300, 1e300, -1e300, -1e300};
  for (const FootprintShape& f : table.footprints) {
    data.minX = std::min(data.minX, f.box.minX);
    data.minY = std::min(data.minY, f.box.minY);
    data.maxX = std::max(data.maxX, f.box.maxX);
    data.maxY = std::max(data.maxY, f.box.maxY);
  }
  throw SiteError("the site " + SiteText(request.site) + " lies more than " + Text(request.radius) +
                  " m from the data of \"" + table.name + "\", which span " + Text(data.minX) +
                  "," + Text(data.minY) + " to " + Text(data.maxX) + "," + Text(data.maxY) +
                  " in the file's coordinates");
}

// Several footprints holding the site are the studied building's outline,
// parts and copies: say which.
std::string StudiedNote(const FootprintTable& table, const std::set<std::size_t>& studied) {
  std::vector<std::string> holding;
  for (std::size_t i : studied)
    if (!table.footprints[i].part) holding.push_back(table.footprints[i].id);
  if (holding.size() < 2) return "";
  return "the footprints " + FewNames(holding) + " of \"" + table.name +
         "\" all hold the site point: they are taken as the building itself and left out";
}

}  // namespace

std::set<std::size_t> Studied(const FootprintTable& table, const FootprintGeometry& geometry,
                              const std::vector<std::size_t>& near, XY site) {
  std::set<std::size_t> studied;
  for (std::size_t i : near) {
    const Envelope& b = table.footprints[i].box;
    if (site.x >= b.minX && site.x <= b.maxX && site.y >= b.minY && site.y <= b.maxY &&
        geometry.Holds(i, site))
      studied.insert(i);
  }
  if (studied.empty()) return studied;
  for (std::size_t i : near) {
    if (!table.footprints[i].part || studied.count(i)) continue;
    const XY inner = geometry.InsidePoint(i);
    for (std::size_t s : std::set<std::size_t>(studied))
      if (geometry.Holds(s, inner)) studied.insert(i);
  }
  return studied;
}

Surroundings ComputeSurroundings(const FootprintTable& table, const FootprintGeometry& geometry,
                                 const SurroundingsRequest& request) {
  CheckRequest(table, geometry.Geographic(), request);
  const LocalFrame frame = geometry.FrameAt(request.site);
  const Regions regions{request.radius, request.sectors};
  Surroundings result;
  result.coverage =
      AreasOf(table.hullRings, frame, Regions{request.radius, 1})[0] / regions.Area(0);
  CheckNearTheData(table, geometry, request, result.coverage);
  const std::string radius = Text(request.radius);
  const std::vector<std::size_t> near = geometry.Candidates(frame.EnvelopeOf(request.radius));
  const std::set<std::size_t> studied = Studied(table, geometry, near, request.site);
  ThrowIfCancelled(request.cancel);
  const std::vector<Sums> sums =
      Evaluate(table, geometry, near, studied, frame, regions, request.defaultHeight);
  for (std::size_t k = 0; k < sums.size(); ++k) {
    SectorValues row;
    if (k > 0) {
      const double from = regions.From(k - 1);
      row.from = from < 0 ? from + 360 : from;
      row.to = from + 360.0 / request.sectors;
    }
    // The union's area less the studied building's may round below zero
    // where nothing else stands.
    row.pad = std::max(0.0, 100 * sums[k].covered / regions.Area(k));
    if (sums[k].weights > 0) row.sbh = sums[k].weighted / sums[k].weights;
    row.buildings = sums[k].buildings;
    row.withoutHeight = sums[k].withoutHeight;
    result.rows.push_back(row);
  }
  if (result.coverage < 0.995)
    result.notes.push_back("the data of \"" + table.name + "\" cover " +
                           Text(std::round(result.coverage * 100), 3) + " % of the circle of " +
                           radius +
                           " m round the site: buildings beyond them are missing, so PAD is too "
                           "low; choose a smaller radius or data that reach further");
  if (studied.empty())
    result.notes.push_back(
        "no footprint holds the site point: no building was left out as the "
        "studied one");
  if (const std::string note = StudiedNote(table, studied); !note.empty())
    result.notes.push_back(note);
  if (result.rows.front().buildings == 0)
    result.notes.push_back("no " + std::string(studied.empty() ? "" : "other ") + "building of \"" +
                           table.name + "\" lies within " + radius + " m of the site: PAD is 0");
  return result;
}

}  // namespace ventora::site
