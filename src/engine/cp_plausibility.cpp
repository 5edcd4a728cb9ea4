#include "engine/cp_plausibility.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/parameter_limits.h"
#include "core/portable_std.h"
#include "engine/report_writer.h"

namespace ventora {
namespace {

using limits::CpRole;

// The confidence ranges the run warns about, for the element's own facade:
// its FAR and SAR, the job's RbH, VeEXP and (roof) Phi.
std::uint8_t FacadeOutside(const Job& job, const FacadeGeometry& g, int iface) {
  std::uint8_t bits = 0;
  if (!limits::kFAR.confidence.Contains(g.FacadeFAR[iface])) bits |= kOutsideFAR;
  if (!limits::kSAR.confidence.Contains(g.FacadeSAR[iface])) bits |= kOutsideSAR;
  if (!limits::kRbH.confidence.Contains(g.RbH)) bits |= kOutsideRbH;
  if (!limits::kVeEXP.confidence.Contains(job.VeEXP)) bits |= kOutsideVeEXP;
  if (AsFacade(iface) == Facade::Roof && !limits::kPhi.confidence.Contains(job.Phi))
    bits |= kOutsidePhi;
  return bits;
}

// A wall's role also depends on the element's height: above the
// surroundings a windward wall meets the approaching wind unsheltered.
CpRole RoleOf(const Job& job, const FacadeGeometry& g, int iface, bool aboveSurroundings) {
  return IsWall(AsFacade(iface)) ? limits::WallRole(g.FacadeAngle[iface], aboveSurroundings)
                                 : limits::RoofRole(job.Islope);
}

std::string Number(float value) {
  std::array<char, 32> buffer{};
  const auto r = portable::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), r.ptr};
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
    text += parts[i];
  }
  return text;
}

// Everything but the Cp and the height is the same for a whole facade: the
// statuses its elements can have are made once, so an element's costs a copy
// and a few comparisons.
struct RoleFacts {
  float low = 0;  // the role's envelope
  float high = 0;
  ElementStatus inside;   // within the envelope, at its own height
  ElementStatus clamped;  // within the envelope, computed within the wall band
};

struct FacadeFacts {
  bool wall = false;
  std::size_t first = 0;  // running number of the facade's first element, less one
  float H = 0;
  // An element higher than this (m) plays the `above` role: the surrounding
  // buildings' height on a windward wall, else never.
  float surroundings = std::numeric_limits<float>::infinity();
  ElementStatus notComputed;
  RoleFacts below;
  RoleFacts above;
};

ElementStatus Computed(CpRole role, std::uint8_t outside) {
  return {outside != 0 ? CpPlausibility::OutsideConfidence : CpPlausibility::Plausible, role,
          outside, false};
}

RoleFacts RoleFactsOf(CpRole role, std::uint8_t outside) {
  const limits::CpEnvelope& envelope = limits::EnvelopeOf(role);
  return {envelope.low.value, envelope.high.value, Computed(role, outside),
          Computed(role, static_cast<std::uint8_t>(outside | kHeightClamped))};
}

FacadeFacts FactsOf(const Job& job, const FacadeGeometry& geometry, int iface, std::size_t first) {
  const CpRole below = RoleOf(job, geometry, iface, false);
  const CpRole above = RoleOf(job, geometry, iface, true);
  const std::uint8_t outside = FacadeOutside(job, geometry, iface);
  FacadeFacts f;
  f.wall = IsWall(AsFacade(iface));
  f.first = first;
  f.H = FacadeExtent(job, iface).H;
  if (above != below) f.surroundings = job.SbH;
  f.notComputed = {CpPlausibility::NotComputed, below, outside, false};
  f.below = RoleFactsOf(below, outside);
  f.above = RoleFactsOf(above, outside);
  return f;
}

using Facts = std::array<FacadeFacts, kFacadeCount + 1>;

