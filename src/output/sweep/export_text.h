#pragma once
// Small pieces shared by the export files: numbers as text that reads back
// to the same 32-bit value, and writing a whole file in one piece.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "output/sweep/wind_sweep.h"

namespace ventora {

// The shortest point-decimal text that reads back as exactly `value`
// ("0.6", "-0.41367", "10").
void AppendNumber(std::string& out, float value);
std::string NumberString(float value);

// Element e's number on its facade, from 1 on each facade as the facade
// editor numbers them: every export names an element by it, so that a name
// means the same window in every file and however the job was made. (The
// report's running number over all facades is ElementResult::k.)
int NumberOnFacade(const WindSweep& sweep, std::size_t e);

// "F2_E3": the facade and the element's number on it.
std::string ElementLabel(int iface, int number);
std::string ElementLabel(const WindSweep& sweep, std::size_t e);

// Writes `text` beside `path`, then renames it into place, so the file is
// either the old one or the whole new one. Throws std::runtime_error.
void WriteExportFile(const std::filesystem::path& path, const std::string& text);

}  // namespace ventora
