#pragma once
// The options of the exports: --sweep[=STEP], --format=FORMAT and the
// options of each format (--contam-first=N, --modelica-package=NAME,
// --tables=all, --output=FILE, --boundary-layer=M).

#include <string>

#include "cli_options.h"

namespace ventora::cli {

bool IsExportOption(const std::string& arg);

// Takes one export argument into `options`; gives an error line, or empty.
std::string ParseExportOption(const std::string& arg, CliOptions& options);

// The combination, once the whole command line is read: settles the step
// --sweep alone stands for (30 for CONTAM, else 10); gives an error line, or
// empty.
std::string CheckExportOptions(CliOptions& options);

}  // namespace ventora::cli
