#include "commands/sweep_export.h"

#include <stdexcept>

#include "commands/cp_spread.h"
#include "commands/export_fidelity.h"
#include "commands/run_job.h"
#include "core/cancellation.h"
#include "core/messages.h"
#include "output/sweep/energyplus_fragment.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

// The boxes of the sweep's run, as lines in ventora-run's words.
class NoteCollector : public MessageSink {
 public:
  explicit NoteCollector(std::vector<std::string>& notes) : notes_(notes) {}
  MsgAnswer Show(const Message& message) override {
    notes_.push_back(MessageText(message));
    return UnattendedAnswer(message.buttons);
  }

 private:
  std::vector<std::string>& notes_;
};

std::string Stem(const std::string& jobName) {
  return fs::path(jobName).filename().string();
}

const ExportFormat& FormatOf(const SweepRequest& request) {
  const ExportFormat* format = FindExportFormat(request.format);
  if (format == nullptr) throw std::invalid_argument("unknown format '" + request.format + "'");
  return *format;
}

double StepOf(const SweepRequest& request) {
  return request.step > 0 ? request.step : request.settings.step;
}

// The profile formats take whole degrees, the others fractions too.
std::vector<float> Directions(const SweepRequest& request, const ExportFormat& format) {
  if (format.profiles) return ExportDirections(format, request.settings.step);
  return SweepDirections(static_cast<float>(StepOf(request)));
}

}  // namespace

fs::path DefaultSweepFile(const std::string& jobName, const std::string& format) {
  return ExportPath(*FindExportFormat(format), jobName, "");
}

SweptForExport SweepForExport(const SweepRequest& request, const SweepSetup& setup) {
  const ExportFormat& format = FormatOf(request);
  SweptForExport swept;
  swept.job = request.job;
  if (request.checkFirst && !PassesPreRunChecks(swept.job, *setup.messages, request.locale)) {
    swept.outcome = RunOutcome::Refused;
    return swept;
  }
  SweepSetup sweepSetup = setup;
  if (request.surroundings.rows.size() > 1)
    sweepSetup.atDirection = [&s = request.surroundings](Job& j) { SetSectorValues(s, j); };
  FaithfulSweep faithful =
      SweepFaithfully(format, ExportSweepJob(format, swept.job), Directions(request, format),
                      StepOf(request), format.profiles ? swept.job.AzB : 0, sweepSetup);
  swept.sweep = std::move(faithful.sweep);
  swept.fidelity = std::move(faithful.lines);
  swept.fidelityWarning = std::move(faithful.warning);
  // The profile sweep turns the building to AzB 0 (see ProfileSweepJob).
  swept.notes = StoppedDirectionNotes(swept.sweep, format.profiles);
  if (request.spread && swept.sweep.AnyCompleted()) {
    std::vector<float> directions;
    for (const SweepDirection& d : swept.sweep.directions)
      directions.push_back(d.AnWind);
    CpSpread spread = SpreadAround(swept.job, directions, sweepSetup);
    swept.spread = std::move(spread.directions);
    for (std::string& note : spread.notes)
      swept.notes.push_back("no spread from the labelling: " + note);
  }
  if (!swept.sweep.AnyCompleted()) {
    swept.notes.push_back("no wind direction could be computed; nothing was written");
    swept.outcome = RunOutcome::Stopped;
    return swept;
  }
  swept.outcome = RunOutcome::Completed;
  return swept;
}

std::string SweepExportText(const SweepRequest& request, const SweptForExport& swept,
                            std::string& warning) {
  const WindSweep& sweep = swept.sweep;
  const std::string stem = Stem(request.jobName);
  ExportInfo info = request.settings.info;
  info.notes.insert(info.notes.end(), swept.fidelity.begin(), swept.fidelity.end());
  if (request.format != "energyplus") {
    ExportSettings settings = request.settings;
    settings.info = info;
    if (request.spread) settings.spread = &swept.spread;
    return FormatOf(request).text(sweep, swept.job, stem, settings, warning);
  }
  // EnergyPlus through the fragment of its jobs (here one), as several
  // jobs' sweeps go into one model.
  const EnergyPlusSettings settings{request.allTables, request.settings.strict};
  std::string text = EnergyPlusFragment({JobSweep{sweep, swept.job, stem}}, info, settings);
  warning = EnergyPlusCpWarning(sweep, settings);
  if (!warning.empty()) warning = stem + ": " + warning;
  return text;
}

SweepExportMade MakeSweepExport(const SweepRequest& request, SweepSetup setup) {
  const ExportFormat& format = FormatOf(request);
  SweepExportMade made;
  SweepOutcome& outcome = made.outcome;
  NoteCollector collector(outcome.notes);
  if (setup.messages == nullptr) setup.messages = &collector;
  SweptForExport swept = SweepForExport(request, setup);
  for (std::string& note : swept.notes)
    outcome.notes.push_back(std::move(note));
  outcome.stoppedDirections = StoppedDirectionList(swept.sweep);
  if (swept.outcome != RunOutcome::Completed) {
    outcome.outcome = swept.outcome;
    return made;
  }
  ThrowIfCancelled(setup.cancel);  // a Cancel after the last direction still writes nothing
  // The profile formats sweep the building turned to azimuth 0: turned back.
  outcome.directions = std::make_shared<const CpByDirection>(CpAgainstDirection(
      swept.sweep, swept.job, request.jobName, format.profiles ? swept.job.AzB : 0));
  std::string warning;
  try {
    made.text = SweepExportText(request, swept, warning);
  } catch (const std::invalid_argument& e) {
    outcome.notes.push_back(e.what());  // the format, or strict mode, refuses the sweep
    outcome.outcome = RunOutcome::Refused;
    return made;
  } catch (const std::exception& e) {
    outcome.notes.push_back(e.what());
    return made;
  }
  if (!warning.empty()) made.warnings.push_back(warning);
  if (!swept.fidelityWarning.empty())
    made.warnings.push_back(Stem(request.jobName) + ": " + swept.fidelityWarning);
  outcome.outcome = swept.sweep.AllCompleted() ? RunOutcome::Completed : RunOutcome::ValuesMissing;
  return made;
}

SweepOutcome RunSweepExport(const SweepRequest& request, SweepSetup setup) {
  SweepExportMade made = MakeSweepExport(request, std::move(setup));
  SweepOutcome outcome = std::move(made.outcome);
  if (!outcome.Written()) return outcome;
  try {
    WriteExportFile(request.file, made.text);
  } catch (const std::exception& e) {
    outcome.notes.push_back(e.what());
    outcome.outcome = RunOutcome::SystemError;
    return outcome;
  }
  outcome.warnings = std::move(made.warnings);
  return outcome;
}

}  // namespace ventora
