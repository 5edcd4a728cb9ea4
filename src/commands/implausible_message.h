#pragma once
// The one message a run gives about its implausible Cp: how many elements,
// the extremes, and which inputs lie where the model's fitted curves
// misbehave. Shown by the Run command of the desktop program and
// ventora-run alike.

#include <string>

#include "core/job.h"
#include "core/messages.h"
#include "core/number_locale.h"
#include "engine/run_calculation.h"

namespace ventora {

// Empty when no element's Cp is implausible.
std::string ImplausibleRunMessage(const Job& job, const RunResult& result,
                                  const NumberLocale& locale);

// Shows it as a warning, once, when there is one.
void ShowImplausible(const Job& job, const RunResult& result, const NumberLocale& locale,
                     MessageSink& messages);

}  // namespace ventora
