#pragma once
// The colours that tell the chosen elements apart on the plot of Cp
// against the wind direction and in its table, in the order chosen.

#include <cstddef>

#include "map/cpmap_colors.h"

namespace ventora {

// The colour of the i-th chosen element: its line and its table column.
Rgb ChosenColour(std::size_t i);

}  // namespace ventora
