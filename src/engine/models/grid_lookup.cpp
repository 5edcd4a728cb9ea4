#include "engine/models/grid_lookup.h"

#include <algorithm>

namespace ventora {

GridPlace LocateOnGrid(std::span<const float> g, float x) {
  const int n = static_cast<int>(g.size());
  for (int i = 1; i <= n; ++i)
    if (x == g[i - 1]) return {i, true};
  if (n < 2 || !(x > g.front())) return {1, true};
  if (!(x < g.back())) return {n, true};
  int k = 1;
  FindInterval(g, x, n, k);
  // Within the grid FindInterval always brackets x unless two points lie 100
  // or more apart; the clamp keeps even that case inside the grid.
  return {std::clamp(k, 1, n - 1), false};
}

float InterpolateOnGrid(std::span<const float> g, int k, float x, float y1, float y2) {
  return static_cast<float>(LinearInterp(x, g[k - 1], g[k], y1, y2));
}

}  // namespace ventora
