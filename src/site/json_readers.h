#pragma once
// The two JSON formats read directly (GDAL has no CityJSON driver). They
// need nothing but the JSON library, so that they can be tried on any text
// without the geometry libraries.

#include <nlohmann/json.hpp>
#include <string>

#include "read_footprints.h"

namespace ventora::site {

// The footprints of a JSON text, GeoJSON or CityJSON; `name` is the file's
// name for messages. Throws SiteError naming the file and, where it can,
// the line, feature or city object.
FootprintFile ReadJsonText(const std::string& text, const std::string& name,
                           const ReadRules& rules);

FootprintFile ReadGeoJson(const nlohmann::json& root, const std::string& name,
                          const ReadRules& rules);
FootprintFile ReadCityJson(const nlohmann::json& root, const std::string& name,
                           const ReadRules& rules);

// What a member of the wrong type or a missing one means, in the program's
// words rather than the library's.
std::string JsonFault(const nlohmann::json::exception& e);

// "EPSG:N" from the ways files name a reference system
// ("urn:ogc:def:crs:EPSG::7415", "https://www.opengis.net/def/crs/EPSG/0/7415");
// "OGC:CRS84" for lon/lat; otherwise the text as it is.
std::string CrsFromName(const std::string& text);

}  // namespace ventora::site
