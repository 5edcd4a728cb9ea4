#include "surroundings_option.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "cli_options.h"
#include "core/cancellation.h"
#include "core/parameter_limits.h"
#include "interrupt.h"
#include "site/site_library.h"
#include "site/surroundings_limits.h"
#include "valued_options.h"

namespace ventora::cli {
namespace {

using site::SectorValues;
using site::SurroundingsAnswer;
using site::SurroundingsQuery;

bool ReadNumber(const std::string& text, double& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

std::string ReadSite(const std::string& text, SurroundingsOptions& options) {
  const std::size_t comma = text.find(',');
  double x = 0, y = 0;
  if (comma == std::string::npos || !ReadNumber(text.substr(0, comma), x) ||
      !ReadNumber(text.substr(comma + 1), y))
    return "--site " + text +
           ": give the site as X,Y in the file's coordinates (lon,lat for GeoJSON, "
           "easting,northing for projected data), e.g. --site 24.9384,60.1699";
  const limits::Range& range = site::kCoordinateLimit.range;
  if (!site::Within(x, range) || !site::Within(y, range))
    return site::OptionOutside(site::kCoordinateLimit, text);
  options.x = x;
  options.y = y;
  return "";
}

std::string ReadLength(const site::SurroundingsLimit& limit, const std::string& text,
                       std::optional<double>& length) {
  double value = 0;
  if (!ReadNumber(text, value))
    return std::string(limit.option) + " " + text + ": a length is needed, " +
           site::RangeText(limit);
  if (!site::Within(value, limit.range)) return site::OptionOutside(limit, text);
  length = value;
  return "";
}

std::string ReadOption(const std::string& name, const std::string& value,
                       SurroundingsOptions& options) {
  if (name == "--surroundings") {
    if (value.empty()) return "--surroundings needs a file of building footprints";
    options.file = value;
    return "";
  }
  if (name == "--site") return ReadSite(value, options);
  if (name == "--crs") {
    options.crs = value;
    return value.empty() ? "--crs needs a reference system, e.g. EPSG:28992" : "";
  }
  if (name == "--radius") return ReadLength(site::kRadiusLimit, value, options.radius);
  if (name == "--default-height")
    return ReadLength(site::kHeightLimit, value, options.defaultHeight);
  if (name == "--storey-height") {
    std::optional<double> height;
    std::string error = ReadLength(site::kStoreyHeightLimit, value, height);
    if (height) options.storeyHeight = *height;
    return error;
  }
  // --sectors
  const auto [end, error] =
      std::from_chars(value.data(), value.data() + value.size(), options.sectors);
  if (error != std::errc{} || end != value.data() + value.size() ||
      !site::Within(options.sectors, site::kSectorsLimit.range))
    return "--sectors " + value + ": the number of wind sectors is a whole number from 1 to 360";
  return "";
}

bool IsSurroundingsOption(const std::string& name) {
  return name == "--surroundings" || name == "--site" || name == "--crs" || name == "--radius" ||
         name == "--sectors" || name == "--storey-height" || name == "--default-height";
}

SurroundingsAnswer Ask(const SurroundingsOptions& options, double buildingHeight) {
  SurroundingsQuery query;
  query.file = options.file;
  query.site = {*options.x, *options.y};
  query.crs = options.crs;
  query.radius = options.radius;
  query.buildingHeight = buildingHeight;
  query.sectors = options.sectors;
  query.storeyHeight = options.storeyHeight;
  query.defaultHeight = options.defaultHeight;
  query.cancel = InterruptFlag();
  SurroundingsAnswer answer = site::FindThroughSiteLibrary(query);
  // main() says what a SIGINT or SIGTERM left: nothing is written yet.
  if (answer.cancelled) throw Cancelled();
  return answer;
}

std::string Number(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

std::string SbHText(const SectorValues& row) {
  return row.sbh ? Number(*row.sbh, 2) : "";
}

void PrintTable(const SurroundingsAnswer& answer, std::ostream& out) {
  out << "sector from (deg)  sector to (deg)  PAD (%)  SbH (m)  buildings counted  "
         "buildings without a height\n";
  for (const SectorValues& row : answer.values.rows)
    out << std::setw(17) << Number(row.from, 1) << std::setw(17) << Number(row.to, 1)
        << std::setw(9) << Number(row.pad, 2) << std::setw(9) << (row.sbh ? SbHText(row) : "-")
        << std::setw(19) << row.buildings << std::setw(28) << row.withoutHeight << '\n';
}

void PrintCsv(const SurroundingsAnswer& answer, std::ostream& out) {
  out << "sector from (deg),sector to (deg),PAD (%),SbH (m),buildings counted,"
         "buildings without a height\n";
  for (const SectorValues& row : answer.values.rows)
    out << Number(row.from, 3) << ',' << Number(row.to, 3) << ',' << Number(row.pad, 4) << ','
        << (row.sbh ? Number(*row.sbh, 4) : "") << ',' << row.buildings << ',' << row.withoutHeight
        << '\n';
}

void PrintNotes(const SurroundingsAnswer& answer, std::ostream& err) {
  for (const std::string& note : answer.notes)
    err << "ventora-run: note: " << note << '\n';
}

}  // namespace

std::vector<std::string> TakeSurroundingsOptions(const std::vector<std::string>& args,
                                                 SurroundingsOptions& options, std::string& error) {
  return TakeValuedOptions(
      args, IsSurroundingsOption,
      [&options](const std::string& name, const std::string& value) {
        return ReadOption(name, value, options);
      },
      error);
}

std::string CheckSurroundingsOptions(const CliOptions& options) {
  const SurroundingsOptions& s = options.surroundings;
  if (!s.Given()) {
    if (s.x || !s.crs.empty() || s.radius || s.sectors != 1 || s.defaultHeight)
      return "--site, --crs, --radius, --sectors and --default-height go with --surroundings FILE";
    return "";
  }
  if (!s.x) return "--surroundings needs --site X,Y: the studied building's centre";
  if (options.pad || options.sbh)
    return "--pad and --sbh give PAD and SbH, which --surroundings computes from the "
           "footprints: give one or the other";
  const bool withJob =
      !options.jobs.empty() || !options.jobsFrom.empty() || !options.fromIdf.empty();
  if (!withJob && !s.radius)
    return "--surroundings without a job needs --radius R (m); with a job it follows from the "
           "building's height";
  if (options.Batch()) return "--surroundings describes one site: give only one job";
  if (withJob && s.sectors > 1 && (options.sweepStep == 0 || !options.fromIdf.empty()))
    return "--sectors with a job gives each wind direction of a sweep the values of its sector: "
           "add --sweep (a single run, and --from-idf, take the all-round values)";
  if (withJob && s.sectors > 1 && (options.format == "contam" || options.format == "modelica"))
    return "--sectors goes with --format=csv or energyplus: the " + options.format +
           " profiles take angles from each facade, not from north";
  if (!withJob && (options.sweepStep != 0 || options.workbook || !options.mapFile.empty()))
    return "--sweep, --xls and --map need a job: --surroundings alone prints PAD and SbH";
  if (!withJob && !options.format.empty() && options.format != "csv")
    return "--surroundings prints a table, or CSV with --format=csv";
  return "";
}

int PrintSurroundings(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const SurroundingsAnswer answer = Ask(options.surroundings, 0);
  if (!answer.error.empty()) {
    err << "ventora-run: " << answer.error << '\n';
    return 1;
  }
  if (options.format == "csv")
    PrintCsv(answer, out);
  else
    PrintTable(answer, out);
  PrintNotes(answer, err);
  const double pad = answer.values.rows.front().pad;
  if (pad > limits::kPAD.accepted.high)
    err << "ventora-run: note: PAD " << Number(pad, 1) << " % is above the model's range (at most "
        << limits::kPAD.accepted.high << " % for a cube, " << limits::kPADIfRatioNot1.high
        << " % for other shapes): a job refuses it; a smaller radius or a site off the "
           "densest blocks gives a value the model covers\n";
  return 0;
}

bool ApplySurroundings(const SurroundingsOptions& options, Job& job, std::ostream& err,
                       AppliedSurroundings* applied) {
  const SurroundingsForJob taken = ventora::ApplySurroundings(
      Ask(options, job.Bdz), {options.file, *options.x, *options.y, "--default-height H"}, job);
  for (const std::string& line : taken.lines)
    err << "ventora-run: " << line << '\n';
  if (taken.applied && applied) *applied = taken.surroundings;
  return taken.applied;
}

std::string SurroundingsUsage() {
  return "  --surroundings FILE --site X,Y\n"
         "             PAD and SbH from the building footprints in FILE (GeoJSON, CityJSON,\n"
         "             or what GDAL reads: Shapefile, GeoPackage, FlatGeobuf, OpenStreetMap\n"
         "             PBF), within a circle round the site X,Y (the studied building's\n"
         "             centre, in the file's coordinates: lon,lat for GeoJSON), the\n"
         "             building holding the site left out. Without a job: prints one row\n"
         "             for all directions (and one per sector); with a job: runs it with\n"
         "             the all-round values; with --from-idf: instead of --pad and --sbh\n"
         "  --crs EPSG:N\n"
         "             the reference system of FILE's coordinates, when it names none\n"
         "  --radius R the circle's radius, m (with a job: 5 x max(Bdz, SbH), at least 50)\n"
         "  --sectors N\n"
         "             also one row per wind sector of 360/N degrees centred on 0, 360/N...;\n"
         "             with --sweep each direction takes its sector's values\n"
         "  --storey-height H\n"
         "             m per building:levels where a building has no height (3)\n"
         "  --default-height H\n"
         "             the height of buildings without one (else they count in PAD only)\n";
}

}  // namespace ventora::cli
