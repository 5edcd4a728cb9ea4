#pragma once
// Where a pitched roof slopes, in the terms the roof model reads an
// element's place: on the roof X runs along the length BdX and Y across the
// width BdY, from the edge over wall 1. The slope runs along X; a double
// slope has its ridge where XL is one half, running from the edge over
// wall 1 to the edge over wall 3, so walls 1 and 3 are the gables. The
// drawings, the environment dialog and the Cp map say it with these words.

#include <cstdint>
#include <string>

#include "core/job.h"

namespace ventora {

inline constexpr float kRidgeXL = 0.5f;  // the ridge of a double slope; a single slope's mid-line

// Walls 1 and 3 carry a pitched roof's gables (a single slope's sloping edges).
constexpr bool IsGableWall(Facade facade, std::int16_t Islope) {
  return Islope != 0 && (facade == Facade::Wall1 || facade == Facade::Wall3);
}

// One sentence for the roof type: where the ridge or the slope runs and
// which walls are the gables; "" for a type the program does not know.
std::string RoofLayoutText(std::int16_t Islope);

}  // namespace ventora
