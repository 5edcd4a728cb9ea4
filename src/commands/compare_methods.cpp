#include "commands/compare_methods.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "commands/run_job.h"
#include "output/sweep/cp_by_direction.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

// The mean of wall `facade`'s Cp in a completed direction, in double.
float WallMean(const WindSweep& sweep, const SweepDirection& d, int facade) {
  double sum = 0;
  int count = 0;
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    if (sweep.elements[e].iface != facade) continue;
    sum += d.Cp[e];
    ++count;
  }
  return count > 0 ? static_cast<float>(sum / count) : std::nanf("");
}

}  // namespace

std::vector<float> CompareDirections(const Job& job, int step) {
  if (step < 1 || step > 180)
    throw std::invalid_argument(
        "the step of a comparison is a whole number of degrees from 1 to 180");
  std::vector<float> directions;
  for (int j = 0; j * step < 360; ++j) {
    float d = job.AzB + static_cast<float>(j * step);
    while (d >= 360)
      d -= 360;
    directions.push_back(d);
  }
  std::sort(directions.begin(), directions.end());
  directions.erase(std::unique(directions.begin(), directions.end()), directions.end());
  return directions;
}

Job MeanMeshJob(const Job& job) {
  Job mesh = job;
  mesh.ElmCount.fill(0);
  for (Facade wall : kWalls) {
    const int iface = FacadeIndex(wall);
    const FacadeExtents ext = FacadeExtent(job, iface);
    std::int16_t n = 0;
    for (int row = 1; row <= kMeanMeshRows; ++row) {
      for (int column = 0; column < kMeanMeshColumns; ++column) {
        ++n;
        mesh.ElmX[iface][n] = ext.L * (static_cast<float>(column) + 0.5f) / kMeanMeshColumns;
        mesh.ElmZ[iface][n] = ext.H * static_cast<float>(row) / (kMeanMeshRows + 1);
      }
    }
    mesh.ElmCount[iface] = n;
  }
  return mesh;
}

CompareOutcome CompareWithPeerMethods(const Job& job, int step, MessageSink& messages,
                                      const NumberLocale& locale, SweepSetup setup) {
  CompareOutcome out;
  Job checked = MeanMeshJob(job);
  if (!PassesPreRunChecks(checked, messages, locale)) {
    out.outcome = RunOutcome::Refused;
    return out;
  }
  setup.messages = &messages;
  const WindSweep sweep = RunWindSweep(checked, CompareDirections(checked, step), setup);
  PeerComparison& c = out.comparison;
  c.job = checked;
  c.job.ElmCount = job.ElmCount;  // the job's own elements back: the header names the job
  c.job.ElmX = job.ElmX;
  c.job.ElmZ = job.ElmZ;
  c.exposure = peers::NearestAivcExposure(checked.PAD, checked.SbH, checked.Bdz);
  for (Facade wall : kWalls) {
    for (const SweepDirection& d : sweep.directions) {
      MethodsAtDirection m = PeerMethodsAt(checked, c.exposure, FacadeIndex(wall), d.AnWind);
      if (d.completed) m.ventora = WallMean(sweep, d, FacadeIndex(wall));
      c.rows.push_back(m);
    }
  }
  for (const SweepDirection& d : sweep.directions)
    if (!d.completed)
      c.stopped.push_back("wind direction " + NumberString(d.AnWind) + " deg.: " + d.failure);
  if (!sweep.AnyCompleted())
    out.outcome = RunOutcome::Stopped;
  else
    out.outcome = sweep.AllCompleted() ? RunOutcome::Completed : RunOutcome::ValuesMissing;
  return out;
}

std::filesystem::path ComparisonPath(const std::string& jobName) {
  return jobName + ".compare.csv";
}

}  // namespace ventora
