#pragma once
// The limits of the job's header values, of the ratios derived from them and
// of an element's relative position: the range each place accepts, the range
// in which the results are trusted, and the texts that say so. The
// environment dialog, the pre-run check, the run and the Cp models all read
// their bounds from here; each bound is written once.

#include <cstdint>

namespace ventora::limits {

// How one end of a range takes its bound.
enum class End : std::uint8_t {
  Inclusive,  // the bound itself belongs to the range
  Open,       // the bound does not
  Unbounded,  // there is no bound on this side
};

// A range of 32-bit values. Every test is false for NaN.
struct Range {
  float low = 0;
  End lowEnd = End::Unbounded;
  float high = 0;
  End highEnd = End::Unbounded;

  constexpr bool Contains(float v) const { return MeetsLow(v) && MeetsHigh(v); }

  constexpr bool MeetsLow(float v) const {
    switch (lowEnd) {
      case End::Inclusive:
        return v >= low;
      case End::Open:
        return v > low;
      case End::Unbounded:
        break;
    }
    return v == v;  // false only for NaN
  }

  // For checks that look at the top end only.
  constexpr bool MeetsHigh(float v) const {
    switch (highEnd) {
      case End::Inclusive:
        return v <= high;
      case End::Open:
        return v < high;
      case End::Unbounded:
        break;
    }
    return v == v;
  }

