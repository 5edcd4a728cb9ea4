#pragma once
// The checks a job must pass before it is run, with the boxes they show.
// Both return a status: 0 the job may run, 1 it may not. Warnings never
// stop a run.

#include <cstdint>
#include <string_view>

#include "core/job.h"
#include "core/messages.h"
#include "core/number_locale.h"

namespace ventora {

// The header values. Sets SbH to Bdz when PAD is 0 and they differ, and Phi
// to 0 on a flat roof; changes nothing else. `locale` gives the user's
// decimal separator to the texts that quote decimal numbers.
std::int16_t CheckJobData(Job& job, MessageSink& messages, const NumberLocale& locale);

// Every element's relative position XL, ZH: refuses elements outside their
// facade, and warns (once) about elements outside the confidence range of
// the height profile. Works on its own copy of the positions.
std::int16_t CheckElements(const Job& job, MessageSink& messages);

// The box texts, for callers that react to a refusal.
inline constexpr const char* kOutOfLimitsText =
    "The Calculation can not be carried out because input data are out of limits. Please correct "
    "input data.";

}  // namespace ventora
