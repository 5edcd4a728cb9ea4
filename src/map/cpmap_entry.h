#pragma once
// The one entry of the Cp map's loadable library (libventora-cpmap.so), for
// ventora-run, which loads it only when asked for a map.

#include <filesystem>
#include <string>

#include "core/job.h"
#include "engine/run_calculation.h"

extern "C" {

// WriteCpMapFile; throws std::runtime_error as it does.
void ventora_write_cpmap_file(const std::filesystem::path& path, const ventora::Job& job,
                              const ventora::RunResult& run, const std::string& jobName,
                              char decimal);
}

namespace ventora {

inline constexpr const char* kCpMapEntry = "ventora_write_cpmap_file";
inline constexpr const char* kCpMapLibrary = "libventora-cpmap.so";

}  // namespace ventora
