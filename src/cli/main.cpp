// ventora-run: runs job files from the command line, as the desktop
// program's Run command does. See UsageText for the command line.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "batch_run.h"
#include "cli_options.h"
#include "compare_job_file.h"
#include "core/cancellation.h"
#include "from_idf.h"
#include "interrupt.h"
#include "job_list.h"
#include "run_files.h"
#include "run_job_file.h"
#include "sweep_job_file.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace {

using namespace ventora;
using namespace ventora::cli;

int CommandLineError(const std::string& error) {
  std::cerr << "ventora-run: " << error << '\n';
  return kExitSystemError;
}

// The jobs of --jobs-from, after those of the command line.
std::string AddListedJobs(CliOptions& options) {
  if (options.jobsFrom.empty()) return "";
  if (std::string error = ReadJobListFile(options.jobsFrom, options.jobs); !error.empty())
    return error;
  if (options.jobs.empty()) return "no job given: the list \"" + options.jobsFrom + "\" is empty";
  return CheckJobCount(options);
}

// Runs what the command line asks for; a SIGINT or SIGTERM unwinds it
// with ventora::Cancelled.
int Dispatch(const CliOptions& options) {
  if (!options.fromIdf.empty()) return RunFromIdf(options, std::cout, std::cerr);
  if (options.surroundings.Given() && options.jobs.empty())
    return PrintSurroundings(options, std::cout, std::cerr);
  if (options.compareStep != 0) return RunCompareFiles(options, std::cout, std::cerr);
  // Several jobs' EnergyPlus sweeps make one fragment with one direction array.
  if (options.sweepStep != 0 && options.format == "energyplus")
    return RunSweepFile(options, std::cout, std::cerr);
  if (options.Batch()) {
    BatchSetup setup;
    setup.threads = options.threads;
    setup.showProgress = isatty(STDERR_FILENO) == 1;
    setup.stopRequested = InterruptRequested;
    return RunBatch(options, std::cout, std::cerr, setup);
  }
  if (options.sweepStep != 0) return RunSweepFile(options, std::cout, std::cerr);
  return RunJobFile(options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  ParsedOptions parsed = ParseOptions(args);
  if (!parsed.options) return CommandLineError(parsed.error);
  CliOptions& options = *parsed.options;
  if (options.help) {
    std::cout << UsageText();
    return kExitCompleted;
  }
  if (options.version) {
    std::cout << "ventora-run " << VENTORA_VERSION << '\n';
    return kExitCompleted;
  }
  if (std::string error = AddListedJobs(options); !error.empty()) return CommandLineError(error);
  if (std::string error = OutputOverInput(FilesOfRun(options)); !error.empty())
    return CommandLineError(error);
  InstallInterruptHandlers();
  int status = kExitSystemError;
  try {
    status = Dispatch(options);
  } catch (const ventora::Cancelled&) {
  }
  if (!InterruptRequested()) return status;
  ReportInterrupt(std::cerr);
  return InterruptExitStatus();
}
