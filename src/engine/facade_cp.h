#pragma once
// Routes one element to the model of its facade: windward or leeward wall
// model by the facade's relative wind angle, the roof model for the roof,
// no model for the floor.

#include <cstdint>

#include "core/job.h"
#include "engine/facade_geometry.h"
#include "engine/models/model_input.h"
#include "engine/run_context.h"

namespace ventora {

class Speedups;

struct FacadeCpResult {
  float cp = 0;
  std::int16_t err = 0;  // 0: cp holds the element's Cp
};

// One element and what the models need to know about its job. `carried` is
// what the caller holds going in: its cp comes back as it was unless a model
// writes one, and its err is only ever raised (a nonzero err makes the wall
// and roof models stop at their first check, leaving cp as it was).
struct FacadeCpInput {
  const FacadeGeometry& geometry;  // RbH and each facade's angle, FAR and SAR
  float PAD = 0;
  float VeEXP = 0;
  Facade facade = Facade::Wall1;
  float XL = 0;
  float ZH = 0;
  std::int16_t Islope = 0;
  float Phi = 0;
  FacadeCpResult carried{};
  // What the walk keeps to compute less (speedups/speedups.h), or null to
  // compute every element in full; the result is the same either way.
  Speedups* speedups = nullptr;
};

FacadeCpResult FacadeCp(const RunContext& ctx, const FacadeCpInput& in);

// What the element's model takes: the job's values and its facade's.
inline ModelInput ModelInputOf(const FacadeCpInput& in) {
  const auto i = static_cast<std::size_t>(FacadeIndex(in.facade));
  const FacadeGeometry& g = in.geometry;
  return {.VeEXP = in.VeEXP,
          .PAD = in.PAD,
          .RbH = g.RbH,
          .FAR = g.FacadeFAR[i],
          .SAR = g.FacadeSAR[i],
          .angle = g.FacadeAngle[i],
          .ZH = in.ZH,
          .XL = in.XL,
          .Islope = in.Islope,
          .Phi = in.Phi};
}

}  // namespace ventora
