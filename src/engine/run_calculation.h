#pragma once
// The run: checks a job against the model's limits, derives the building's
// dimensionless quantities, walks every element through the facade models
// and hands each line to the report writer. The verdict and every number come
// back in memory, in RunResult; the run itself touches no file and does not
// depend on the current folder.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/job.h"
#include "engine/cp_plausibility.h"
#include "engine/facade_cp.h"
#include "engine/facade_geometry.h"
#include "engine/report_writer.h"
#include "engine/run_context.h"

namespace ventora {

class Speedups;

// How a run ended. A run that cannot write its report throws instead.
enum class RunVerdict : int {
  Completed = 0,  // every element computed
  Stopped = 2,    // a limit, element or model failure stopped the run, or it never ran
};

// Same shape as FacadeCp, so tests can stand in for the models.
using FacadeCpFunction = FacadeCpResult (*)(const RunContext&, const FacadeCpInput&);

struct RunSetup {
  // Opens the report the user asked for; called once, at the start.
  // May throw std::runtime_error.
  std::function<std::unique_ptr<ReportWriter>()> openReport;
  std::string jobName;   // full path without ".in", shown on the title line
  std::string dateText;  // already formatted (FormatReportDate)
  FacadeCpFunction facadeCp = &FacadeCp;
  // What earlier runs of the same job (a sweep's other directions) kept so
  // that this one computes less (engine/speedups/speedups.h), or null: the
  // run keeps its own. Either way every number comes out the same.
  Speedups* speedups = nullptr;
};

struct FacadeAverage {
  std::int16_t iface = 0;
  float average = 0;
};

struct RunResult {
  RunVerdict verdict = RunVerdict::Stopped;
  FacadeGeometry geometry;              // filled once the parameters passed
  std::vector<ElementResult> elements;  // every element line of the report
  std::vector<FacadeAverage> averages;  // every average line of the report
  // What each element line's Cp is worth, in the same order; the numbers
  // above stay as computed.
  std::vector<ElementStatus> status;
};

// Sets the quiet flag: the models show none of their range boxes. Every run
// sets it and nothing clears it.
void SetQuietMode(RunContext& ctx);

// Runs `job`. ctx.messages receives the confidence warnings (shown even in
// quiet mode); ctx.report points at the open report while the run lasts.
// A failure to open or write the report throws std::runtime_error with a
// message for the user.
RunResult RunCalculation(const Job& job, RunContext& ctx, const RunSetup& setup);

}  // namespace ventora
