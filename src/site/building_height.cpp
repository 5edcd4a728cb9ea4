#include "building_height.h"

#include <array>
#include <cctype>
#include <cmath>
#include <system_error>
#include <utility>

#include "core/portable_std.h"
#include "surroundings_limits.h"

namespace ventora::site {
namespace {

// Units met in map data, in metres.
constexpr std::array<std::pair<std::string_view, double>, 7> kUnits{{
    {"", 1.0},
    {"m", 1.0},
    {"meter", 1.0},
    {"metres", 1.0},
    {"meters", 1.0},
    {"ft", 0.3048},
    {"'", 0.3048},
}};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

}  // namespace

void KeepHeightsInRange(FootprintFile& file, const std::string& name) {
  std::vector<std::string> outside;
  for (Footprint& f : file.footprints) {
    if (!f.height || Within(*f.height, kHeightLimit.range)) continue;
    outside.push_back(f.id);
    f.height.reset();
  }
  if (outside.empty()) return;
  const bool one = outside.size() == 1;
  file.notes.push_back(Counted(outside.size(), "building", "buildings") + " of \"" + name + "\" " +
                       (one ? "has" : "have") + " a height outside the range " +
                       RangeText(kHeightLimit) + " (" + FewNames(outside) +
                       "): taken as without a height");
}

std::optional<double> ParseHeightText(std::string_view text) {
  text = Trim(text);
  std::string number(text);
  // A decimal comma is common in European data ("12,5").
  for (char& c : number)
    if (c == ',') c = '.';
  double value = 0;
  const auto [end, error] =
      portable::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || end == number.data()) return std::nullopt;
  const std::string_view unit = Trim(std::string_view(end, number.data() + number.size() - end));
  for (const auto& [name, metres] : kUnits) {
    if (unit == name && std::isfinite(value) && value > 0) return value * metres;
  }
  return std::nullopt;
}

std::optional<std::string> OtherTag(std::string_view tags, std::string_view key) {
  const std::string quotedKey = "\"" + std::string(key) + "\"=>\"";
  std::size_t at = 0;
  while ((at = tags.find(quotedKey, at)) != std::string_view::npos) {
    // A match inside another tag's value is preceded by neither start nor comma.
    if (at == 0 || tags[at - 1] == ',') break;
    ++at;
  }
  if (at == std::string_view::npos) return std::nullopt;
  std::string value;
  for (std::size_t i = at + quotedKey.size(); i < tags.size(); ++i) {
    if (tags[i] == '\\' && i + 1 < tags.size()) {
      value += tags[++i];
    } else if (tags[i] == '"') {
      return value;
    } else {
      value += tags[i];
    }
  }
  return std::nullopt;
}

std::optional<double> BuildingHeight(const std::optional<std::string>& height,
                                     const std::optional<std::string>& levels,
                                     double storeyHeight) {
  if (height) {
    if (auto metres = ParseHeightText(*height)) return metres;
  }
  if (levels) {
    std::string text(Trim(*levels));
    for (char& c : text)
      if (c == ',') c = '.';
    double count = 0;
    const auto [end, error] = portable::from_chars(text.data(), text.data() + text.size(), count);
    if (error == std::errc{} && end == text.data() + text.size() && count > 0 &&
        std::isfinite(count))
      return count * storeyHeight;
  }
  return std::nullopt;
}

}  // namespace ventora::site
