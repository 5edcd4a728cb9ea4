#pragma once
// The files a command line reads and the files it will write, known before
// anything runs, so that no output can replace an input: a job's report
// written over its own job file, a fragment written over the list of jobs,
// whatever the cause (a link, a name cut short by the system, a mistyped
// option).

#include <filesystem>
#include <string>
#include <vector>

#include "cli_options.h"

namespace ventora::cli {

struct RunFiles {
  std::vector<std::filesystem::path> inputs;   // job files, the list, the model, footprints
  std::vector<std::filesystem::path> outputs;  // reports, exports, maps
};

RunFiles FilesOfRun(const CliOptions& options);

// "" or the error line when an output is an input: the same file on the
// disk, whatever its name, or a name the system cannot take (one holding a
// NUL, which the system would cut short).
std::string OutputOverInput(const RunFiles& files);

}  // namespace ventora::cli
