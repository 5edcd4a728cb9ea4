#pragma once
// The run: checks a job against the model's limits, derives the building's
// dimensionless quantities, walks every element through the facade models,
// writes the report, and leaves its verdict in the verdict file. The same
// results come back in memory for callers that work on numbers, not text.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/job.h"
#include "engine/facade_cp.h"
#include "engine/facade_geometry.h"
#include "engine/report_writer.h"
#include "engine/run_context.h"
#include "engine/verdict_file.h"

namespace ventora {

// Same shape as FacadeCp, so tests can stand in for the models.
using FacadeCpFunction = FacadeCpResult (*)(const RunContext&, const FacadeCpInput&);

struct RunSetup {
  // Opens the report the user asked for; called once, after the verdict
  // file holds 1. May throw std::runtime_error.
  std::function<std::unique_ptr<ReportWriter>()> openReport;
  std::string jobName;   // full path without ".in", shown on the title line
  std::string dateText;  // already formatted (FormatReportDate)
  // Empty: no verdict file (callers that read the verdict from the result).
  std::filesystem::path verdictFile = kVerdictFileName;
  FacadeCpFunction facadeCp = &FacadeCp;
};

struct FacadeAverage {
  std::int16_t iface = 0;
  float average = 0;
};

struct RunResult {
  RunVerdict verdict = RunVerdict::Broken;
  FacadeGeometry geometry;              // filled once the parameters passed
  std::vector<ElementResult> elements;  // every element line of the report
  std::vector<FacadeAverage> averages;  // every average line of the report
};

// Sets the quiet flag: the models show none of their range boxes. Every run
// sets it and nothing clears it.
void SetQuietMode(RunContext& ctx);

// Runs `job`. ctx.messages receives the confidence warnings (shown even in
// quiet mode); ctx.report points at the open report while the run lasts.
// Failures to write the report or the verdict file throw std::runtime_error
// with a message for the user; the verdict file then still holds 1.
RunResult RunCalculation(const Job& job, RunContext& ctx, const RunSetup& setup);

}  // namespace ventora
