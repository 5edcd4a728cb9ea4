#pragma once
// A wall element's Cp from its two parts, as both wall models multiply them:
// the height part (every factor but the one along the facade, in double) and
// the factor along the facade (32-bit), the product stored as the 32-bit Cp.

namespace ventora {

inline float WallCpFromParts(double heightPart, float along) {
  return static_cast<float>(heightPart * along);
}

}  // namespace ventora
