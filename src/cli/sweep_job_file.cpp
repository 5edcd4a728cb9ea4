#include "sweep_job_file.h"

#include <stdexcept>
#include <system_error>

#include "commands/run_job.h"
#include "core/replace_file.h"
#include "energyplus_jobs_file.h"
#include "interrupt.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_failures.h"
#include "output/sweep/sweep_progress.h"
#include "stderr_messages.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

const ExportFormat& FormatOf(const CliOptions& options) {
  return *FindExportFormat(options.format);  // the option parser accepts known formats only
}

// The request of one job as the command line's options put it.
SweepRequest RequestOf(const CliOptions& options, const LoadedJob& loaded) {
  SweepRequest request;
  request.job = loaded.job;
  request.jobName = loaded.jobName;
  request.format = options.format;
  request.settings = {options.sweepStep, options.contamFirst, options.modelicaPackage,
                      options.strict, CliExportInfo(options)};
  request.settings.info.notes = loaded.surroundings.headerLines;
  request.allTables = options.allTables;
  request.file = SweepOutputPath(loaded.jobName, options);
  request.checkFirst = true;
  request.locale = loaded.numbers.Locale();
  request.surroundings = loaded.surroundings;
  request.spread = options.spread;
  return request;
}

int WriteExport(const SweptJob& swept, const CliOptions& options, std::ostream& out,
                std::ostream& err) {
  const SweepRequest request = RequestOf(options, swept.loaded);
  std::string warning;
  const int status = WriteExportAt(
      request.file, [&] { return SweepExportText(request, swept.swept, warning); }, err);
  if (status != kExitCompleted) return status;
  if (!warning.empty()) err << "ventora-run: warning: " << warning << '\n';
  if (!swept.swept.fidelityWarning.empty())
    err << "ventora-run: warning: " << swept.stem << ": " << swept.swept.fidelityWarning << '\n';
  out << request.file.string() << '\n';
  return swept.swept.sweep.AllCompleted() ? kExitCompleted : kExitValuesMissing;
}

}  // namespace

int WriteExportAt(const fs::path& path, const std::function<std::string()>& text,
                  std::ostream& err) {
  try {
    WriteExportFile(path, text());
  } catch (const std::invalid_argument& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitStopped;
  } catch (const std::runtime_error& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  return kExitCompleted;
}

fs::path SweepOutputPath(const std::string& jobName, const CliOptions& options) {
  return ExportPath(FormatOf(options), jobName, options.modelicaPackage);
}

ExportInfo CliExportInfo(const CliOptions& options) {
  return {.version = VENTORA_VERSION, .boundaryLayer = options.boundaryLayer, .notes = {}};
}

std::optional<SweptJob> SweepJob(const CliOptions& options, const std::string& job,
                                 std::ostream& err, int& status) {
  CliOptions one = options;
  one.jobs = {job};
  std::optional<LoadedJob> loaded = LoadJobFile(one, err);
  status = kExitSystemError;
  if (!loaded) return std::nullopt;
  if (!options.staleTemporariesRemoved) RemoveStaleTemporaries(loaded->jobName);
  StreamMessages messages(err);
  SweepSetup setup;
  setup.messages = &messages;
  setup.progress = SweepProgress(err);
  setup.cancel = InterruptFlag();
  SweptJob result{*loaded, {}, fs::path(loaded->jobName).filename().string()};
  try {
    result.swept = SweepForExport(RequestOf(options, *loaded), setup);
  } catch (const Cancelled&) {
    throw;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    status = kExitSystemError;
    return std::nullopt;
  }
  for (const std::string& note : result.swept.notes)
    err << "ventora-run: " << note << '\n';
  status = ExitStatusOf(result.swept.outcome);
  if (result.swept.outcome != RunOutcome::Completed) return std::nullopt;
  return result;
}

int RunSweepFile(const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (options.format == "energyplus") return RunEnergyPlusSweeps(options, out, err);
  int status = kExitSystemError;
  std::optional<SweptJob> swept = SweepJob(options, options.jobs.front(), err, status);
  if (!swept) return status;
  return WriteExport(*swept, options, out, err);
}

}  // namespace ventora::cli
