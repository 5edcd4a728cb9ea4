#pragma once
// Ventora beside the published methods: the job checked as a run checks it,
// its walls meshed evenly and swept round the wind, each wall's mean set
// beside Swami and Chandra's, the AIVC's and EN 1991-1-4's values. The same
// for ventora-run --compare, ventora.compare and the desktop's overlay on
// the plot of Cp against wind direction.

#include <filesystem>
#include <string>
#include <vector>

#include "commands/run_outcome.h"
#include "core/job.h"
#include "core/messages.h"
#include "core/number_locale.h"
#include "output/compare/peer_comparison.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Degrees between the directions compared, from the building's azimuth.
inline constexpr int kCompareStep = 15;

struct CompareOutcome {
  RunOutcome outcome = RunOutcome::SystemError;  // Completed or ValuesMissing: rows to show
  PeerComparison comparison;
};

// AzB, AzB + step ... within [0, 360), in ascending order: every wall's
// normal is among them when `step` divides 90. Throws std::invalid_argument
// unless 1 <= step <= 180.
std::vector<float> CompareDirections(const Job& job, int step);

// The job's walls, each an even mesh of kMeanMeshColumns x kMeanMeshRows
// points; the roof and the job's own elements left out.
Job MeanMeshJob(const Job& job);

// Checks the job (saying why through `messages`), then compares at
// CompareDirections(job, step). `setup`'s progress and cancellation are
// the sweep's; its messages are replaced by `messages`.
CompareOutcome CompareWithPeerMethods(const Job& job, int step, MessageSink& messages,
                                      const NumberLocale& locale, SweepSetup setup = {});

// JOB.compare.csv beside the job (`jobName` without ".in").
std::filesystem::path ComparisonPath(const std::string& jobName);

}  // namespace ventora
