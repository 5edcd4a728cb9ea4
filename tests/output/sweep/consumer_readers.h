#pragma once
// Readers of the exported files that follow the rules of the programs that
// take them, not our writers: CONTAM's project reader, EnergyPlus's input
// rules (its data dictionary's field counts, the one-array rule) and
// Modelica's syntax. Each broken rule is added to `faults`.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ventora::testing {

using Faults = std::vector<std::string>;

struct ContamProfile {
  std::string name;
  std::vector<std::pair<float, float>> points;  // angle, Cp
};

// A wind pressure profile section: comment lines ("!"), the count line, per
// profile "number npts type name", a description line and npts lines
// "angle Cp" (at most 16, or 17 when the last is 360, angles rising from 0),
// numbered from `firstNumber` on, then "-999".
std::vector<ContamProfile> ReadContamSection(const std::string& text, int firstNumber,
                                             Faults& faults);

struct IdfObject {
  std::string type;
  std::vector<std::string> fields;  // the name first
};

// Objects without "!" comments, fields split at ',' and ';'.
std::vector<IdfObject> ReadIdfObjects(const std::string& text, Faults& faults);

// Exactly one WindPressureCoefficientArray when a values object names it
// (none otherwise), named by every values object with one value per
// direction; the field counts and order the data
// dictionary gives the array, the values and the lookup tables; curve names
// unique without case; table values within their output limits.
void CheckEnergyPlusObjects(const std::vector<IdfObject>& objects, Faults& faults);

// Balanced quotes, parentheses and braces, "package P" closed by "end P;",
// and every array constant as long as its declared size; gives the arrays
// by name.
std::map<std::string, std::vector<double>> ReadModelicaArrays(const std::string& text,
                                                              Faults& faults);

}  // namespace ventora::testing
