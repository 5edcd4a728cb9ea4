#include "core/settings_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace ventora {
namespace {

namespace fs = std::filesystem;

std::string TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::string Upper(std::string_view s) {
  std::string u(s);
  std::transform(u.begin(), u.end(), u.begin(), [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return u;
}

bool SameName(std::string_view a, std::string_view b) {
  return Upper(a) == Upper(b);
}

bool NextLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// A key line's key: the text before the first "=", or nothing without one.
bool KeyMatches(const std::string& trimmed, std::string_view key) {
  const auto eq = trimmed.find('=');
  return eq != std::string::npos && Upper(trimmed.substr(0, eq)) == Upper(key);
}

// Scans the wanted section's lines, and any after it, for the key.
std::string FindKey(std::istream& in, std::string_view key) {
  std::string line;
  std::string value;
  while (value.empty() && NextLine(in, line)) {
    const std::string trimmed = TrimBlanks(line);
    if (trimmed.starts_with(';') || !KeyMatches(trimmed, key)) continue;
    value = TrimBlanks(trimmed.substr(trimmed.find('=') + 1));
  }
  return value;
}

// The section named by a trimmed line: the text between its first and last
// character when it starts with "[".
bool NamesSection(const std::string& trimmed, std::string_view section) {
  if (!trimmed.starts_with('[')) return false;
  const std::string name = trimmed.size() >= 2 ? trimmed.substr(1, trimmed.size() - 2) : "";
  return SameName(name, section);
}

// The new content of the settings file, as `SetIniValue` rewrites it.
std::string Rewritten(std::istream& in, std::string_view section, std::string_view key,
                      const std::string& keyLine) {
  enum { kLooking, kInSection, kDone } state = kLooking;
  const std::string header = std::string("[").append(section).append("]");
  std::string out;
  std::string line;
  while (NextLine(in, line)) {
    const std::string trimmed = TrimBlanks(line);
    if (state == kInSection && trimmed.starts_with('[')) {
      out += keyLine;
      state = kDone;
    } else if (state == kInSection && KeyMatches(trimmed, key)) {
      out += keyLine;
      state = kDone;
      continue;
    }
    out += line + "\r\n";
    if (state == kLooking && SameName(trimmed, header)) state = kInSection;
  }
  if (state == kInSection) out += keyLine;
  if (state == kLooking) out += header + "\r\n" + keyLine;
  return out;
}

// Writes `content` to a ".$i$" file beside `file` and renames it over it.
bool ReplaceFile(const fs::path& file, const std::string& content) {
  fs::path temporary = file;
  temporary.replace_extension(".$i$");
  std::error_code ec;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return false;
    }
  }
  fs::rename(temporary, file, ec);
  if (ec) fs::remove(temporary, ec);
  return !ec;
}

// Whether the settings file and its temporary can be created in `folder`.
bool IsWritableFolder(const fs::path& folder, const std::string& stem) {
  const fs::path probe = folder / (stem + ".$i$");
  std::error_code ec;
  const bool existed = fs::exists(probe, ec);
  const bool writable = std::ofstream(probe, std::ios::app).good();
  if (writable && !existed) fs::remove(probe, ec);
  return writable;
}

}  // namespace

ConfigEnvironment ConfigEnvironmentFromProcess() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return {xdg ? xdg : "", home ? home : ""};
}

fs::path SettingsFilePath(const fs::path& programFile, const ConfigEnvironment& env) {
  const fs::path folder = programFile.has_parent_path() ? programFile.parent_path() : ".";
  const std::string stem = programFile.stem().string();
  const std::string name = stem + ".ini";
  if (IsWritableFolder(folder, stem)) return folder / name;
  if (!env.xdgConfigHome.empty()) return fs::path(env.xdgConfigHome) / name;
  if (!env.home.empty()) return fs::path(env.home) / ".config" / name;
  return folder / name;
}

std::string GetIniValue(const fs::path& file, std::string_view section, std::string_view key) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (in && NextLine(in, line)) {
    if (NamesSection(TrimBlanks(line), section)) return FindKey(in, key);
  }
  return "";
}

bool SetIniValue(const fs::path& file, std::string_view section, std::string_view key,
                 std::string_view value) {
  const std::string keyLine = std::string(key) + "=" + std::string(value) + "\r\n";
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
    return ReplaceFile(file, std::string("[").append(section).append("]\r\n").append(keyLine));
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  const std::string content = Rewritten(in, section, key, keyLine);
  if (in.bad()) return false;
  in.close();
  return ReplaceFile(file, content);
}

bool RestoreLastDir(const fs::path& file) {
  const std::string dir = GetIniValue(file, "general", "lastdir");
  if (dir.empty()) return false;
  std::error_code ec;
  fs::current_path(dir, ec);
  return !ec;
}

bool SaveLastDir(const fs::path& file) {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  return !ec && SetIniValue(file, "general", "lastdir", current.string());
}

}  // namespace ventora
