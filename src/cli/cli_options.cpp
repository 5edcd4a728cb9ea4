#include "cli_options.h"

#include "export_options.h"
#include "map_option.h"

namespace ventora::cli {
namespace {

ParsedOptions Fail(const std::string& error) {
  return {std::nullopt, error};
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  CliOptions options;
  bool onlyOperands = false;
  for (const std::string& arg : args) {
    if (!onlyOperands && arg == "--") {
      onlyOperands = true;
    } else if (!onlyOperands && (arg == "--help" || arg == "-h")) {
      options.help = true;
    } else if (!onlyOperands && arg == "--version") {
      options.version = true;
    } else if (!onlyOperands && arg == "--xls") {
      options.workbook = true;
    } else if (!onlyOperands && arg.starts_with("--map=")) {
      options.mapFile = arg.substr(6);
      if (std::string error = CheckMapFileName(options.mapFile); !error.empty()) return Fail(error);
    } else if (!onlyOperands && IsExportOption(arg)) {
      if (std::string error = ParseExportOption(arg, options); !error.empty()) return Fail(error);
    } else if (!onlyOperands && arg.size() > 1 && arg[0] == '-') {
      return Fail("unknown option '" + arg + "' (see --help)");
    } else if (!options.job.empty()) {
      return Fail("only one job at a time: '" + options.job + "' and '" + arg + "' (see --help)");
    } else {
      options.job = arg;
    }
  }
  if (options.help || options.version) return {options, ""};
  if (options.job.empty()) return Fail("no job given (see --help)");
  if (std::string error = CheckExportOptions(options); !error.empty()) return Fail(error);
  if (options.sweepStep != 0 && !options.mapFile.empty())
    return Fail("--map draws one run and cannot go with --sweep");
  return {options, ""};
}

std::string UsageText() {
  return "Usage: ventora-run [--xls] JOB\n"
         "       ventora-run [--xls] [--format=csv] --map=FILE.png|FILE.svg JOB\n"
         "       ventora-run [--xls] --format=csv JOB\n"
         "       ventora-run --sweep[=STEP] [--format=csv|energyplus|contam] JOB\n"
         "\n"
         "Runs the wind pressure calculation of a job, as the desktop program's Run does:\n"
         "deletes the job's old results, checks the job, computes every element and writes\n"
         "the report beside the job file (JOB.out.txt, or JOB.out.xls with --xls).\n"
         "\n"
         "JOB is a \".in\" job file or the job's name without the extension.\n"
         "Every message box is printed as 'Title: text' on standard error; the path of\n"
         "each file written (report, CSV, sweep export) is printed on standard output.\n"
         "\n"
         "Options:\n"
         "  --xls      write the report as a workbook instead of text\n"
         "  --map=FILE also draw the run's Cp map into FILE, a PNG image or an SVG\n"
         "             drawing by its extension (1400 x 900 pixels), printed after\n"
         "             the report's path; a run stopped part-way is drawn too, its\n"
         "             elements without a value hollow. A map that cannot be\n"
         "             written gives exit status 1\n"
         "  --format=csv\n"
         "             also write the element lines as JOB.out.csv\n"
         "  --sweep[=STEP]\n"
         "             compute every element's Cp at the wind directions 0, STEP, 2*STEP...\n"
         "             below 360 (STEP a whole number of degrees, 10 when not given), with\n"
         "             the job's own wind direction replaced by each in turn; writes no\n"
         "             report but, as --format says:\n"
         "               csv         JOB.sweep.csv: one row per element, one Cp column per\n"
         "                           direction (empty where the run stopped)\n"
         "               energyplus  JOB.sweep.idf: EnergyPlus wind pressure coefficient\n"
         "                           array and values, absolute directions (at most 36)\n"
         "               contam      JOB.sweep.contam.txt: CONTAM wind pressure profiles,\n"
         "                           angles from each facade's normal (STEP divides 90)\n"
         "  --help     show this help and exit\n"
         "  --version  show the version and exit\n"
         "\n"
         "Exit status:\n"
         "  0  completed\n"
         "  3  completed, some Cp values were not calculated (a sweep: some directions\n"
         "     stopped; each is named on standard error)\n"
         "  2  stopped by the model's limits, or refused by the checks before the run\n"
         "  1  system error: unreadable or malformed job, unwritable folder, bad command line\n"
         "  130, 143\n"
         "     interrupted by SIGINT (Ctrl+C) or SIGTERM: the temporaries are removed and\n"
         "     no file is left unfinished, since each is replaced only whole\n";
}

}  // namespace ventora::cli
