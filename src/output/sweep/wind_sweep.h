#pragma once
// Cp of every element over all wind directions: the job is run once per
// direction through the run driver, with its AnWind replaced by that
// direction, so every limit check, derived quantity and clamping is the one a
// normal run applies. A direction whose run stops keeps no values and says
// why; the other directions still come out.

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/cancellation.h"
#include "core/job.h"
#include "engine/run_calculation.h"

namespace ventora {

inline constexpr float kDefaultSweepStep = 10;

struct SweepDirection {
  float AnWind = 0;
  bool completed = false;
  std::string failure;                // why the run stopped (empty when completed)
  std::vector<float> Cp;              // one per element when completed, else empty
  std::vector<ElementStatus> status;  // what each of those Cp is worth
  FacadeGeometry geometry;            // the run's relative angles, FAR and SAR
};

struct WindSweep {
  // The elements as the report numbers and places them (X, Z, XL, ZH after
  // clamping); their Cp field is left 0. Empty when no direction completed.
  std::vector<ElementResult> elements;
  std::vector<SweepDirection> directions;

  bool AllCompleted() const;
  bool AnyCompleted() const;
};

struct SweepSetup {
  // Receives the confidence warnings, once for the whole sweep (they do not
  // depend on the wind direction). May be null.
  MessageSink* messages = nullptr;
  // Called after each direction with the number done and the total.
  std::function<void(std::size_t done, std::size_t total)> progress;
  FacadeCpFunction facadeCp = &FacadeCp;
  // Checked before each direction: once set, the sweep throws Cancelled.
  const std::atomic<bool>* cancel = nullptr;
};

// 0, step, 2 * step, ... below 360. Throws std::invalid_argument unless
// 0 < step <= 360.
std::vector<float> SweepDirections(float step);

// Runs `job` at every one of `directions` (degrees, 0 to 360). Writes no
// file. Throws std::runtime_error as RunCalculation does, and Cancelled.
WindSweep RunWindSweep(const Job& job, const std::vector<float>& directions,
                       const SweepSetup& setup);

}  // namespace ventora
