#pragma once
// The settings file: a small sectioned text file ("[section]", "key=value",
// ";comment") that remembers the last directory ("general", "lastdir").

#include <filesystem>
#include <string>
#include <string_view>

namespace ventora {

// Where the user's configuration folder is, as the environment says.
struct ConfigEnvironment {
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
  std::string home;           // $HOME, may be empty
};

ConfigEnvironment ConfigEnvironmentFromProcess();

// `<program folder>/<program name>.ini` when that file exists (a portable
// copy, read and written where it is); else
// `$XDG_CONFIG_HOME/<program name>/<program name>.ini`, with
// `$HOME/.config` when $XDG_CONFIG_HOME is unset or relative. Empty (no
// settings kept) when neither is set. Nothing is ever created beside the
// program.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFile,
                                       const ConfigEnvironment& env);

// The value of `key` in `section` (both compared without regard to case), or ""
// when the file, the section or the key is missing. A key found in a later
// section after the wanted one counts too. Only a regular file of at most
// 1 MiB is read; any other gives "" and, in `warning`, a sentence naming it.
std::string GetIniValue(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string* warning = nullptr);

// Writes or replaces `key`=`value` in `section`, keeping every other line.
// The new content goes to a unique temporary beside it that is renamed over
// the old one. Returns false on a file error or when the file is not one
// GetIniValue reads; the settings file is then as it was.
bool SetIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value);

// The two steps above on the file's text: the value as GetIniValue finds
// it, and the text as SetIniValue writes it.
std::string IniValue(const std::string& text, std::string_view section, std::string_view key);
std::string IniRewritten(const std::string& text, std::string_view section, std::string_view key,
                         std::string_view value);

// Makes the remembered "lastdir" the current directory; a missing value or a
// directory that no longer exists is ignored. Returns true when it changed.
// A settings file that is not read leaves its reason in `warning`.
bool RestoreLastDir(const std::filesystem::path& file, std::string* warning = nullptr);

// Remembers the current directory as "lastdir". Returns false on a file error.
bool SaveLastDir(const std::filesystem::path& file);

}  // namespace ventora
