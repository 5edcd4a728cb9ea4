#pragma once
// The surroundings of a site from building footprints: the plan area
// density PAD (percent of the circle of radius R round the site that
// buildings cover) and the mean height SbH of the buildings in it,
// weighted by the area each covers; all round and per wind sector.
//
// PAD = 100 * area(union of the footprints within the circle) / area(circle)
// SbH = sum(a_i * h_i) / sum(a_i) over the buildings with a height,
//       a_i = area(footprint_i within the circle)
// The studied building, the footprint that holds the site point, is left
// out with its parts. Sector k of N is centred on bearing k*360/N, width
// 360/N; its values use its part of the circle.

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "footprints.h"
#include "read_footprints.h"
#include "site_plan.h"

namespace ventora::site {

struct SurroundingsRequest {
  XY site;                              // in the file's coordinates
  double radius = 0;                    // m
  int sectors = 1;                      // 1: all round only
  std::optional<double> defaultHeight;  // m, for buildings without one
  // Set when the user asks to stop: Compute unwinds with ventora::Cancelled.
  const std::atomic<bool>* cancel = nullptr;
};

struct SectorValues {
  double from = 0, to = 360;  // bearings, degrees clockwise from north
  double pad = 0;             // percent
  std::optional<double> sbh;  // m; none when no building in it has a height
  int buildings = 0;          // buildings with ground in the region
  int withoutHeight = 0;      // of those, the ones the data give no height
};

struct Surroundings {
  std::vector<SectorValues> rows;  // all round, then each sector when more than one
  double coverage = 1;             // the part of the circle the data cover
  std::vector<std::string> notes;  // what the user should know about these values
};

// A footprint set as its valid outlines (WKB), to be built again without
// reading or repairing the file: what a Python pickle of it holds.
struct StoredFootprint {
  std::string id;
  std::optional<double> height;
  bool part = false;
  std::string wkb;
};
struct StoredFootprints {
  std::string name, crs;
  bool crsFromOption = false;
  std::vector<std::string> notes;
  std::vector<StoredFootprint> footprints;
};

class FootprintSet {
 public:
  // `crs` overrides the file's reference system when not empty. Throws
  // ventora::Cancelled once `cancel` is set.
  FootprintSet(FootprintFile file, const std::string& crs, const std::string& fileName,
               const std::atomic<bool>* cancel = nullptr);
  // The same set again, indexed anew; throws SiteError for a damaged store.
  explicit FootprintSet(const StoredFootprints& stored);
  ~FootprintSet();
  FootprintSet(FootprintSet&&) noexcept;
  FootprintSet& operator=(FootprintSet&&) noexcept;

  // Throws SiteError for a site outside the data or a value outside its
  // range (surroundings_limits.h).
  Surroundings Compute(const SurroundingsRequest& request) const;
  // The footprints a request's values are made of, for a picture.
  SitePlan Plan(const SurroundingsRequest& request) const;

  StoredFootprints Stored() const;

  std::size_t size() const;
  // What reading and repairing the footprints left to say.
  const std::vector<std::string>& notes() const;

  struct Impl;  // footprint_set_impl.h
  const Impl& impl() const;

 private:
  std::unique_ptr<Impl> impl_;
};

// Reads and indexes a file in one step.
FootprintSet LoadFootprints(const std::filesystem::path& file, const ReadRules& rules,
                            const std::string& crs);

}  // namespace ventora::site
