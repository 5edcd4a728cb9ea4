#include "output/sweep/modelica_export.h"

#include <cctype>
#include <cmath>
#include <regex>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/export_checks.h"
#include "output/sweep/export_text.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

constexpr const char* kDegrees = "*Modelica.Constants.pi/180";

// The library's azimuth: 0 for a wall facing south, pi/2 facing west; ours
// is the compass direction the wall faces, so the two differ by 180 degrees.
float LibraryAzimuth(const Job& job, int iface) {
  float azi = FacadeAzimuth(job, iface) - 180.0f;
  if (azi < 0) azi += 360.0f;
  return azi;
}

std::string NumberList(const std::vector<float>& values) {
  std::string list = "{";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) list += (i % 8 == 0) ? ",\r\n      " : ", ";
    AppendNumber(list, values[i]);
  }
  return list + "}";
}

// Modelica's reserved words, which no class may be named.
constexpr std::string_view kKeywords[] = {
    "algorithm",   "and",          "annotation", "block",       "break",
    "class",       "connect",      "connector",  "constant",    "constrainedby",
    "der",         "discrete",     "each",       "else",        "elseif",
    "elsewhen",    "encapsulated", "end",        "enumeration", "equation",
    "expandable",  "extends",      "external",   "false",       "final",
    "flow",        "for",          "function",   "if",          "import",
    "impure",      "in",           "initial",    "inner",       "input",
    "loop",        "model",        "not",        "operator",    "or",
    "outer",       "output",       "package",    "parameter",   "partial",
    "protected",   "public",       "pure",       "record",      "redeclare",
    "replaceable", "return",       "stream",     "then",        "true",
    "type",        "when",         "while",      "within"};

std::string SpeedModifierText(const Job& job, const ExportInfo& info) {
  return NumberString(
      static_cast<float>(ModelicaSpeedModifier(job, SiteProfile(job, info.boundaryLayer))));
}

void Header(std::string& out, const Job& job, const std::string& jobStem, const ExportInfo& info,
            const std::string& warning) {
  out += "// Wind pressure profiles for Buildings.Fluid.Sources.Outside_CpData.\r\n";
  out += CommentedJobHeader(job, jobStem, info, "// ");
  out += CommentLines(
      "Angle convention: incAngSurNor is the wind direction minus the facade's outward normal "
      "(0 the wind head on, pi/2 the wind from the right of someone looking out), as "
      "Outside_CpData computes it from the weather data's wind direction and azi; azi is the "
      "library's surface azimuth (South 0, West pi/2), 180 degrees from the compass azimuths "
      "above. The roof takes facade 1's azimuth.",
      "// ");
  out += CommentLines(
      "Reference wind: Outside_CpData takes the weather data's wind unchanged, so the speed "
      "modifier Cs = (U(BdZ)/U_met)^2 = " +
          SpeedModifierText(job, info) + " (the package's Cs) makes its wind U(BdZ).",
      "// ");
  out += CommentLines(
      "Use: Buildings.Fluid.Sources.Outside_CpData out(azi=<package>.F1_E1_azi, "
      "incAngSurNor=<package>.incAngSurNor, Cp=<package>.F1_E1_Cp, Cs=<package>.Cs, ...).",
      "// ");
  if (!warning.empty()) out += CommentLines("Warning: " + warning, "// ");
}

void Element(std::string& out, const WindSweep& sweep, const Job& job, std::size_t e, int step) {
  const ElementResult& element = sweep.elements[e];
  const std::string label = ElementLabel(sweep, e);
  std::vector<float> Cp;
  for (const ProfilePoint& point : FacadeProfile(sweep, e, step))
    Cp.push_back(point.second);
  out += "  constant Modelica.Units.SI.Angle " + label +
         "_azi = " + NumberString(LibraryAzimuth(job, element.iface)) + kDegrees +
         "\r\n    \"Facade " + std::to_string(element.iface) + " element " +
         std::to_string(NumberOnFacade(sweep, e)) + ": X " + NumberString(element.X) +
         " m, Z (wall) / Y (roof) " + NumberString(element.Z) + " m\";\r\n";
  out += "  constant Real " + label + "_Cp[" + std::to_string(Cp.size()) +
         "](each unit=\"1\") =\r\n    " + NumberList(Cp) +
         "\r\n    \"Cp status: " + SweptStatusText(sweep, e) + "\";\r\n";
}

