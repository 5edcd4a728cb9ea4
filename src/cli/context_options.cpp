#include "context_options.h"

#include <charconv>

#include "commands/compare_methods.h"

namespace ventora::cli {
namespace {

constexpr const char* kCompare = "--compare";
constexpr const char* kSpread = "--spread";

}  // namespace

bool IsContextOption(const std::string& arg) {
  return arg == kSpread || arg == kCompare || arg.starts_with(std::string(kCompare) + "=");
}

std::string ParseContextOption(const std::string& arg, CliOptions& options) {
  if (arg == kSpread) {
    options.spread = true;
    return "";
  }
  if (arg == kCompare) {
    options.compareStep = kCompareStep;
    return "";
  }
  const std::string text = arg.substr(std::string(kCompare).size() + 1);
  int step = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), step);
  if (error == std::errc{} && end == text.data() + text.size() && step >= 1 && step <= 180) {
    options.compareStep = step;
    return "";
  }
  return arg + ": the step is a whole number of degrees from 1 to 180";
}

std::string CheckContextOptions(CliOptions& options) {
  if (options.compareStep != 0) {
    if (options.spread) return "--spread and --compare do not go together";
    if (options.sweepStep != 0 || options.workbook || !options.mapFile.empty() || options.strict)
      return "--compare writes JOB.compare.csv alone: it goes with none of --sweep, --xls, "
             "--map and --strict";
    if (!options.format.empty() && options.format != "csv")
      return "--compare writes a CSV: --format=csv or none";
    return "";
  }
  if (!options.spread) return "";
  if (options.sweepStep == 0) {
    options.format = "csv";  // a run's spread goes into JOB.out.csv
    return "";
  }
  if (!options.format.empty() && options.format != "csv")
    return "--spread adds Cp low and Cp high to the CSV: with --sweep it goes with --format=csv";
  return "";
}

}  // namespace ventora::cli
