#include "cli_options.h"

#include <charconv>

#include "context_options.h"
#include "export_options.h"
#include "from_idf.h"
#include "guide_location.h"
#include "map_option.h"

namespace ventora::cli {
namespace {

ParsedOptions Fail(const std::string& error) {
  return {std::nullopt, error};
}

// -j N, -jN or --jobs=N: a whole number from 1 to 256.
std::string ParseThreads(const std::string& text, CliOptions& options) {
  int threads = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
  if (error != std::errc{} || end != text.data() + text.size() || threads < 1 || threads > 256)
    return "-j " + text + ": the number of jobs at once is a whole number from 1 to 256";
  options.threads = threads;
  return "";
}

// The options that take a value, as "-j N", "-jN", "--jobs=N" or
// "--jobs-from FILE", "--jobs-from=FILE". Gives false when `arg` is none of
// them; `next` is the following argument, taken when the value is there.
bool TakeValueOption(const std::string& arg, const std::string* next, bool& tookNext,
                     CliOptions& options, std::string& error) {
  std::string value;
  bool threads = false;
  if (arg == "-j" || arg == "--jobs-from") {
    if (next == nullptr) {
      error = arg + " needs a value (see --help)";
      return true;
    }
    value = *next;
    tookNext = true;
    threads = arg == "-j";
  } else if (arg.starts_with("--jobs=") || (arg.starts_with("-j") && arg.size() > 2)) {
    value = arg.substr(arg[1] == 'j' ? 2 : 7);
    threads = true;
  } else if (arg.starts_with("--jobs-from=")) {
    value = arg.substr(12);
  } else {
    return false;
  }
  if (threads)
    error = ParseThreads(value, options);
  else if (value.empty())
    error = "--jobs-from needs a file name, or - for standard input";
  else
    options.jobsFrom = value;
  return true;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& allArgs) {
  CliOptions options;
  bool onlyOperands = false;
  std::string idfError;
  const std::vector<std::string> args = TakeSurroundingsOptions(
      TakeFromIdfOptions(allArgs, options, idfError), options.surroundings, idfError);
  if (!idfError.empty()) return Fail(idfError);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool tookNext = false;
    std::string error;
    if (!onlyOperands && arg == "--") {
      onlyOperands = true;
    } else if (!onlyOperands && (arg == "--help" || arg == "-h")) {
      options.help = true;
    } else if (!onlyOperands && arg == "--version") {
      options.version = true;
    } else if (!onlyOperands && arg == "--xls") {
      options.workbook = true;
    } else if (!onlyOperands && arg == "--keep-going") {
      // The default: one bad job never stops the others.
    } else if (!onlyOperands && arg.starts_with("--damaged-header=")) {
      if (arg != "--damaged-header=zeros")
        return Fail(arg + ": the only value is zeros (read the values the header lacks as 0)");
      options.damagedHeaderZeros = true;
    } else if (!onlyOperands && arg.starts_with("--map=")) {
      options.mapFile = arg.substr(6);
      if (std::string bad = CheckMapFileName(options.mapFile); !bad.empty()) return Fail(bad);
    } else if (!onlyOperands && IsContextOption(arg)) {
      if (std::string bad = ParseContextOption(arg, options); !bad.empty()) return Fail(bad);
    } else if (!onlyOperands && IsExportOption(arg)) {
      if (std::string bad = ParseExportOption(arg, options); !bad.empty()) return Fail(bad);
    } else if (!onlyOperands && TakeValueOption(arg, i + 1 < args.size() ? &args[i + 1] : nullptr,
                                                tookNext, options, error)) {
      if (!error.empty()) return Fail(error);
      if (tookNext) ++i;
    } else if (!onlyOperands && arg.size() > 1 && arg[0] == '-') {
      return Fail("unknown option '" + arg + "' (see --help)");
    } else {
      options.jobs.push_back(arg);
    }
  }
  if (options.help || options.version) return {options, ""};
  if (std::string error = CheckSurroundingsOptions(options); !error.empty()) return Fail(error);
  if (!options.fromIdf.empty()) {
    const std::string error = CheckFromIdfOptions(options);
    return error.empty() ? ParsedOptions{options, ""} : Fail(error);
  }
  if (!options.fit.empty() || !options.zones.empty())
    return Fail("--fit and --zones go with --from-idf MODEL.idf (see --help)");
  if (options.pad || options.sbh || options.veexp)
    return Fail(
        "--pad, --sbh and --veexp go with --from-idf MODEL.idf: a job file holds its own "
        "values (see --help)");
  if (options.jobs.empty() && options.jobsFrom.empty())
    return options.surroundings.Given() ? ParsedOptions{options, ""}
                                        : Fail("no job given (see --help)");
  if (std::string error = CheckContextOptions(options); !error.empty()) return Fail(error);
  if (std::string error = CheckExportOptions(options); !error.empty()) return Fail(error);
  if (options.sweepStep != 0 && !options.mapFile.empty())
    return Fail("--map draws one run and cannot go with --sweep");
  if (std::string error = CheckJobCount(options); !error.empty()) return Fail(error);
  return {options, ""};
}

std::string CheckJobCount(const CliOptions& options) {
  if (!options.Batch()) return "";
  if (!options.mapFile.empty()) return "--map draws the map of one job: give only one job";
  return "";
}

std::string UsageText() {
  return "Usage: ventora-run [--xls] [-j N] JOB...\n"
         "       ventora-run [--xls] [--format=csv] --map=FILE.png|FILE.svg JOB\n"
         "       ventora-run [--xls] [-j N] --format=csv JOB...\n"
         "       ventora-run [-j N] --sweep[=STEP] [--format=FORMAT] [OPTIONS] JOB...\n"
         "       ventora-run --sweep[=STEP] --format=energyplus [OPTIONS] JOB...\n"
         "       ventora-run --compare[=STEP] [--format=csv] JOB...\n"
         "       ventora-run [options] --jobs-from FILE|- [JOB...]\n"
         "       ventora-run --from-idf MODEL.idf --pad PAD --sbh SBH [--veexp E] [--sweep=STEP]\n"
         "                   [--fit=box|enclosing] [--zones NAME,...]\n"
         "       ventora-run --surroundings FILE --site X,Y [--crs EPSG:N] [--radius R]\n"
         "                   [--sectors N] [--storey-height H] [--default-height H]\n"
         "                   [--format=csv] [JOB | --sweep JOB | --from-idf MODEL.idf]\n"
         "\n"
         "Runs the wind pressure calculation of a job, as the desktop program's Run does:\n"
         "deletes the job's old results, checks the job, computes every element and writes\n"
         "the report beside the job file (JOB.out.txt, or JOB.out.xls with --xls).\n"
         "\n"
         "JOB is a \".in\" job file or the job's name without the extension.\n"
         "Every message box is printed as 'Title: text' on standard error; the path of\n"
         "each file written (report, CSV, sweep export) is printed on standard output.\n"
         "\n"
         "Several jobs (or --jobs-from) make a batch: each job runs exactly as it would\n"
         "alone and writes its own files, up to N at once. Each of its messages is\n"
         "printed as 'JOB: message' on standard error, in one piece when the job ends,\n"
         "and standard output gets one line per finished job instead of the paths:\n"
         "  JOB<tab>VERDICT<tab>ELEMENTS<tab>SECONDS\n"
         "VERDICT is completed, values-missing, stopped, error or not-run; ELEMENTS\n"
         "the elements computed (the job's elements for a sweep). One bad job never\n"
         "stops the others. A job given twice runs once; its repeat is an error.\n"
         "On a terminal, standard error shows the jobs done, the rate and the time left.\n"
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
         "             below 360 (STEP a whole number of degrees; 30 for contam, else 10\n"
         "             when not given), with the job's own wind direction replaced by each\n"
         "             in turn; writes no report but, as --format says:\n"
         "               csv         JOB.sweep.csv: the job's header as # lines, then one\n"
         "                           row per element, one Cp column per direction (empty\n"
         "                           where the run stopped)\n"
         "               energyplus  JOB.sweep.idf: EnergyPlus wind pressure coefficient\n"
         "                           array and values, absolute directions (at most 36);\n"
         "                           several jobs give one fragment, FIRST.sweeps.idf\n"
         "               contam      JOB.sweep.contam.txt: CONTAM wind pressure profiles,\n"
         "                           angles from each facade's normal (STEP divides 360,\n"
         "                           at least 24: at most 16 points a profile)\n"
         "               modelica    PACKAGE.mo beside the job: a package of Outside_CpData\n"
         "                           parameters per element and its wind speed modifier\n"
         "                           Cs (STEP divides 360)\n"
         "             Every export's header says how far a linear interpolation\n"
         "             between its directions misses the model at the worst element\n"
         "             and whole degree, and warns above 0.1 with the step that\n"
         "             brings it below\n"
         "  --spread   add the model's own spread of each element to the CSV (a run's\n"
         "             JOB.out.csv, which it then writes, or --sweep's with --format=csv):\n"
         "             Cp low and Cp high, the lowest and highest Cp within 5 degrees\n"
         "             of the wind direction (1-degree steps) and, on a flat roof, of\n"
         "             the same point of the building entered from its next wall; the\n"
         "             status names what sets a spread wider than 0.2\n"
         "  --compare[=STEP]\n"
         "             write JOB.compare.csv: each wall's mean Cp at the wind directions\n"
         "             AzB, AzB+STEP ... (15 when not given) beside Swami and Chandra's,\n"
         "             the AIVC's and EN 1991-1-4's values, with their sources\n"
         "  --contam-first=N\n"
         "             number the CONTAM profiles from N (to add them to a project that\n"
         "             has N-1), not from 1\n"
         "  --modelica-package=NAME\n"
         "             the Modelica package's name and so its file's, NAME.mo (Ventora_JOB\n"
         "             when not given); no Modelica keyword\n"
         "  --tables=all\n"
         "             every EnergyPlus element as a Table:Lookup, not only those with a\n"
         "             Cp beyond -1..1 (EnergyPlus bounds its coefficient values to -1..1)\n"
         "  --strict   write no export (nor --format=csv) that holds an implausible Cp,\n"
         "             one beyond the envelope of physically possible values: exit\n"
         "             status 2, nothing written\n"
         "  --output=FILE\n"
         "             write the EnergyPlus fragment to FILE\n"
         "  --boundary-layer=M\n"
         "             the site's wind profile boundary layer thickness in m (10 to 3000)\n"
         "             for the reference wind the exports give their consumers; else\n"
         "             EnergyPlus's terrain class nearest VeEXP (210, 270, 370 or 460 m)\n"
         "  --from-idf MODEL.idf\n"
         "             from an EnergyPlus model to its Cp: fits the building box to the\n"
         "             model's exterior walls and roof, puts an element at the centroid of\n"
         "             every exterior AirflowNetwork:MultiZone:Surface, sweeps the wind\n"
         "             (--sweep=STEP, 10 when not given) and writes beside the model\n"
         "             MODEL.ventora.in (the job), MODEL.ventora.sweep.csv and MODEL.cp.idf\n"
         "             (the model with one external node and Cp curve per opening, Input\n"
         "             coefficients at ExternalNode heights; all else unchanged)\n"
         "  --pad PAD  with --from-idf: plan area density of the surrounding buildings,\n"
         "             percent of the ground they cover (the model does not say)\n"
         "  --sbh SBH  with --from-idf: mean height of the surrounding buildings, m\n"
         "  --veexp E  with --from-idf: wind profile exponent (else Site:HeightVariation's,\n"
         "             else from Building's Terrain); a warning names both when it differs\n"
         "             from the model's\n"
         "  --fit=box|enclosing\n"
         "             with --from-idf: the building is the rectangle its exterior walls\n"
         "             form (box, the default; other shapes are refused) or the\n"
         "             smallest-area rectangle round them on plan (enclosing), each\n"
         "             opening on the facade its wall faces nearest\n"
         "  --zones NAME,...\n"
         "             with --from-idf: fit the rectangle to these zones' exterior walls\n"
         "             only; the other zones' openings go to its nearest facade\n" +
         SurroundingsUsage() +
         "  -j N, --jobs=N\n"
         "             run up to N jobs at once (1 to 256; the number of cores when not\n"
         "             given)\n"
         "  --jobs-from FILE\n"
         "             also run the jobs listed in FILE, one path a line, relative to the\n"
         "             current folder (blank lines skipped); - reads the list from\n"
         "             standard input\n"
         "  --damaged-header=zeros\n"
         "             run a job whose first line lacks some of its ten values with those\n"
         "             values at 0, as the desktop program opens it (say which on standard\n"
         "             error); without it such a job is refused with exit status 1\n"
         "  --keep-going\n"
         "             accepted for scripts: a batch always runs every job\n"
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
         "     no file is left unfinished, since each is replaced only whole\n"

         "A batch exits with the worst status of its jobs: 1, then 2, then 3, then 0.\n" +
         GuideLine();
}

}  // namespace ventora::cli
