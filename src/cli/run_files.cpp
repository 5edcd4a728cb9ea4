#include "run_files.h"

#include <sys/stat.h>

#include <map>
#include <utility>

#include "energyplus_jobs_file.h"
#include "from_idf.h"
#include "output/open_report.h"
#include "run_csv_file.h"
#include "run_job_file.h"
#include "sweep_job_file.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

using FileIdentity = std::pair<dev_t, ino_t>;

bool IdentityOf(const fs::path& path, FileIdentity& identity) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  identity = {st.st_dev, st.st_ino};
  return true;
}

void AddJobOutputs(const CliOptions& options, const std::string& jobName, RunFiles& files) {
  if (options.sweepStep != 0) {
    files.outputs.push_back(SweepOutputPath(jobName, options));
    return;
  }
  files.outputs.push_back(
      ReportPath(jobName, options.workbook ? ReportForm::Workbook : ReportForm::Text));
  if (options.format == "csv") files.outputs.push_back(RunCsvPath(jobName));
}

}  // namespace

RunFiles FilesOfRun(const CliOptions& options) {
  RunFiles files;
  if (!options.jobsFrom.empty() && options.jobsFrom != "-")
    files.inputs.push_back(options.jobsFrom);
  if (!options.fromIdf.empty()) {
    files.inputs.push_back(options.fromIdf);
    files.outputs = FromIdfOutputs(options.fromIdf);
    return files;
  }
  const bool oneFragment = options.sweepStep != 0 && options.format == "energyplus";
  for (const std::string& job : options.jobs) {
    const std::string jobName = JobNameOf(job);
    files.inputs.push_back(jobName + ".in");
    if (!oneFragment) AddJobOutputs(options, jobName, files);
  }
  if (oneFragment && !options.jobs.empty()) files.outputs.push_back(EnergyPlusOutputPath(options));
  if (!options.mapFile.empty()) files.outputs.push_back(fs::absolute(options.mapFile));
  return files;
}

std::string OutputOverInput(const RunFiles& files) {
  std::map<FileIdentity, const fs::path*> inputs;
  FileIdentity identity;
  for (const fs::path& input : files.inputs)
    if (input.native().find('\0') == std::string::npos && IdentityOf(input, identity))
      inputs.emplace(identity, &input);
  for (const fs::path& output : files.outputs) {
    if (output.native().find('\0') != std::string::npos)
      return "the output \"" + output.string() +
             "\" holds a NUL, which no file name can hold; nothing was written";
    if (!IdentityOf(output, identity)) continue;  // a new file is no input
    if (const auto found = inputs.find(identity); found != inputs.end())
      return "the output \"" + output.string() + "\" is \"" + found->second->string() +
             "\", which this run reads; nothing was written";
  }
  return "";
}

}  // namespace ventora::cli
