#include "map_option.h"

#include <algorithm>
#include <cctype>
#include <exception>

#ifdef VENTORA_WITH_MAP
#include "core/program_library.h"
#include "map/cpmap_entry.h"
#endif

namespace ventora::cli {

#ifdef VENTORA_WITH_MAP

std::string CheckMapFileName(const std::string& file) {
  // Told here rather than by the map library, which is loaded only to draw.
  const std::filesystem::path path(file);
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (path.has_stem() && (extension == ".png" || extension == ".svg")) return "";
  return "--map needs a file name ending in .png or .svg, not '" + file + "'";
}

bool WriteRunMap(const std::filesystem::path& file, const Job& job, const RunResult& run,
                 const std::string& jobName, char decimal, std::ostream& err) {
  using Entry = void (*)(const std::filesystem::path&, const Job&, const RunResult&,
                         const std::string&, char);
  try {
    const auto write = reinterpret_cast<Entry>(ProgramLibrarySymbol(kCpMapLibrary, kCpMapEntry));
    write(file, job, run, jobName, decimal);
    return true;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    return false;
  }
}

#else

std::string CheckMapFileName(const std::string&) {
  return "--map is not available: this ventora-run was built without the Cp map";
}

bool WriteRunMap(const std::filesystem::path&, const Job&, const RunResult&, const std::string&,
                 char, std::ostream& err) {
  err << "ventora-run: " << CheckMapFileName("") << '\n';
  return false;
}

#endif

bool RunHasMap(const RunResult& run) {
  return run.verdict == RunVerdict::Completed || !run.elements.empty();
}

}  // namespace ventora::cli
