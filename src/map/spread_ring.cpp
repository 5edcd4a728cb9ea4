#include "map/spread_ring.h"

#include <algorithm>

#include "map/cpmap_model.h"

namespace ventora {

const char* const kSpreadKey =
    "Rings: the model's own spread of each Cp (within 5\u00b0 of the wind and, on a flat roof, "
    "from the next wall);\norange: wider than 0.2, Cp low to Cp high below the value";

SpreadRing RingOf(const ElementSpread& s) {
  SpreadRing ring;
  ring.wide = s.cause != SpreadCause::None;
  ring.thickness = std::clamp(1.0 + 10.0 * static_cast<double>(s.Width()), 1.0, 7.0);
  ring.colour = ring.wide ? Rgb{0xe0, 0x7b, 0x00} : Rgb{0x8a, 0x94, 0x9e};
  return ring;
}

std::string SpreadRangeText(const ElementSpread& s, char decimal) {
  return CpText(s.low, decimal) + " to " + CpText(s.high, decimal);
}

std::string SpreadTipText(const ElementSpread& s, char decimal) {
  std::string text = "Cp low " + CpText(s.low, decimal) + ", Cp high " + CpText(s.high, decimal);
  if (s.cause != SpreadCause::None) text += "\n" + SpreadText(s);
  return text;
}

}  // namespace ventora
