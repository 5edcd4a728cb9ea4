// ventora-run: runs a job file from the command line, as the desktop
// program's Run command does. See UsageText for the command line.

#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "from_idf.h"
#include "run_job_file.h"
#include "sweep_job_file.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  using namespace ventora::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedOptions parsed = ParseOptions(args);
  if (!parsed.options) {
    std::cerr << "ventora-run: " << parsed.error << '\n';
    return kExitSystemError;
  }
  if (parsed.options->help) {
    std::cout << UsageText();
    return kExitCompleted;
  }
  if (parsed.options->version) {
    std::cout << "ventora-run " << VENTORA_VERSION << '\n';
    return kExitCompleted;
  }
  if (!parsed.options->fromIdf.empty()) return RunFromIdf(*parsed.options, std::cout, std::cerr);
  if (parsed.options->sweepStep != 0) return RunSweepFile(*parsed.options, std::cout, std::cerr);
  return RunJobFile(*parsed.options, std::cout, std::cerr);
}
