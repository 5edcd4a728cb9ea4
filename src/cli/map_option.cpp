#include "map_option.h"

#include <exception>

#ifdef VENTORA_WITH_MAP
#include "map/cpmap_file.h"
#endif

namespace ventora::cli {

#ifdef VENTORA_WITH_MAP

std::string CheckMapFileName(const std::string& file) {
  if (IsCpMapFileName(file)) return "";
  return "--map needs a file name ending in .png or .svg, not '" + file + "'";
}

bool WriteRunMap(const std::filesystem::path& file, const Job& job, const RunResult& run,
                 const std::string& jobName, char decimal, std::ostream& err) {
  try {
    WriteCpMapFile(file, job, run, jobName, decimal);
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
  return run.verdict == RunVerdict::Completed || run.verdict == RunVerdict::ValuesMissing ||
         !run.elements.empty();
}

}  // namespace ventora::cli
