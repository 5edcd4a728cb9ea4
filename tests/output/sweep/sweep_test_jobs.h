#pragma once
// Jobs for the sweep and export tests: the examples, and a square building
// with the same mesh on every wall.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/number_text.h"

namespace ventora::testing {

inline Job ExampleJob(const std::string& name) {
  const char* folder = std::getenv("VENTORA_EXAMPLES");
  const std::filesystem::path examples = folder != nullptr ? folder : "examples";
  NumberText numbers(kPointDecimal);
  return ReadJobFile((examples / (name + ".in")).string(), numbers);
}

// 8 m cube, no surroundings (PAD 0, SbH = Bdz), facing north. The mesh's
// positions are exact binary fractions of the facade, so 1 - XL is exact.
inline Job SquareJob() {
  Job job;
  job.PAD = 0;
  job.SbH = 8;
  job.Bdz = 8;
  job.BdX = 8;
  job.BdY = 8;
  job.VeEXP = 0.25f;
  for (int iface = 1; iface <= 4; ++iface) {
    int n = 0;
    for (float Z : {2.0f, 5.0f, 7.0f}) {
      for (float X : {1.0f, 2.0f, 4.0f, 6.0f, 7.0f}) {
        ++n;
        job.ElmX[iface][n] = X;
        job.ElmZ[iface][n] = Z;
      }
    }
    job.ElmCount[iface] = static_cast<std::int16_t>(n);
  }
  return job;
}

}  // namespace ventora::testing
