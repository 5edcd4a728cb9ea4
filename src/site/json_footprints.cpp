#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "core/cancellation.h"
#include "json_readers.h"

namespace ventora::site {
namespace {

// Map data nest a few levels (a CityJSON composite solid, GeometryCollections
// within collections); a hostile file nests thousands, which building the
// tree or copying it would follow down the stack.
constexpr int kDeepestJson = 100;
// Bytes scanned between two looks at the cancel flag.
constexpr std::size_t kScanStep = 1 << 20;

int LineOfByte(const std::string& text, std::size_t byte) {
  byte = std::min(byte, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + byte, '\n'));
}

std::string Where(const std::string& text, const std::string& name, std::size_t byte) {
  return "\"" + name + "\", line " + std::to_string(LineOfByte(text, byte));
}

// Refuses a text whose arrays and objects nest deeper than kDeepestJson,
// before the parser builds anything of it.
void CheckNesting(const std::string& text, const std::string& name,
                  const std::atomic<bool>* cancel) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % kScanStep == 0) ThrowIfCancelled(cancel);
    const char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kDeepestJson)
        throw SiteError(Where(text, name, i) + ": arrays and objects nested more than " +
                        std::to_string(kDeepestJson) +
                        " deep, deeper than map data nest them: not a map file this program "
                        "reads");
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
}

// What the parser stopped at, in the program's words.
std::string SyntaxFault(const std::string& text, const std::string& name, std::size_t byte) {
  if (byte > text.size() || text.find_first_not_of(" \t\r\n", byte - 1) == std::string::npos)
    return Where(text, name, text.size()) +
           ": not valid JSON (the text ends before its last array or object is closed: is the "
           "file cut short?)";
  const std::size_t at = byte - 1;
  const std::size_t lineStart = text.rfind('\n', at);
  const std::size_t column = at - (lineStart == std::string::npos ? 0 : lineStart + 1) + 1;
  const auto c = static_cast<unsigned char>(text[at]);
  const std::string shown =
      c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : "byte " + std::to_string(c);
  return Where(text, name, at) + ": not valid JSON (unexpected " + shown + " at column " +
         std::to_string(column) + ")";
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

std::string JsonFault(const nlohmann::json::exception& e) {
  // The library's identifiers: 3xx a value of another type, 4xx a member
  // or an item that is not there.
  if (e.id >= 300 && e.id < 400) return "a member of another type than the format has there";
  if (e.id >= 400 && e.id < 500) return "a member or an array item the format needs is missing";
  return "a member the format does not allow";
}

FootprintFile ReadJsonText(const std::string& text, const std::string& name,
                           const ReadRules& rules) {
  CheckNesting(text, name, rules.cancel);
  nlohmann::json root;
  try {
    root = nlohmann::json::parse(text);
  } catch (const nlohmann::json::parse_error& e) {
    throw SiteError(SyntaxFault(text, name, e.byte));
  } catch (const nlohmann::json::out_of_range& e) {
    throw SiteError(NumberTooLarge(text, name, e.what()));
  }
  ThrowIfCancelled(rules.cancel);
  const std::string type = root.is_object() && root.contains("type") && root["type"].is_string()
                               ? root["type"].get<std::string>()
                               : "";
  try {
    if (type == "CityJSON") return ReadCityJson(root, name, rules);
    if (type == "FeatureCollection" || type == "Feature") return ReadGeoJson(root, name, rules);
  } catch (const nlohmann::json::exception& e) {
    throw SiteError("\"" + name + "\": malformed " + type + " (" + JsonFault(e) + ")");
  }
  throw SiteError("\"" + name +
                  "\" is JSON but neither GeoJSON (a FeatureCollection or Feature) nor CityJSON");
}

FootprintFile ReadJsonFootprints(const std::filesystem::path& file, const ReadRules& rules) {
  const std::string name = file.string();
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) throw SiteError("cannot read \"" + name + "\"");
  ThrowIfCancelled(rules.cancel);
  return ReadJsonText(text, name, rules);
}

}  // namespace ventora::site
