#pragma once
// Small pieces shared by the export files: numbers as text that reads back
// to the same 32-bit value, and writing a whole file in one piece.

#include <cstdint>
#include <filesystem>
#include <string>

namespace ventora {

// The shortest point-decimal text that reads back as exactly `value`
// ("0.6", "-0.41367", "10").
void AppendNumber(std::string& out, float value);
std::string NumberString(float value);

// "F2_E21": facade and running element number, as the report numbers them.
std::string ElementLabel(std::int16_t iface, std::int16_t k);

// Writes `text` beside `path`, then renames it into place, so the file is
// either the old one or the whole new one. Throws std::runtime_error.
void WriteExportFile(const std::filesystem::path& path, const std::string& text);

}  // namespace ventora
