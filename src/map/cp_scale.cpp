#include "map/cp_scale.h"

#include <cmath>

namespace ventora {

float LegendBound(float largest) {
  constexpr double kSteps[] = {1, 2, 2.5, 5};
  if (!std::isfinite(largest)) return 1;
  const double need = largest;  // compared on the exact 32-bit value
  for (double decade = 0.1;; decade *= 10) {
    for (double step : kSteps) {
      const auto bound = static_cast<float>(step * decade);
      if (bound >= need) return bound;
    }
  }
}

float ScaleTick(const CpScale& scale) {
  return LegendBound((scale.Upper() - scale.Lower()) / 5);
}

}  // namespace ventora
