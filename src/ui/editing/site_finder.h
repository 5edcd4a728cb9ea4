#pragma once
// Where the desktop program gets a site's surroundings from: the site
// library (libventora-site.so), loaded on first use as ventora-run loads it,
// so that the program starts without GEOS, PROJ and GDAL. Tests hand the
// dialog the site room's function itself.

#include <functional>

#include "site/site_library.h"

namespace ventora::ui {

using SiteFinder = std::function<site::SurroundingsAnswer(const site::SurroundingsQuery&)>;

inline site::SurroundingsAnswer FindWithSiteLibrary(const site::SurroundingsQuery& query) {
  return site::FindThroughSiteLibrary(query);
}

}  // namespace ventora::ui
