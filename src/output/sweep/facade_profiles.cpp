#include "output/sweep/facade_profiles.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "output/sweep/export_job_summary.h"

namespace ventora {

Job ProfileSweepJob(const Job& job) {
  Job turned = job;
  turned.AzB = 0;
  return turned;
}

bool ProfileStepAccepted(int step) {
  return step > 0 && step <= 180 && 360 % step == 0;
}

std::vector<float> ProfileDirections(int step) {
  const Job turned = ProfileSweepJob(Job{});
  std::vector<int> directions;
  for (Facade wall : kWalls) {
    const int azimuth = static_cast<int>(WallAzimuth(turned, FacadeIndex(wall)));
    for (int angle = 0; angle < 360; angle += step)
      directions.push_back((azimuth + angle) % 360);
  }
  std::sort(directions.begin(), directions.end());
  directions.erase(std::unique(directions.begin(), directions.end()), directions.end());
  return {directions.begin(), directions.end()};
}

std::vector<ProfilePoint> FacadeProfile(const WindSweep& sweep, std::size_t e, int step) {
  const std::int16_t iface = sweep.elements[e].iface;
  std::map<int, float> byMultiple;  // multiple of the step from the normal -> Cp
  for (const SweepDirection& d : sweep.directions) {
    if (!d.completed) continue;
    float angle = d.geometry.FacadeAngle[static_cast<std::size_t>(iface)];
    if (angle < 0) angle += 360.0f;
    const double multiple = std::round(static_cast<double>(angle) / step);
    if (std::fabs(multiple * step - angle) < 1e-3)
      byMultiple[static_cast<int>(multiple) % (360 / step)] = d.Cp[e];
  }
  std::vector<ProfilePoint> points;
  for (int k = 0; k < 360 / step; ++k) {
    const auto found = byMultiple.find(k);
    if (found == byMultiple.end()) {
      throw std::invalid_argument("The sweep has no Cp for facade " + std::to_string(iface) +
                                  " at " + std::to_string(k * step) + " degrees from its normal.");
    }
    points.emplace_back(static_cast<float>(k * step), found->second);
  }
  return points;
}

}  // namespace ventora
