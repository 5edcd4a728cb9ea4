#include "output/sweep/cp_status.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr std::size_t kNamedElements = 3;

int Rank(CpPlausibility p) {
  switch (p) {
    case CpPlausibility::Implausible:
      return 3;
    case CpPlausibility::OutsideConfidence:
      return 2;
    case CpPlausibility::Plausible:
      return 1;
    case CpPlausibility::NotComputed:
      break;
  }
  return 0;
}

float BeyondBound(const ElementStatus& s, float Cp) {
  return std::fabs(Cp - s.CrossedBound().value);
}

std::string NamedList(const std::vector<std::string>& names) {
  std::string text;
  const std::size_t named = std::min(names.size(), kNamedElements);
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) text += i + 1 == named && named == names.size() ? " and " : ", ";
    text += names[i];
  }
  if (names.size() > named) text += " and " + std::to_string(names.size() - named) + " more";
  return text;
}

}  // namespace

SweptStatus ElementSweptStatus(const WindSweep& sweep, std::size_t e) {
  SweptStatus out;
  std::vector<std::string> directions;
  for (const SweepDirection& d : sweep.directions) {
    if (!d.completed || e >= d.status.size()) continue;
    const ElementStatus& s = d.status[e];
    if (s.plausibility == CpPlausibility::Implausible) {
      directions.push_back(NumberString(d.AnWind));
      if (out.worst.plausibility != CpPlausibility::Implausible ||
          BeyondBound(s, d.Cp[e]) > BeyondBound(out.worst, out.extreme)) {
        out.worst = s;
        out.extreme = d.Cp[e];
      }
    } else if (s.plausibility == out.worst.plausibility) {
      // Most directions give the worst status found so far.
      out.worst.outside |= s.outside;
    } else if (Rank(s.plausibility) > Rank(out.worst.plausibility)) {
      out.worst = s;
    }
  }
  if (!directions.empty()) {
    for (std::size_t i = 0; i < directions.size(); ++i)
      out.directions +=
          (i == 0 ? "" : (i + 1 == directions.size() ? " and " : ", ")) + directions[i];
    out.directions += " deg";
  }
  return out;
}

std::vector<SweptStatus> SweptStatuses(const WindSweep& sweep) {
  const std::size_t n = sweep.elements.size();
  // Merged side by side as ElementSweptStatus merges them; an implausible
  // element is left to it, as it names the directions.
  std::vector<ElementStatus> worst(n);
  std::vector<bool> implausible(n);
  for (const SweepDirection& d : sweep.directions) {
    if (!d.completed) continue;
    const std::size_t count = std::min(n, d.status.size());
    for (std::size_t e = 0; e < count; ++e) {
      const ElementStatus& s = d.status[e];
      // Never implausible itself, so an equal status is not.
      if (s.plausibility == worst[e].plausibility)
        worst[e].outside |= s.outside;
      else if (s.plausibility == CpPlausibility::Implausible)
        implausible[e] = true;
      else if (Rank(s.plausibility) > Rank(worst[e].plausibility))
        worst[e] = s;
    }
  }
  std::vector<SweptStatus> out(n);
  for (std::size_t e = 0; e < n; ++e) {
    if (implausible[e])
      out[e] = ElementSweptStatus(sweep, e);
    else
      out[e].worst = worst[e];
  }
  return out;
}

bool ElementImplausible(const WindSweep& sweep, std::size_t e) {
  for (const SweepDirection& d : sweep.directions)
    if (d.completed && e < d.status.size() &&
        d.status[e].plausibility == CpPlausibility::Implausible)
      return true;
  return false;
}

bool AnyImplausible(const WindSweep& sweep) {
  // Direction by direction: each one's statuses lie side by side.
  for (const SweepDirection& d : sweep.directions) {
    if (!d.completed) continue;
    const auto end = d.status.begin() +
                     static_cast<std::ptrdiff_t>(std::min(d.status.size(), sweep.elements.size()));
    for (auto s = d.status.begin(); s != end; ++s)
      if (s->plausibility == CpPlausibility::Implausible) return true;
  }
  return false;
}

std::string SweptStatusText(const WindSweep& sweep, std::size_t e) {
  return SweptStatusText(ElementSweptStatus(sweep, e));
}

std::string SweptStatusText(const SweptStatus& s) {
  std::string text = StatusText(s.worst);
  if (s.worst.plausibility == CpPlausibility::Implausible)
    text.insert(std::string("implausible").size(),
                " at " + s.directions + " (" + NumberString(s.extreme) + ")");
  return text;
}

std::string ImplausibleSummary(const WindSweep& sweep) {
  if (!AnyImplausible(sweep)) return "";
  std::vector<std::string> names;
  float low = 0;
  float high = 0;
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    if (!ElementImplausible(sweep, e)) continue;
    names.push_back(ElementLabel(sweep, e));
    for (const SweepDirection& d : sweep.directions) {
      if (!d.completed || d.status[e].plausibility != CpPlausibility::Implausible) continue;
      low = std::min(low, d.Cp[e]);
      high = std::max(high, d.Cp[e]);
    }
  }
  if (names.empty()) return "";
  std::string range;
  if (low < 0) range += "down to " + NumberString(low);
  if (high > 0) range += (range.empty() ? "" : ", ") + ("up to " + NumberString(high));
  return std::to_string(names.size()) + (names.size() == 1 ? " element has" : " elements have") +
         " an implausible Cp, beyond what codes and wind tunnels give for its place (" + range +
         "): " + NamedList(names) + ".";
}

std::string ExportCpWarning(const WindSweep& sweep, const std::string& consequence,
                            const std::string& beyondOneConsequence) {
  std::string warning = ImplausibleSummary(sweep);
  if (!warning.empty()) warning += " " + consequence;
  const std::string beyond = CpBeyondOneWarning(sweep, beyondOneConsequence, true);
  if (!beyond.empty()) warning += (warning.empty() ? "" : " ") + beyond;
  return warning;
}

std::string StrictRefusal(const WindSweep& sweep, const std::string& what) {
  const std::string summary = ImplausibleSummary(sweep);
  if (summary.empty()) return "";
  return summary + " In strict mode no " + what +
         " that holds an implausible Cp is written; nothing was written.";
}

}  // namespace ventora
