#pragma once
// The diverging colour scale of the Cp map: pressure warm, suction cool,
// 0 white, symmetric about 0. Darkness grows with the magnitude on both sides.

namespace ventora {

struct Rgb {
  int r = 255;
  int g = 255;
  int b = 255;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// `cp` on the scale -bound..+bound (bound > 0); values beyond it take the
// end colour, a value that is not a number takes neutral grey.
Rgb DivergingColour(float cp, float bound);

}  // namespace ventora
