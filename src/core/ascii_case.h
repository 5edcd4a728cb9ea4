#pragma once
// Names compared without regard to letter case, as the files the program
// reads and writes treat them: settings keys and sections, EnergyPlus object
// names and keywords, file extensions. Only the ASCII letters change case,
// so the user's locale never decides whether two names are the same.

#include <string>
#include <string_view>

namespace ventora {

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLower(std::string text) {
  for (char& c : text)
    c = AsciiLower(c);
  return text;
}

inline std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace ventora
