#include "consumer_readers.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>

namespace ventora::testing {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

bool Number(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  return text;
}

}  // namespace

std::vector<ContamProfile> ReadContamSection(const std::string& text, int firstNumber,
                                             Faults& faults) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.starts_with("!")) lines.push_back(line);
  }
  std::vector<ContamProfile> profiles;
  std::size_t at = 0;
  const auto next = [&]() -> std::string { return at < lines.size() ? lines[at++] : "<end>"; };
  const int count = std::atoi(next().c_str());
  for (int i = 0; i < count; ++i) {
    const std::vector<std::string> head = Words(next());
    if (head.size() != 4 || std::atoi(head[0].c_str()) != firstNumber + i) {
      faults.push_back("profile " + std::to_string(i + 1) + ": bad header line");
      return profiles;
    }
    const int npts = std::atoi(head[1].c_str());
    if (head[3].size() > 15) faults.push_back(head[3] + ": name longer than 15 characters");
    next();  // the description
    ContamProfile profile{head[3], {}};
    for (int p = 0; p < npts; ++p) {
      double angle = 0, cp = 0;
      const std::vector<std::string> point = Words(next());
      if (point.size() != 2 || !Number(point[0], angle) || !Number(point[1], cp))
        faults.push_back(head[3] + ": bad point line");
      if (angle < 0 || angle > 360 || (p == 0 && angle != 0) ||
          (p > 0 && angle <= profile.points.back().first))
        faults.push_back(head[3] + ": angles not rising from 0 to 360");
      profile.points.emplace_back(static_cast<float>(angle), static_cast<float>(cp));
    }
    if (npts > 17 || (npts == 17 && profile.points.back().first != 360))
      faults.push_back(head[3] + ": " + std::to_string(npts) + " points, more than CONTAM keeps");
    profiles.push_back(profile);
  }
  if (next() != "-999" || at != lines.size()) faults.push_back("no -999 line at the end");
  return profiles;
}

std::vector<IdfObject> ReadIdfObjects(const std::string& text, Faults& faults) {
  std::string content;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    content += line.substr(0, line.find('!')) + "\n";
  std::vector<IdfObject> objects;
  std::vector<std::string> fields(1);
  for (char c : content) {
    if (c == ',' || c == ';') {
      fields.back().erase(0, fields.back().find_first_not_of(" \r\n"));
      fields.back().erase(fields.back().find_last_not_of(" \r\n") + 1);
      fields.emplace_back();
      if (c == ';') {
        fields.pop_back();
        objects.push_back({fields.front(), {fields.begin() + 1, fields.end()}});
        fields.assign(1, "");
      }
    } else {
      fields.back() += c;
    }
  }
  if (fields.front().find_first_not_of(" \r\n") != std::string::npos) faults.push_back("no ';'");
  return objects;
}

void CheckEnergyPlusObjects(const std::vector<IdfObject>& objects, Faults& faults) {
  const std::string kArray = "AirflowNetwork:MultiZone:WindPressureCoefficientArray";
  std::vector<const IdfObject*> arrays;
  std::set<std::string> curveNames;          // values and tables share one list of names
  std::map<std::string, std::size_t> sizes;  // values of each variable and variable list
  for (const IdfObject& o : objects) {
    const std::size_t n = o.fields.size();
    if (o.type == kArray) arrays.push_back(&o);
    if (o.type == kArray && (n < 3 || n > 37 || o.fields[1] != "0"))
      faults.push_back("array: 2 to 36 directions from 0");
    if (o.type == "Table:IndependentVariable") sizes[Upper(o.fields[0])] = n < 12 ? 0 : n - 10;
    if (o.type == "Table:IndependentVariableList")
      sizes[Upper(o.fields[0])] = n == 2 ? sizes[Upper(o.fields[1])] : 0;
    if ((o.type.ends_with("Values") || o.type == "Table:Lookup") &&
        !curveNames.insert(Upper(o.fields[0])).second)
      faults.push_back(o.fields[0] + ": name used twice");
  }
  const bool anyValues = std::any_of(objects.begin(), objects.end(),
                                     [](const IdfObject& o) { return o.type.ends_with("Values"); });
  if (arrays.size() > 1 || (anyValues && arrays.empty()))
    return faults.push_back("not exactly one array");
  if (!anyValues && !arrays.empty()) faults.push_back("an array no values object uses");
  // The directions: the array's, else the tables' variable's without its 360.
  std::size_t directions = arrays.empty() ? 0 : arrays[0]->fields.size() - 1;
  for (const auto& [name, size] : sizes)
    if (arrays.empty() && size > 0) directions = size - 1;
  for (const IdfObject& o : objects) {
    if (o.type.ends_with("Values") &&
        (Upper(o.fields.at(1)) != Upper(arrays[0]->fields[0]) || o.fields.size() - 2 != directions))
      faults.push_back(o.fields[0] + ": not the array's name or not one value per direction");
    if (o.type != "Table:Lookup") continue;
    double low = 0, high = 0, value = 0;
    const bool limits = Number(o.fields.at(4), low) && Number(o.fields.at(5), high);
    if (o.fields.size() - 10 != directions + 1 || sizes[Upper(o.fields[1])] != directions + 1)
      faults.push_back(o.fields[0] + ": not one value at each direction and at 360");
    for (std::size_t i = 10; i < o.fields.size(); ++i)
      if (!Number(o.fields[i], value) || (limits && (value < low || value > high)))
        faults.push_back(o.fields[0] + ": a value cut by the table's limits");
  }
}

std::map<std::string, std::vector<double>> ReadModelicaArrays(const std::string& text,
                                                              Faults& faults) {
  std::string code;  // without comments and strings
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!inString && text.compare(i, 2, "//") == 0) {
      i = text.find('\n', i);
      if (i == std::string::npos) break;
    } else if (text[i] == '"') {
      inString = !inString;
    } else if (!inString) {
      code += text[i];
    }
  }
  if (inString) faults.push_back("unclosed string");
  int depth = 0, lowest = 0;
  for (char c : code)
    lowest = std::min(lowest, depth += (c == '(' || c == '{') - (c == ')' || c == '}'));
  if (depth != 0 || lowest < 0) faults.push_back("unbalanced brackets");
  std::smatch match;
  if (!std::regex_search(code, match, std::regex(R"(^package (\w+)\s)")) ||
      !std::regex_search(code, std::regex("end " + match[1].str() + ";\\s*$")))
    faults.push_back("no package closed by its own end");
  std::map<std::string, std::vector<double>> arrays;
  const std::regex declaration(R"((\w+)\[(\d+)\][^;{]*=\s*\{([^}]*)\})");
  for (auto it = std::sregex_iterator(code.begin(), code.end(), declaration);
       it != std::sregex_iterator(); ++it) {
    std::vector<double>& values = arrays[(*it)[1]];
    std::string list = (*it)[3];
    std::replace(list.begin(), list.end(), ',', ' ');
    for (const std::string& word : Words(list)) {
      double value = 0;
      if (!Number(word, value)) faults.push_back((*it)[1].str() + ": not a number " + word);
      values.push_back(value);
    }
    if (values.size() != std::stoul((*it)[2])) faults.push_back((*it)[1].str() + ": wrong size");
  }
  return arrays;
}

}  // namespace ventora::testing
