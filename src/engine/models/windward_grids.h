#pragma once
// The grids over which the windward factors' table rows are laid out
// (32-bit values, ascending).

#include <array>

namespace ventora {

inline constexpr std::array<float, 5> kWindwardVeEXPZH{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};

// RbH table: slow axis ZH, fast axis PAD, row (iZH - 1) * 5 + iPAD.
inline constexpr std::array<float, 7> kWindwardRbHZH{0.07f, 0.2f, 0.5f, 0.7f, 0.8f, 0.9f, 0.93f};
inline constexpr std::array<float, 5> kWindwardRbHPAD{0.0f, 5.5f, 12.5f, 25.0f, 40.0f};

// FAR and SAR tables: slow axis PAD, fast axis ZH, row (iPAD - 1) * 6 + iZH.
inline constexpr std::array<float, 11> kWindwardRatioPAD{0.0f,  5.0f,  7.5f,  10.0f, 12.5f, 15.0f,
                                                         17.5f, 20.0f, 25.0f, 30.0f, 35.0f};
inline constexpr std::array<float, 6> kWindwardRatioZH{0.07f, 0.2f, 0.4f, 0.6f, 0.8f, 0.93f};

}  // namespace ventora
