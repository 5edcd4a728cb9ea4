#include "output/sweep/contam_export.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

using ProfilePoint = std::pair<float, float>;  // angle from the normal, Cp

// The element's points in increasing angle, closed by 360 with the Cp at 0.
std::vector<ProfilePoint> Profile(const WindSweep& sweep, std::size_t e) {
  const std::int16_t iface = sweep.elements[e].iface;
  std::vector<ProfilePoint> points;
  for (const SweepDirection& d : sweep.directions) {
    const float angle = d.geometry.FacadeAngle[static_cast<std::size_t>(iface)];
    points.emplace_back(angle < 0 ? angle + 360.0f : angle, d.Cp[e]);
  }
  std::sort(points.begin(), points.end());
  if (points.empty() || points.front().first != 0.0f) {
    throw std::invalid_argument("The wind directions miss the normal of facade " +
                                std::to_string(iface) + "; use a step that divides 90 degrees.");
  }
  points.emplace_back(360.0f, points.front().second);
  return points;
}

void Header(std::string& out, const Job& job, const std::string& jobStem) {
  out += "! Wind pressure profiles computed by Ventora.\r\n";
  for (const std::string& line : JobSummaryLines(job, jobStem))
    out += "! " + line + "\r\n";
  out += "! Angles are measured from each facade's normal; give the wall its azimuth\r\n";
  out += "! above. Profile names: F<facade>_E<element number>, as in the job's report.\r\n";
}

void Element(std::string& out, const WindSweep& sweep, std::size_t e, const std::string& jobStem) {
  const ElementResult& element = sweep.elements[e];
  const std::vector<ProfilePoint> points = Profile(sweep, e);
  const std::string name = ElementLabel(element.iface, element.k);
  out += std::to_string(e + 1) + " " + std::to_string(points.size()) + " " +
         std::to_string(kContamLinearProfile) + " " + name + "\r\n";
  out += jobStem + " facade " + std::to_string(element.iface) + " element " +
         std::to_string(element.k) + ": X " + NumberString(element.X) + " m, Z or Y " +
         NumberString(element.Z) + " m\r\n";
  for (const auto& [angle, Cp] : points) {
    out += ' ';
    AppendNumber(out, angle);
    out += ' ';
    AppendNumber(out, Cp);
    out += "\r\n";
  }
}

}  // namespace

Job ContamSweepJob(const Job& job) {
  Job turned = job;
  turned.AzB = 0;
  return turned;
}

bool ContamStepAccepted(float step) {
  if (!(step > 0 && step <= 90)) return false;
  const double parts = 90.0 / step;
  return parts == std::floor(parts);
}

std::string ContamProfiles(const WindSweep& sweep, const Job& job, const std::string& jobStem) {
  const std::string missing = StoppedDirectionList(sweep);
  if (!missing.empty()) {
    throw std::invalid_argument(
        "A CONTAM profile needs a Cp at every angle; the run stopped at wind directions " +
        missing + " degrees. Nothing was written.");
  }
  std::string out;
  Header(out, job, jobStem);
  out += std::to_string(sweep.elements.size()) + " ! wind pressure profiles:\r\n";
  for (std::size_t e = 0; e < sweep.elements.size(); ++e)
    Element(out, sweep, e, jobStem);
  out += "-999\r\n";
  return out;
}

}  // namespace ventora
