#pragma once
// The rectangular box of a model and its airflow openings in the program's
// own terms: the building's azimuth, length, width, height and roof, and
// each opening as an element at the centroid of its surface, projected on
// its facade. The box is the walls' own rectangle (strict) or the smallest
// rectangle round them on plan (enclosing), of every zone or of the zones
// named.
//
// Facades follow the program's numbering: wall i faces AzB + (4 - i) * 90,
// walls 1 and 3 span BdX; X runs along a wall from its left edge seen from
// outside, Z up from the ground (the lowest exterior wall); on the roof X
// runs as on wall 1 and Y from the edge over wall 1. A pitched roof's slope
// runs along X (its ridge across the middle of BdX), so walls 1 and 3 carry
// the gables; a single slope rises from wall 4 to wall 2. Bdz is the height
// of the roof's lowest edge (the eaves).

#include <string>
#include <vector>

#include "core/job.h"
#include "idf/idf_geometry.h"

namespace ventora::idf {

// Walls may stray this far from the box's planes, and turn this far from
// its four directions, and still be fitted (with a warning giving the
// largest deviation).
inline constexpr double kPlaneTolerance = 0.05;  // m
inline constexpr double kAngleTolerance = 1.0;   // degrees
// A wall further than this behind its facade of the enclosing rectangle is
// set back: a window reveal or a shallow bay (up to half a metre) leaves the
// flow along the facade as it is, while a deeper recess stands in the lee
// of the wing beside it, where the flat facade's Cp is only an estimate.
inline constexpr double kSetBackLimit = 0.5;  // m

enum class FitMode { Box, Enclosing };

struct FitOptions {
  FitMode mode = FitMode::Box;
  std::vector<std::string> zones;  // the walls' zones; empty: every zone
};

struct FittedOpening {
  const IdfObject* airflowSurface = nullptr;  // its AirflowNetwork:MultiZone:Surface
  std::string surface;                        // the surface it names
  int facade = 0;
  int element = 0;  // 1.. on its facade
  bool onWall = false;
  double setBack = 0;                // m its surface stands behind the facade (walls)
  std::vector<std::string> remarks;  // how it was placed, where that needs saying
  std::string singleSidedZone;       // its zone, when that asks for EnergyPlus's Advanced
                                     // single-sided coefficients (single_sided.h)
};

struct BoxFit {
  Job job;  // AzB, BdX, BdY, Bdz, Islope, Phi and the elements; the rest 0
  std::vector<FittedOpening> openings;  // facade by facade, as the elements
  std::vector<std::string> notes;       // assumptions and warnings, one line each
  int interiorSurfaces = 0;             // airflow surfaces between zones, left alone
};

// Throws IdfError naming the walls or roof surfaces that keep the building
// from being a box (strict fit), the zones that are not in the model or
// have no exterior wall, and the openings that are not on an exterior wall
// or roof or fall outside their facade.
BoxFit FitBox(const IdfFile& file, const IdfGeometry& geometry, const FitOptions& options = {});

}  // namespace ventora::idf
