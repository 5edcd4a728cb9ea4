// The words and numbers the Cp map writes beside its markers and facades.
#include <gtest/gtest.h>

#include "map/cpmap_model.h"

namespace ventora {
namespace {

// A wall exactly side-on to the wind is a side wall, with the model the run
// takes for it; the roof names no side.
TEST(CpMapText, AWallSideOnToTheWindIsASideWall) {
  const std::pair<float, const char*> rows[] = {
      {0, "wind 0.0\u00b0, windward model"},
      {89.9f, "wind 89.9\u00b0, windward model"},
      {90, "wind 90.0\u00b0, side wall: leeward model"},
      {-90, "wind -90.0\u00b0, side wall: leeward model"},
      {135, "wind 135.0\u00b0, leeward model"},
  };
  for (const auto& [angle, text] : rows) {
    CpMapFacade wall;
    wall.iface = 2;
    wall.angle = angle;
    EXPECT_EQ(FacadeWindText(wall, '.'), text);
    CpMapFacade roof = wall;
    roof.iface = 5;
    EXPECT_EQ(FacadeWindText(roof, '.').find(','), std::string::npos);
  }
}

TEST(CpMapText, NeverWritesMinusZero) {
  for (const float zero : {-0.0004f, -0.0f, 0.0004f})
    EXPECT_EQ(CpText(zero, ','), "0,000");
}

}  // namespace
}  // namespace ventora
