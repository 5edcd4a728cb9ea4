#pragma once
// Cp of an element on a wall turned away from the wind (relative angle
// -90 degrees or less, or 90 degrees or more).

#include <cstdint>

#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0.
void LeewardCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
               float angle, float ZH, float XL, float& Cp, std::int16_t& err);

}  // namespace ventora
