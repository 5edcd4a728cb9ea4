#pragma once
// Cp of an element on the roof (flat, single or double slope): the model,
// its steps and its pieces, declared here so that each can be checked on its
// own.
//
// theta is the roof's wind angle with its sign turned (degrees). Every value
// is a 32-bit float computed in 64-bit arithmetic. A piece that can refuse an
// input takes the shared status: on a refusal it shows its message (unless
// quiet), sets the status to 1 and leaves its factor unwritten.

#include <cstdint>

#include "core/parameter_limits.h"
#include "engine/models/model_input.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"
#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0; an err set already stops the model
// at its first check.
void RoofCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err);

// The model in three steps, for callers that share the second among the
// elements of the roof at one ZH: the checks of the element's place; the
// profile and every correction that does not depend on the roof type,
// multiplied as the Cp multiplies them; then the Cp from that part (RoofCpAt).
// The first two give false, err set, when they refuse (the second also when
// err was set already).
// The place check is inline (every element asks; NaN is refused as well)
// and only a refusal, which says why, is not.
bool RoofPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err);
inline bool RoofPlaceAccepted(const RunContext& ctx, float ZH, float XL, std::int16_t& err) {
  if (limits::kXL.accepted.Contains(XL) && limits::kZH.accepted.Contains(ZH)) return true;
  return RoofPlaceRefused(ctx, XL, err);
}
bool RoofHeightPart(const RunContext& ctx, const ModelInput& in, double& part, std::int16_t& err);
float RoofCpAt(double heightPart, float angle, float ZH, float XL, std::int16_t Islope, float Phi);

// The corrections that do not depend on the roof type, in the order of their
// range checks, each stored as the model stores it.
struct RoofCorrections {
  float angleVeEXP = 1.0f;  // angle factor times VeEXP factor
  float pad = 1.0f;
  float rbh = 1.0f;  // already divided by RbH^(2 VeEXP)
  float far = 1.0f;
  float sar = 1.0f;
};

// The height part from the profile and the corrections, multiplied as the Cp
// multiplies them.
inline double RoofHeightPartOf(float profile, const RoofCorrections& c) {
  return static_cast<double>(profile) * c.angleVeEXP * c.pad * c.rbh * c.far * c.sar;
}

float RoofProfile(float ZH);
float RoofAngleFactor(float ZH, float theta);
void RoofVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float theta, float& factor,
                     std::int16_t& status);
// Used only when RbH is exactly 1.
void RoofPADFactor(const RunContext& ctx, float ZH, float PAD, float& factor, std::int16_t& status);
// Before the division by RbH^(2 VeEXP).
void RoofRbHFactor(const RunContext& ctx, float ZH, float PAD, float RbH, float& factor,
                   std::int16_t& status);
void RoofFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& factor,
                   std::int16_t& status);
// Never refuses.
float RoofSARFactor(float ZH, float SAR, float PAD);

// Roof-type factors. theta is already made non-negative (XL mirrored with it)
// and, for the flat and double-slope roofs, folded into 0..90 with ZH
// mirrored. They refuse nothing.
float RoofFlatFactor(float ZH, float theta, float XL);
float RoofSingleSlopeMidFactor(float ZH, float theta, float Phi);
float RoofSingleSlopeFactor(float ZH, float theta, float Phi, float XL);
float RoofDoubleSlopeMidFactor(float ZH, float theta, float Phi);
float RoofDoubleSlopeFactor(float ZH, float theta, float Phi, float XL);

// The corrections' curves, row by row, at the job's values, and the bands
// that pick the rows: the corrections read them, and a plan of the roof's
// corrections reads the very same values.
// The ZH band of the angle and VeEXP tables: 1 below 0.2, ..., 5 from 0.8 on
// (ZH = 1 stays in band 5). Inline: a plan reads it for every element.
inline int RoofZHBand(float ZH) {
  return BandIndex(5.0 * ZH + 1.0, kRoofZHBands);
}
// The angle factor's row for a band of ZH and a wind angle t (not 0).
float RoofAngleRow(float t, int band);
// Wind from behind the roof reads the VeEXP table from the other edge: ZH
// mirrored, and the angle band of the mirrored angle.
struct RoofVeEXPAngle {
  bool mirrored = false;
  int band = 1;
};
RoofVeEXPAngle RoofVeEXPAngleOf(float theta);
float RoofVeEXPRow(float VeEXP, int row);
float RoofPADRow(float PAD, int r);
// A logistic curve above an RbH of 1, a line below.
float RoofRbHRow(float RbH, int r);
float RoofFARRow(float FAR, float PAD, int r);
float RoofSARRow(float SAR, float PAD, int r);

}  // namespace ventora
