#include "run_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <string_view>
#include <utility>

#include "commands/compare_methods.h"
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
  if (options.compareStep != 0) {
    files.outputs.push_back(ComparisonPath(jobName));
    return;
  }
  if (options.sweepStep != 0) {
    files.outputs.push_back(SweepOutputPath(jobName, options));
    return;
  }
  files.outputs.push_back(
      ReportPath(jobName, options.workbook ? ReportForm::Workbook : ReportForm::Text));
  if (options.format == "csv") files.outputs.push_back(RunCsvPath(jobName));
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The files GDAL opens beside a shapefile: the same name with these endings,
// in any letter case.
constexpr std::array<std::string_view, 15> kShapefileSidecars = {
    ".shp", ".shx", ".dbf", ".prj", ".cpg", ".qix", ".sbn", ".sbx",
    ".fbn", ".fbx", ".ain", ".aih", ".atx", ".ixs", ".mxs"};

// The names in a folder, without throwing: a folder that cannot be listed
// adds nothing, and the reader says why it cannot be read.
std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    names.push_back(it->path().filename().string());
  return names;
}

bool IsShapefileSidecar(const std::string& name, const std::string& stem) {
  if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) return false;
  const std::string ending = Lower(name.substr(stem.size()));
  return ending == ".shp.xml" || std::find(kShapefileSidecars.begin(), kShapefileSidecars.end(),
                                           ending) != kShapefileSidecars.end();
}

// A footprint file and what is read with it: a shapefile's sidecars, or
// every file of a folder that GDAL reads as one source.
void AddFootprintInputs(const fs::path& file, RunFiles& files) {
  files.inputs.push_back(file);
  std::error_code error;
  if (fs::is_directory(file, error)) {
    for (const std::string& name : NamesIn(file))
      files.inputs.push_back(file / name);
    return;
  }
  if (Lower(file.extension().string()) != ".shp") return;
  const std::string stem = file.stem().string();
  for (const std::string& name : NamesIn(file.has_parent_path() ? file.parent_path() : "."))
    if (IsShapefileSidecar(name, stem)) files.inputs.push_back(file.parent_path() / name);
}

}  // namespace

RunFiles FilesOfRun(const CliOptions& options) {
  RunFiles files;
  if (!options.jobsFrom.empty() && options.jobsFrom != "-")
    files.inputs.push_back(options.jobsFrom);
  if (options.surroundings.Given()) AddFootprintInputs(options.surroundings.file, files);
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
