#pragma once
// Reads the building footprints of a map file: GeoJSON and CityJSON
// directly, everything else (Shapefile, GeoPackage, FlatGeobuf,
// OpenStreetMap PBF...) through GDAL. Throws SiteError naming the file.

#include <atomic>
#include <filesystem>

#include "footprints.h"

namespace ventora::site {

struct ReadRules {
  double storeyHeight = 3.0;  // m, for building:levels
  // Set when the user asks to stop: reading unwinds with ventora::Cancelled.
  const std::atomic<bool>* cancel = nullptr;
};

FootprintFile ReadFootprints(const std::filesystem::path& file, const ReadRules& rules);

// The readers behind it, for a file already known to be of their kind.
FootprintFile ReadJsonFootprints(const std::filesystem::path& file, const ReadRules& rules);
FootprintFile ReadOgrFootprints(const std::filesystem::path& file, const ReadRules& rules);

}  // namespace ventora::site
