#pragma once
// Elements with a Cp beyond -1..1 at some wind direction. The values are
// real (roof edges, corners) and are written as computed, but the airflow
// tools treat such values specially, so every export says which they are.

#include <cstddef>
#include <string>
#include <vector>

#include "output/sweep/wind_sweep.h"

namespace ventora {

// True when any of the element's computed Cp lies beyond -1..1.
bool ElementCpBeyondOne(const WindSweep& sweep, std::size_t e);

// "3 elements have a Cp beyond -1..1 (down to -2.27): F5_E61, F5_E62 and
// F5_E70", the first three named and the rest counted; empty when none.
// With `skipImplausible`, elements with an implausible Cp (cp_status.h) are
// left out: an export that does not present them as real says so apart.
std::string CpBeyondOneSummary(const WindSweep& sweep, bool skipImplausible = false);

// The warning of an export: the summary, then what `consequence` says the
// target tool does with them; empty when no Cp lies beyond -1..1.
std::string CpBeyondOneWarning(const WindSweep& sweep, const std::string& consequence,
                               bool skipImplausible = false);

// `text` as comment lines of at most about 78 characters, each begun by
// `mark` and ended by CR LF.
std::string CommentLines(const std::string& text, const std::string& mark);

}  // namespace ventora
