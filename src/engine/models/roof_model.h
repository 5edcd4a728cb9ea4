#pragma once
// Cp of an element on the roof (flat, single or double slope).

#include <cstdint>

#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0.
void RoofCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
            float angle, float ZH, float XL, std::int16_t Islope, float Phi, float& Cp,
            std::int16_t& err);

}  // namespace ventora
