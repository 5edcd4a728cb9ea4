#pragma once
// The envelope of physically possible mean local Cp (referred to the wind at
// the building's height) for each role a facade plays, with the source of
// every bound. The model's fitted curves can leave it inside their own
// confidence ranges; the run keeps such values as computed and flags them.
// The guide's page "Where the fitted curves misbehave" prints this table.

#include <array>
#include <cstdint>

#include "core/parameter_limits.h"

namespace ventora::limits {

enum class CpRole : std::uint8_t {
  WindwardWall,     // a wall with the wind within kWindwardWallAngle of its normal
  OtherWall,        // a wall in side or leeward wind
  FlatRoof,         // Islope 0
  SingleSlopeRoof,  // Islope 1
  DoubleSlopeRoof,  // Islope 2
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
inline constexpr std::array<CpEnvelope, 5> kCpEnvelope{{
    {CpRole::WindwardWall,
     "windward wall",
     {-0.7f,
      "EN 1991-1-4 Table 7.1 zone E (leeward wall) cpe,10 -0.7: a windward wall sheltered by an "
      "upwind building lies at most in that building's wake (Hussain and Lee 1980, skimming "
      "flow in dense arrays)"},
     {1.0f,
      "EN 1991-1-4 Table 7.1 zone D cpe,1 +1.0; ASCE 7 Figure 27.3-1 windward wall 0.8: no "
      "mean pressure beyond the stagnation pressure of the wind at the building's height"}},
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
     {-2.9f, "EN 1991-1-4 Table 7.3b zone Fup cpe,1 -2.9 (pitch 15 to 30 degrees, wind along)"},
     {0.8f, "EN 1991-1-4 Table 7.3a zones F to H cpe +0.7 to +0.8 (steep windward slope)"}},
    {CpRole::DoubleSlopeRoof,
     "double-slope roof",
     {-2.5f, "EN 1991-1-4 Table 7.4a zone F cpe,1 -2.5 (pitch 5 degrees, windward eaves)"},
     {0.8f, "EN 1991-1-4 Table 7.4a zones F to H cpe +0.7 to +0.8 (steep windward slope)"}},
}};

constexpr const CpEnvelope& EnvelopeOf(CpRole role) {
  return kCpEnvelope[static_cast<std::size_t>(role)];
}

static_assert(EnvelopeOf(CpRole::DoubleSlopeRoof).role == CpRole::DoubleSlopeRoof,
              "the table is in the order of the roles");

// The role of a wall whose normal makes `angle` degrees with the wind.
constexpr CpRole WallRole(float angle) {
  return angle >= -kWindwardWallAngle && angle <= kWindwardWallAngle ? CpRole::WindwardWall
                                                                     : CpRole::OtherWall;
}

constexpr CpRole RoofRole(std::int16_t Islope) {
  return Islope == 1 ? CpRole::SingleSlopeRoof
                     : (Islope == 2 ? CpRole::DoubleSlopeRoof : CpRole::FlatRoof);
}

// Where the windward FAR and SAR factors' fitted curves go wild: the PAD
// rows 17.5 to 25 take their root-form sums as they are, which turn strongly
// negative once the ratio passes about 1.5; the lookup interpolates them
// into every PAD between the rows beside them, 15 and 30.
inline constexpr Range kMisbehavingPAD{15, End::Open, 30, End::Open};
inline constexpr float kMisbehavingRatio = 1.5f;

}  // namespace ventora::limits
