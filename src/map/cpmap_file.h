#pragma once
// The Cp map as a file, for callers without a window (ventora-run). No Qt in
// this header: the command line links the map library without using Qt
// itself.

#include <filesystem>
#include <string>

#include "core/job.h"
#include "engine/run_calculation.h"

namespace ventora {

// The picture size of a map file written without a window, in pixels.
inline constexpr int kMapFileWidth = 1400;
inline constexpr int kMapFileHeight = 900;

// True for a path ending in ".png" or ".svg" (any case).
bool IsCpMapFileName(const std::filesystem::path& path);

// Draws the map of `run` for `job` (the job as it ran; `jobName` its path
// without ".in") into `path`: PNG or SVG by the extension, at
// kMapFileWidth x kMapFileHeight. A process without a Qt application gets
// an offscreen one for the drawing. Throws std::runtime_error with a message for the
// user when the file cannot be written.
void WriteCpMapFile(const std::filesystem::path& path, const Job& job, const RunResult& run,
                    const std::string& jobName, char decimal);

}  // namespace ventora
