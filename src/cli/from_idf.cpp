#include "from_idf.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "commands/cp_model/from_model.h"
#include "commands/cp_model/from_model_summary.h"
#include "commands/cp_model/from_model_sweep.h"
#include "commands/run_job.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_progress.h"
#include "run_job_file.h"
#include "stderr_messages.h"
#include "surroundings_option.h"
#include "sweep_job_file.h"
#include "valued_options.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

bool ReadValue(const std::string& name, const std::string& text, std::optional<float>& target,
               std::string& error) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) {
    error = name + " needs a number, not '" + text + "' (see --help)";
    return false;
  }
  target = value;
  return true;
}

// Sets --fit or --zones; the error line, or "".
std::string TakeFitOption(const std::string& name, const std::string& value, CliOptions& options) {
  if (name == "--fit") {
    if (value != "box" && value != "enclosing")
      return "--fit takes box or enclosing, not '" + value + "' (see --help)";
    options.fit = value;
    return "";
  }
  options.zones.clear();
  for (std::size_t at = 0; at <= value.size();) {
    const std::size_t comma = std::min(value.find(',', at), value.size());
    const std::size_t b = value.find_first_not_of(" \t", at);
    const std::size_t e = value.find_last_not_of(" \t", comma == 0 ? 0 : comma - 1);
    if (b >= comma || e == std::string::npos || e < b)
      return "--zones takes zone names separated by commas, not '" + value + "' (see --help)";
    options.zones.push_back(value.substr(b, e - b + 1));
    at = comma + 1;
  }
  return "";
}

}  // namespace

std::vector<std::string> TakeFromIdfOptions(const std::vector<std::string>& args,
                                            CliOptions& options, std::string& error) {
  const auto owns = [](const std::string& name) {
    return name == "--from-idf" || name == "--pad" || name == "--sbh" || name == "--veexp" ||
           name == "--fit" || name == "--zones";
  };
  const auto take = [&options](const std::string& name, const std::string& value) {
    if (name == "--from-idf") {
      options.fromIdf = value;
      return std::string();
    }
    if (name == "--fit" || name == "--zones") return TakeFitOption(name, value, options);
    std::string why;
    ReadValue(name, value,
              name == "--pad"   ? options.pad
              : name == "--sbh" ? options.sbh
                                : options.veexp,
              why);
    return why;
  };
  return TakeValuedOptions(args, owns, take, error);
}

std::string CheckFromIdfOptions(const CliOptions& options) {
  if (!options.jobs.empty())
    return "--from-idf makes its own job; '" + options.jobs.front() +
           "' is not wanted (see --help)";
  if ((!options.pad || !options.sbh) && !options.surroundings.Given()) {
    return "--from-idf needs --pad (plan area density of the surrounding buildings, percent of the "
           "ground they cover) and --sbh (their mean height, m): the model does not describe the "
           "surroundings";
  }
  if (options.workbook || !options.mapFile.empty() || !options.format.empty() ||
      !options.output.empty() || !options.modelicaPackage.empty() || options.contamFirst != 1)
    return "--from-idf takes only --pad, --sbh, --veexp, --fit, --zones, --sweep=STEP, "
           "--tables=all, --boundary-layer and --strict (see --help)";
  return "";
}

int RunFromIdf(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const int step = options.sweepStep > 0 ? options.sweepStep : static_cast<int>(kDefaultSweepStep);
  std::shared_ptr<const idf::IdfFile> file;
  try {
    file = ReadModel(options.fromIdf);
  } catch (const idf::IdfError& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  CpModelPlan plan;
  try {
    const ModelBox box = FitModelBox(
        file,
        {options.fit == "enclosing" ? idf::FitMode::Enclosing : idf::FitMode::Box, options.zones});
    ModelSite site{options.pad.value_or(0), options.sbh.value_or(0), "the command line",
                   options.veexp};
    if (options.surroundings.Given()) {
      Job job = box.fit.job;
      job.SbH = job.Bdz;  // when no building round the site has a height
      if (!ApplySurroundings(options.surroundings, job, err)) return kExitSystemError;
      site.pad = job.PAD;
      site.sbh = job.SbH;
      site.source = options.surroundings.file;
    }
    plan = PlanCpModel(box, site, CliExportInfo(options));
  } catch (const idf::IdfError& e) {
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  }
  StreamMessages messages(err);
  if (!PassesPreRunChecks(plan.job, messages, NumberLocale{})) {
    err << "ventora-run: nothing was written\n";
    return kExitStopped;
  }
  CpModelFiles files;
  const auto warn = [&files, &err] {
    for (const std::string& w : files.warnings)
      err << "ventora-run: warning: " << w << "\n";
  };
  try {
    SweepSetup setup;
    setup.messages = &messages;
    setup.progress = SweepProgress(err);
    SweepCpModel(plan, {step, options.allTables, options.strict}, setup, files);
  } catch (const idf::IdfError& e) {
    warn();
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  } catch (const std::invalid_argument& e) {
    for (const SweepDirection& d : files.sweep.directions)
      if (!d.completed)
        err << "ventora-run: wind direction " << NumberString(d.AnWind) << " deg.: " << d.failure
            << "\n";
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  warn();
  out << CpModelSummary(plan, files);
  try {
    WriteCpModelFiles(options.fromIdf, files);
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  for (const fs::path& path : FromIdfOutputs(options.fromIdf))
    out << path.string() << "\n";
  return kExitCompleted;
}

std::vector<fs::path> FromIdfOutputs(const std::string& model) {
  return CpModelOutputs(model);
}

}  // namespace ventora::cli
