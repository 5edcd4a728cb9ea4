#pragma once
// Cp of an element on the roof (flat, single or double slope).

#include <cstdint>

#include "core/parameter_limits.h"
#include "engine/models/roof_plan.h"
#include "engine/run_context.h"

namespace ventora {

// The refusal of an element's place (XL decides which message): says why,
// sets err and gives false.
bool RoofPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err);

// Cp is written only when err stays 0.
void RoofCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
            float angle, float ZH, float XL, std::int16_t Islope, float Phi, float& Cp,
            std::int16_t& err);

// RoofCp in three steps, for callers that share the second among the
// elements of the roof at one ZH: the checks of the element's place, the
// profile and every correction that does not depend on the roof type,
// multiplied as the Cp multiplies them, then the Cp from that part. The first
// two give false, err set, when they refuse (the second also when err was set
// already).
// The place check is inline (every element asks; NaN is refused as well)
// and only a refusal, which says why, is not.
inline bool RoofPlaceAccepted(const RunContext& ctx, float ZH, float XL, std::int16_t& err) {
  if (limits::kXL.accepted.Contains(XL) && limits::kZH.accepted.Contains(ZH)) return true;
  return RoofPlaceRefused(ctx, XL, err);
}
bool RoofHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                    float angle, float ZH, double& part, std::int16_t& err);
// The height part from a plan of the job's values for the roof, bit for bit
// as RoofHeightPart gives it (a plan is made only for values the model
// accepts, and the roof refuses no height the place checks let through).
double RoofHeightPartPlanned(const RoofPlan& plan, float ZH);
float RoofCpAt(double heightPart, float angle, float ZH, float XL, std::int16_t Islope, float Phi);

}  // namespace ventora
