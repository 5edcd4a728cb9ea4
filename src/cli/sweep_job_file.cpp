#include "sweep_job_file.h"

#include <stdexcept>
#include <system_error>

#include "core/replace_file.h"
#include "energyplus_jobs_file.h"
#include "engine/pre_run_checks.h"
#include "interrupt.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/export_text.h"
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

bool PassesPreRunChecks(LoadedJob& loaded, MessageSink& messages) {
  const NumberLocale locale = loaded.numbers.Locale();
  if (CheckJobData(loaded.job, messages, locale) == 0 && CheckElements(loaded.job, messages) == 0)
    return true;
  messages.Show(Message{"Error", kOutOfLimitsText});
  return false;
}

void ReportStops(const WindSweep& sweep, const std::string& format, std::ostream& err) {
  // The profile sweep turns the building to AzB 0 (see ProfileSweepJob).
  const std::string frame =
      FindExportFormat(format)->profiles ? " (building turned to azimuth 0)" : "";
  for (const SweepDirection& d : sweep.directions) {
    if (d.completed) continue;
    err << "ventora-run: wind direction " << NumberString(d.AnWind) << " deg." << frame << ": "
        << d.failure << '\n';
  }
}

int WriteExport(const SweptJob& swept, const CliOptions& options, std::ostream& out,
                std::ostream& err) {
  const fs::path path = SweepOutputPath(swept.loaded.jobName, options);
  std::string warning;
  const ExportSettings settings{options.sweepStep, options.contamFirst, options.modelicaPackage,
                                options.strict, CliExportInfo(options)};
  const ExportFormat& format = FormatOf(options);
  const int status = WriteExportAt(
      path,
      [&] { return format.text(swept.sweep, swept.loaded.job, swept.stem, settings, warning); },
      err);
  if (status != kExitCompleted) return status;
  if (!warning.empty()) err << "ventora-run: warning: " << warning << '\n';
  out << path.string() << '\n';
  return swept.sweep.AllCompleted() ? kExitCompleted : kExitValuesMissing;
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
  return {VENTORA_VERSION, options.boundaryLayer};
}

bool DeleteOldOutput(const fs::path& path, std::ostream& err) {
  std::error_code error;
  fs::remove(path, error);
  if (!error) return true;
  err << "ventora-run: cannot delete the old \"" << path.string() << "\": " << error.message()
      << '\n';
  return false;
}

std::optional<SweptJob> SweepJob(const CliOptions& options, const std::string& job,
                                 bool deleteOldExport, std::ostream& err, int& status) {
  CliOptions one = options;
  one.jobs = {job};
  std::optional<LoadedJob> loaded = LoadJobFile(one, err);
  status = kExitSystemError;
  if (!loaded) return std::nullopt;
  if (!options.staleTemporariesRemoved) RemoveStaleTemporaries(loaded->jobName);
  // The old export goes before anything is computed, as a run's old report does.
  if (deleteOldExport && !DeleteOldOutput(SweepOutputPath(loaded->jobName, options), err))
    return std::nullopt;
  StreamMessages messages(err);
  status = kExitStopped;
  if (!PassesPreRunChecks(*loaded, messages)) return std::nullopt;
  SweepSetup setup;
  setup.messages = &messages;
  setup.progress = SweepProgress(err);
  setup.cancel = InterruptFlag();
  const Job swept = ExportSweepJob(FormatOf(options), loaded->job);
  SweptJob result{*loaded, {}, fs::path(loaded->jobName).filename().string()};
  try {
    result.sweep =
        RunWindSweep(swept, ExportDirections(FormatOf(options), options.sweepStep), setup);
  } catch (const Cancelled&) {
    throw;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    status = kExitSystemError;
    return std::nullopt;
  }
  ReportStops(result.sweep, options.format, err);
  if (!result.sweep.AnyCompleted()) {
    err << "ventora-run: no wind direction could be computed; nothing was written\n";
    return std::nullopt;
  }
  status = kExitCompleted;
  return result;
}

int RunSweepFile(const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (options.format == "energyplus") return RunEnergyPlusSweeps(options, out, err);
  int status = kExitSystemError;
  std::optional<SweptJob> swept = SweepJob(options, options.jobs.front(), true, err, status);
  if (!swept) return status;
  return WriteExport(*swept, options, out, err);
}

}  // namespace ventora::cli
