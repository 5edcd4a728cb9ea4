#pragma once
// Cp of an element on a wall that faces the wind (relative angle strictly
// between -90 and 90 degrees): the model, its steps and its factors.

#include <cstdint>

#include "engine/models/model_input.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/windward_tables.h"
#include "engine/run_context.h"

namespace ventora {

// Cp is written only when err stays 0 (1: VeEXP or PAD out of range,
// 2: FAR or SAR where the fitted curve has no real value); an err set
// already stops the model at its first check.
void WindwardCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err);

// The model in two steps, for callers that share the first among the
// elements of a facade at one height: the height part, every factor but the
// horizontal distribution multiplied as the Cp multiplies them (false, err
// set, when a factor refuses or err was set already); then
// WallCpFromParts(part, WindwardAlongFactor(WindwardAlongBand(ZH), angle, XL)).
// The horizontal distribution depends on the height only through its band,
// so the elements of a facade in one column and band share it.
bool WindwardHeightPart(const RunContext& ctx, const ModelInput& in, double& part,
                        std::int16_t& err);
int WindwardAlongBand(float ZH);
float WindwardAlongFactor(int band, float angle, float XL);

// F1, the reference vertical profile; WallHeightPart(F1, F2..F6) is the
// height part.
float WindwardBaseProfile(float ZH);

// The factors F2 to F6, each written as a 32-bit float; those that can
// refuse their input set err and leave the factor unwritten (the FAR and SAR
// factors write kNotComputedCp).

// err 1 and "VeEXP out of range (0.10 - 0.45)" outside 0.10 to 0.45.
void WindwardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2,
                         std::int16_t& err);
// err 1 and "PAD out of range (0 - 50)" outside 0 to 50.
void WindwardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err);
// Before the division by RbH^(2 VeEXP).
void WindwardRbHFactor(float ZH, float PAD, float RbH, float& F4);

// The FAR and SAR tables: per row the line a1 r + a2 (ratio below 1) and the
// root form b1, b2, b3 (ratio above 1).
using WindwardRatioTable = CoefTable<66, 5>;

// err 2 when a root form has no real value: "FAR out of range (windward
// facade)" as a box (unless quiet) and as a report line. The table is a seam
// for tests; the model always uses its own.
void WindwardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                       std::int16_t& err, const WindwardRatioTable& table = WindwardFARTable);
// As the FAR factor, with the four-cap root form and "SAR out of range
// (windward facade)".
void WindwardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                       std::int16_t& err, const WindwardRatioTable& table = WindwardSARTable);

// The factors' curves, row by row, at one value of the job's: the factors
// read them, and a plan of a facade's factors reads the very same values.
float WindwardVeEXPRow(float VeEXP, int r);
// The PAD factor's row: bands of 0.1 in ZH with no interpolation between
// them. Inline: a plan reads it for every element.
inline int WindwardPADBand(float ZH) {
  return BandIndex(10.0 * (static_cast<double>(ZH) - 0.65) + 2.0, kWindwardPADBands);
}
float WindwardPADRow(float PAD, int r);
float WindwardRbHRow(float RbH, int r);
// The ratio picks the curve's form: the line below 1, the root form above.
float WindwardRatioRow(const WindwardRatioTable& table, Ratio which, float ratio, int r);

}  // namespace ventora
