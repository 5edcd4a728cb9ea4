#pragma once
// The surroundings' PAD against the model: the limit for the building's
// shape, as the check before the run takes it, and the words ventora-run
// and the desktop program use when a site's PAD exceeds it. Header only:
// both say it without loading the site library.

#include <iomanip>
#include <sstream>
#include <string>

#include "core/job.h"
#include "core/parameter_limits.h"

namespace ventora::site {

inline float ModelPadLimit(const Job& job) {
  const bool cube = job.Bdz == job.SbH && job.BdX == job.Bdz && job.BdY == job.Bdz;
  if (cube) return limits::kPAD.accepted.high;
  if (job.BdX != job.Bdz || job.BdY != job.Bdz) return limits::kPADIfRatioNot1.high;
  return limits::kPADIfRbHNot1.high;
}

// Empty while the job's PAD is within the limit.
inline std::string PadAboveLimitText(const Job& job) {
  if (!(job.PAD > ModelPadLimit(job))) return "";
  std::ostringstream limit, text;
  limit << ModelPadLimit(job);  // "35", as the table of limits has it
  text << "PAD " << std::fixed << std::setprecision(1) << job.PAD
       << " % is above the model's limit of " << limit.str()
       << " % for this building: the check before the run refuses it. A smaller radius, or a "
          "site off the densest blocks, gives a value the model covers";
  return text.str();
}

}  // namespace ventora::site
