#pragma once
// The part of EnergyPlus's data dictionary that this program relies on: for
// each object it reads, how many fields its definition holds. EnergyPlus
// refuses an object with more fields than that; so does the reader, which
// is how an object whose ';' was lost, and which swallowed the next one, is
// found instead of silently reading the wrong fields.

#include <cstddef>
#include <string_view>

#include "idf/idf_text.h"

namespace ventora::idf {

struct ObjectDefinition {
  std::string_view type;
  int fixedFields;  // the fields before any repeated group, in the newest layout
  int spaceField;   // 1 when a Space Name field came in with version 9.6
  int groupFields;  // the fields of each repeated group (3: a vertex); 0: none
  int maxGroups;    // groups at most; 0: as many as given
};

// The definition of `type` (compared without case), or nullptr for an
// object the program does not read.
const ObjectDefinition* FindDefinition(std::string_view type);

// The most fields an object of `definition` holds in `version` (major +
// minor / 100), or 0 when a repeated group has no limit.
std::size_t MaxFields(const ObjectDefinition& definition, double version);

// Throws IdfError for the first object that is not what its definition
// allows, naming it and the line where it began: more fields than defined,
// or a field that holds an object type, which is what an object whose ';'
// was lost holds where the next object begins.
void CheckObjects(const IdfFile& file, double version);

}  // namespace ventora::idf
