#pragma once
// How well an export represents the model: the job is swept at every whole
// degree as well as at the export's directions (one sweep, from which the
// export's own is taken), and the export's header says how far linear
// interpolation between its directions misses the model, warning above
// kFaithfulMiss with the step that brings it below. The same for every
// export of every face.

#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Above this the header warns.
inline constexpr float kFaithfulMiss = 0.1f;

struct FaithfulSweep {
  WindSweep sweep;                 // at the export's directions, as RunWindSweep gives it
  std::vector<std::string> lines;  // for the export's header; empty when nothing completed
  std::string warning;             // the warning among them, for standard error; or empty
};

// Sweeps `sweptJob` (ExportSweepJob's) at `directions` (ExportDirections'
// at `step`) and at every whole degree. `turn` is the job's AzB for the
// profile formats (their sweep is turned to azimuth 0), else 0: the header
// names true wind directions. Throws as RunWindSweep does.
FaithfulSweep SweepFaithfully(const ExportFormat& format, const Job& sweptJob,
                              const std::vector<float>& directions, double step, float turn,
                              const SweepSetup& setup);

}  // namespace ventora
