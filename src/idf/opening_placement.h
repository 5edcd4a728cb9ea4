#pragma once
// Each airflow opening as an element: on the roof, or on the facade its wall
// faces nearest, at its centroid projected onto it; what is not plain (a
// gable above the eaves, a turned or set-back wall, an opening beyond the
// facade or outside the zones fitted) said in its remarks.

#include <array>
#include <string>

#include "idf/box_fit.h"
#include "idf/fit_parts.h"

namespace ventora::idf::fit {

// The fitted box in world terms, for placing the openings.
struct Frame {
  Box box;
  int g4 = 0;  // the group that is wall 4
  double bdx = 0;
  double bdy = 0;
  double bdz = 0;
  Vec3 centre;  // of the box on plan
  std::array<int, 4> facadeOfGroup{};
  FitMode mode = FitMode::Box;

  int GroupOfFacade(int wall) const { return (g4 + 4 - wall) % 4; }
};

struct Placement {
  int facade = 0;
  double x = 0;
  double z = 0;  // Y on the roof
  double length = 0;
  double height = 0;
  FittedOpening opening;
};

bool InZones(const FitOptions& options, const std::string& zone);

// The opening of `afn` on surface `s` (in `host`, its wall or roof, or
// itself) placed, or "" and the message why it cannot be. Throws IdfError
// for a surface that is no wall or roof.
std::string PlaceOpening(const IdfFile& file, const Frame& fr, const FitOptions& options,
                         const IdfObject& afn, const IdfSurface& s, const IdfSurface& host,
                         Placement& p);

}  // namespace ventora::idf::fit
