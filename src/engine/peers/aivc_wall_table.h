#pragma once
// The mean Cp of a low-rise building's wall (up to three storeys, square
// plan) by the wind's angle to the wall's normal, for three exposures.
// Source: M. W. Liddament, "A Guide to Energy Efficient Ventilation", Air
// Infiltration and Ventilation Centre (AIVC), 1996, Table 2.2, rows of face 1
// for a length-to-width ratio of 1:1; CONTAM's wind profile library carries
// the same rows ("Lowrise wall, L/W=1": exposed, 1/2 height obstructions,
// building height obstructions). Typed from the table; each row is the
// angles 0, 45 ... 315 degrees.

#include <array>

namespace ventora::peers {

// The table's three classes: open terrain; surrounded by obstructions half
// the building's height; surrounded by obstructions of the building's height.
enum class AivcExposure { Exposed, SemiSheltered, Sheltered };

inline constexpr double kAivcAngleStep = 45;

inline constexpr std::array<std::array<double, 8>, 3> kAivcWallTable{{
    {0.7, 0.35, -0.5, -0.4, -0.2, -0.4, -0.5, 0.35},     // exposed
    {0.4, 0.1, -0.3, -0.35, -0.2, -0.35, -0.3, 0.1},     // semi-sheltered
    {0.2, 0.05, -0.25, -0.3, -0.25, -0.3, -0.25, 0.05},  // sheltered
}};

}  // namespace ventora::peers
