#include "output/sweep/export_job_summary.h"

#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"
#include "output/text_report_writer.h"

namespace ventora {
namespace {

// The report's word for the roof type; the number itself when it has none.
std::string RoofWord(std::int16_t Islope) {
  const std::string word = RoofTypeWord(Islope);
  return word.empty() ? "type " + std::to_string(Islope) : word;
}

}  // namespace

float WallAzimuth(const Job& job, int iface) {
  // The run's facade azimuth (AzB + (4 - iface) * 90 in 32 bits), shown
  // within [0, 360).
  float a = job.AzB + static_cast<float>((4 - iface) * 90);
  if (a >= 360) a -= 360;
  return a;
}

float FacadeAzimuth(const Job& job, int iface) {
  return WallAzimuth(job, iface >= 1 && iface <= 4 ? iface : 1);
}

std::vector<std::string> ReferenceLines(const Job& job, const ExportInfo& info) {
  const WindProfile site = SiteProfile(job, info.boundaryLayer);
  const auto n = [](double v) { return NumberString(static_cast<float>(v)); };
  return {
      "Computed by Ventora " + info.version + ".",
      "Cp = (p - p0) / (rho U^2 / 2) with U the wind speed at the building height BdZ " +
          n(job.Bdz) + " m in the site's undisturbed wind profile U(z) = U_met (" +
          n(kStationProfile.boundaryLayer) + "/" + n(kStationHeight) + ")^" +
          n(kStationProfile.exponent) + " (z/delta)^alpha, U_met the weather data's wind at " +
          n(kStationHeight) + " m in open country, the site's " +
          SiteProfileText(job, info.boundaryLayer) +
          ": U(BdZ) = " + n(WindSpeedRatio(site, job.Bdz)) + " U_met.",
  };
}

std::string CommentedJobHeader(const Job& job, const std::string& jobLabel, const ExportInfo& info,
                               const std::string& mark) {
  std::string text;
  for (const std::string& line : ReferenceLines(job, info))
    text += CommentLines(line, mark);
  for (const std::string& line : JobSummaryLines(job, jobLabel))
    text.append(mark).append(line).append("\r\n");
  return text;
}

std::vector<std::string> JobSummaryLines(const Job& job, const std::string& jobLabel) {
  const auto n = [](float v) { return NumberString(v); };
  std::string walls = "Wall azimuths (deg.): ";
  for (Facade wall : kWalls) {
    const int iface = FacadeIndex(wall);
    walls += (wall != Facade::Wall1 ? ", " : "") + std::string("facade ") + std::to_string(iface) +
             " " + n(WallAzimuth(job, iface));
  }
  return {
      "Job: " + jobLabel,
      "Building: azimuth AzB " + n(job.AzB) + " deg., length BdX " + n(job.BdX) + " m, width BdY " +
          n(job.BdY) + " m, height Bdz " + n(job.Bdz) + " m",
      "Roof: " + RoofWord(job.Islope) + ", tilt Phi " + n(job.Phi) + " deg.",
      "Surroundings: plan area density PAD " + n(job.PAD) + " %, height SbH " + n(job.SbH) +
          " m; wind profile exponent VeEXP " + n(job.VeEXP),
      walls,
      "The roof (facade 5) takes facade 1's angle to the wind.",
  };
}

}  // namespace ventora
