#pragma once
// Routes one element to the model of its facade: windward or leeward wall
// model by the facade's relative wind angle, the roof model for the roof,
// no model for the floor.

#include <cstdint>

#include "core/job.h"
#include "engine/along_factor_cache.h"
#include "engine/facade_geometry.h"
#include "engine/facade_plans.h"
#include "engine/height_part_cache.h"
#include "engine/run_context.h"

namespace ventora {

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
  // The walk's cache of height parts, or null to compute every element in
  // full; the result is the same either way.
  HeightPartCache* heights = nullptr;
  // The walk's plans of the height factors at the job's values, or null to
  // evaluate every factor in full; the result is the same either way.
  FacadePlans* plans = nullptr;
  // The walk's factors along the walls, or null to evaluate every element's;
  // the result is the same either way.
  AlongFactorCache* alongs = nullptr;
};

FacadeCpResult FacadeCp(const RunContext& ctx, const FacadeCpInput& in);

}  // namespace ventora
