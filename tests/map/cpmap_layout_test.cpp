// Where the Cp map prints its values: only the values that would run into
// another value or marker are left out, and more show as the map grows; and
// where its labels go.
#include <gtest/gtest.h>

#include "map/cpmap_layout.h"

namespace ventora {
namespace {

CpMarker Marker(int k, float X, float Z) {
  CpMarker m;
  m.iface = 1;
  m.ielm = static_cast<std::int16_t>(k);
  m.k = static_cast<std::int16_t>(k);
  m.X = X;
  m.Z = Z;
  m.computedZ = Z;
  m.Cp = 0.5f;
  m.state = MarkerState::Computed;
  return m;
}

// Wall 1 with ten markers crowded in a corner and four far apart.
CpMapModel CrowdedWall() {
  CpMapModel model;
  for (int i = 0; i < kMapFacades; ++i) {
    model.facades[i].iface = static_cast<std::int16_t>(i + 1);
    model.facades[i].L = i % 2 == 0 ? 30 : 12;
    model.facades[i].H = i == 4 ? 12 : 10;
  }
  int k = 0;
  for (int i = 0; i < 10; ++i)
    model.facades[0].markers.push_back(Marker(++k, 1 + 0.05f * i, 1 + 0.05f * i));
  for (const auto& [X, Z] : {std::pair{8.f, 8.f}, {15.f, 5.f}, {22.f, 2.f}, {28.f, 8.f}})
    model.facades[0].markers.push_back(Marker(++k, X, Z));
  return model;
}

std::size_t Printed(const CpMapModel& model, const CpMapLayout& layout) {
  std::vector<QRectF> boxes;
  for (const CpMarker& m : model.facades[0].markers) {
    if (!layout.ValueShown(m)) continue;
    const QRectF box = layout.ValueBox(m);
    for (const QRectF& other : boxes)
      EXPECT_FALSE(box.intersects(other)) << m.k;
    boxes.push_back(box);
  }
  return boxes.size();
}

TEST(CpMapValues, OnlyTheCrowdedValuesAreHiddenAndZoomShowsThemAgain) {
  const CpMapModel model = CrowdedWall();
  std::size_t before = 0;
  for (const double zoom : {1.0, 4.0, 16.0, 64.0}) {
    SCOPED_TRACE(zoom);
    const CpMapLayout layout = LayOutCpMap(model, QSizeF(1000 * zoom, 700 * zoom));
    for (std::size_t i = 10; i < 14; ++i)  // far apart: always printed
      EXPECT_TRUE(layout.ValueShown(model.facades[0].markers[i]));
    const std::size_t printed = Printed(model, layout);
    EXPECT_EQ(printed + layout.hiddenValues.size(), 14u);
    EXPECT_GE(printed, before);
    before = printed;
  }
  EXPECT_LE(LayOutCpMap(model, QSizeF(1000, 700)).hiddenValues.size(), 10u);
  EXPECT_GE(LayOutCpMap(model, QSizeF(1000, 700)).hiddenValues.size(), 8u);
  EXPECT_TRUE(LayOutCpMap(model, QSizeF(64000, 44800)).hiddenValues.empty());
}

// A value that would be printed over its facade's average is left out; one
// as low but beyond the average's end is printed.
TEST(CpMapValues, TheAverageUnderAFacadeStaysReadable) {
  CpMapModel model = CrowdedWall();
  model.facades[0].markers = {Marker(1, 0.5f, 0.2f), Marker(2, 29.5f, 0.2f), Marker(3, 0.5f, 5)};
  const CpMapLayout layout = LayOutCpMap(model, QSizeF(1400, 900));
  const auto& markers = model.facades[0].markers;
  EXPECT_TRUE(layout.ValueBox(markers[0]).intersects(layout.AverageBox(0)));
  EXPECT_FALSE(layout.ValueShown(markers[0]));
  EXPECT_TRUE(layout.ValueShown(markers[1]));
  EXPECT_TRUE(layout.ValueShown(markers[2]));
}

// Walls of 60 m and 6 m: the narrow walls' labels keep clear of the next
// wall's, and of the legend, while every wall keeps the one scale.
TEST(CpMapLabels, NarrowWallsLeaveRoomForTheirLabels) {
  CpMapModel model;
  for (int i = 0; i < kMapFacades; ++i) {
    model.facades[i].iface = static_cast<std::int16_t>(i + 1);
    model.facades[i].L = i % 2 == 0 ? 60 : 6;
    model.facades[i].H = i == 4 ? 6 : 30;
  }
  for (const QSizeF size : {QSizeF(1400, 900), QSizeF(800, 500), QSizeF(2800, 1800)}) {
    SCOPED_TRACE(size.width());
    const CpMapLayout l = LayOutCpMap(model, size);
    for (int i = 0; i < kMapFacades; ++i) {
      EXPECT_NEAR(l.facades[i].width(), model.facades[i].L * l.scale, 1e-9) << i;
      EXPECT_GE(l.labelWidths[i], 9.5 * l.fontPx - 1e-6) << i;  // "average Cp -0.000" whole
    }
    for (int i = 0; i < 3; ++i)
      EXPECT_LT(l.facades[i].left() + l.labelWidths[i], l.facades[i + 1].left()) << i;
    EXPECT_LT(l.facades[3].left() + l.labelWidths[3], l.legendBar.left());
    EXPECT_LT(l.facades[4].left() + l.labelWidths[4], l.plan.left());
  }
}

}  // namespace
}  // namespace ventora
