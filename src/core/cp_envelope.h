#pragma once
// The envelope of physically possible mean local Cp (referred to the wind at
// the building's height) for each role a facade plays, with the source of
// every bound. The model's fitted curves can leave it inside their own
// confidence ranges; the run keeps such values as computed and flags them.
// The guide's page "Where the fitted curves misbehave" prints this table.
//
// The codes' coefficients are design values, not mean Cp at U(BdZ): EN
// 1991-1-4's cpe multiply the peak velocity pressure, ASCE 7's Cp a
// gust-based one. Where the pressure follows the approaching wind (a
// windward wall) they are close to the mean; in separated flow (side walls,
// roof edges) cpe,1 is a local peak, so a bound taken from it is generous
// and flags only values no building has.

#include <array>
#include <cstdint>

#include "core/parameter_limits.h"

namespace ventora::limits {

enum class CpRole : std::uint8_t {
  WindwardWall,       // a wall with the wind within kWindwardWallAngle of its normal
  WindwardWallAbove,  // the same, at a height above the surrounding buildings
  OtherWall,          // a wall in side or leeward wind
  FlatRoof,           // Islope 0
  SingleSlopeRoof,    // Islope 1
  DoubleSlopeRoof,    // Islope 2
};

struct CpBound {
  float value = 0;
  const char* source = nullptr;
};

struct CpEnvelope {
  CpRole role;
  const char* name;  // in messages and the exports' status
  CpBound low;
  CpBound high;
};

// A wall faces the wind while the wind's angle to its normal is at most this.
inline constexpr float kWindwardWallAngle = 45;

// The codes' values are quasi-steady local coefficients (cpe,10 over 10 m2,
// cpe,1 over 1 m2); a mean local Cp does not go beyond the cpe,1 of the
// strongest zone a facade of that role has. Bounds are those values, never
// narrowed, so that only what no code or wind tunnel gives is flagged.
inline constexpr std::array<CpEnvelope, 6> kCpEnvelope{{
    {CpRole::WindwardWall,
     "windward wall",
     {-0.7f,
      "EN 1991-1-4 Table 7.1 zone E (leeward wall) cpe,10 -0.7 for h/d of 5 or more (-0.5 at "
      "h/d 1): a windward wall sheltered by an upwind building lies at most in that "
      "building's wake (Hussain and Lee 1980, skimming flow in dense arrays)"},
     {1.0f,
      "EN 1991-1-4 Table 7.1 zone D cpe,1 +1.0; ASCE 7 Figure 27.3-1 windward wall 0.8: no "
      "mean pressure beyond the stagnation pressure of the wind at the building's height"}},
    {CpRole::WindwardWallAbove,
     "windward wall above the surroundings",
     {0.0f,
      "the part of a wall that rises above the surrounding roofs meets the approaching wind "
      "unsheltered, as an isolated building's windward wall does: EN 1991-1-4 Table 7.1 zone D "
      "+0.7 to +0.8 at every h/d, ASCE 7 Figure 27.3-1 windward wall +0.8; skimming flow, "
      "which can make a windward Cp slightly negative, lies below the array's height (Hussain "
      "and Lee 1980; Bowen 1976, a block 50 to 300 ft high among 50 ft roughness)"},
     {1.0f, "as for a windward wall"}},
    {CpRole::OtherWall,
     "side or leeward wall",
     {-1.4f,
      "EN 1991-1-4 Table 7.1 zone A cpe,1 -1.4 (side wall behind the windward edge); ASCE 7 "
      "Figure 27.3-1 side wall -0.7"},
     {1.0f, "EN 1991-1-4 Table 7.1 zone D cpe,1 +1.0: no more than a wall facing the wind"}},
    {CpRole::FlatRoof,
     "flat roof",
     {-2.5f, "EN 1991-1-4 Table 7.2 zone F cpe,1 -2.5 (sharp eaves, windward edge)"},
     {0.2f, "EN 1991-1-4 Table 7.2 zone I cpe,10 and cpe,1 +0.2"}},
    {CpRole::SingleSlopeRoof,
     "single-slope roof",
     {-2.9f,
      "EN 1991-1-4 Table 7.3b zone Fup cpe,1 -2.9 (pitch 15 to 30 degrees, wind parallel to "
      "the eaves)"},
     {0.8f,
      "EN 1991-1-4 Table 7.3a zones F to H: +0.7 at pitches 30 to 60 degrees, +0.8 only at 75 "
      "degrees (beyond the accepted tilt): the bound keeps 0.1 beyond the code"}},
    {CpRole::DoubleSlopeRoof,
     "double-slope roof",
     {-2.5f, "EN 1991-1-4 Table 7.4a zone F cpe,1 -2.5 (pitch 5 degrees, windward eaves)"},
     {0.8f,
      "EN 1991-1-4 Table 7.4a zones F to H: +0.7 at pitches 30 to 60 degrees, +0.8 only at 75 "
      "degrees (beyond the accepted tilt): the bound keeps 0.1 beyond the code"}},
}};

constexpr const CpEnvelope& EnvelopeOf(CpRole role) {
  return kCpEnvelope[static_cast<std::size_t>(role)];
}

static_assert(EnvelopeOf(CpRole::DoubleSlopeRoof).role == CpRole::DoubleSlopeRoof,
              "the table is in the order of the roles");

// The role of a wall whose normal makes `angle` degrees with the wind, at a
// height above the surrounding buildings or not.
constexpr CpRole WallRole(float angle, bool aboveSurroundings) {
  if (!(angle >= -kWindwardWallAngle && angle <= kWindwardWallAngle)) return CpRole::OtherWall;
  return aboveSurroundings ? CpRole::WindwardWallAbove : CpRole::WindwardWall;
}

constexpr CpRole RoofRole(std::int16_t Islope) {
  return Islope == 1 ? CpRole::SingleSlopeRoof
                     : (Islope == 2 ? CpRole::DoubleSlopeRoof : CpRole::FlatRoof);
}

}  // namespace ventora::limits
