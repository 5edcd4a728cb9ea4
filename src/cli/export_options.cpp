#include "export_options.h"

#include <charconv>

#include "output/sweep/export_checks.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/modelica_export.h"
#include "output/sweep/wind_sweep.h"

namespace ventora::cli {
namespace {

constexpr const char* kSweep = "--sweep";
constexpr const char* kFormat = "--format=";
constexpr const char* kContamFirst = "--contam-first=";
constexpr const char* kPackage = "--modelica-package=";
constexpr const char* kTables = "--tables=";
constexpr const char* kOutput = "--output=";
constexpr const char* kBoundaryLayer = "--boundary-layer=";
constexpr const char* kStrict = "--strict";
constexpr int kStepNotGiven = -1;  // --sweep alone: the format's default step

bool ParseWhole(const std::string& text, int low, int high, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && value >= low && value <= high;
}

std::string After(const std::string& arg, const char* prefix) {
  return arg.substr(std::string(prefix).size());
}

// The site profile's delta: a number of metres above any building and below
// the atmosphere's boundary layer, 10 to 3000.
std::string ParseBoundaryLayer(const std::string& arg, CliOptions& options) {
  const std::string text = After(arg, kBoundaryLayer);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc{} && end == text.data() + text.size() && value >= 10 && value <= 3000) {
    options.boundaryLayer = value;
    return "";
  }
  return arg + ": the boundary layer thickness is a number of metres from 10 to 3000";
}

std::string ParseFormatOption(const std::string& arg, CliOptions& options) {
  if (arg.starts_with(kBoundaryLayer)) return ParseBoundaryLayer(arg, options);
  if (arg.starts_with(kContamFirst)) {
    if (ParseWhole(After(arg, kContamFirst), 1, 1000000, options.contamFirst)) return "";
    return arg + ": the first profile number is a whole number from 1";
  }
  if (arg.starts_with(kPackage)) {
    options.modelicaPackage = After(arg, kPackage);
    const std::string why = ModelicaPackageError(options.modelicaPackage);
    if (why.empty()) return "";
    return arg + ": " + why + (why == kModelicaPackageRule ? "" : "; choose another name");
  }
  if (arg.starts_with(kTables)) {
    options.allTables = After(arg, kTables) == "all";
    return options.allTables ? "" : arg + ": the only choice is --tables=all";
  }
  options.output = After(arg, kOutput);
  return options.output.empty() ? "--output= needs a file name" : "";
}

// A format's own option given with another format.
std::string MisplacedOption(const CliOptions& options) {
  const std::string& f = options.format;
  if (options.contamFirst != 1 && f != "contam") return "--contam-first goes with --format=contam";
  if (!options.modelicaPackage.empty() && f != "modelica")
    return "--modelica-package goes with --format=modelica";
  if (options.allTables && f != "energyplus") return "--tables=all goes with --format=energyplus";
  if (!options.output.empty() && f != "energyplus") return "--output goes with --format=energyplus";
  if (options.boundaryLayer && f != "energyplus" && f != "contam" && f != "modelica")
    return "--boundary-layer goes with --format=energyplus, contam or modelica";
  if (options.strict && f.empty()) return "--strict goes with --sweep or --format=csv";
  return "";
}

}  // namespace

bool IsExportOption(const std::string& arg) {
  return arg == kSweep || arg.starts_with(std::string(kSweep) + "=") || arg.starts_with(kFormat) ||
         arg.starts_with(kContamFirst) || arg.starts_with(kPackage) || arg.starts_with(kTables) ||
         arg.starts_with(kOutput) || arg.starts_with(kBoundaryLayer) || arg == kStrict;
}

std::string ParseExportOption(const std::string& arg, CliOptions& options) {
  if (arg == kStrict) {
    options.strict = true;
    return "";
  }
  if (arg == kSweep) {
    options.sweepStep = kStepNotGiven;
    return "";
  }
  if (arg.starts_with(kFormat)) {
    options.format = After(arg, kFormat);
    if (FindExportFormat(options.format) != nullptr) return "";
    return "unknown format '" + options.format +
           "': csv, energyplus, contam or modelica (see --help)";
  }
  if (!arg.starts_with(kSweep)) return ParseFormatOption(arg, options);
  const std::string step = After(arg, kSweep).substr(1);
  if (ParseWhole(step, 1, 180, options.sweepStep)) return "";
  return "--sweep=" + step + ": the step is a whole number of degrees from 1 to 180";
}

std::string CheckExportOptions(CliOptions& options) {
  if (options.sweepStep == 0) {
    if (!options.format.empty() && options.format != "csv")
      return "--format=" + options.format + " needs --sweep: it holds Cp over all wind directions";
    if (std::string error = MisplacedOption(options); !error.empty()) return error;
    return "";
  }
  if (options.workbook) return "--xls and --sweep do not go together: a sweep writes no report";
  if (options.format.empty()) options.format = "csv";
  if (options.sweepStep == kStepNotGiven) {
    options.sweepStep = FindExportFormat(options.format)->defaultStep;
  }
  if (std::string error = MisplacedOption(options); !error.empty()) return error;
  return ExportStepError(options.format, options.sweepStep);
}

}  // namespace ventora::cli
