#include "output/sweep/wind_sweep.h"

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "engine/prepared_elements.h"
#include "engine/speedups/speedups.h"

namespace ventora {
namespace {

// What the run under way said, kept beyond the report writer's life.
struct RunTrace {
  bool walkStarted = false;        // the column header was reached
  std::vector<std::string> lines;  // failure lines of the wall models
};

// A report that writes nothing and keeps only what explains a stop.
class TraceReport : public ReportWriter {
 public:
  explicit TraceReport(RunTrace& trace) : trace_(trace) {}
  void WriteHeader(const Job&, const std::string&, const std::string&) override {}
  void WriteColumnHeader() override { trace_.walkStarted = true; }
  void WriteElement(const ElementResult&) override {}
  void WriteAverage(std::int16_t, float) override {}
  void Close() override {}
  void WriteLine(const std::string& line) override { trace_.lines.push_back(line); }

 private:
  RunTrace& trace_;
};

// Facade of the k-th element (1-based running number over all facades).
int FacadeOfElement(const Job& job, std::size_t k) {
  std::size_t last = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    last += static_cast<std::size_t>(job.ElmCount[iface]);
    if (k <= last) return iface;
  }
  return 0;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FailureText(const Job& job, const RunResult& result, const RunTrace& trace) {
  if (!trace.walkStarted) return "the job lies outside the model's limits";
  const std::size_t k = result.elements.size() + 1;
  const int iface = FacadeOfElement(job, k);
  std::string text =
      "the run stopped at element " + std::to_string(k) + " (facade " + std::to_string(iface) + ")";
  if (AsFacade(iface) == Facade::Floor) text += ": the floor has no Cp values";
  for (const std::string& line : trace.lines)
    text += ": " + Trimmed(line);
  return text;
}

SweepDirection RunOneDirection(Job& job, float AnWind, MessageSink* messages,
                               const SweepSetup& setup, Speedups& speedups,
                               std::vector<ElementResult>& elements) {
  job.AnWind = AnWind;
  if (setup.atDirection) setup.atDirection(job);
  RunTrace trace;
  RunSetup run;
  run.openReport = [&trace] { return std::make_unique<TraceReport>(trace); };
  run.facadeCp = setup.facadeCp;
  run.speedups = &speedups;  // one for all the sweep's directions
  RunContext ctx;
  ctx.messages = messages;
  RunResult result = RunCalculation(job, ctx, run);
  SweepDirection direction;
  direction.AnWind = AnWind;
  direction.geometry = result.geometry;
  direction.completed = result.verdict == RunVerdict::Completed;
  if (!direction.completed) {
    direction.failure = FailureText(job, result, trace);
    return direction;
  }
  // Appended, not resized and overwritten: a sweep's directions hold many Cp.
  direction.Cp.reserve(result.elements.size());
  for (const ElementResult& e : result.elements)
    direction.Cp.push_back(e.Cp);
  direction.status = std::move(result.status);
  if (elements.empty()) {
    elements = std::move(result.elements);
    for (ElementResult& e : elements)
      e.Cp = 0;
  }
  return direction;
}

}  // namespace

bool WindSweep::AllCompleted() const {
  for (const SweepDirection& d : directions)
    if (!d.completed) return false;
  return true;
}

bool WindSweep::AnyCompleted() const {
  for (const SweepDirection& d : directions)
    if (d.completed) return true;
  return false;
}

std::vector<float> SweepDirections(float step) {
  if (!(step > 0 && step <= 360))
    throw std::invalid_argument("The sweep's step must lie between 0 and 360 degrees.");
  std::vector<float> directions;
  // Multiples, not a running sum: no rounding creeps in.
  for (int j = 0; static_cast<double>(j) * step < 360.0; ++j)
    directions.push_back(static_cast<float>(static_cast<double>(j) * step));
  return directions;
}

WindSweep RunWindSweep(const Job& job, const std::vector<float>& directions,
                       const SweepSetup& setup) {
  WindSweep sweep;
  sweep.directions.reserve(directions.size());
  Job run = job;
  // The elements, the walls' plans and curves do not depend on the wind
  // direction; the factors along the walls are kept with their angle.
  const auto speedups = std::make_unique<Speedups>();
  for (std::size_t i = 0; i < directions.size(); ++i) {
    ThrowIfCancelled(setup.cancel);
    MessageSink* messages = i == 0 ? setup.messages : nullptr;
    sweep.directions.push_back(
        RunOneDirection(run, directions[i], messages, setup, *speedups, sweep.elements));
    if (setup.progress) setup.progress(i + 1, directions.size());
  }
  return sweep;
}

}  // namespace ventora
