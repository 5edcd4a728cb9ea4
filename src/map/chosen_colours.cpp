#include "map/chosen_colours.h"

#include <array>

namespace ventora {
namespace {

// Distinct on white and in print, none of them the red of the wind's mark.
constexpr std::array<Rgb, 8> kPalette = {{{31, 119, 180},
                                          {255, 127, 14},
                                          {44, 160, 44},
                                          {148, 103, 189},
                                          {140, 86, 75},
                                          {227, 119, 194},
                                          {23, 190, 207},
                                          {127, 127, 127}}};

}  // namespace

Rgb ChosenColour(std::size_t i) {
  return kPalette[i % kPalette.size()];
}

}  // namespace ventora
