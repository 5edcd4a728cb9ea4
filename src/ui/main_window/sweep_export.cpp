#include "ui/main_window/sweep_export.h"

#include <stdexcept>
#include <system_error>

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

// The file's text as ventora-run makes it: EnergyPlus through the fragment
// of its jobs (here one), the others through the format table.
std::string ExportText(const SweepRequest& request, const ExportFormat& format,
                       const WindSweep& sweep, std::string& warning) {
  const std::string stem = Stem(request.jobName);
  if (request.format != "energyplus")
    return format.text(sweep, request.job, stem, request.settings, warning);
  const EnergyPlusSettings settings{request.allTables, request.settings.strict};
  std::string text =
      EnergyPlusFragment({JobSweep{sweep, request.job, stem}}, request.settings.info, settings);
  warning = EnergyPlusCpWarning(sweep, settings);
  if (!warning.empty()) warning = stem + ": " + warning;
  return text;
}

}  // namespace

fs::path DefaultSweepFile(const std::string& jobName, const std::string& format) {
  return ExportPath(*FindExportFormat(format), jobName, "");
}

SweepOutcome RunSweepExport(const SweepRequest& request, SweepSetup setup) {
  const ExportFormat* format = FindExportFormat(request.format);
  if (format == nullptr) throw std::invalid_argument("unknown format '" + request.format + "'");
  SweepOutcome outcome;
  std::error_code error;
  fs::remove(request.file, error);
  if (error) {
    outcome.notes.push_back("cannot delete the old \"" + request.file.string() +
                            "\": " + error.message());
    return outcome;
  }
  NoteCollector collector(outcome.notes);
  setup.messages = &collector;
  const WindSweep sweep = RunWindSweep(ExportSweepJob(*format, request.job),
                                       ExportDirections(*format, request.settings.step), setup);
  for (std::string& note : StoppedDirectionNotes(sweep, format->profiles))
    outcome.notes.push_back(std::move(note));
  if (!sweep.AnyCompleted()) {
    outcome.notes.push_back("no wind direction could be computed; nothing was written");
    return outcome;
  }
  ThrowIfCancelled(setup.cancel);  // a Cancel after the last direction still writes nothing
  // The profile formats sweep the building turned to azimuth 0: turned back.
  outcome.directions = std::make_shared<const CpByDirection>(CpAgainstDirection(
      sweep, request.job, request.jobName, format->profiles ? request.job.AzB : 0));
  std::string warning;
  try {
    WriteExportFile(request.file, ExportText(request, *format, sweep, warning));
  } catch (const std::exception& e) {
    outcome.notes.push_back(e.what());
    return outcome;
  }
  if (!warning.empty()) outcome.notes.push_back("warning: " + warning);
  outcome.written = true;
  return outcome;
}

}  // namespace ventora
