#pragma once
// The options that set Cp in context: --spread (the model's own spread in
// the CSV) and --compare[=STEP] (the walls beside the published methods).

#include <string>

#include "cli_options.h"

namespace ventora::cli {

bool IsContextOption(const std::string& arg);

// Takes one such argument into `options`; gives an error line, or empty.
std::string ParseContextOption(const std::string& arg, CliOptions& options);

// The combination, once the whole command line is read: --spread on a run
// asks for its CSV; gives an error line, or empty.
std::string CheckContextOptions(CliOptions& options);

}  // namespace ventora::cli
