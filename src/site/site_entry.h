#pragma once
// The one entry of the surroundings' loadable library (libventora-site.so):
// ventora-run loads it, and with it GEOS, PROJ and GDAL, only when asked
// for the surroundings.

#include "site/site_query.h"

extern "C" {

void ventora_find_surroundings(const ventora::site::SurroundingsQuery& query,
                               ventora::site::SurroundingsAnswer& answer);
}

namespace ventora::site {

inline constexpr const char* kSiteEntry = "ventora_find_surroundings";
inline constexpr const char* kSiteLibrary = "libventora-site.so";

}  // namespace ventora::site
