#pragma once
// The job's nine numeric header values as the page edits them: the symbol
// the job file and the page use, the member, and the range the desktop's
// environment dialog accepts (the exponent from 0, as its field does).

#include <array>

#include "core/job.h"
#include "core/parameter_limits.h"

namespace ventora::web {

struct HeaderValue {
  const char* symbol;
  float Job::*member;
  const limits::Range* accepts;
  const limits::ParameterLimits* limits;
};

inline const std::array<HeaderValue, 9> kHeaderValues{{
    {"AzB", &Job::AzB, &limits::kAzB.accepted, &limits::kAzB},
    {"AnWind", &Job::AnWind, &limits::kAnWind.accepted, &limits::kAnWind},
    {"PAD", &Job::PAD, &limits::kPAD.accepted, &limits::kPAD},
    {"SbH", &Job::SbH, &limits::kSbH.accepted, &limits::kSbH},
    {"Bdz", &Job::Bdz, &limits::kBdz.accepted, &limits::kBdz},
    {"BdX", &Job::BdX, &limits::kBdX.accepted, &limits::kBdX},
    {"BdY", &Job::BdY, &limits::kBdY.accepted, &limits::kBdY},
    {"VeEXP", &Job::VeEXP, &limits::kVeEXPFieldAccepted, &limits::kVeEXP},
    {"Phi", &Job::Phi, &limits::kPhi.accepted, &limits::kPhi},
}};

}  // namespace ventora::web
