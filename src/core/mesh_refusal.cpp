#include "core/mesh_refusal.h"

#include "core/mesh_fill.h"
#include "core/range_message.h"

namespace ventora {

std::string MeshRangeText(const MeshBox& box, double value, const limits::Range& range,
                          char decimal, const std::string& where) {
  const limits::ParameterLimits named{
      .accepted = range, .label = box.name.c_str(), .symbol = box.symbol, .unit = box.unit};
  return limits::OutsideRangeText(
      {named, static_cast<float>(value), range, limits::RangeKind::Accepted, where, decimal});
}

std::string MeshNotANumberText(const MeshBox& box, const std::string& typed,
                               const limits::Range& range, bool whole, char decimal) {
  const std::string what =
      typed.empty() ? " is empty"
                    : " \"" + typed + "\" is not a " + (whole ? "whole number" : "number");
  return box.name + " " + box.symbol + what + "; the accepted range is " +
         limits::PlainRangeText(range, box.symbol, decimal) + ".";
}

std::string TotalNodesText(long long nodes, char decimal) {
  const limits::Range accepted{0, limits::End::Unbounded, kMaxMeshNodes, limits::End::Inclusive};
  return MeshRangeText({"Number of nodes", "NH \u00d7 NV", ""}, static_cast<double>(nodes),
                       accepted, decimal);
}

}  // namespace ventora
