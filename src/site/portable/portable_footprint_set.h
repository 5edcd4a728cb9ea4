#pragma once
// A footprint set measured with the program's own geometry instead of
// GEOS and PROJ, for the browser edition: outlines checked for validity as
// GEOS checks them and repaired as its make-valid repairs them (what a
// self-intersecting ring encloses once), overlapping footprints joined, a
// plain index of their boxes, and the reference systems it carries. The
// same table and the same sums as the native set, so the values agree
// with ventora-run's to far below their printed digits.

#include <memory>
#include <string>
#include <vector>

#include "carried_systems.h"
#include "site/site_values.h"

namespace ventora::site {

class PortableFootprintSet final : public FootprintGeometry {
 public:
  // `crs` overrides the file's reference system when not empty. Throws
  // SiteError as the native set does, and for a reference system it does
  // not carry.
  PortableFootprintSet(FootprintFile file, const std::string& crs, const std::string& fileName);
  ~PortableFootprintSet() override;

  Surroundings Compute(const SurroundingsRequest& request) const;
  std::size_t size() const { return table_.footprints.size(); }
  // What reading and repairing the footprints left to say.
  const std::vector<std::string>& notes() const { return table_.notes; }
  const FootprintTable& table() const { return table_; }

  bool Geographic() const override { return system_.Geographic(); }
  LocalFrame FrameAt(XY site) const override { return system_.FrameAt(site); }
  std::vector<std::size_t> Candidates(const Envelope& box) const override;
  bool Holds(std::size_t i, XY point) const override;
  XY InsidePoint(std::size_t i) const override;
  bool HullHolds(XY point) const override;
  std::vector<Ring> Union(const std::vector<std::size_t>& footprints) const override;

  // Self-crossings an invalid outline may have and still be repaired, the
  // bound ventora-run puts on GEOS's work counted in the work's own
  // measure: a spiky star of 300 points crossing itself 900 times is
  // repaired, one of 400 points crossing itself 1200 times left out, as
  // GEOS's bound has them.
  static constexpr std::size_t kMostCrossingsRepaired = 1000;

 private:
  // A footprint's polygons as read, each an outline and its holes (closed
  // rings): what its ground is the union of.
  struct Outlines {
    std::vector<std::vector<Ring>> polygons;
    bool oneValidPolygon = false;
  };

  // The pairs of footprints whose ground overlaps, and whether two do.
  std::vector<std::pair<std::size_t, std::size_t>> OverlappingPairs() const;
  bool Overlap(std::size_t a, std::size_t b) const;

  CarriedSystem system_;
  FootprintTable table_;
  std::vector<Outlines> outlines_;  // beside table_.footprints
};

}  // namespace ventora::site
