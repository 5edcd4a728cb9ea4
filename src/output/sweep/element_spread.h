#pragma once
// How far the model's own steps move an element's Cp: the lowest and the
// highest Cp within a few degrees of the wind direction and, on a flat roof,
// at the same point of the same building entered from its next wall; and
// the words the CSVs say it in.

#include <string>
#include <vector>

namespace ventora {

// The window each side of the wind direction, in 1-degree steps.
inline constexpr int kSpreadHalfWindow = 5;
// A spread wider than this is named in the status, with what set it.
inline constexpr float kWideSpread = 0.2f;

enum class SpreadCause { None, Direction, Labelling };

struct ElementSpread {
  float low = 0;  // NaN where the element has no Cp at the direction
  float high = 0;
  float twin = 0;                         // the relabelled twin's Cp at the point; NaN when none
  SpreadCause cause = SpreadCause::None;  // what sets a width above kWideSpread

  float Width() const { return high - low; }
};

// Per wind direction, per element in the run's order.
struct DirectionSpread {
  float AnWind = 0;
  std::vector<ElementSpread> elements;
};

// "spread 0.35 set by the wind direction (within 5 deg)"; empty when the
// spread is not wide.
std::string SpreadText(const ElementSpread& spread);
// Over a sweep, the widest of element e's: "spread up to 0.45 at 70 deg,
// set by ..."; empty when none is wide.
std::string SweptSpreadText(const std::vector<DirectionSpread>& spread, std::size_t e);

// The status joined with the spread's words.
std::string WithSpread(const std::string& status, const std::string& spreadText);

}  // namespace ventora
