#pragma once
// Cp of an element on a wall turned away from the wind (relative angle
// -90 degrees or less, or 90 degrees or more).

#include <cstdint>

#include "core/parameter_limits.h"
#include "engine/models/leeward_plan.h"
#include "engine/models/wall_parts.h"
#include "engine/run_context.h"

namespace ventora {

// The refusal of an element's place (XL decides which message): says why,
// sets err and gives false.
bool LeewardPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err);

// Cp is written only when err stays 0.
void LeewardCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
               float angle, float ZH, float XL, float& Cp, std::int16_t& err);

// LeewardCp in three steps, for callers that share the second among the
// elements of a facade at one height: the checks of the element's place,
// every factor but the horizontal distribution multiplied as the Cp
// multiplies them, then the Cp from that part. The first two give false,
// err set, when they refuse (the second also when err was set already).
// The place check is inline (every element asks; NaN is refused as well)
// and only a refusal, which says why, is not.
inline bool LeewardPlaceAccepted(const RunContext& ctx, float ZH, float XL, std::int16_t& err) {
  if (limits::kXL.accepted.Contains(XL) && limits::kZH.accepted.Contains(ZH)) return true;
  return LeewardPlaceRefused(ctx, XL, err);
}
bool LeewardHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR,
                       float SAR, float ZH, double& part, std::int16_t& err);
// The height part from a plan of the job's values for the element's facade,
// bit for bit as LeewardHeightPart gives it. False when a FAR or SAR curve the
// element reads has no real value: LeewardHeightPart then refuses it.
bool LeewardHeightPartPlanned(const LeewardPlan& plan, float ZH, double& part);
float LeewardCpAt(double heightPart, float angle, float ZH, float XL);
// LeewardCpAt's second factor, the horizontal distribution times its band
// multiplier, depends on the element's height only through a band (one
// number for the two bands it is chosen by), so the elements of a facade in
// one column and band share it: LeewardCpAt(part, angle, ZH, XL) is
// WallCpFromParts(part, LeewardAlongFactor(LeewardAlongBand(ZH), angle, XL)).
int LeewardAlongBand(float ZH);
float LeewardAlongFactor(int band, float angle, float XL);

}  // namespace ventora
