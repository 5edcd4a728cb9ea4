#pragma once
// The job's header values as the Python module names them: the long name,
// the short name the job file, the reports and the exports use, and the range
// the desktop program's fields accept (from the one table of limits). Job's
// attributes and keywords, ventora.cp's keywords and their checks read it.

#include <array>
#include <string>

#include "core/job.h"
#include "core/parameter_limits.h"

namespace ventora::python {

struct HeaderField {
  const char* name;
  const char* alias;     // as the job file, the reports and the exports write it
  const char* oldAlias;  // another spelling that is accepted too, or null
  float Job::*member;
  const limits::Range* accepted;
  const char* doc;
};

inline const std::array<HeaderField, 9> kHeaderFields{{
    {"building_azimuth", "AzB", nullptr, &Job::AzB, &limits::kAzB.accepted,
     "Building azimuth in degrees (0 to 360): the direction wall 4's outward normal points to."},
    {"wind_direction", "AnWind", nullptr, &Job::AnWind, &limits::kAnWind.accepted,
     "Wind direction in degrees (0 to 360), where the wind comes from."},
    {"plan_area_density", "PAD", nullptr, &Job::PAD, &limits::kPAD.accepted,
     "Plan area density of the surroundings in % (0 to 50; 35 unless the building is a cube)."},
    {"surroundings_height", "SbH", nullptr, &Job::SbH, &limits::kSbH.accepted,
     "Height of the surrounding buildings in metres (above 0)."},
    {"height", "BdZ", "Bdz", &Job::Bdz, &limits::kBdz.accepted,
     "Height of the building in metres (above 0)."},
    {"length", "BdX", nullptr, &Job::BdX, &limits::kBdX.accepted,
     "Length of the building in metres (walls 1 and 3, roof X; above 0)."},
    {"width", "BdY", nullptr, &Job::BdY, &limits::kBdY.accepted,
     "Width of the building in metres (walls 2 and 4, roof Y; above 0)."},
    {"profile_exponent", "VeEXP", nullptr, &Job::VeEXP, &limits::kVeEXPFieldAccepted,
     "Wind velocity profile exponent, dimensionless (0.10 to 0.45; 0 to 0.10 is refused by "
     "the checks before a run)."},
    {"roof_tilt", "Phi", nullptr, &Job::Phi, &limits::kPhi.accepted,
     "Roof tilt angle in degrees (0 to below 50; 0 on a flat roof)."},
}};

// The field named `key` by its long name or either short one, or null.
inline const HeaderField* FindHeaderField(const std::string& key) {
  for (const HeaderField& f : kHeaderFields)
    if (key == f.name || key == f.alias || (f.oldAlias != nullptr && key == f.oldAlias)) return &f;
  return nullptr;
}

// "length (BdX) = -5 is outside its range BdX > 0": why `value` is refused
// for `field`, or empty when it is accepted. `shown` is the value as the
// caller wrote it.
std::string RefusedValue(const HeaderField& field, float value, const std::string& shown);

}  // namespace ventora::python
