#include "ui/editing/site_finder.h"

#include <exception>

#include "output/program_library.h"
#include "site/site_entry.h"

namespace ventora::ui {

site::SurroundingsAnswer FindWithSiteLibrary(const site::SurroundingsQuery& query) {
  site::SurroundingsAnswer answer;
  try {
    using Entry = void (*)(const site::SurroundingsQuery&, site::SurroundingsAnswer&);
    const auto find =
        reinterpret_cast<Entry>(ProgramLibrarySymbol(site::kSiteLibrary, site::kSiteEntry));
    find(query, answer);
  } catch (const std::exception& e) {
    answer.error = e.what();
  }
  return answer;
}

}  // namespace ventora::ui
