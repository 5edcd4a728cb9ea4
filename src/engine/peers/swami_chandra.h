#pragma once
// Swami and Chandra's surface-average Cp of a low-rise building's wall, as
// EnergyPlus computes it by default (swami_chandra_table.h).

namespace ventora::peers {

// `incidence`: the wind direction less the wall's azimuth, degrees (any
// value; folded into 0..180). `sideRatio`: the wall's width over the
// adjacent wall's width (held within 0.25..4).
double SwamiChandraWallCp(double incidence, double sideRatio);

}  // namespace ventora::peers
