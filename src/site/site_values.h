#pragma once
// A site's PAD and SbH summed from a footprint table, all round and per
// sector: the definition itself, shared by the native program (GEOS and
// PROJ answer the geometric questions) and the browser edition (its own
// geometry answers them).

#include <cstddef>
#include <set>
#include <vector>

#include "footprint_table.h"
#include "surroundings.h"

namespace ventora::site {

// The questions about a footprint set that its geometry library answers.
class FootprintGeometry {
 public:
  virtual ~FootprintGeometry() = default;
  virtual bool Geographic() const = 0;
  virtual LocalFrame FrameAt(XY site) const = 0;
  // The footprints whose boxes meet `box`, in the table's order.
  virtual std::vector<std::size_t> Candidates(const Envelope& box) const = 0;
  // Whether footprint `i` holds `point`, its outline included.
  virtual bool Holds(std::size_t i, XY point) const = 0;
  // A point in the interior of footprint `i`.
  virtual XY InsidePoint(std::size_t i) const = 0;
  // Whether the convex hull of the data holds `point`, its outline included.
  virtual bool HullHolds(XY point) const = 0;
  // The rings of the union of `footprints`.
  virtual std::vector<Ring> Union(const std::vector<std::size_t>& footprints) const = 0;
};

// Throws SiteError for a site outside the data or a value outside its
// range (surroundings_limits.h), ventora::Cancelled once the request's
// flag is set.
Surroundings ComputeSurroundings(const FootprintTable& table, const FootprintGeometry& geometry,
                                 const SurroundingsRequest& request);

// The studied building among `near`: the footprints that hold the site
// point, and the parts that lie in them.
std::set<std::size_t> Studied(const FootprintTable& table, const FootprintGeometry& geometry,
                              const std::vector<std::size_t>& near, XY site);

}  // namespace ventora::site
