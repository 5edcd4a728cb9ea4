#pragma once
// The six correction factors of the windward wall model. Each writes its
// factor as a 32-bit float; those that can refuse their input set err and
// leave the factor unwritten (the FAR and SAR factors write kNotComputedCp).

#include <cstdint>

#include "engine/models/windward_tables.h"
#include "engine/run_context.h"

namespace ventora {

class RowMemo;

// The FAR and SAR tables: per row the line a1 r + a2 (ratio below 1) and the
// root form b1, b2, b3 (ratio above 1).
using WindwardRatioTable = CoefTable<66, 5>;

// err 1 and "VeEXP out of range (0.10 - 0.45)" outside 0.10 to 0.45.
void WindwardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2,
                         std::int16_t& err);

// err 1 and "PAD out of range (0 - 50)" outside 0 to 50.
void WindwardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err);

// With `rows`, the curves evaluated at RbH are kept there (row_memo.h).
void WindwardRbHFactor(float ZH, float PAD, float RbH, float& F4, RowMemo* rows = nullptr);

// err 2 when a root form has no real value: "FAR out of range (windward
// facade)" as a box (unless quiet) and as a report line. The table is a seam
// for tests; the model always uses its own.
void WindwardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                       std::int16_t& err, const WindwardRatioTable& table = WindwardFARTable);

// As the FAR factor, with the four-cap root form and "SAR out of range
// (windward facade)".
void WindwardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                       std::int16_t& err, const WindwardRatioTable& table = WindwardSARTable);

// The horizontal distribution: a cubic in XL chosen by ZH band and angle band,
// mirrored (1 - XL) for negative angles.
void WindwardAngleFactor(float ZH, float angle, float XL, float& F7);
// The same in two steps: the ZH band (1 to 3), then the factor for a height
// in that band, so callers can share it among the heights of a band.
int WindwardAngleBand(float ZH);
float WindwardAngleFactorInBand(int zhBand, float angle, float XL);

}  // namespace ventora
