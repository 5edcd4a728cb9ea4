#include "idf/idf_objects.h"

#include <array>
#include <set>
#include <string>

#include "core/ascii_case.h"

namespace ventora::idf {
namespace {

// Fields as EnergyPlus 9.0 to 24.x define them.
constexpr std::array<ObjectDefinition, 16> kDefinitions{{
    {"Version", 1, 0, 0, 0},
    {"Building", 8, 0, 0, 0},
    {"GlobalGeometryRules", 5, 0, 0, 0},
    {"Site:HeightVariation", 3, 0, 0, 0},
    {"Compliance:Building", 1, 0, 0, 0},
    {"Zone", 13, 0, 0, 0},
    {"BuildingSurface:Detailed", 11, 1, 3, 0},  // ... Number of Vertices, then X,Y,Z each
    {"Wall:Detailed", 10, 1, 3, 0},
    {"RoofCeiling:Detailed", 10, 1, 3, 0},
    {"Floor:Detailed", 10, 1, 3, 0},
    {"FenestrationSurface:Detailed", 9, 0, 3, 4},  // three or four vertices
    {"AirflowNetwork:SimulationControl", 16, 0, 0, 0},
    {"AirflowNetwork:MultiZone:Surface", 15, 0, 0, 0},
    {"AirflowNetwork:MultiZone:ExternalNode", 5, 0, 0, 0},
    {"AirflowNetwork:MultiZone:WindPressureCoefficientArray", 1, 0, 1, 36},
    {"AirflowNetwork:MultiZone:WindPressureCoefficientValues", 2, 0, 1, 36},
}};

}  // namespace

const ObjectDefinition* FindDefinition(std::string_view type) {
  for (const ObjectDefinition& d : kDefinitions)
    if (SameIgnoringCase(d.type, type)) return &d;
  return nullptr;
}

std::size_t MaxFields(const ObjectDefinition& d, double version) {
  if (d.groupFields > 0 && d.maxGroups == 0) return 0;
  const int space = version >= 9.06 ? 0 : d.spaceField;
  return static_cast<std::size_t>(d.fixedFields - space + d.groupFields * d.maxGroups);
}

namespace {

std::string MissingSemicolon(const IdfFile& file, const IdfObject& o, const IdfField& field) {
  return file.Where(o) + ": the field on line " + std::to_string(field.line) + " is '" +
         field.value + "', an object's type: the ';' that ends this object is missing";
}

// A field holding a type with ':' ("AirflowNetwork:MultiZone:Surface"):
// in an object this program reads, any type of the file's objects, none of
// which is a value of those objects; in any other object, a type of the
// objects read, which it would otherwise swallow unseen. Types without ':'
// ("Zone", "Building") are also names and words; a merge with them leaves a
// word where a number is read, or too many fields.
bool HoldsAType(const IdfObject& o, const IdfField& field, const std::set<std::string>& types) {
  if (field.value.find(':') == std::string::npos) return false;
  if (FindDefinition(field.value) != nullptr) return true;
  return FindDefinition(o.type) != nullptr && types.contains(AsciiLower(field.value));
}

}  // namespace

void CheckObjects(const IdfFile& file, double version) {
  std::set<std::string> types;
  for (const IdfObject& o : file.objects)
    types.insert(AsciiLower(o.type));
  for (const IdfObject& o : file.objects) {
    if (const ObjectDefinition* d = FindDefinition(o.type)) {
      const std::size_t most = MaxFields(*d, version);
      if (most != 0 && o.fields.size() > most) {
        throw IdfError(file.Where(o) + ": " + std::to_string(o.fields.size()) +
                       " fields where EnergyPlus defines at most " + std::to_string(most) +
                       ": is the ';' that ends it missing?");
      }
    }
    for (const IdfField& field : o.fields)
      if (HoldsAType(o, field, types)) throw IdfError(MissingSemicolon(file, o, field));
  }
}

}  // namespace ventora::idf
