// The site picture marks what the values are made of: the studied building
// in its own colour, buildings without a height hatched, the circle beyond
// the data greyed; the scale bar takes a round length.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "map/site_plan_painter.h"

namespace ventora {
namespace {

site::Ring Square(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Ink pixels (the outline and hatch colour) inside the box of m round the site.
int InkPixels(const QImage& image, QRect box) {
  int ink = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
  return ink;
}

TEST(SitePlanPicture, MarksTheStudiedBuildingTheMissingHeightsAndTheDataEdge) {
  site::SitePlan plan;
  plan.radius = 100;
  plan.sectors = 1;
  plan.footprints = {{{Square(-10, -10, 10, 10)}, 40.0, true, false},
                     {{Square(40, -10, 60, 10)}, 12.0, false, false},
                     {{Square(-60, -10, -40, 10)}, std::nullopt, false, false}};
  plan.covered = {Square(-30, -100, 100, 100)};
  QImage image(400, 400, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintSitePlan(painter, plan, QRectF(0, 0, 400, 400));
  painter.end();
  // 400 px: 12.5 px letters, the circle's radius 200 - 3.5 x 12.5 px.
  const double scale = (200 - 3.5 * 12.5) / 100;
  const auto at = [&](double east, double north) {
    return QPoint(static_cast<int>(200 + east * scale), static_cast<int>(200 - north * scale));
  };
  const auto around = [&](double east, double north) {
    return QRect(at(east, north) - QPoint(10, 10), QSize(21, 21));
  };
  EXPECT_EQ(image.pixelColor(at(5, 5)), QColor(0xc0, 0x39, 0x2b));     // studied
  EXPECT_EQ(InkPixels(image, around(50, 0)), 0);                       // a height: plain
  EXPECT_GT(InkPixels(image, around(-50, 0)), 20);                     // none: hatched
  EXPECT_EQ(image.pixelColor(at(-80, 50)), QColor(0xe4, 0xe4, 0xe4));  // beyond the data
  EXPECT_EQ(image.pixelColor(at(80, 50)), QColor(Qt::white));
}

TEST(SitePlanPicture, ScaleBarTakesARoundLengthAboutHalfTheRadius) {
  const std::pair<double, double> rows[] = {{150, 50}, {100, 50}, {50, 20}, {30, 10}, {1000, 500}};
  for (const auto& [radius, length] : rows)
    EXPECT_EQ(ScaleBarLength(radius), length) << radius;
}

}  // namespace
}  // namespace ventora
