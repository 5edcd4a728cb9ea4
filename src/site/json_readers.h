#pragma once
// The two JSON formats read directly (GDAL has no CityJSON driver).

#include <nlohmann/json.hpp>
#include <string>

#include "read_footprints.h"

namespace ventora::site {

// `name` is the file's name for messages.
FootprintFile ReadGeoJson(const nlohmann::json& root, const std::string& name,
                          const ReadRules& rules);
FootprintFile ReadCityJson(const nlohmann::json& root, const std::string& name);

// "EPSG:N" from the ways files name a reference system
// ("urn:ogc:def:crs:EPSG::7415", "https://www.opengis.net/def/crs/EPSG/0/7415");
// "OGC:CRS84" for lon/lat; otherwise the text as it is.
std::string CrsFromName(const std::string& text);

}  // namespace ventora::site
