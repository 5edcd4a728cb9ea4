// The CityJSON reader: any text is read or refused naming the file (see
// footprint_checks.h); each building it reads is a Building of the file,
// once, its outline joined from its surfaces.

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "footprint_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ventora::site;
  const std::string text(reinterpret_cast<const char*>(data), size);
  FootprintFile file;
  if (!fuzz::ReadChecked(text, file)) return 0;
  const nlohmann::json root = nlohmann::json::parse(text);
  if (root.value("type", "") != "CityJSON") return 0;
  const nlohmann::json& objects = root.at("CityObjects");
  std::set<std::string> ids;
  for (const Footprint& f : file.footprints) {
    if (!objects.contains(f.id) || !ids.insert(f.id).second) std::abort();
    if (objects.at(f.id).value("type", "") != "Building" || !f.joinPolygons || f.part) std::abort();
  }
  return 0;
}