// A status is copied whole from its facade's and only an implausible Cp
// changes it. clamped(i) tells whether element i was computed at another
// height than its own; the role follows the element's own height.
template <class Clamped>
std::vector<ElementStatus> JudgeAll(const Job& job, const Facts& facts,
                                    const std::vector<ElementResult>& elements, Clamped&& clamped) {
  std::vector<ElementStatus> status(elements.size());
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const ElementResult& e = elements[i];
    const FacadeFacts& f = facts[e.iface];
    ElementStatus& s = status[i];
    if (e.Cp == kNotComputedCp) {
      s = f.notComputed;
      continue;
    }
    const bool above =
        f.wall && job.ElmZ[e.iface][static_cast<std::size_t>(e.k) - f.first] > f.surroundings;
    const RoleFacts& r = above ? f.above : f.below;
    s = clamped(i) ? r.clamped : r.inside;
    const bool belowLow = !(e.Cp >= r.low);
    if (belowLow || !(e.Cp <= r.high)) {
      s.plausibility = CpPlausibility::Implausible;
      s.belowLow = belowLow;
    }
  }
  return status;
}

}  // namespace

const limits::CpBound& ElementStatus::CrossedBound() const {
  const limits::CpEnvelope& envelope = limits::EnvelopeOf(role);
  return belowLow ? envelope.low : envelope.high;
}

std::vector<ElementStatus> JudgeElements(const Job& job, const FacadeGeometry& geometry,
                                         const std::vector<ElementResult>& elements,
                                         std::span<const PreparedElement> prepared) {
  Facts facts{};
  std::size_t first = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    facts[iface] = FactsOf(job, geometry, iface, first);
    first += static_cast<std::size_t>(job.ElmCount[iface]);
  }
  if (prepared.size() >= elements.size())
    return JudgeAll(job, facts, elements, [&](std::size_t i) { return prepared[i].heightClamped; });
  // A wall element computed at a height clamped into the wall band has the
  // clamped ZH in its line, not its own.
  return JudgeAll(job, facts, elements, [&](std::size_t i) {
    const ElementResult& e = elements[i];
    const FacadeFacts& f = facts[e.iface];
    return f.wall && e.ZH != job.ElmZ[e.iface][static_cast<std::size_t>(e.k) - f.first] / f.H;
  });
}

std::string OutsideText(std::uint8_t outside) {
  static constexpr std::array<std::pair<std::uint8_t, const char*>, 6> kNames{{
      {kOutsideFAR, "FAR"},
      {kOutsideSAR, "SAR"},
      {kOutsideRbH, "RbH"},
      {kOutsideVeEXP, "VeEXP"},
      {kOutsidePhi, "Phi"},
      {kHeightClamped, "height (computed within the wall band)"},
  }};
  std::vector<std::string> names;
  for (const auto& [bit, name] : kNames)
    if ((outside & bit) != 0) names.emplace_back(name);
  return Joined(names);
}

std::string StatusText(const ElementStatus& status) {
  switch (status.plausibility) {
    case CpPlausibility::Plausible:
      return "plausible";
    case CpPlausibility::OutsideConfidence:
      return "outside the confidence range of " + OutsideText(status.outside);
    case CpPlausibility::Implausible:
      break;
    case CpPlausibility::NotComputed:
      return "not computed";
  }
  const limits::CpEnvelope& envelope = limits::EnvelopeOf(status.role);
  std::string text = std::string("implausible: ") + (status.belowLow ? "below " : "above ") +
                     Number(status.CrossedBound().value) + " for a " + envelope.name;
  if (status.outside != 0)
    text += "; outside the confidence range of " + OutsideText(status.outside);
  return text;
}

const char* StatusWord(CpPlausibility plausibility) {
  switch (plausibility) {
    case CpPlausibility::Plausible:
      return "plausible";
    case CpPlausibility::OutsideConfidence:
      return "outside-confidence";
    case CpPlausibility::Implausible:
      return "implausible";
    case CpPlausibility::NotComputed:
      break;
  }
  return "not-computed";
}

}  // namespace ventora
