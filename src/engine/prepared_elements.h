#pragma once
// The elements of a job as the run walks them, in the report's order: each
// one's facade, its relative place (the height as the run computes it, within
// the model's band), its place in metres as the report shows it, and whether
// it lies outside its facade. None of it depends on the wind direction, so a
// sweep prepares its elements once for all its directions
// (speedups/element_memo.h).

#include <cstdint>
#include <vector>

#include "core/job.h"

namespace ventora {

struct PreparedElement {
  std::int16_t iface = 0;
  bool outside = false;        // outside its facade: the run does not compute it
  bool lastOfFacade = false;   // its facade's average follows its line
  bool heightClamped = false;  // a wall element computed at another height than its own
  float XL = 0;
  float ZH = 0;  // clamped as the run computes it, unless outside
  float X = 0;   // XL * L
  float Z = 0;   // ZH * H
};

// Every element of every facade, numbered 1, 2, 3 ... in facade order, then
// element order (vector index k - 1). Throws std::runtime_error for a facade
// holding fewer than 0 or more than 400 elements.
std::vector<PreparedElement> PrepareElements(const Job& job);

}  // namespace ventora
