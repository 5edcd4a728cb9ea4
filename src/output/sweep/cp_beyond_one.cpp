#include "output/sweep/cp_beyond_one.h"

#include <cmath>

#include "output/sweep/cp_status.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr std::size_t kNamedElements = 3;
constexpr std::size_t kCommentWidth = 78;

}  // namespace

bool ElementCpBeyondOne(const WindSweep& sweep, std::size_t e) {
  for (const SweepDirection& d : sweep.directions)
    if (d.completed && std::fabs(d.Cp[e]) > 1.0f) return true;
  return false;
}

namespace {

// Whether any completed direction has a Cp beyond -1..1: one pass over each
// direction's values, without stopping early, that the compiler vectorises.
bool AnyCpBeyondOne(const WindSweep& sweep) {
  std::size_t beyond = 0;
  for (const SweepDirection& d : sweep.directions)
    if (d.completed)
      for (float Cp : d.Cp)
        beyond += std::fabs(Cp) > 1.0f ? 1 : 0;
  return beyond > 0;
}

}  // namespace

std::string CpBeyondOneSummary(const WindSweep& sweep, bool skipImplausible) {
  if (!AnyCpBeyondOne(sweep)) return "";
  std::vector<std::string> names;
  float extreme = 0;
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    if (!ElementCpBeyondOne(sweep, e)) continue;
    if (skipImplausible && ElementImplausible(sweep, e)) continue;
    names.push_back(ElementLabel(sweep, e));
    for (const SweepDirection& d : sweep.directions)
      if (d.completed && std::fabs(d.Cp[e]) > std::fabs(extreme)) extreme = d.Cp[e];
  }
  if (names.empty()) return "";
  std::string text = std::to_string(names.size()) +
                     (names.size() == 1 ? " element has" : " elements have") +
                     " a Cp beyond -1..1 (" + (extreme < 0 ? "down to " : "up to ") +
                     NumberString(extreme) + "): ";
  const std::size_t named = std::min(names.size(), kNamedElements);
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) text += i + 1 == named && named == names.size() ? " and " : ", ";
    text += names[i];
  }
  if (names.size() > named) text += " and " + std::to_string(names.size() - named) + " more";
  return text + ".";
}

std::string CpBeyondOneWarning(const WindSweep& sweep, const std::string& consequence,
                               bool skipImplausible) {
  const std::string summary = CpBeyondOneSummary(sweep, skipImplausible);
  return summary.empty() ? "" : summary + " " + consequence;
}

std::string CommentLines(const std::string& text, const std::string& mark) {
  std::string out;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    if (!line.empty() && line.size() + 1 + word.size() > kCommentWidth) {
      out += mark + line + "\r\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    at = end + 1;
  }
  if (!line.empty()) out += mark + line + "\r\n";
  return out;
}

}  // namespace ventora
