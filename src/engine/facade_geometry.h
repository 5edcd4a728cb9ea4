#pragma once
// The dimensionless quantities of the building and its facades: the
// relative building height RbH and, per facade, the relative wind angle,
// the frontal aspect ratio FAR and the side aspect ratio SAR.

#include <array>

#include "core/job.h"

namespace ventora {

using FacadeValues = std::array<float, kFacadeCount + 1>;  // index 0 unused

struct FacadeGeometry {
  float RbH = 0;               // Bdz / SbH
  FacadeValues FacadeAngle{};  // degrees, in (-180, 180]
  FacadeValues FacadeFAR{};
  FacadeValues FacadeSAR{};
};

// Roof and floor take facade 1's angle and FAR; SAR is the FAR of the next
// facade round the building, and the roof and floor take facade 2's FAR.
FacadeGeometry DeriveFacadeGeometry(const Job& job);

}  // namespace ventora
