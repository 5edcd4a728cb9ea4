#include "export_options.h"

#include <charconv>

#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/wind_sweep.h"

namespace ventora::cli {
namespace {

constexpr const char* kSweep = "--sweep";
constexpr const char* kFormat = "--format=";

std::string ParseStep(const std::string& text, CliOptions& options) {
  int step = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), step);
  if (error != std::errc{} || end != text.data() + text.size() || step < 1 || step > 180)
    return "--sweep=" + text + ": the step is a whole number of degrees from 1 to 180";
  options.sweepStep = step;
  return "";
}

}  // namespace

bool IsExportOption(const std::string& arg) {
  return arg == kSweep || arg.starts_with(std::string(kSweep) + "=") || arg.starts_with(kFormat);
}

std::string ParseExportOption(const std::string& arg, CliOptions& options) {
  if (arg == kSweep) {
    options.sweepStep = static_cast<int>(kDefaultSweepStep);
    return "";
  }
  if (arg.starts_with(kFormat)) {
    options.format = arg.substr(std::string(kFormat).size());
    if (options.format == "csv" || options.format == "energyplus" || options.format == "contam")
      return "";
    return "unknown format '" + options.format + "': csv, energyplus or contam (see --help)";
  }
  return ParseStep(arg.substr(std::string(kSweep).size() + 1), options);
}

std::string CheckExportOptions(CliOptions& options) {
  if (options.sweepStep == 0) {
    if (options.format.empty() || options.format == "csv") return "";
    return "--format=" + options.format + " needs --sweep: it holds Cp over all wind directions";
  }
  if (options.workbook) return "--xls and --sweep do not go together: a sweep writes no report";
  if (options.format.empty()) options.format = "csv";
  const std::size_t directions = SweepDirections(static_cast<float>(options.sweepStep)).size();
  if (options.format == "energyplus" && directions > kEnergyPlusMaxDirections) {
    return "--format=energyplus takes at most 36 wind directions, --sweep=" +
           std::to_string(options.sweepStep) + " gives " + std::to_string(directions) +
           ": use a step of 10 degrees or more";
  }
  if (options.format == "contam" && !ContamStepAccepted(static_cast<float>(options.sweepStep))) {
    return "--format=contam needs a step that divides 90 (such as 5, 10, 15, 30 or 45), so "
           "that every facade has a point at its normal";
  }
  return "";
}

}  // namespace ventora::cli
