#pragma once
// The options of the exports: --sweep[=STEP] and --format=FORMAT.

#include <string>

#include "cli_options.h"

namespace ventora::cli {

bool IsExportOption(const std::string& arg);

// Takes one --sweep or --format argument into `options`; gives an error
// line, or empty.
std::string ParseExportOption(const std::string& arg, CliOptions& options);

// The combination, once the whole command line is read; gives an error
// line, or empty.
std::string CheckExportOptions(CliOptions& options);

}  // namespace ventora::cli
