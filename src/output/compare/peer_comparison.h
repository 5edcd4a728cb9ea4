#pragma once
// Ventora's facade means beside the published methods an engineer would
// otherwise use, wall by wall and wind direction by wind direction, with
// what each method is, where it applies and what it cannot see; and the CSV
// that ventora-run --compare writes.

#include <optional>
#include <string>
#include <vector>

#include "core/job.h"
#include "engine/peers/aivc_walls.h"
#include "output/sweep/export_job_summary.h"

namespace ventora {

// The even mesh over each wall whose mean is Ventora's facade mean: points
// at X/L 0.05, 0.15 ... 0.95 and Z/H 0.1, 0.2 ... 0.9, inside the height band
// every wall model takes as it is.
inline constexpr int kMeanMeshColumns = 10;
inline constexpr int kMeanMeshRows = 9;

struct MethodsAtDirection {
  int facade = 1;      // wall 1 to 4
  float windFrom = 0;  // degrees from north
  float ventora = 0;   // the mesh's mean Cp; NaN where the run stopped
  double swamiChandra = 0;
  double aivc = 0;
  std::optional<double> en1991;  // only where the wind is normal to a wall
};

struct PeerComparison {
  Job job;  // as it ran (the checks may set SbH)
  peers::AivcExposure exposure = peers::AivcExposure::Exposed;
  std::vector<MethodsAtDirection> rows;  // by wall, then by direction
  std::vector<std::string> stopped;      // "wind direction D deg.: REASON"
};

// The published methods' values for wall `facade` of `job` with the wind
// from `windFrom`; `ventora` is left NaN.
MethodsAtDirection PeerMethodsAt(const Job& job, peers::AivcExposure exposure, int facade,
                                 float windFrom);

// What each column is: its source, its scope and what it cannot see.
std::vector<std::string> PeerComparisonNotes(const PeerComparison& comparison);

// "# " lines (the job, the reference wind, the methods), then the table
// with the columns Facade, Wind from (deg), Ventora mean, Swami-Chandra,
// AIVC, EN 1991-1-4; an empty cell where a method gives no value.
std::string PeerComparisonCsv(const PeerComparison& comparison, const std::string& jobLabel,
                              const ExportInfo& info);

}  // namespace ventora
