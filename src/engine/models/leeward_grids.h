#pragma once
// The grids over which the leeward factors' table rows are laid out
// (32-bit values, ascending).

#include <array>

namespace ventora {

inline constexpr std::array<float, 5> kLeewardVeEXPZH{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};

// The PAD, RbH, FAR and SAR tables share this ZH grid.
inline constexpr std::array<float, 6> kLeewardZH{0.07f, 0.2f, 0.4f, 0.6f, 0.8f, 0.93f};

// RbH table: slow axis ZH, fast axis PAD, row (iZH - 1) * 6 + iPAD.
inline constexpr std::array<float, 6> kLeewardRbHPAD{0.0f, 5.0f, 6.25f, 12.5f, 25.0f, 40.0f};

// FAR and SAR tables: slow axis PAD, fast axis ZH, row (iPAD - 1) * 6 + iZH.
inline constexpr std::array<float, 11> kLeewardRatioPAD{0.0f,  5.0f,  7.5f,  10.0f, 12.5f, 15.0f,
                                                        17.5f, 20.0f, 25.0f, 30.0f, 35.0f};

// Angle table: row (ZH band - 1) * 5 + index of the angle magnitude.
inline constexpr std::array<float, 5> kLeewardAngle{90.0f, 110.0f, 130.0f, 160.0f, 180.0f};

}  // namespace ventora
