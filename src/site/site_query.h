#pragma once
// One question about a site's surroundings, as the command line and the
// Python module ask it: the file, the site, and the radius or the building
// it follows from.

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "surroundings.h"

namespace ventora::site {

struct SurroundingsQuery {
  std::string file;
  XY site;
  std::string crs;  // empty: the file's own
  // m; none: from the building's height, which must then be above 0
  std::optional<double> radius;
  double buildingHeight = 0;  // Bdz, m
  int sectors = 1;
  double storeyHeight = 3;
  std::optional<double> defaultHeight;
  bool plan = false;  // also the footprints for a picture
  // Set when the user asks to stop (ventora-run's SIGINT and SIGTERM).
  const std::atomic<bool>* cancel = nullptr;
};

struct SurroundingsAnswer {
  std::string error;       // empty when the values are there
  bool cancelled = false;  // stopped at the user's request: no error, no values
  double radius = 0;       // m, as used
  Surroundings values;
  std::vector<std::string> notes;  // the file's and the site's
  SitePlan plan;                   // when asked for
};

// The radius the guide advises: 5 x max(Bdz, SbH), at least 50 m.
double AdvisedRadius(double buildingHeight, double surroundingHeight);

// Never throws: a failure is the answer's error, a stop its `cancelled`.
SurroundingsAnswer FindSurroundings(const SurroundingsQuery& query);
// The same from a set already loaded (the query's file, crs and storey
// height are the set's): many sites of one file read it once.
SurroundingsAnswer FindSurroundings(const FootprintSet& set, const SurroundingsQuery& query);

}  // namespace ventora::site
