#include "commands/implausible_message.h"

#include <cmath>

#include "core/number_format.h"
#include "engine/troubled_region.h"

namespace ventora {
namespace {

// Three decimals are enough to find the element and judge the input.
std::string Short(float value, const NumberLocale& locale) {
  return LocaleNumberText(static_cast<float>(std::round(value * 1000.0) / 1000.0), locale);
}

struct Extreme {
  const ElementResult* element = nullptr;
  const ElementStatus* status = nullptr;
};

std::string Where(const Extreme& x, const NumberLocale& locale) {
  const limits::CpEnvelope& envelope = limits::EnvelopeOf(x.status->role);
  return Short(x.element->Cp, locale) + " at element " + std::to_string(x.element->k) +
         " (facade " + std::to_string(x.element->iface) + ", " + envelope.name + ", " +
         (x.status->belowLow ? "below " : "above ") +
         Short(x.status->CrossedBound().value, locale) + ")";
}

}  // namespace

std::string ImplausibleRunMessage(const Job& job, const RunResult& result,
                                  const NumberLocale& locale) {
  std::size_t count = 0;
  Extreme low;
  Extreme high;
  for (std::size_t i = 0; i < result.status.size() && i < result.elements.size(); ++i) {
    if (result.status[i].plausibility != CpPlausibility::Implausible) continue;
    ++count;
    const Extreme x{&result.elements[i], &result.status[i]};
    if (x.status->belowLow && (low.element == nullptr || x.element->Cp < low.element->Cp)) low = x;
    if (!x.status->belowLow && (high.element == nullptr || x.element->Cp > high.element->Cp))
      high = x;
  }
  if (count == 0) return "";
  std::string text = std::to_string(count) +
                     (count == 1 ? " element has a Cp" : " elements have a Cp") +
                     " beyond what codes and wind tunnels give for its place:";
  if (low.element != nullptr) text += " lowest " + Where(low, locale) + ";";
  if (high.element != nullptr) text += " highest " + Where(high, locale) + ";";
  text.back() = '.';
  text += " " + troubled::RegionSentence(job, result.geometry,
                                         [&locale](float v) { return Short(v, locale); });
  return text +
         " The values are kept as computed and marked implausible; see \"Where the fitted "
         "curves misbehave\" in the guide.";
}

void ShowImplausible(const Job& job, const RunResult& result, const NumberLocale& locale,
                     MessageSink& messages) {
  const std::string text = ImplausibleRunMessage(job, result, locale);
  if (!text.empty()) messages.Show(Message{"Warning", text});
}

}  // namespace ventora
