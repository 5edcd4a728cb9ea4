#include "core/settings_file.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/ascii_case.h"
#include "core/replace_file.h"
#include "core/text_lines.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

std::string TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

// A key line's key: the text before the first "=", or nothing without one.
bool KeyMatches(const std::string& trimmed, std::string_view key) {
  const auto eq = trimmed.find('=');
  return eq != std::string::npos && SameIgnoringCase(std::string_view(trimmed).substr(0, eq), key);
}

// Scans the wanted section's lines, and any after it, for the key.
std::string FindKey(TextLines& lines, std::string_view key) {
  std::string line;
  std::string value;
  while (value.empty() && lines.Next(line)) {
    const std::string trimmed = TrimBlanks(line);
    if (trimmed.starts_with(';') || !KeyMatches(trimmed, key)) continue;
    value = TrimBlanks(trimmed.substr(trimmed.find('=') + 1));
  }
  return value;
}

// The section named by a trimmed line: the text between its brackets.
bool NamesSection(const std::string& trimmed, std::string_view section) {
  // "[general}" is no section: read as one, it was not found when rewritten
  // (found by fuzzing).
  if (!trimmed.starts_with('[') || !trimmed.ends_with(']')) return false;
  const std::string name = trimmed.size() >= 2 ? trimmed.substr(1, trimmed.size() - 2) : "";
  return SameIgnoringCase(name, section);
}

// The new content of the settings file, as `SetIniValue` rewrites it.
std::string Rewritten(const std::string& text, std::string_view section, std::string_view key,
                      const std::string& keyLine) {
  enum { kLooking, kInSection, kDone } state = kLooking;
  const std::string header = std::string("[").append(section).append("]");
  // The byte-order mark that the lines are read without stays: without it a
  // second one, part of the first line, would take its place when read again.
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  std::string out(text.starts_with(kMark) ? kMark : "");
  std::istringstream in(text);
  TextLines lines(in);
  std::string line;
  while (lines.Next(line)) {
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
    if (state == kLooking && NamesSection(trimmed, section)) state = kInSection;
  }
  if (state == kInSection) out += keyLine;
  if (state == kLooking) out += header + "\r\n" + keyLine;
  return out;
}

// The whole settings file, or nothing (with the reason in `warning`) when it
// is not a regular file of at most 1 MiB or cannot be read. A missing file
// reads as empty.
std::optional<std::string> SettingsText(const fs::path& file, std::string* warning) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(file, ec))) return std::string();
  std::string why = WhyNotReadable(file, kSettingsFileLimit);
  if (why.empty()) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (in && text << in.rdbuf()) return text.str();
    if (in) return std::string();  // empty
    why = "it cannot be opened";
  }
  if (warning != nullptr)
    *warning = "The settings file \"" + file.string() + "\" is not read (" + why +
               "); the program starts with its defaults.";
  return std::nullopt;
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
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;  // a portable copy
  // A relative $XDG_CONFIG_HOME is to be ignored, as the base directory rules say.
  if (fs::path(env.xdgConfigHome).is_absolute()) return fs::path(env.xdgConfigHome) / stem / name;
  if (!env.home.empty()) return fs::path(env.home) / ".config" / stem / name;
  return {};
}

std::string GetIniValue(const fs::path& file, std::string_view section, std::string_view key,
                        std::string* warning) {
  const std::optional<std::string> text = SettingsText(file, warning);
  return text ? IniValue(*text, section, key) : "";
}

std::string IniValue(const std::string& text, std::string_view section, std::string_view key) {
  std::istringstream in(text);
  TextLines lines(in);
  std::string line;
  while (lines.Next(line)) {
    if (NamesSection(TrimBlanks(line), section)) return FindKey(lines, key);
  }
  return "";
}

std::string IniRewritten(const std::string& text, std::string_view section, std::string_view key,
                         std::string_view value) {
  return Rewritten(text, section, key, std::string(key) + "=" + std::string(value) + "\r\n");
}

bool SetIniValue(const fs::path& file, std::string_view section, std::string_view key,
                 std::string_view value) {
  if (file.empty()) return false;  // no configuration folder known
  std::error_code ec;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  // A file that is not read is not replaced either.
  const std::optional<std::string> text = SettingsText(file, nullptr);
  if (!text) return false;
  try {
    ReplaceFile(file, IniRewritten(*text, section, key, value));
  } catch (const FileFault&) {
    return false;
  }
  return true;
}

bool RestoreLastDir(const fs::path& file, std::string* warning) {
  const std::string dir = GetIniValue(file, "general", "lastdir", warning);
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
