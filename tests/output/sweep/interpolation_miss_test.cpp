// How far linear interpolation between exported directions misses a sweep
// whose values are known at every degree: a tent peaked at 180 degrees and
// a jump at 21 degrees and a slope down from 200.

#include "output/sweep/interpolation_miss.h"

#include <gtest/gtest.h>

namespace ventora {
namespace {

// Element 0 (wall 1): 0.01 d up to 180, back down to 0 at 360. Element 1
// (wall 2): 0 below 21 degrees, 0.3 up to 200, then down to 0 at 360.
WindSweep Fine(bool stopAt21) {
  WindSweep s;
  s.elements.resize(2);
  s.elements[0].iface = 1;
  s.elements[1].iface = 2;
  for (int d = 0; d < 360; ++d) {
    SweepDirection direction;
    direction.AnWind = static_cast<float>(d);
    direction.completed = !(stopAt21 && d == 21);
    if (direction.completed)
      direction.Cp = {0.01f * static_cast<float>(d < 180 ? d : 360 - d),
                      d < 21     ? 0.f
                      : d <= 200 ? 0.3f
                                 : 0.3f * static_cast<float>(360 - d) / 160};
    s.directions.push_back(direction);
  }
  return s;
}

std::vector<float> Every(int step, int offset) {
  std::vector<float> out;
  for (int d = offset; d < 360; d += step)
    out.push_back(static_cast<float>(d));
  return out;
}

TEST(InterpolationMiss, TentAndJumpAtKnownPlaces) {
  struct Row {
    int step, offset;
    bool stopAt21;
    float largest;
    std::size_t element;
    float direction;
  };
  const Row rows[] = {
      {10, 0, false, 0.27f, 1, 21},  // the jump between 20 (0) and 30 (0.3)
      {10, 5, false, 0.15f, 1, 20},  // from 15 to 25: 0.15 at 20, model 0
      {10, 0, true, 0.24f, 1, 22},   // 21 stopped: it counts nowhere
      {40, 0, false, 0.2f, 0, 180},  // the tent's peak between 160 and 200
  };
  for (const Row& r : rows) {
    const std::vector<float> offsets(2, static_cast<float>(r.offset));
    const InterpolationMiss miss =
        LargestInterpolationMiss(Fine(r.stopAt21), Every(r.step, r.offset), r.step, offsets);
    EXPECT_NEAR(miss.largest, r.largest, 1e-5) << r.step << " " << r.offset;
    EXPECT_EQ(miss.element, r.element) << r.step << " " << r.offset;
    EXPECT_EQ(miss.direction, r.direction) << r.step << " " << r.offset;
  }
}

TEST(InterpolationMiss, ExportedSweepTakenFromTheFineOne) {
  const WindSweep exported = SweepAt(Fine(false), {30, 10});
  ASSERT_EQ(exported.directions.size(), 2u);
  EXPECT_EQ(exported.directions[0].AnWind, 30);
  EXPECT_EQ(exported.directions[1].Cp[1], 0);
  EXPECT_THROW(SweepAt(Fine(false), {10.5f}), std::invalid_argument);
}

}  // namespace
}  // namespace ventora
