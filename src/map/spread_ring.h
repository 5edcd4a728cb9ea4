#pragma once
// How the Cp map's spread layer marks an element, the same on the desktop's
// map (spread_layer.h) and the web page's: a ring round the marker as thick
// as the model's own spread of its Cp, orange where that is wider than
// kWideSpread, and the words that go with it. Standard library only.

#include <string>

#include "map/cpmap_colors.h"
#include "output/sweep/element_spread.h"

namespace ventora {

// Between the marker's edge and the inner side of its ring, pixels.
inline constexpr double kSpreadRingGap = 2;

struct SpreadRing {
  double thickness = 1;  // pixels: 1 for no spread, growing with it to 7
  Rgb colour;            // grey, or orange where the spread is wide
  bool wide = false;     // the status names what set it
};

SpreadRing RingOf(const ElementSpread& spread);

// The layer's key, in two lines.
extern const char* const kSpreadKey;

// "-0.52 to -0.18": under the value of a wide one.
std::string SpreadRangeText(const ElementSpread& spread, char decimal);

// "Cp low -0.52, Cp high -0.18" and, when wide, a second line naming what
// set it: the marker's tooltip adds these.
std::string SpreadTipText(const ElementSpread& spread, char decimal);

}  // namespace ventora
