#pragma once
// A footprint set as plain values, whichever geometry library made its
// outlines valid: each footprint's rings, area, box and height, the groups
// of footprints whose ground overlaps, and the outline of the data. A
// site's surroundings are summed from it (site_values.h).

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "footprints.h"
#include "local_frame.h"

namespace ventora::site {

struct FootprintShape {
  std::optional<double> height;
  bool part = false;
  // Outlines counter-clockwise, holes clockwise: pieces whose signed areas
  // add up to the footprint's ground.
  std::vector<Ring> rings;
  double area = 0;  // in the file's units
  Envelope box{};
  int cluster = -1;  // the footprints its ground overlaps, when any
  std::string id;
};

// Footprints whose ground overlaps (a building and its parts, overlapping
// outlines): their union counts in PAD, once.
struct Cluster {
  std::vector<std::size_t> members;
  std::vector<Ring> rings;  // of the members' union
};

struct FootprintTable {
  std::string name;  // the file's, for messages
  std::vector<FootprintShape> footprints;
  std::vector<Cluster> clusters;
  std::vector<Ring> hullRings;  // the convex hull of the footprints' boxes
  std::vector<std::string> notes;
};

// Adds a footprint of valid rings, its area and box taken from them.
// Throws SiteError for a coordinate outside its range, or one that is no
// longitude and latitude in lon/lat data.
void AddShape(FootprintTable& table, FootprintShape shape, bool geographic);

// What became of the file's outlines: invalid ones repaired, ones too
// large or tangled to repair, ones that cover no ground.
struct OutlineTally {
  int repairs = 0;
  std::vector<std::string> tangled, flat;
};
void NoteOutlines(FootprintTable& table, const OutlineTally& tally);

// Throws SiteError for a table without footprints, with what was left out.
void CheckHasFootprints(const FootprintTable& table);

// Groups the footprints of the `overlapping` pairs, in their order, and
// keeps each group's union, which `joined` makes of its members.
void GroupOverlapping(
    FootprintTable& table, const std::vector<std::pair<std::size_t, std::size_t>>& overlapping,
    const std::function<std::vector<Ring>(const std::vector<std::size_t>&)>& joined);

Envelope BoxOf(const std::vector<Ring>& rings);

}  // namespace ventora::site
