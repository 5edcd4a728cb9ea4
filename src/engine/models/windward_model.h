#pragma once
// Cp of an element on a wall that faces the wind (relative angle strictly
// between -90 and 90 degrees).

#include <cstdint>

#include "engine/models/wall_parts.h"
#include "engine/models/windward_plan.h"
#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0 (1: VeEXP or PAD out of range,
// 2: FAR or SAR where the fitted curve has no real value).
void WindwardCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                float angle, float ZH, float XL, float& Cp, std::int16_t& err);

// WindwardCp in two steps, for callers that share the first among the
// elements of a facade at one height: every factor but the horizontal
// distribution, multiplied as the Cp multiplies them (false, err set, when a
// factor refuses or err was set already), then the Cp from that part.
bool WindwardHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR,
                        float SAR, float ZH, double& part, std::int16_t& err);
// The height part from a plan of the job's values for the element's facade,
// bit for bit as WindwardHeightPart gives it. False when a FAR or SAR curve the
// element reads has no real value: WindwardHeightPart then refuses it.
bool WindwardHeightPartPlanned(const WindwardPlan& plan, float ZH, double& part);
float WindwardCpAt(double heightPart, float angle, float ZH, float XL);
// WindwardCpAt's second factor, the horizontal distribution, depends on the
// element's height only through a band, so the elements of a facade in one
// column and band share it: WindwardCpAt(part, angle, ZH, XL) is
// WallCpFromParts(part, WindwardAlongFactor(WindwardAlongBand(ZH), angle, XL)).
int WindwardAlongBand(float ZH);
float WindwardAlongFactor(int band, float angle, float XL);

}  // namespace ventora
