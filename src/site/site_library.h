#pragma once
// A site's surroundings asked of the site library (libventora-site.so),
// loaded on first use, so that ventora-run and the desktop program start
// without GEOS, PROJ and GDAL.

#include <exception>

#include "core/program_library.h"
#include "site/site_entry.h"

namespace ventora::site {

// Never throws: a library that cannot be loaded is the answer's error.
inline SurroundingsAnswer FindThroughSiteLibrary(const SurroundingsQuery& query) {
  SurroundingsAnswer answer;
  try {
    using Entry = void (*)(const SurroundingsQuery&, SurroundingsAnswer&);
    const auto find = reinterpret_cast<Entry>(ProgramLibrarySymbol(kSiteLibrary, kSiteEntry));
    find(query, answer);
  } catch (const std::exception& e) {
    answer.error = e.what();
  }
  return answer;
}

}  // namespace ventora::site
