#pragma once
// The ground that sets of rings cover, cut into vertical strips at every
// corner and crossing: within a strip no edge crosses another, so the
// covered parts are trapezoids between two edges. A set's rings cover a
// point when an odd number of them wind round it (a self-intersecting
// outline covers what it encloses once, as a repair of it would); the
// ground asked for is where at least `least` owners cover. Each trapezoid
// is a closed ring of its own, so summing their areas within a circle can
// never leave an outline open, whatever the rounding.

#include <cstddef>
#include <optional>
#include <vector>

#include "site/footprints.h"

namespace ventora::site {

struct RingSet {
  std::vector<Ring> rings;  // closed or not
  int owner = 0;            // which footprint the set belongs to
};

// Counter-clockwise trapezoids (two corners may meet) that tile the ground
// where sets of at least `least` different owners cover.
std::vector<Ring> FilledPieces(const std::vector<RingSet>& sets, int least = 1);

// How many times edges of the rings cross each other (properly, away from
// their ends), counted up to `most`: the work a repair would take.
std::size_t Crossings(const std::vector<Ring>& rings, std::size_t most);

}  // namespace ventora::site
