#include "engine/run_limits.h"

#include "core/parameter_limits.h"
#include "core/range_message.h"

namespace ventora {
namespace {

using limits::kAnWind, limits::kAzB, limits::kBdX, limits::kBdY, limits::kBdz, limits::kFAR,
    limits::kIslope, limits::kPAD, limits::kPADIfRatioNot1, limits::kPADIfRbHNot1,
    limits::kPhiRunAccepted, limits::kRbH, limits::kRbHRunAccepted, limits::kSAR, limits::kSbH,
    limits::kVeEXP;

// A confidence box: the finding, a line feed, and that the run goes on.
std::string Continuing(const limits::ParameterLimits& p, float value,
                       const std::string& where = "") {
  return limits::OutsideRangeText({p, value, p.confidence, limits::RangeKind::Confidence, where}) +
         "\nContinuing...";
}

}  // namespace

bool ParametersWithinLimits(const Job& job) {
  // Written as "accepted" tests so that a NaN fails them too.
  return kAzB.accepted.Contains(job.AzB) && kAnWind.accepted.Contains(job.AnWind) &&
         kSbH.accepted.Contains(job.SbH) && kBdz.accepted.Contains(job.Bdz) &&
         kBdX.accepted.Contains(job.BdX) && kBdY.accepted.Contains(job.BdY) &&
         kPAD.accepted.Contains(job.PAD) && kVeEXP.accepted.Contains(job.VeEXP) &&
         kIslope.accepted.Contains(job.Islope) && kPhiRunAccepted.Contains(job.Phi);
}

std::vector<std::string> ParameterConfidenceWarnings(const Job& job) {
  // Only the top of the range; a NaN warns.
  if (kVeEXP.confidence.MeetsHigh(job.VeEXP)) return {};
  return {Continuing(kVeEXP, job.VeEXP)};
}

bool DerivedWithinLimits(const Job& job, const FacadeGeometry& g) {
  const float FAR = g.FacadeFAR[1];
  const float SAR = g.FacadeSAR[1];
  return kRbHRunAccepted.Contains(g.RbH) && kFAR.accepted.Contains(FAR) &&
         kSAR.accepted.Contains(SAR) && (g.RbH == 1 || kPADIfRbHNot1.MeetsHigh(job.PAD)) &&
         (FAR == 1 || kPADIfRatioNot1.MeetsHigh(job.PAD)) &&
         (SAR == 1 || kPADIfRatioNot1.MeetsHigh(job.PAD));
}

std::vector<std::string> DerivedConfidenceWarnings(const FacadeGeometry& g) {
  std::vector<std::string> warnings;
  if (!kRbH.confidence.Contains(g.RbH)) warnings.push_back(Continuing(kRbH, g.RbH, "Bdz / SbH"));
  if (!kFAR.confidence.Contains(g.FacadeFAR[1]))
    warnings.push_back(Continuing(kFAR, g.FacadeFAR[1], "facade 1"));
  if (!kSAR.confidence.Contains(g.FacadeSAR[1]))
    warnings.push_back(Continuing(kSAR, g.FacadeSAR[1], "facade 1"));
  return warnings;
}

}  // namespace ventora
