#include "core/roof_layout.h"

namespace ventora {

std::string RoofLayoutText(std::int16_t Islope) {
  switch (Islope) {
    case 0:
      return "Flat roof: no ridge, no tilt.";
    case 1:
      return "Single slope: the roof slopes along the length BdX, from wall 4 to wall 2; "
             "walls 1 and 3 carry its sloping edges.";
    case 2:
      return "Double slope: the ridge runs over the middle of the length BdX, from wall 1 to "
             "wall 3; walls 1 and 3 are the gables.";
    default:
      return "";
  }
}

}  // namespace ventora
