#include "engine/run_limits.h"

namespace ventora {
namespace {

bool Within(float value, float low, float high) {
  return low <= value && value <= high;
}

// A confidence box: the finding, a line feed, and that the run goes on.
std::string Continuing(const std::string& finding) {
  return finding + "\nContinuing...";
}

}  // namespace

bool ParametersWithinLimits(const Job& job) {
  // Written as "accepted" tests so that a NaN fails them too.
  return Within(job.AzB, 0, 360) && Within(job.AnWind, 0, 360) && job.SbH > 0 && job.Bdz > 0 &&
         job.BdX > 0 && job.BdY > 0 && Within(job.PAD, 0, 50) && Within(job.VeEXP, 0.10f, 0.45f) &&
         job.Islope >= 0 && job.Islope <= 2 && Within(job.Phi, 0, 50);
}

std::vector<std::string> ParameterConfidenceWarnings(const Job& job) {
  if (job.VeEXP <= 0.40f) return {};
  return {Continuing("VeEXP out of confidence range (0.10 - 0.40)")};
}

bool DerivedWithinLimits(const Job& job, const FacadeGeometry& g) {
  const float FAR = g.FacadeFAR[1];
  const float SAR = g.FacadeSAR[1];
  return g.RbH > 0 && g.RbH <= 8 && FAR > 0 && SAR > 0 && (g.RbH == 1 || job.PAD <= 40) &&
         (FAR == 1 || job.PAD <= 35) && (SAR == 1 || job.PAD <= 35);
}

std::vector<std::string> DerivedConfidenceWarnings(const FacadeGeometry& g) {
  std::vector<std::string> warnings;
  if (!Within(g.RbH, 0.5f, 4))
    warnings.push_back(Continuing("RbH out of confidence range (0.5 - 4)."));
  if (!Within(g.FacadeFAR[1], 0.5f, 4))
    warnings.push_back(Continuing("FAR out of confidence range (0.5 - 4)."));
  if (!Within(g.FacadeSAR[1], 0.5f, 4))
    warnings.push_back(Continuing("SAR out of confidence range (0.5 - 4)."));
  return warnings;
}

}  // namespace ventora
