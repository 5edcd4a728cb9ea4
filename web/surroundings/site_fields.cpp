#include "web/surroundings/site_fields.h"

#include <cmath>
#include <system_error>
#include <vector>

#include "core/portable_std.h"
#include "web/bindings/page_numbers.h"

namespace ventora::web {
namespace {

std::optional<double> ReadNumber(std::string text) {
  text = Trimmed(text);
  for (char& c : text)
    if (c == ',') c = '.';
  double value = 0;
  const auto [end, error] = portable::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::vector<std::string> Split(const std::string& text, const std::string& separators) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while ((start = text.find_first_not_of(separators, start)) != std::string::npos) {
    const std::size_t end = text.find_first_of(separators, start);
    parts.push_back(text.substr(start, end - start));
    start = end;
  }
  return parts;
}

}  // namespace

Read<site::XY> ReadSite(const std::string& text) {
  const std::string t = Trimmed(text);
  // Decimal commas between blanks or semicolons, else a comma between.
  for (const char* separators : {"; \t", ","}) {
    const std::vector<std::string> parts = Split(t, separators);
    const auto x = parts.size() == 2 ? ReadNumber(parts[0]) : std::nullopt;
    const auto y = parts.size() == 2 ? ReadNumber(parts[1]) : std::nullopt;
    if (x && y) return site::XY{*x, *y};
  }
  return "Site \"" + text +
         "\": give the site as X,Y in the file's coordinates (lon,lat for GeoJSON, "
         "easting,northing for projected data), e.g. 24.9384,60.1699";
}

Read<std::optional<double>> ReadLength(const std::string& name, const std::string& text) {
  if (Trimmed(text).empty()) return std::optional<double>();
  const auto value = ReadNumber(text);
  if (!value || !(*value > 0)) return name + " \"" + text + "\": a length above 0 m is needed";
  return value;
}

}  // namespace ventora::web
