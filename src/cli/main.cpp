// ventora-run: runs a job file from the command line, as the desktop
// program's Run command does. See UsageText for the command line.

#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "core/cancellation.h"
#include "interrupt.h"
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
  InstallInterruptHandlers();
  int status = kExitSystemError;
  try {
    status = parsed.options->sweepStep != 0 ? RunSweepFile(*parsed.options, std::cout, std::cerr)
                                            : RunJobFile(*parsed.options, std::cout, std::cerr);
  } catch (const ventora::Cancelled&) {
  }
  if (!InterruptRequested()) return status;
  ReportInterrupt(std::cerr);
  return InterruptExitStatus();
}
