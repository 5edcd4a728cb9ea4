#include "calc/export_job_summary.h"

#include "calc/export_text.h"

namespace ventora {
namespace {

std::string RoofWord(std::int16_t Islope) {
  switch (Islope) {
    case 0:
      return "flat";
    case 1:
      return "single slope";
    case 2:
      return "double slope";
    default:
      return "type " + std::to_string(Islope);
  }
}

}  // namespace

float WallAzimuth(const Job& job, int iface) {
  // The run's facade azimuth (AzB + (4 - iface) * 90 in 32 bits), shown
  // within [0, 360).
  float a = job.AzB + static_cast<float>((4 - iface) * 90);
  if (a >= 360) a -= 360;
  return a;
}

std::vector<std::string> JobSummaryLines(const Job& job, const std::string& jobLabel) {
  const auto n = [](float v) { return NumberString(v); };
  std::string walls = "Wall azimuths (deg.): ";
  for (int iface = 1; iface <= 4; ++iface)
    walls += (iface > 1 ? ", " : "") + std::string("facade ") + std::to_string(iface) + " " +
             n(WallAzimuth(job, iface));
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
