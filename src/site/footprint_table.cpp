#include "footprint_table.h"

#include <algorithm>
#include <sstream>

#include "disk_area.h"
#include "surroundings_limits.h"

namespace ventora::site {
namespace {

// Projected coordinates in a file read as lon/lat (a GeoJSON without its
// "crs" member) would give nonsense rather than an error further on.
void CheckLonLat(const FootprintShape& f, const std::string& fileName) {
  const Envelope& b = f.box;
  if (b.minY >= -90 && b.maxY <= 90 && b.minX >= -360 && b.maxX <= 360) return;
  std::ostringstream corner;
  corner.precision(10);
  corner << (b.maxX > 360 ? b.maxX : b.minX) << "," << (b.maxY > 90 ? b.maxY : b.minY);
  throw SiteError("\"" + fileName + "\", building " + f.id + ": it reaches " + corner.str() +
                  ", which is not a longitude and latitude in degrees: name the reference "
                  "system its coordinates are in, e.g. --crs EPSG:28992");
}

// A map coordinate beyond any projection's range would overflow the areas.
void CheckCoordinates(const FootprintShape& f, const std::string& fileName) {
  const Envelope& b = f.box;
  const limits::Range& r = kCoordinateLimit.range;
  if (Within(b.minX, r) && Within(b.maxX, r) && Within(b.minY, r) && Within(b.maxY, r)) return;
  std::ostringstream corner;
  corner.precision(10);
  corner << (Within(b.maxX, r) ? b.minX : b.maxX) << "," << (Within(b.maxY, r) ? b.minY : b.maxY);
  throw SiteError("\"" + fileName + "\", building " + f.id + ": it reaches " + corner.str() +
                  ", outside the range " + limits::PlainRangeText(r, kCoordinateLimit.symbol) +
                  " of map coordinates");
}

int Root(std::vector<int>& parent, int i) {
  while (parent[i] != i)
    i = parent[i] = parent[parent[i]];
  return i;
}

}  // namespace

Envelope BoxOf(const std::vector<Ring>& rings) {
  Envelope box{1e300, 1e300, -1e300, -1e300};
  for (const Ring& r : rings)
    for (const XY& p : r) {
      box.minX = std::min(box.minX, p.x);
      box.minY = std::min(box.minY, p.y);
      box.maxX = std::max(box.maxX, p.x);
      box.maxY = std::max(box.maxY, p.y);
    }
  return box;
}

void AddShape(FootprintTable& table, FootprintShape shape, bool geographic) {
  for (const Ring& r : shape.rings)
    shape.area += RingArea(r);
  shape.box = BoxOf(shape.rings);
  CheckCoordinates(shape, table.name);
  if (geographic) CheckLonLat(shape, table.name);
  table.footprints.push_back(std::move(shape));
}

void NoteOutlines(FootprintTable& table, const OutlineTally& tally) {
  const std::string& fileName = table.name;
  if (tally.repairs > 0)
    table.notes.push_back(Counted(tally.repairs, "footprint", "footprints") + " of \"" + fileName +
                          "\" had self-intersecting or otherwise invalid rings: repaired");
  if (!tally.tangled.empty())
    table.notes.push_back(
        Counted(tally.tangled.size(), "footprint", "footprints") + " of \"" + fileName + "\" " +
        (tally.tangled.size() == 1 ? "has a self-intersecting outline"
                                   : "have self-intersecting outlines") +
        " too large or too tangled to repair (" + FewNames(tally.tangled) + "): left out");
  if (!tally.flat.empty())
    table.notes.push_back(Counted(tally.flat.size(), "footprint", "footprints") + " of \"" +
                          fileName + "\" " + (tally.flat.size() == 1 ? "covers" : "cover") +
                          " no ground (fewer than three distinct corners, or all on one line): "
                          "left out (" +
                          FewNames(tally.flat) + ")");
}

void CheckHasFootprints(const FootprintTable& table) {
  if (!table.footprints.empty()) return;
  // What was left out, when something was: the reason there is none.
  std::string why;
  for (const std::string& note : table.notes)
    why += "; " + note;
  throw SiteError("\"" + table.name + "\" holds no building footprints (polygons)" + why);
}

void GroupOverlapping(
    FootprintTable& table, const std::vector<std::pair<std::size_t, std::size_t>>& overlapping,
    const std::function<std::vector<Ring>(const std::vector<std::size_t>&)>& joined) {
  std::vector<int> parent(table.footprints.size());
  for (std::size_t i = 0; i < parent.size(); ++i)
    parent[i] = static_cast<int>(i);
  for (const auto& [i, j] : overlapping)
    parent[Root(parent, static_cast<int>(i))] = Root(parent, static_cast<int>(j));
  std::vector<std::vector<std::size_t>> groups(parent.size());
  for (std::size_t i = 0; i < parent.size(); ++i)
    groups[static_cast<std::size_t>(Root(parent, static_cast<int>(i)))].push_back(i);
  for (std::vector<std::size_t>& members : groups) {
    if (members.size() < 2) continue;
    std::vector<Ring> rings = joined(members);
    for (std::size_t m : members)
      table.footprints[m].cluster = static_cast<int>(table.clusters.size());
    table.clusters.push_back({std::move(members), std::move(rings)});
  }
}

}  // namespace ventora::site