  // Beyond the top end: unlike !MeetsHigh, false for NaN.
  constexpr bool Exceeds(float v) const { return v == v && !MeetsHigh(v); }
  // Below the bottom end, false for NaN.
  constexpr bool Undercuts(float v) const { return v == v && !MeetsLow(v); }
  // Beyond either end: unlike !Contains, false for NaN.
  constexpr bool Outside(float v) const { return Undercuts(v) || Exceeds(v); }
  // The nearest value within [low, high]; a NaN stays NaN. For closed ranges.
  constexpr float Clamp(float v) const { return v < low ? low : (v > high ? high : v); }
};

// [low, high]
constexpr Range Closed(float low, float high) {
  return {low, End::Inclusive, high, End::Inclusive};
}
// [low, high)
constexpr Range ClosedOpen(float low, float high) {
  return {low, End::Inclusive, high, End::Open};
}
// (low, high]
constexpr Range OpenClosed(float low, float high) {
  return {low, End::Open, high, End::Inclusive};
}
// (low, infinity]
constexpr Range Above(float low) {
  return {low, End::Open, 0, End::Unbounded};
}

// One value's limits and the words that name it. Every message about a
// range is put together from these (core/range_message.h), so that what a
// message says is what the check does.
struct ParameterLimits {
  Range accepted{};         // by every place that checks it, unless a named range says otherwise
  Range confidence{};       // unbounded: no confidence range is checked
  const char* label = "";   // "Roof tilt"
  const char* symbol = "";  // "Phi"
  const char* unit = "";    // written after the value: "deg.", "m", "%"; empty for ratios
};

// --- Header values -----------------------------------------------------------

inline constexpr ParameterLimits kAzB{
    .accepted = Closed(0, 360),
    .label = "Building azimuth",
    .symbol = "AzB",
    .unit = "deg.",
};

inline constexpr ParameterLimits kAnWind{
    .accepted = Closed(0, 360),
    .label = "Wind direction",
    .symbol = "AnWind",
    .unit = "deg.",
};

inline constexpr ParameterLimits kPAD{
    .accepted = Closed(0, 50),
    .label = "Plan area density",
    .symbol = "PAD",
    .unit = "%",
};
// Tighter PAD limits for a building that is not a cube. The pre-run check
// takes the one for the building's shape (kPAD.accepted for a cube); the run
// and the models look at their tops only.
inline constexpr Range kPADIfRbHNot1 = Closed(0, 40);    // RbH not 1
inline constexpr Range kPADIfRatioNot1 = Closed(0, 35);  // FAR or SAR not 1, whatever RbH

inline constexpr ParameterLimits kSbH{
    .accepted = Above(0),
    .label = "Surrounding buildings' height",
    .symbol = "SbH",
    .unit = "m",
};

// The pre-run check refuses only a zero building dimension, in a box of its
// own; the dialog and the run want more than zero.
inline constexpr ParameterLimits kBdz{
    .accepted = Above(0),
    .label = "Building height",
    .symbol = "Bdz",
    .unit = "m",
};
inline constexpr ParameterLimits kBdX{
    .accepted = Above(0),
    .label = "Building length",
    .symbol = "BdX",
    .unit = "m",
};
inline constexpr ParameterLimits kBdY{
    .accepted = Above(0),
    .label = "Building width",
    .symbol = "BdY",
    .unit = "m",
};

inline constexpr ParameterLimits kVeEXP{
    .accepted = Closed(0.10f, 0.45f),
    .confidence = Closed(0.10f, 0.40f),
    .label = "Wind velocity profile exponent",
    .symbol = "VeEXP",
};
// The dialog takes an exponent from 0: one below 0.10 enters the job and is
// refused by the pre-run check.
inline constexpr Range kVeEXPFieldAccepted = Closed(0, 0.45f);

inline constexpr ParameterLimits kPhi{
    .accepted = ClosedOpen(0, 50),
    .confidence = Closed(0, 45),
    .label = "Roof tilt",
    .symbol = "Phi",
    .unit = "deg.",
};
// A decided difference: the run takes a tilt of exactly 50, which the dialog
// and the pre-run check refuse.
inline constexpr Range kPhiRunAccepted = Closed(0, 50);

inline constexpr ParameterLimits kIslope{
    .accepted = Closed(0, 2),
    .label = "Roof type",
    .symbol = "Islope",
};

// --- Ratios derived from the header values -----------------------------------

inline constexpr ParameterLimits kRbH{
    .accepted = Closed(0, 8),
    .confidence = Closed(0.5f, 4),
    .label = "Relative building height",
    .symbol = "RbH",
};
// The run refuses RbH 0 as well, which the pre-run check lets through (only
// a surrounding height vastly above the building's gives it).
inline constexpr Range kRbHRunAccepted = OpenClosed(0, 8);

// Only the run checks that FAR and SAR are accepted. The pre-run check warns
// about the tops of their confidence ranges only, per facade group.
inline constexpr ParameterLimits kFAR{
    .accepted = Above(0),
    .confidence = Closed(0.5f, 4),
    .label = "Frontal aspect ratio",
    .symbol = "FAR",
};
inline constexpr ParameterLimits kSAR{
    .accepted = Above(0),
    .confidence = Closed(0.5f, 4),
    .label = "Side aspect ratio",
    .symbol = "SAR",
};
// The pre-run check warns about SAR from above 2 on; the run, from above 4.
// Both stay as they are, and each message names its own range.
inline constexpr Range kSARCheckConfidence = Closed(0.5f, 2);

// --- An element's relative position on its facade ----------------------------

// An element outside its facade is refused by the pre-run check and not
// computed by the run; the leeward and roof models check again, each with
// its own texts.
inline constexpr ParameterLimits kXL{.accepted = Closed(0, 1), .symbol = "XL"};
inline constexpr ParameterLimits kZH{.accepted = Closed(0, 1), .symbol = "ZH"};

// An element whose relative position lies outside its facade (a NaN
// position does not).
constexpr bool OutsideFacade(float XL, float ZH) {
  return kXL.accepted.Outside(XL) || kZH.accepted.Outside(ZH);
}

// The height profile of a wall is trusted within this band of its height,
// unless the profile exponent is kExponentWithoutZHBand; the run computes a
// wall element at the nearest height within it.
inline constexpr Range kWallZHBand = Closed(0.1f, 0.9f);
inline constexpr float kExponentWithoutZHBand = 0.22f;
// The pre-run warning about the band lets a rounding step above its top
// pass, so that an element placed at 0.9 of the height is not reported.
inline constexpr Range kWallZHBandCheck = Closed(0.1f, 0.90001f);
// Never beyond this band, whatever the exponent: the run computes walls
// within it, and the pre-run check warns about walls (but on an isolated
// cube) and roof elements outside it.
inline constexpr Range kZHModelBand = Closed(0.07f, 0.93f);

}  // namespace ventora::limits
