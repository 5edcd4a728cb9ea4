#include "run_job_file.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "commands/cp_spread.h"
#include "commands/run_job.h"
#include "core/cancellation.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "core/replace_file.h"
#include "interrupt.h"
#include "map_option.h"
#include "run_csv_file.h"
#include "stderr_messages.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

// JobName of the command line's JOB: the path without ".in", made absolute
// so that the report's title names the job whatever the current folder.
fs::path AbsolutePath(const std::string& file) {
  std::error_code ignored;
  return fs::absolute(fs::path(file), ignored).lexically_normal();
}

}  // namespace

std::string JobNameOf(const std::string& job) {
  std::string name = job;
  if (name.size() > 3 && name.ends_with(".in")) name.resize(name.size() - 3);
  return AbsolutePath(name).string();
}

CliOptions WithStaleTemporariesRemoved(const CliOptions& options) {
  std::vector<std::string> names;
  names.reserve(options.jobs.size());
  for (const std::string& job : options.jobs)
    names.push_back(JobNameOf(job));
  RemoveStaleTemporaries(names);
  CliOptions cleared = options;
  cleared.staleTemporariesRemoved = true;
  return cleared;
}

namespace {

// The user's environment, probed once for all the jobs of a call: each probe
// loads locale data.
NumberLocale UserNumberLocale() {
  static const NumberLocale locale = ProbeNumberLocale();
  return locale;
}

const MonthNames& UserMonths() {
  static const MonthNames months = UserMonthNames();
  return months;
}

// The map of a run that got far enough; false when it could not be written.
bool WriteMapOfRun(const fs::path& mapFile, const Job& job, const RunResult& run,
                   const std::string& jobName, const NumberText& numbers, std::ostream& out,
                   std::ostream& err) {
  if (!RunHasMap(run)) {
    err << "ventora-run: no Cp map: the run computed no element\n";
    return true;  // the run's own status says why
  }
  if (!WriteRunMap(mapFile, job, run, jobName, numbers.Locale().decimal, err)) return false;
  out << mapFile.string() << '\n';
  return true;
}

// --spread: the spread at the job's own wind direction.
std::vector<ElementSpread> SpreadOfRun(const Job& job, std::ostream& err) {
  SweepSetup setup;
  setup.cancel = InterruptFlag();
  CpSpread spread = SpreadAround(job, {job.AnWind}, setup);
  for (const std::string& note : spread.notes)
    err << "ventora-run: no spread from the labelling: " << note << '\n';
  return std::move(spread.directions.front().elements);
}

}  // namespace

std::optional<LoadedJob> LoadJobFile(const CliOptions& options, std::ostream& err) {
  LoadedJob loaded{
      .jobName = {}, .job = {}, .numbers = NumberText(UserNumberLocale()), .surroundings = {}};
  loaded.jobName = JobNameOf(options.jobs.front());
  const std::string jobFile = loaded.jobName + ".in";
  std::error_code ignored;
  if (!fs::exists(jobFile, ignored)) {  // a pipe or a folder is refused by the reader
    err << "ventora-run: no job file \"" << jobFile << "\"\n";
    return std::nullopt;
  }
  if (loaded.numbers.DetectNumberFormat() == NumberFormatCheck::SeparatorsEqual) {
    err << "Error: " << kSeparatorsEqualMessage << '\n';
    return std::nullopt;
  }
  JobFileNotes notes;
  try {
    loaded.job = ReadJobFile(jobFile, loaded.numbers, notes);
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    return std::nullopt;
  }
  if (!notes.unreadHeader.empty()) {
    // Values read as 0 would give a run with wrong Cp that looks completed.
    const std::string damaged = DamagedHeaderError(jobFile, notes).what();
    if (!options.damagedHeaderZeros) {
      err << "ventora-run: " << damaged
          << " Give --damaged-header=zeros to run it with them at 0.\n";
      return std::nullopt;
    }
    err << "ventora-run: " << damaged << " They are read as 0.\n";
  }
  if (options.surroundings.Given() &&
      !ApplySurroundings(options.surroundings, loaded.job, err, &loaded.surroundings))
    return std::nullopt;
  return loaded;
}

int RunJobFile(const CliOptions& options, std::ostream& out, std::ostream& err) {
  return RunJob(options, out, err).status;
}

JobOutcome RunJob(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const fs::path mapFile = options.mapFile.empty() ? fs::path() : AbsolutePath(options.mapFile);
  std::optional<LoadedJob> loaded = LoadJobFile(options, err);
  if (!loaded) return {kExitSystemError, 0};
  const std::string& jobName = loaded->jobName;
  if (options.format == "csv" && !DeleteRunCsv(jobName, err)) return {kExitSystemError, 0};
  RunCommandSetup setup;
  setup.jobName = jobName;
  setup.form = options.workbook ? ReportForm::Workbook : ReportForm::Text;
  setup.locale = loaded->numbers.Locale();
  setup.months = UserMonths();
  setup.now = LocalNow();
  setup.staleTemporariesRemoved = options.staleTemporariesRemoved;
  StreamMessages messages(err);
  const RunCommandResult result = RunJobCommand(loaded->job, messages, setup);
  int status = ExitStatusOf(result.outcome);
  ThrowIfCancelled(InterruptFlag());
  if (status == kExitCompleted || status == kExitValuesMissing) {
    out << ReportPath(jobName, setup.form).string() << '\n';
    if (options.format == "csv") {
      std::vector<ElementSpread> spread;
      if (options.spread) spread = SpreadOfRun(loaded->job, err);
      status = WriteRunCsv(jobName, loaded->job, result.run,
                           {status, options.strict, options.spread ? &spread : nullptr}, out, err);
    }
  }
  const std::size_t elements = result.run.elements.size();
  if (mapFile.empty() || status == kExitSystemError) return {status, elements};
  if (!WriteMapOfRun(mapFile, loaded->job, result.run, jobName, loaded->numbers, out, err))
    status = kExitSystemError;
  return {status, elements};
}

}  // namespace ventora::cli
