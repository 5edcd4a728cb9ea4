#pragma once
// The coefficients of Swami and Chandra's surface-average Cp for the walls of
// a low-rise building, as EnergyPlus's airflow network evaluates it by
// default (its "SurfaceAverageCalculation" for a "LowRise" building):
//
//   Cp = 0.6 ln(1.248 - 0.703 sin(t/2) - 1.175 sin^2(t) + 0.131 sin^3(2 t G)
//               + 0.769 cos(t/2) + 0.07 G^2 sin^2(t/2) + 0.717 cos^2(t/2))
//
// with t the wind's angle to the wall's normal folded into 0..180 degrees and
// G = ln(S), S the wall's width over the adjacent wall's width held within
// 0.25..4. Source: M. V. Swami and S. Chandra, "Procedures for calculating
// natural ventilation airflow rates in buildings", ASHRAE RP-448, Florida
// Solar Energy Center, FSEC-CR-163-86, 1987; the numbers and the clamp as
// EnergyPlus's AirflowNetwork (CalcWindPressureCoeffs) writes them.

namespace ventora::peers {

struct SwamiChandraCoefficients {
  double scale = 0.6;
  double constant = 1.248;
  double sinHalf = -0.703;        // sin(t/2)
  double sinSquared = -1.175;     // sin^2(t)
  double sideCubed = 0.131;       // sin^3(2 t G)
  double cosHalf = 0.769;         // cos(t/2)
  double sideSquared = 0.07;      // G^2 sin^2(t/2)
  double cosHalfSquared = 0.717;  // cos^2(t/2)
  double lowestSideRatio = 0.25;
  double highestSideRatio = 4;
};

inline constexpr SwamiChandraCoefficients kSwamiChandra{};

}  // namespace ventora::peers
