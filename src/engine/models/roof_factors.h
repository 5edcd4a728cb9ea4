#pragma once
// The pieces of the roof model: the reference profile across the roof, the
// correction factors and the roof-type factors. RoofCp multiplies them; they
// are declared here so that each can be checked on its own.
//
// theta is the roof's wind angle with its sign turned (degrees). Every value
// is a 32-bit float computed in 64-bit arithmetic. A procedure that can
// refuse an input takes the shared status: on a refusal it shows its message
// (unless quiet), sets the status to 1 and leaves its factor unwritten.

#include <cstdint>

#include "engine/run_context.h"

namespace ventora {

float RoofProfile(float ZH);
float RoofAngleFactor(float ZH, float theta);

void RoofVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float theta, float& factor,
                     std::int16_t& status);
// Used only when RbH is exactly 1.
void RoofPADFactor(const RunContext& ctx, float ZH, float PAD, float& factor, std::int16_t& status);
// Without the division by RbH^(2 VeEXP), which RoofCp applies.
void RoofRbHFactor(const RunContext& ctx, float ZH, float PAD, float RbH, float& factor,
                   std::int16_t& status);
void RoofFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& factor,
                   std::int16_t& status);
// Never refuses: the status is taken for the common shape of the factors.
void RoofSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& factor,
                   std::int16_t& status);

// Roof-type factors. theta is already made non-negative (XL mirrored with it)
// and, for the flat and double-slope roofs, folded into 0..90 with ZH
// mirrored. They refuse nothing.
float RoofFlatFactor(float ZH, float theta, float XL);
float RoofSingleSlopeMidFactor(float ZH, float theta, float Phi);
float RoofSingleSlopeFactor(float ZH, float theta, float Phi, float XL);
float RoofDoubleSlopeMidFactor(float ZH, float theta, float Phi);
float RoofDoubleSlopeFactor(float ZH, float theta, float Phi, float XL);

}  // namespace ventora
