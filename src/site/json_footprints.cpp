#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "json_readers.h"

namespace ventora::site {
namespace {

int LineOfByte(const std::string& text, std::size_t byte) {
  byte = std::min(byte, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + byte, '\n'));
}

// A number beyond a double's range (1e999): the library names the number
// but not its place, so the first place it is written is taken.
std::string NumberTooLarge(const std::string& text, const std::string& name,
                           const std::string& what) {
  const std::size_t open = what.find('\'');
  const std::size_t close = what.rfind('\'');
  const std::string number =
      open < close ? what.substr(open + 1, close - open - 1) : std::string("?");
  const std::size_t at = text.find(number);
  return "\"" + name + "\"" +
         (at == std::string::npos ? "" : ", line " + std::to_string(LineOfByte(text, at))) +
         ": not valid JSON (the number " + number + " is too large)";
}

}  // namespace

std::string CrsFromName(const std::string& text) {
  if (text.find("CRS84") != std::string::npos) return "OGC:CRS84";
  const std::size_t epsg = text.find("EPSG");
  if (epsg == std::string::npos) return text;
  const std::size_t digits = text.find_last_not_of("0123456789");
  if (digits == std::string::npos || digits + 1 == text.size() || digits < epsg) return text;
  return "EPSG:" + text.substr(digits + 1);
}

FootprintFile ReadJsonText(const std::string& text, const std::string& name,
                           const ReadRules& rules) {
  nlohmann::json root;
  try {
    root = nlohmann::json::parse(text);
  } catch (const nlohmann::json::parse_error& e) {
    throw SiteError("\"" + name + "\", line " + std::to_string(LineOfByte(text, e.byte)) +
                    ": not valid JSON (" + e.what() + ")");
  } catch (const nlohmann::json::out_of_range& e) {
    throw SiteError(NumberTooLarge(text, name, e.what()));
  }
  const std::string type = root.is_object() && root.contains("type") && root["type"].is_string()
                               ? root["type"].get<std::string>()
                               : "";
  try {
    if (type == "CityJSON") return ReadCityJson(root, name);
    if (type == "FeatureCollection" || type == "Feature") return ReadGeoJson(root, name, rules);
  } catch (const nlohmann::json::exception& e) {
    throw SiteError("\"" + name + "\": malformed " + type + " (" + e.what() + ")");
  }
  throw SiteError("\"" + name +
                  "\" is JSON but neither GeoJSON (a FeatureCollection or Feature) nor CityJSON");
}

FootprintFile ReadJsonFootprints(const std::filesystem::path& file, const ReadRules& rules) {
  const std::string name = file.string();
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) throw SiteError("cannot read \"" + name + "\"");
  return ReadJsonText(text, name, rules);
}

}  // namespace ventora::site
