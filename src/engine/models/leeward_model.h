#pragma once
// Cp of an element on a wall turned away from the wind (relative angle -90
// degrees or less, or 90 degrees or more): the model, its steps and its
// factors.

#include <array>
#include <cstdint>
#include <span>

#include "core/parameter_limits.h"
#include "engine/models/leeward_tables.h"
#include "engine/models/model_input.h"
#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0; an err set already stops the model
// at its first check.
void LeewardCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err);

// The model in three steps, for callers that share the second among the
// elements of a facade at one height: the checks of the element's place;
// the height part, every factor but the horizontal distribution multiplied
// as the Cp multiplies them; then
// WallCpFromParts(part, LeewardAlongFactor(LeewardAlongBand(ZH), angle, XL)).
// The first two give false, err set, when they refuse (the second also when
// err was set already). The horizontal distribution times its band
// multiplier depends on the height only through a band (one number for the
// two bands it is chosen by), so the elements of a facade in one column and
// band share it.
// The place check is inline (every element asks; NaN is refused as well)
// and only a refusal, which says why, is not.
bool LeewardPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err);
inline bool LeewardPlaceAccepted(const RunContext& ctx, float ZH, float XL, std::int16_t& err) {
  if (limits::kXL.accepted.Contains(XL) && limits::kZH.accepted.Contains(ZH)) return true;
  return LeewardPlaceRefused(ctx, XL, err);
}
bool LeewardHeightPart(const RunContext& ctx, const ModelInput& in, double& part,
                       std::int16_t& err);
int LeewardAlongBand(float ZH);
float LeewardAlongFactor(int band, float angle, float XL);

// F1, the reference vertical profile; WallHeightPart(F1, F2..F6) is the
// height part.
float LeewardBaseProfile(float ZH);

// The factors F2 to F6, each written as a 32-bit float; those that can
// refuse their input set err and leave the factor unwritten (the FAR and SAR
// factors write kNotComputedCp when a root form has no real value).

// err 1 and " VeEXP out of range (0.10 - 0.45) " outside 0.10 to 0.45;
// exactly 1 at VeEXP 0.22 whatever ZH.
void LeewardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2, std::int16_t& err);
// err 1 and "PAD out of range (0 - 50) " outside 0 to 50; exactly 1 at PAD 0.
void LeewardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err);
// Exactly 1 at RbH 1; before the division by RbH^(2 VeEXP).
void LeewardRbHFactor(float ZH, float PAD, float RbH, float& F4);

// A FAR or SAR table laid over its grids: row (iPAD - 1) * nZH + iZH holds
// the line a1 r + a2 (ratio below 1) and the root form b1, b2, b3 (ratio
// above 1). Row numbers pick the root form's variant, so a smaller table in
// a test keeps the plain root form of rows 1 to 30.
struct LeewardRatioTable {
  std::span<const std::array<float, 5>> rows;
  std::span<const float> pad;  // slow axis
  std::span<const float> zh;   // fast axis
};
inline constexpr LeewardRatioTable kLeewardFAR{LeewardFARTable, kLeewardRatioPAD, kLeewardZH};
inline constexpr LeewardRatioTable kLeewardSAR{LeewardSARTable, kLeewardRatioPAD, kLeewardZH};

// Exactly 1 at FAR 1. Otherwise err 1 and "PAD out of range (0 - 35)" above
// PAD 35; err 2 and the report line "FAR out of range (leeward facade)" (no
// box) when a root form has no real value. The table is a seam for tests.
void LeewardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                      std::int16_t& err, const LeewardRatioTable& table = kLeewardFAR);
// As the FAR factor with the four-cap root form, "PAD out of range (0 - 35) "
// and "SAR out of range (leeward facade)".
void LeewardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                      std::int16_t& err, const LeewardRatioTable& table = kLeewardSAR);

// The multiplier of the horizontal distribution by ZH band: 0.86, 0.83,
// 0.73, 0.64, 0.61 from ZH 0, 0.2, 0.4, 0.6, 0.8 on (each band includes its
// lower bound).
double LeewardBandMultiplier(float ZH);

// The factors' curves, row by row, at one value of the job's: the factors
// read them, and a plan of a facade's factors reads the very same values.
float LeewardVeEXPRow(float VeEXP, int r);
float LeewardPADRow(float PAD, int r);
float LeewardRbHRow(float RbH, int r);
// The line below a ratio of 1, the root form above.
float LeewardRatioRow(const LeewardRatioTable& table, Ratio which, float ratio, int r);

}  // namespace ventora
