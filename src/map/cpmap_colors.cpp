#include "map/cpmap_colors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ventora {
namespace {

// Stops from 0 to the end of one side, evenly spaced; each is darker than
// the one before (sum of r, g, b falls), so the scale keeps its order.
constexpr std::array<Rgb, 5> kWarm = {
    {{255, 255, 255}, {253, 219, 199}, {244, 165, 130}, {214, 96, 77}, {178, 24, 43}}};
constexpr std::array<Rgb, 5> kCool = {
    {{255, 255, 255}, {209, 229, 240}, {146, 197, 222}, {67, 147, 195}, {33, 102, 172}}};

int Mix(int a, int b, double t) {
  return static_cast<int>(std::lround(a + (b - a) * t));
}

Rgb Along(const std::array<Rgb, 5>& stops, double t) {
  const double pos = std::clamp(t, 0.0, 1.0) * (stops.size() - 1);
  const auto i = std::min(static_cast<std::size_t>(pos), stops.size() - 2);
  const double f = pos - static_cast<double>(i);
  const Rgb& a = stops[i];
  const Rgb& b = stops[i + 1];
  return {Mix(a.r, b.r, f), Mix(a.g, b.g, f), Mix(a.b, b.b, f)};
}

}  // namespace

Rgb DivergingColour(float cp, float bound) {
  if (std::isnan(cp) || !(bound > 0)) return {160, 160, 160};
  const double t = static_cast<double>(cp) / bound;
  return t >= 0 ? Along(kWarm, t) : Along(kCool, -t);
}

}  // namespace ventora
