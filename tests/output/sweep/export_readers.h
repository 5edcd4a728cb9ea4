#pragma once
// Small readers for the exported files, so tests check what a program that
// reads them would see.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace ventora::testing {

// Lines without their CR LF; fails the test on a bare LF.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

inline std::vector<std::string> SplitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

inline std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text must be a number; reads it as the program's 32-bit value.
inline float ParseFloat(const std::string& text) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  EXPECT_TRUE(!text.empty() && end == text.c_str() + text.size())
      << "not a number: '" << text << "'";
  return value;
}

struct IdfObject {
  std::string type;
  std::vector<std::string> fields;  // after the type, trimmed
};

// Objects of an IDF text: "!" starts a comment, "," separates fields, ";"
// ends an object.
inline std::vector<IdfObject> ReadIdf(const std::string& text) {
  std::string content;
  for (const std::string& line : CrLfLines(text))
    content += line.substr(0, line.find('!')) + "\n";
  std::vector<IdfObject> objects;
  for (const std::string& body : SplitOn(content, ';')) {
    if (Trim(body).find_first_not_of("\n") == std::string::npos) continue;
    std::vector<std::string> parts = SplitOn(body, ',');
    IdfObject object;
    for (std::string& part : parts) {
      std::string cleaned;
      for (char c : part)
        if (c != '\n') cleaned += c;
      part = Trim(cleaned);
    }
    object.type = parts.front();
    object.fields.assign(parts.begin() + 1, parts.end());
    objects.push_back(object);
  }
  return objects;
}

}  // namespace ventora::testing
