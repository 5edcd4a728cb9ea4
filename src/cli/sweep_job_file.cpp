#include "sweep_job_file.h"

#include <stdexcept>
#include <system_error>

#include "core/replace_file.h"
#include "engine/pre_run_checks.h"
#include "interrupt.h"
#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_progress.h"
#include "output/sweep/wind_sweep.h"
#include "run_job_file.h"
#include "stderr_messages.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

bool DeleteOldOutput(const fs::path& path, std::ostream& err) {
  std::error_code error;
  fs::remove(path, error);
  if (!error) return true;
  err << "ventora-run: cannot delete the old \"" << path.string() << "\": " << error.message()
      << '\n';
  return false;
}

bool PassesPreRunChecks(LoadedJob& loaded, MessageSink& messages) {
  const NumberLocale locale = loaded.numbers.Locale();
  if (CheckJobData(loaded.job, messages, locale) == 0 && CheckElements(loaded.job, messages) == 0)
    return true;
  messages.Show(Message{"Error", kOutOfLimitsText});
  return false;
}

void ReportStops(const WindSweep& sweep, const std::string& format, std::ostream& err) {
  // The CONTAM sweep turns the building to AzB 0 (see ContamSweepJob).
  const std::string frame = format == "contam" ? " (building turned to azimuth 0)" : "";
  for (const SweepDirection& d : sweep.directions) {
    if (d.completed) continue;
    err << "ventora-run: wind direction " << NumberString(d.AnWind) << " deg." << frame << ": "
        << d.failure << '\n';
  }
}

// Throws std::invalid_argument when the format cannot take this sweep.
std::string ExportText(const WindSweep& sweep, const LoadedJob& loaded, const std::string& format) {
  const std::string stem = fs::path(loaded.jobName).filename().string();
  if (format == "energyplus") return EnergyPlusIdf(sweep, loaded.job, stem);
  if (format == "contam") return ContamProfiles(sweep, loaded.job, stem);
  return SweepCsv(sweep);
}

int WriteExport(const WindSweep& sweep, const LoadedJob& loaded, const CliOptions& options,
                std::ostream& out, std::ostream& err) {
  if (!sweep.AnyCompleted()) {
    err << "ventora-run: no wind direction could be computed; nothing was written\n";
    return kExitStopped;
  }
  const fs::path path = SweepOutputPath(loaded.jobName, options.format);
  try {
    WriteExportFile(path, ExportText(sweep, loaded, options.format));
  } catch (const std::invalid_argument& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitStopped;
  } catch (const std::runtime_error& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  out << path.string() << '\n';
  return sweep.AllCompleted() ? kExitCompleted : kExitValuesMissing;
}

}  // namespace

fs::path SweepOutputPath(const std::string& jobName, const std::string& format) {
  if (format == "energyplus") return jobName + ".sweep.idf";
  if (format == "contam") return jobName + ".sweep.contam.txt";
  return jobName + ".sweep.csv";
}

int RunSweepFile(const CliOptions& options, std::ostream& out, std::ostream& err) {
  std::optional<LoadedJob> loaded = LoadJobFile(options, err);
  if (!loaded) return kExitSystemError;
  RemoveStaleTemporaries(loaded->jobName);
  if (!DeleteOldOutput(SweepOutputPath(loaded->jobName, options.format), err))
    return kExitSystemError;
  StreamMessages messages(err);
  if (!PassesPreRunChecks(*loaded, messages)) return kExitStopped;
  SweepSetup setup;
  setup.messages = &messages;
  setup.progress = SweepProgress(err);
  setup.cancel = InterruptFlag();
  const Job job = options.format == "contam" ? ContamSweepJob(loaded->job) : loaded->job;
  WindSweep sweep;
  try {
    sweep = RunWindSweep(job, SweepDirections(static_cast<float>(options.sweepStep)), setup);
  } catch (const Cancelled&) {
    throw;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  ReportStops(sweep, options.format, err);
  return WriteExport(sweep, *loaded, options, out, err);
}

}  // namespace ventora::cli