// A package named as a class or constant its own text names would find
// itself where it means the other (Modelica.Units.SI.Angle, Real) or hold
// a constant of its own name.
bool UsedByThePackage(const std::string& name) {
  if (name == "Modelica" || name == "incAngSurNor" || name == "Cs") return true;
  static const std::regex element(R"(F[0-9]+_E[0-9]+_(azi|Cp))");
  return std::regex_match(name, element);
}

}  // namespace

bool IsModelicaKeyword(const std::string& name) {
  for (std::string_view keyword : kKeywords)
    if (name == keyword) return true;
  return false;
}

bool IsModelicaIdentifier(const std::string& name) {
  if (IsModelicaKeyword(name)) return false;
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

std::string ModelicaPackageError(const std::string& name) {
  if (IsModelicaKeyword(name))
    return "'" + name + "' is a Modelica keyword, which no package may be named";
  if (!IsModelicaIdentifier(name)) return kModelicaPackageRule;
  if (name == "Real" || name == "Integer" || name == "Boolean" || name == "String")
    return "'" + name + "' is the name of a predefined Modelica type, which Modelica reserves";
  if (UsedByThePackage(name))
    return "'" + name +
           "' is a name the package itself uses (it refers to Modelica.Units.SI.Angle and "
           "Modelica.Constants.pi and holds incAngSurNor, Cs and F<facade>_E<element>_azi and "
           "_Cp): named so, the package would stand where that name is meant";
  return "";
}

std::string DefaultModelicaPackage(const std::string& jobStem) {
  std::string name = "Ventora_" + jobStem;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::string ModelicaCpWarning(const WindSweep& sweep) {
  return ExportCpWarning(sweep,
                         "Their values are written as computed and marked implausible in the "
                         "description of their Cp constant: do not simulate with them.",
                         "Outside_CpData takes Cp of any size; the values are written as "
                         "computed.");
}

std::string ModelicaPackage(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                            const ExportInfo& info, const std::string& package, int step) {
  const std::string missing = StoppedDirectionList(sweep);
  if (!missing.empty()) {
    throw std::invalid_argument(
        "A Modelica wind pressure profile needs a Cp at every angle; the run stopped at wind "
        "directions " +
        missing + " degrees. Nothing was written.");
  }
  std::string out;
  Header(out, job, jobStem, info, ModelicaCpWarning(sweep));
  out += "package " + package + " \"Wind pressure profiles of job " + jobStem + "\"\r\n";
  std::vector<float> angles;
  for (int angle = 0; angle < 360; angle += step)
    angles.push_back(static_cast<float>(angle));
  out += "  constant Modelica.Units.SI.Angle incAngSurNor[" + std::to_string(angles.size()) +
         "] =\r\n    " + NumberList(angles) + kDegrees +
         "\r\n    \"Wind incidence angles relative to the surface normal, every element\";\r\n";
  out += "  constant Real Cs(unit=\"1\") = " + SpeedModifierText(job, info) +
         "\r\n    \"Wind speed modifier of Outside_CpData, (U(BdZ)/U_met)^2: BdZ " +
         NumberString(job.Bdz) + " m, site " + SiteProfileText(job, info.boundaryLayer) +
         ", weather station at " + NumberString(static_cast<float>(kStationHeight)) +
         " m in open country\";\r\n";
  for (std::size_t e = 0; e < sweep.elements.size(); ++e)
    Element(out, sweep, job, e, step);
  out += "end " + package + ";\r\n";
  return out;
}

}  // namespace ventora
