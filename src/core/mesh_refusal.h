#pragma once
// The mesh dialogs' refusals, in the notation of every range message: the
// box's name and symbol, what was read or typed, and the range the dialog
// takes, "Number of horizontal nodes NH 0 is outside the accepted range
// 1 ≤ NH ≤ 400."

#include <string>

#include "core/parameter_limits.h"

namespace ventora {

struct MeshBox {
  std::string name;    // "Number of horizontal nodes"
  const char* symbol;  // "NH"
  const char* unit;    // "m", or "" for a count
};

std::string MeshRangeText(const MeshBox& box, double value, const limits::Range& range,
                          char decimal, const std::string& where = "");

// Text that is not a number (`whole`: not a whole number).
std::string MeshNotANumberText(const MeshBox& box, const std::string& typed,
                               const limits::Range& range, bool whole, char decimal);

// More nodes than a facade holds: "Number of nodes NH × NV 500 is outside
// the accepted range NH × NV ≤ 400."
std::string TotalNodesText(long long nodes, char decimal);

}  // namespace ventora
