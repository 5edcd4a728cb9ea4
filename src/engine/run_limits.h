#pragma once
// The limits within which the Cp model holds, checked by the run before any
// element is computed, and the confidence ranges it warns about.

#include <string>
#include <vector>

#include "core/job.h"
#include "core/parameter_limits.h"
#include "engine/facade_geometry.h"

namespace ventora {

// True when the job's header values lie within the model's limits (first
// failure decides; Phi = 50 is accepted).
bool ParametersWithinLimits(const Job& job);

// The confidence warning for the header values (none when VeEXP <= 0.40).
std::vector<std::string> ParameterConfidenceWarnings(const Job& job);

// True when RbH, FAR and SAR of facade 1 and PAD fit together.
bool DerivedWithinLimits(const Job& job, const FacadeGeometry& g);

// The confidence warnings for RbH, FAR and SAR of facade 1, in that order.
std::vector<std::string> DerivedConfidenceWarnings(const FacadeGeometry& g);

// The ZH an element is computed at: walls within the height profile's band
// (unless the exponent has none) and never beyond the model's band; the roof
// and the floor take ZH as it is. Inline: the walk clamps every element.
inline float ClampedZH(Facade facade, float ZH, float VeEXP) {
  if (!IsWall(facade)) return ZH;
  if (VeEXP != limits::kExponentWithoutZHBand) ZH = limits::kWallZHBand.Clamp(ZH);
  return limits::kZHModelBand.Clamp(ZH);
}

}  // namespace ventora
