#pragma once
// The six correction factors of the leeward wall model and the band
// multiplier of its angle factor. Each writes its factor as a 32-bit float;
// those that can refuse their input set err and leave the factor unwritten
// (the FAR and SAR factors write kNotComputedCp when a root form has no real
// value).

#include <array>
#include <cstdint>
#include <span>

#include "engine/models/leeward_tables.h"
#include "engine/run_context.h"

namespace ventora {

class RowMemo;

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

// err 1 and " VeEXP out of range (0.10 - 0.45) " outside 0.10 to 0.45;
// exactly 1 at VeEXP 0.22 whatever ZH.
void LeewardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2, std::int16_t& err);

// err 1 and "PAD out of range (0 - 50) " outside 0 to 50; exactly 1 at PAD 0.
void LeewardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err);

// Exactly 1 at RbH 1; the caller divides by RbH^(2 VeEXP).
// With `rows`, the curves evaluated at RbH are kept there (row_memo.h).
void LeewardRbHFactor(float ZH, float PAD, float RbH, float& F4, RowMemo* rows = nullptr);

// Exactly 1 at FAR 1. Otherwise err 1 and "PAD out of range (0 - 35)" above
// PAD 35; err 2 and the report line "FAR out of range (leeward facade)" (no
// box) when a root form has no real value. The table is a seam for tests.
void LeewardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                      std::int16_t& err, const LeewardRatioTable& table = kLeewardFAR);

// As the FAR factor with the four-cap root form, "PAD out of range (0 - 35) "
// and "SAR out of range (leeward facade)".
void LeewardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                      std::int16_t& err, const LeewardRatioTable& table = kLeewardSAR);

// The horizontal distribution before the band multiplier: a quartic in XL
// (1 - XL for negative angles) by ZH band, interpolated in the angle
// magnitude between 90 and 180 degrees. In two steps: the ZH band (1 to 3),
// then the factor for a height in that band, so callers can share it among
// the heights of a band.
int LeewardAngleBand(float ZH);
float LeewardAngleFactorInBand(int zhBand, float angle, float XL);

// The multiplier of the angle factor by ZH band: 0.86, 0.83, 0.73, 0.64, 0.61
// from ZH 0, 0.2, 0.4, 0.6, 0.8 on (each band includes its lower bound).
double LeewardBandMultiplier(float ZH);
// The same in two steps: the band (0 to 4, NaN in the last), then its
// multiplier.
int LeewardMultiplierBand(float ZH);
double LeewardMultiplierOfBand(int band);

}  // namespace ventora
