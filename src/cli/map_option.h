#pragma once
// The --map option of ventora-run: the run's Cp map as a PNG or SVG file,
// drawn by the desktop program's map library when the build has it.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/job.h"
#include "engine/run_calculation.h"

namespace ventora::cli {

// Empty when `file` can take the map, else why not (one line).
std::string CheckMapFileName(const std::string& file);

// A map is worth drawing when the run completed, or stopped part-way through
// the elements (the map then shows which ones have no value).
bool RunHasMap(const RunResult& run);

// Draws the map into `file`; false after saying why on `err`.
bool WriteRunMap(const std::filesystem::path& file, const Job& job, const RunResult& run,
                 const std::string& jobName, char decimal, std::ostream& err);

}  // namespace ventora::cli
