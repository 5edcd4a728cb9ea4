#pragma once
// What an exported element's Cp are worth over a sweep's directions
// (engine/cp_plausibility.h), in the words every export carries: the worst
// status any completed direction gives it.

#include <cstddef>
#include <string>
#include <vector>

#include "output/sweep/wind_sweep.h"

namespace ventora {

// The element's worst status over the completed directions: implausible
// before outside a confidence range before plausible; the directions of an
// implausible one are named.
struct SweptStatus {
  ElementStatus worst;
  std::string directions;  // "240 and 250 deg" for an implausible element, else empty
  float extreme = 0;       // the implausible Cp farthest beyond its bound
};

SweptStatus ElementSweptStatus(const WindSweep& sweep, std::size_t e);
// ElementSweptStatus of every element, read direction by direction: a table
// of every element costs a pass over each direction's statuses as they lie.
std::vector<SweptStatus> SweptStatuses(const WindSweep& sweep);

bool ElementImplausible(const WindSweep& sweep, std::size_t e);
bool AnyImplausible(const WindSweep& sweep);

// "implausible at 240 deg: below -0.7 for a windward wall", "outside the
// confidence range of FAR", "plausible".
std::string SweptStatusText(const WindSweep& sweep, std::size_t e);
std::string SweptStatusText(const SweptStatus& status);

// "2 elements have an implausible Cp, beyond what codes and wind tunnels
// give for their place (down to -9.362): F4_E63 and F4_E64." Empty when none.
std::string ImplausibleSummary(const WindSweep& sweep);

// The implausible summary followed by `consequence`, then the warning about
// plausible Cp beyond -1..1 (cp_beyond_one.h) with its own consequence;
// empty when neither applies.
std::string ExportCpWarning(const WindSweep& sweep, const std::string& consequence,
                            const std::string& beyondOneConsequence);

// The refusal of strict mode (--strict, strict=True) to write `what` (an
// export's name): names the elements; empty when none is implausible.
std::string StrictRefusal(const WindSweep& sweep, const std::string& what);

}  // namespace ventora
