#pragma once
// What the run's numbers are worth, element by element: plausible and inside
// the model's confidence ranges, outside one of those ranges (which), or
// implausible: beyond the envelope of physically possible Cp for the
// element's role (core/cp_envelope.h), which on a windward wall depends on
// whether the element stands above the surrounding buildings (its own
// height Z against SbH). The numbers stay as computed; this is a cheap pass
// over them after the walk.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/cp_envelope.h"
#include "core/job.h"
#include "engine/facade_geometry.h"
#include "engine/prepared_elements.h"
#include "engine/report_writer.h"

namespace ventora {

enum class CpPlausibility : std::uint8_t {
  Plausible,          // inside the confidence ranges and the envelope
  OutsideConfidence,  // inside the envelope, some input outside a confidence range
  Implausible,        // beyond the envelope
  NotComputed,        // no Cp (an element outside its facade)
};

// The confidence ranges an element's inputs lie outside, as bits. PAD has
// no confidence range of its own; the run's warning names the troubled
// region instead (engine/troubled_region.h).
enum OutsideConfidence : std::uint8_t {
  kOutsideFAR = 1,
  kOutsideSAR = 2,
  kOutsideRbH = 4,
  kOutsideVeEXP = 8,
  kOutsidePhi = 16,     // roof elements only
  kHeightClamped = 32,  // a wall element computed at a height within the wall band
};

struct ElementStatus {
  CpPlausibility plausibility = CpPlausibility::NotComputed;
  limits::CpRole role = limits::CpRole::WindwardWall;
  std::uint8_t outside = 0;  // OutsideConfidence bits
  bool belowLow = false;     // for an implausible Cp: the bound it crosses is the low one

  const limits::CpBound& CrossedBound() const;
};

// "FAR, RbH and height (computed within the wall band)"; empty for none.
std::string OutsideText(std::uint8_t outside);

// One status per element line of the run of `job`, in order (a line's ZH
// is the height the element was computed at). `prepared`, when given, holds
// the run's elements in the same order: which heights it clamped is read
// from them rather than worked out again.
std::vector<ElementStatus> JudgeElements(const Job& job, const FacadeGeometry& geometry,
                                         const std::vector<ElementResult>& elements,
                                         std::span<const PreparedElement> prepared = {});

// "plausible", "outside the confidence range of FAR and RbH", "implausible:
// below -0.7 for a windward wall", "not computed".
std::string StatusText(const ElementStatus& status);
// The one word of an export's status column: plausible, outside-confidence,
// implausible or not-computed.
const char* StatusWord(CpPlausibility plausibility);

}  // namespace ventora
