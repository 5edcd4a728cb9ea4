// The smallest rectangle round a footprint, and the site's local frame
// taken back to the file's coordinates.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "site/building_boxes.h"
#include "site/reference_system.h"

namespace ventora::site {
namespace {

// The corners of a length x width rectangle whose long sides run at
// `bearing` degrees from north, centred on `c`.
std::vector<XY> Turned(XY c, double length, double width, double bearing) {
  const double b = bearing * std::numbers::pi / 180;
  const XY u{std::sin(b), std::cos(b)}, n{-u.y, u.x};
  std::vector<XY> corners;
  for (auto [a, s] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})
    corners.push_back({c.x + a * length / 2 * u.x + s * width / 2 * n.x,
                       c.y + a * length / 2 * u.y + s * width / 2 * n.y});
  return corners;
}

struct RectangleCase {
  std::string name;
  std::vector<XY> points;
  GroundRectangle expected;
};

TEST(SmallestRectangle, OfKnownOutlines) {
  std::vector<XY> ell{{0, 0}, {40, 0}, {40, 4}, {4, 4}, {4, 30}, {0, 30}};
  std::vector<XY> notched = Turned({5, -3}, 30, 12, 75);
  notched.push_back({5, -3});  // a point inside changes nothing
  const std::vector<RectangleCase> cases{
      {"north_south", Turned({0, 0}, 40, 10, 0), {{0, 0}, 40, 10, 0, {}}},
      {"east_west", Turned({10, 20}, 40, 10, 90), {{10, 20}, 40, 10, 90, {}}},
      {"turned", Turned({-7, 3}, 30, 12, 30), {{-7, 3}, 30, 12, 30, {}}},
      {"turned_past_90", Turned({0, 0}, 25, 24, 160), {{0, 0}, 25, 24, 160, {}}},
      {"given_by_its_short_side", Turned({0, 0}, 10, 40, 20), {{0, 0}, 40, 10, 110, {}}},
      {"with_a_point_inside", notched, {{5, -3}, 30, 12, 75, {}}},
      {"ell", ell, {{20, 15}, 40, 30, 90, {}}},
      // The square on a leg and the rectangle on the hypotenuse are both
      // 100 m²: the hypotenuse, the longest side, is taken.
      {"tie",
       {{0, 0}, {10, 0}, {0, 10}},
       {{2.5, 2.5}, std::sqrt(200.0), std::sqrt(50.0), 135, {90}}},
  };
  for (const RectangleCase& c : cases) {
    const GroundRectangle r = SmallestRectangle(c.points);
    EXPECT_NEAR(r.centre.x, c.expected.centre.x, 1e-9) << c.name;
    EXPECT_NEAR(r.centre.y, c.expected.centre.y, 1e-9) << c.name;
    EXPECT_NEAR(r.length, c.expected.length, 1e-9) << c.name;
    EXPECT_NEAR(r.width, c.expected.width, 1e-9) << c.name;
    EXPECT_NEAR(r.azimuth, c.expected.azimuth, 1e-9) << c.name;
    EXPECT_EQ(r.tied, c.expected.tied) << c.name;
  }
}

TEST(LocalFrame, FromLocalUndoesToLocal) {
  const ReferenceSystem lonLat("OGC:CRS84", "f", false);
  const ReferenceSystem rd("EPSG:28992", "f", false);  // far from its meridian: turned
  for (const auto& [system, site] :
       {std::pair{&lonLat, XY{24.94, 60.17}}, std::pair{&rd, XY{85000, 447500}}}) {
    const LocalFrame frame = system->FrameAt(site);
    for (const XY local : {XY{0, 0}, XY{120, -35}, XY{-300, 410}}) {
      const XY back = frame.ToLocal(frame.FromLocal(local));
      EXPECT_NEAR(back.x, local.x, 1e-6);
      EXPECT_NEAR(back.y, local.y, 1e-6);
    }
  }
}

}  // namespace
}  // namespace ventora::site
