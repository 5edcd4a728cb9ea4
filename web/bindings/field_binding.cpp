// What the page asks of core while the user types: a header value checked
// as the desktop's environment dialog checks it, a grid cell read as its
// facade editor reads it, a value's text, the roof type's sentence.
#include <emscripten/bind.h>

#include <cmath>
#include <string>

#include "core/number_parse.h"
#include "core/number_text.h"
#include "core/parameter_limits.h"
#include "core/range_message.h"
#include "core/roof_layout.h"
#include "web/bindings/header_values.h"
#include "web/bindings/page_numbers.h"

namespace ventora::web {
namespace {

using emscripten::val;

val Refusal(const std::string& text) {
  val result = val::object();
  result.set("refusal", text);
  return result;
}

val Accepted(float value, const NumberText& numbers) {
  val result = val::object();
  result.set("value", value);
  result.set("text", Trimmed(numbers.ToText(value)));
  return result;
}

// {value, text} for a header value the field takes, {refusal} otherwise.
val CheckHeaderValue(const std::string& symbol, const std::string& typed) {
  const HeaderValue* field = nullptr;
  for (const HeaderValue& h : kHeaderValues)
    if (symbol == h.symbol) field = &h;
  if (field == nullptr) return Refusal("Unknown value " + symbol);
  NumberText numbers = PageNumbers();
  const std::string shown = Trimmed(typed);
  std::string text = shown;
  numbers.ToLocaleDecimal(text);
  const std::string notANumber = limits::NotANumberText(*field->limits, shown, *field->accepts);
  if (!IsLocaleNumber(text, numbers.Locale())) return Refusal(notANumber);
  float v = 0;
  try {
    v = static_cast<float>(numbers.TextToNumber(text));
  } catch (const NumberConversionError&) {
    return Refusal(notANumber);
  }
  if (!std::isfinite(v)) return Refusal(notANumber);
  if (!field->accepts->Contains(v))
    return Refusal(limits::OutsideRangeText(
        {*field->limits, v, *field->accepts, limits::RangeKind::Accepted, "", '.'}));
  return Accepted(v, numbers);
}

// A cell the user leaves: {value, text}, or the desktop's {refusal}.
val LeaveCell(const std::string& typed) {
  NumberText numbers = PageNumbers();
  std::string text = typed;
  const float value = numbers.TextToSingle(text);
  if (numbers.ConvError()) return Refusal(typed + " is not a valid number");
  return Accepted(value, numbers);
}

// A cell as a coordinate when the grid is taken into the job: its value,
// or null unless it holds a finite number.
val CellValue(const std::string& typed) {
  NumberText numbers = PageNumbers();
  std::string text = typed;
  numbers.ToLocaleDecimal(text);
  if (text.empty() || !IsLocaleNumber(text, numbers.Locale())) return val::null();
  try {
    const auto value = static_cast<float>(numbers.TextToNumber(text));
    return std::isfinite(value) ? val(value) : val::null();
  } catch (const NumberConversionError&) {
    return val::null();
  }
}

// Whether a coordinate lies beyond a facade `extent` long (column 1: X,
// else the height or the roof's width), as the check before a run sees it.
bool OutsideFacade(int column, float value, float extent) {
  const limits::Range& accepted = column == 1 ? limits::kXL.accepted : limits::kZH.accepted;
  return extent > 0 && accepted.Outside(value / extent);
}

std::string ValueText(float value) {
  return Trimmed(PageNumbers().ToText(value));
}

std::string RoofText(int islope) {
  return RoofLayoutText(static_cast<std::int16_t>(islope));
}

}  // namespace

EMSCRIPTEN_BINDINGS(fields) {
  emscripten::function("checkHeaderValue", &CheckHeaderValue);
  emscripten::function("leaveCell", &LeaveCell);
  emscripten::function("cellValue", &CellValue);
  emscripten::function("outsideFacade", &OutsideFacade);
  emscripten::function("valueText", &ValueText);
  emscripten::function("roofText", &RoofText);
}

}  // namespace ventora::web
