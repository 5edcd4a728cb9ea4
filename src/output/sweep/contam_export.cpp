#include "output/sweep/contam_export.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <vector>
#include "core/ascii_case.h"

#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/export_text.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

constexpr const char* kConsequence =
    "CONTAM documents wind pressure coefficients within -1..1; the values are written as "
    "computed, so check how your CONTAM version takes them.";

constexpr const char* kImplausibleConsequence =
    "Their values are written as computed and marked implausible in their profile's "
    "description: do not simulate with them.";

std::string NameSafe(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '-' && c != '_') c = '_';
  }
  return safe;
}

void Header(std::string& out, const Job& job, const std::string& jobStem, const ExportInfo& info,
            const ContamSettings& settings, const std::string& warning) {
  out += "! Wind pressure profiles.\r\n";
  out += CommentedJobHeader(job, jobStem, info, "! ");
  out += CommentLines(
      "Angle convention: the angle of a point is the wind direction minus the facade's azimuth "
      "above (the roof takes facade 1's); 0 is the wind head on, 90 the wind from the right of "
      "someone looking out of the facade. Give each wall in CONTAM its azimuth above.",
      "! ");
  const WindProfile site = SiteProfile(job, info.boundaryLayer);
  out += CommentLines(
      "Reference wind: in the project's wind settings enter reference height H = " +
          NumberString(job.Bdz) + " m (BdZ), velocity profile exponent a = " +
          NumberString(job.VeEXP) + " (VeEXP) and terrain coefficient A0 = " +
          NumberString(static_cast<float>(ContamTerrainCoefficient(site))) +
          " (U_site(10 m)/U_met): CONTAM's wind at the building, U_met A0 (H/10)^a, is then "
          "U(BdZ).",
      "! ");
  out += CommentLines(
      "Profile names: <job>_F<facade>_E<element number>, the elements numbered from 1 on "
      "each facade. "
      "Profiles are numbered from " +
          std::to_string(settings.firstNumber) +
          "; CONTAM wants a project's profiles numbered 1..n and the count "
          "line to say n.",
      "! ");
  if (!warning.empty()) out += CommentLines("Warning: " + warning, "! ");
}

void Element(std::string& out, const WindSweep& sweep, std::size_t e, const std::string& jobStem,
             std::size_t longestLabel, const ContamSettings& settings) {
  const ElementResult& element = sweep.elements[e];
  std::vector<ProfilePoint> points = FacadeProfile(sweep, e, settings.step);
  points.emplace_back(360.0f, points.front().second);
  out += std::to_string(static_cast<std::size_t>(settings.firstNumber) + e) + " " +
         std::to_string(points.size()) + " " + std::to_string(kContamLinearProfile) + " " +
         ContamProfileName(jobStem, ElementLabel(sweep, e), longestLabel) + "\r\n";
  out += jobStem + " facade " + std::to_string(element.iface) + " element " +
         std::to_string(NumberOnFacade(sweep, e)) + ": X " + NumberString(element.X) +
         " m, Z (wall) / Y (roof) " + NumberString(element.Z) + " m; Cp " +
         StatusWord(ElementSweptStatus(sweep, e).worst.plausibility) + "\r\n";
  for (const auto& [angle, Cp] : points) {
    out += ' ';
    AppendNumber(out, angle);
    out += ' ';
    AppendNumber(out, Cp);
    out += "\r\n";
  }
}

// Each facade's last element has its longest label.
std::size_t LongestLabel(const std::array<int, kFacadeCount + 1>& counts) {
  std::size_t longest = 0;
  for (int f = 1; f <= kFacadeCount; ++f)
    if (counts[static_cast<std::size_t>(f)] > 0)
      longest = std::max(longest, ElementLabel(f, counts[static_cast<std::size_t>(f)]).size());
  return longest;
}

std::size_t LongestLabel(const WindSweep& sweep) {
  std::array<int, kFacadeCount + 1> counts{};
  for (const ElementResult& element : sweep.elements)
    ++counts[static_cast<std::size_t>(element.iface)];
  return LongestLabel(counts);
}

std::array<int, kFacadeCount + 1> Counts(const Job& job) {
  std::array<int, kFacadeCount + 1> counts{};
  for (int f = 1; f <= kFacadeCount; ++f)
    counts[static_cast<std::size_t>(f)] = job.ElmCount[static_cast<std::size_t>(f)];
  return counts;
}

}  // namespace

bool ContamStepAccepted(int step) {
  return step >= kContamSmallestStep && step <= 180 && 360 % step == 0;
}

std::string ContamJobPart(const std::string& jobStem, std::size_t longestLabel) {
  const std::size_t room =
      kContamNameLength > longestLabel + 1 ? kContamNameLength - longestLabel - 1 : 0;
  std::string job = NameSafe(jobStem).substr(0, room);
  return job.empty() ? "V" : job;
}

std::string ContamProfileName(const std::string& jobStem, const std::string& label,
                              std::size_t longestLabel) {
  return ContamJobPart(jobStem, longestLabel) + "_" + label;
}

std::string ContamNameClash(const std::vector<ContamJob>& jobs) {
  for (std::size_t a = 0; a < jobs.size(); ++a) {
    const std::string partA = ContamJobPart(jobs[a].stem, LongestLabel(Counts(jobs[a].job)));
    for (std::size_t b = a + 1; b < jobs.size(); ++b) {
      const std::string partB = ContamJobPart(jobs[b].stem, LongestLabel(Counts(jobs[b].job)));
      if (!SameIgnoringCase(partA, partB)) continue;
      for (int f = 1; f <= kFacadeCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        if (jobs[a].job.ElmCount[i] == 0 || jobs[b].job.ElmCount[i] == 0) continue;
        return "the jobs '" + jobs[a].stem + "' and '" + jobs[b].stem +
               "' would give their CONTAM profiles the same names (" + partA + "_" +
               ElementLabel(f, 1) + " ...), and a project holds each name once; rename one " +
               "job file so that the first " + std::to_string(partA.size()) +
               " characters of their names differ";
      }
    }
  }
  return "";
}

std::string ContamCpWarning(const WindSweep& sweep) {
  return ExportCpWarning(sweep, kImplausibleConsequence, kConsequence);
}

std::string ContamProfiles(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                           const ExportInfo& info, const ContamSettings& settings) {
  const std::string missing = StoppedDirectionList(sweep);
  if (!missing.empty()) {
    throw std::invalid_argument(
        "A CONTAM profile needs a Cp at every angle; the run stopped at wind directions " +
        missing + " degrees. Nothing was written.");
  }
  std::string out;
  Header(out, job, jobStem, info, settings, ContamCpWarning(sweep));
  out += std::to_string(sweep.elements.size()) + " ! wind pressure profiles:\r\n";
  const std::size_t longestLabel = LongestLabel(sweep);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e)
    Element(out, sweep, e, jobStem, longestLabel, settings);
  out += "-999\r\n";
  return out;
}

}  // namespace ventora
