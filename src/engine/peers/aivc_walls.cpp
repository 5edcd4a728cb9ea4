#include "engine/peers/aivc_walls.h"

#include <algorithm>
#include <cmath>

#include "engine/peers/wind_angle.h"

namespace ventora::peers {
namespace {

// The plan area density from which the surroundings count in full.
constexpr double kSurroundedPAD = 10;

}  // namespace

double AivcWallCp(AivcExposure exposure, double incidence) {
  const auto& row = kAivcWallTable[static_cast<std::size_t>(exposure)];
  double a = AngleFromNormal(incidence);
  if (a < 0) a += 360;  // 0 up to 360, as the table runs
  const double at = a / kAivcAngleStep;
  const auto i = std::min<std::size_t>(static_cast<std::size_t>(at), row.size() - 1);
  const double w = at - static_cast<double>(i);
  return row[i] * (1 - w) + row[(i + 1) % row.size()] * w;
}

AivcExposure NearestAivcExposure(double PAD, double SbH, double Bdz) {
  const double height = Bdz > 0 ? std::clamp(SbH / Bdz, 0.0, 1.0) : 0.0;
  const double shelter = height * std::clamp(PAD / kSurroundedPAD, 0.0, 1.0);
  if (shelter < 0.25) return AivcExposure::Exposed;
  return shelter < 0.75 ? AivcExposure::SemiSheltered : AivcExposure::Sheltered;
}

std::string AivcExposureName(AivcExposure exposure) {
  switch (exposure) {
    case AivcExposure::Exposed:
      return "exposed";
    case AivcExposure::SemiSheltered:
      return "semi-sheltered";
    case AivcExposure::Sheltered:
      break;
  }
  return "sheltered";
}

}  // namespace ventora::peers
