#pragma once
// The range of Cp a picture's colours or axis cover, shared by the Cp map
// and the plot of Cp against the wind direction: automatic, symmetric about
// 0 with round ends just beyond the largest magnitude shown, or fixed at
// -1.5 to +1.0, the same for every picture so that pictures compare.

namespace ventora {

struct CpScale {
  float bound = 1;  // the automatic scale runs from -bound to +bound
  bool fixed = false;
  static constexpr float kFixedLower = -1.5f;
  static constexpr float kFixedUpper = 1.0f;

  float Lower() const { return fixed ? kFixedLower : -bound; }
  float Upper() const { return fixed ? kFixedUpper : bound; }
  // A value drawn at the scale's end, and marked so.
  bool Outside(float cp) const { return cp < Lower() || cp > Upper(); }
};

// The smallest of 0.1, 0.2, 0.25, 0.5, 1, 2, 2.5, 5, 10 ... that is at least
// `largest` (a magnitude), so the scale's ends are round numbers.
float LegendBound(float largest);

// The distance between an axis's labelled values: the round number
// (as LegendBound gives them) that cuts the scale into about five parts.
float ScaleTick(const CpScale& scale);

}  // namespace ventora
