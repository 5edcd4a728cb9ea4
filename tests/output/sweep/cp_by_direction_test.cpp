// A sweep as the desktop's plot takes it: the directions ascending from 0,
// a turned sweep turned back with its values and their plausibility, a
// stopped direction without values and named, each element numbered on its
// facade.

#include <gtest/gtest.h>

#include <cmath>

#include "output/sweep/cp_by_direction.h"

namespace ventora {
namespace {

// Two elements on facade 1, one on facade 3; Cp = direction / 1000 + k,
// element 1's implausible at direction 0.
WindSweep HandMadeSweep(const std::vector<float>& directions, float stopped) {
  WindSweep sweep;
  for (std::int16_t k : {1, 2, 3}) {
    ElementResult e;
    e.iface = static_cast<std::int16_t>(k < 3 ? 1 : 3);
    e.k = k;
    sweep.elements.push_back(e);
  }
  for (float d : directions) {
    SweepDirection direction;
    direction.AnWind = d;
    direction.completed = d != stopped;
    if (direction.completed) {
      for (const ElementResult& e : sweep.elements) {
        direction.Cp.push_back(d / 1000 + e.k);
        ElementStatus status;
        status.plausibility =
            d == 0 && e.k == 1 ? CpPlausibility::Implausible : CpPlausibility::Plausible;
        direction.status.push_back(status);
      }
    } else {
      direction.failure = "why";
    }
    sweep.directions.push_back(direction);
  }
  return sweep;
}

TEST(CpByDirection, DirectionsAscendTurnedBackWithTheirValues) {
  Job job;
  job.AzB = 200;
  job.ElmCount[1] = 2;
  job.ElmCount[2] = 0;
  job.ElmCount[3] = 1;
  struct Case {
    float turn;
    std::vector<float> swept;
    std::vector<float> shown;
  };
  const Case cases[] = {
      {0, {0, 90, 180, 270}, {0, 90, 180, 270}},
      {200, {0, 90, 180, 270}, {20, 110, 200, 290}},
      {200, {0, 45, 90, 135, 180, 225, 270, 315}, {20, 65, 110, 155, 200, 245, 290, 335}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turn);
    const CpByDirection d = CpAgainstDirection(HandMadeSweep(c.swept, 90), job, "/a/b/job", c.turn);
    EXPECT_EQ(d.title, "job");
    EXPECT_EQ(d.directions, c.shown);
    ASSERT_EQ(d.elements.size(), 3u);
    EXPECT_EQ(d.Element(3)->ielm, 1);
    EXPECT_EQ(d.Element(2)->ielm, 2);
    EXPECT_EQ(d.Element(4), nullptr);
    for (std::size_t i = 0; i < d.directions.size(); ++i) {
      float swept = d.directions[i] - c.turn;
      if (swept < 0) swept += 360;
      EXPECT_EQ(d.Element(1)->implausible[i], swept == 0) << d.directions[i];
      const float cp = d.Element(2)->Cp[i];
      if (swept == 90) {
        EXPECT_TRUE(std::isnan(cp));
      } else {
        EXPECT_EQ(cp, swept / 1000 + 2) << d.directions[i];
      }
    }
    ASSERT_EQ(d.stopped.size(), 1u);
    EXPECT_EQ(d.stopped[0], "wind direction " +
                                std::to_string(static_cast<int>(90 + c.turn) % 360) + " deg.: why");
    EXPECT_EQ(d.normals, (std::array<float, 4>{110, 20, 290, 200}));
  }
}

}  // namespace
}  // namespace ventora
