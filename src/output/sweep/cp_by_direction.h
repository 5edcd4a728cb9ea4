#pragma once
// Each element's Cp against the wind direction, as the desktop program plots
// and tabulates it: the directions in ascending order within [0, 360), and
// per element its place and one Cp per direction, the very values of the
// sweep's CSV row. A sweep of the job turned to azimuth 0 (CONTAM, Modelica)
// is turned back, so that every direction is the wind's true one.

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Where a direction's run stopped, the element has no Cp.
inline constexpr float kNoCp = std::numeric_limits<float>::quiet_NaN();

struct DirectionElement {
  std::int16_t iface = 0;
  std::int16_t ielm = 0;  // number on its facade, as in the facade editor
  std::int16_t k = 0;     // running number over all facades, as in the report
  float X = 0;            // as the run placed it, m
  float Z = 0;
  std::vector<float> Cp;  // one per direction; kNoCp where its run stopped
  // Per direction, whether the Cp lies beyond the envelope of physically
  // possible Cp for its role (engine/cp_plausibility.h).
  std::vector<bool> implausible;
  // A Cp the run gives no value to (the element lies outside its facade).
  static bool IsValue(float cp);
};

struct CpByDirection {
  std::string title;  // the job's file name
  float AzB = 0;
  float AnWind = 0;  // the job's own wind direction, marked on the plot
  std::vector<float> directions;
  std::vector<DirectionElement> elements;  // in k order
  // Where each wall's outward normal points (walls 1 to 4), degrees from
  // north: the wind from there meets it head on. The roof's points up.
  std::array<float, 4> normals{};
  // Each direction whose run stopped: "wind direction D deg.: REASON".
  std::vector<std::string> stopped;

  // The element with running number k, or null.
  const DirectionElement* Element(int k) const;
};

// From a sweep of `job` itself (`turn` 0) or of the job turned to azimuth 0
// (`turn` the job's AzB). `jobName` is the job's path without ".in".
CpByDirection CpAgainstDirection(const WindSweep& sweep, const Job& job, const std::string& jobName,
                                 float turn = 0);

}  // namespace ventora
