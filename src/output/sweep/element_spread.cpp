#include "output/sweep/element_spread.h"

#include <cmath>

#include "output/sweep/export_text.h"

namespace ventora {
namespace {

std::string Width(float width) {
  return NumberString(std::round(width * 100) / 100);
}

std::string CauseText(const ElementSpread& s) {
  if (s.cause == SpreadCause::Labelling)
    return "set by the roof's labelling (from the next wall " +
           NumberString(std::round(s.twin * 1000) / 1000) + ")";
  return "set by the wind direction (within " + std::to_string(kSpreadHalfWindow) + " deg)";
}

}  // namespace

std::string SpreadText(const ElementSpread& s) {
  if (s.cause == SpreadCause::None) return "";
  return "spread " + Width(s.Width()) + " " + CauseText(s);
}

std::string SweptSpreadText(const std::vector<DirectionSpread>& spread, std::size_t e) {
  const DirectionSpread* widest = nullptr;
  for (const DirectionSpread& d : spread) {
    if (e >= d.elements.size()) continue;
    const ElementSpread& s = d.elements[e];
    if (s.cause != SpreadCause::None &&
        (widest == nullptr || s.Width() > widest->elements[e].Width()))
      widest = &d;
  }
  if (widest == nullptr) return "";
  const ElementSpread& s = widest->elements[e];
  return "spread up to " + Width(s.Width()) + " at " + NumberString(widest->AnWind) + " deg, " +
         CauseText(s);
}

std::string WithSpread(const std::string& status, const std::string& spreadText) {
  return spreadText.empty() ? status : status + "; " + spreadText;
}

}  // namespace ventora
