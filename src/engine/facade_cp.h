#pragma once
// Routes one element to the model of its facade: windward or leeward wall
// model by the facade's relative wind angle, the roof model for facade 5,
// no model for the floor.

#include <array>
#include <cstdint>

#include "core/job.h"
#include "engine/run_context.h"

namespace ventora {

using FacadeValues = std::array<float, kFacadeCount + 1>;  // index 0 unused

void FacadeCp(const RunContext& ctx, const FacadeValues& FacadeAngle, float PAD, float RbH,
              float VeEXP, const FacadeValues& FacadeFAR, const FacadeValues& FacadeSAR,
              std::int16_t iface, float XL, float ZH, std::int16_t Islope, float Phi, float& Cp,
              std::int16_t& err);

}  // namespace ventora
