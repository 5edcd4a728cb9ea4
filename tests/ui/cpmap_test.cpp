// The Cp map's content and geometry, checked through its model and layout:
// one marker per element where the element is, colours in the order of the
// Cp values, a legend that covers them all, elements without a value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "core/job_file.h"
#include "core/number_text.h"
#include "cpmap_examples.h"
#include "map/cpmap_colors.h"
#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"
#include "ui/main_window/cpmap_last_run.h"

namespace ventora::testing {
namespace {

Job ExampleJob(const std::string& name) {
  NumberText numbers{kPointDecimal};
  return ReadJobFile(ExamplesFolder() + "/" + name + ".in", numbers);
}

struct ComputedExample {
  Job job;
  RunResult run;
  CpMapModel model;
};

ComputedExample Computed(const std::string& name) {
  ComputedExample e;
  e.job = ExampleJob(name);
  std::optional<RunResult> run = RecomputeRun(e.job, kPointDecimal);
  EXPECT_TRUE(run.has_value());
  if (run) e.run = *run;
  e.model = BuildCpMapModel(e.job, e.run, "/some/folder/" + name);
  return e;
}

// Larger for warmer, darker pressure; smaller for darker suction.
int SignedDarkness(const Rgb& c) {
  const int darkness = 3 * 255 - (c.r + c.g + c.b);
  return c.r >= c.b ? darkness : -darkness;
}

TEST(CpMapModelTest, EveryElementOfTheOfficeBlockHasItsMarkerValueAndAverage) {
  const ComputedExample e = Computed("office-block");
  EXPECT_EQ(e.model.title, "office-block");
  ASSERT_EQ(e.run.verdict, RunVerdict::Completed);
  std::map<int, const ElementResult*> byK;
  for (const ElementResult& r : e.run.elements)
    byK[r.k] = &r;
  std::size_t markers = 0;
  for (int iface = 1; iface <= kMapFacades; ++iface) {
    const CpMapFacade& f = e.model.facades[iface - 1];
    EXPECT_EQ(f.iface, iface);
    ASSERT_EQ(f.markers.size(), static_cast<std::size_t>(e.job.ElmCount[iface])) << iface;
    EXPECT_EQ(f.L, FacadeExtent(e.job, iface).L);
    EXPECT_EQ(f.H, FacadeExtent(e.job, iface).H);
    EXPECT_EQ(f.angle, e.run.geometry.FacadeAngle[iface]);
    for (std::size_t i = 0; i < f.markers.size(); ++i) {
      const CpMarker& m = f.markers[i];
      EXPECT_EQ(m.ielm, static_cast<int>(i + 1));
      EXPECT_EQ(m.X, e.job.ElmX[iface][i + 1]);
      EXPECT_EQ(m.Z, e.job.ElmZ[iface][i + 1]);
      ASSERT_EQ(m.state, MarkerState::Computed);
      ASSERT_TRUE(byK.contains(m.k));
      EXPECT_EQ(byK[m.k]->iface, iface);
      EXPECT_EQ(m.Cp, byK[m.k]->Cp);  // the very number of the report line
    }
    markers += f.markers.size();
  }
  EXPECT_EQ(markers, e.run.elements.size());
  EXPECT_TRUE(e.model.hollow.empty());
  for (const FacadeAverage& a : e.run.averages) {
    ASSERT_TRUE(e.model.facades[a.iface - 1].average.has_value()) << a.iface;
    EXPECT_EQ(*e.model.facades[a.iface - 1].average, a.average);
  }
}

TEST(CpMapModelTest, TheLegendCoversEveryValueAndEndsOnARoundNumber) {
  for (const char* name : {"office-block", "low-house"}) {
    const ComputedExample e = Computed(name);
    float largest = 0;
    for (const CpMapFacade& f : e.model.facades)
      for (const CpMarker& m : f.markers)
        largest = std::max(largest, std::fabs(m.Cp));
    EXPECT_GE(e.model.bound, largest) << name;
    EXPECT_LE(e.model.bound, 2.5f * largest) << name;  // not so wide that colours fade
  }
  EXPECT_EQ(LegendBound(0), 0.1f);
  EXPECT_EQ(LegendBound(0.25f), 0.25f);
  EXPECT_EQ(LegendBound(std::nextafter(0.25f, 1.0f)), 0.5f);
  EXPECT_EQ(LegendBound(0.1f), 0.1f);
  EXPECT_EQ(LegendBound(1.3f), 2.0f);
  EXPECT_EQ(LegendBound(7), 10.0f);
  EXPECT_EQ(LegendBound(NAN), 1.0f);
}

TEST(CpMapColourTest, ZeroIsWhitePressureWarmSuctionCoolAndOrderIsKept) {
  EXPECT_EQ(DivergingColour(0, 1), (Rgb{255, 255, 255}));
  const Rgb warm = DivergingColour(0.8f, 1);
  const Rgb cool = DivergingColour(-0.8f, 1);
  EXPECT_GT(warm.r, warm.b);
  EXPECT_GT(cool.b, cool.r);
  EXPECT_EQ(DivergingColour(5, 1), DivergingColour(1, 1));  // beyond the scale: its end
  int previous = SignedDarkness(DivergingColour(-1, 1));
  for (int i = -99; i <= 100; ++i) {
    const int now = SignedDarkness(DivergingColour(i / 100.0f, 1));
    EXPECT_GE(now, previous) << i;
    previous = now;
  }
  EXPECT_LT(SignedDarkness(DivergingColour(-0.5f, 1)), SignedDarkness(DivergingColour(-0.4f, 1)));
  EXPECT_LT(SignedDarkness(DivergingColour(0.4f, 1)), SignedDarkness(DivergingColour(0.5f, 1)));
}

TEST(CpMapColourTest, TheMarkersColoursFollowTheirCpValues) {
  const ComputedExample e = Computed("office-block");
  std::vector<CpMarker> all;
  for (const CpMapFacade& f : e.model.facades)
    all.insert(all.end(), f.markers.begin(), f.markers.end());
  std::sort(all.begin(), all.end(),
            [](const CpMarker& a, const CpMarker& b) { return a.Cp < b.Cp; });
  ASSERT_LT(all.front().Cp, 0);
  ASSERT_GT(all.back().Cp, 0);
  for (std::size_t i = 1; i < all.size(); ++i) {
    EXPECT_LE(SignedDarkness(DivergingColour(all[i - 1].Cp, e.model.bound)),
              SignedDarkness(DivergingColour(all[i].Cp, e.model.bound)))
        << all[i - 1].Cp << " " << all[i].Cp;
  }
}

TEST(CpMapLayoutTest, FacadesUnfoldInTrueProportionsAndMarkersSitOnTheirElements) {
  const ComputedExample e = Computed("office-block");
  for (const QSizeF size : {QSizeF(1400, 900), QSizeF(700, 1000), QSizeF(2000, 500)}) {
    const CpMapLayout l = LayOutCpMap(e.model, size);
    ASSERT_GT(l.scale, 0);
    for (int i = 0; i < kMapFacades; ++i) {
      const QRectF& r = l.facades[i];
      EXPECT_TRUE(l.canvas.contains(r)) << i;
      EXPECT_NEAR(r.width(), e.model.facades[i].L * l.scale, 1e-9);
      EXPECT_NEAR(r.height(), e.model.facades[i].H * l.scale, 1e-9);
      for (const CpMarker& m : e.model.facades[i].markers) {
        const QPointF c = l.MarkerCentre(m);
        EXPECT_NEAR(c.x() - r.left(), m.X * l.scale, 1e-9);
        EXPECT_NEAR(r.bottom() - c.y(), m.Z * l.scale, 1e-9);
        EXPECT_EQ(MarkerAt(e.model, l, c), &m);  // what the tooltip finds
      }
    }
    for (int i = 1; i < 4; ++i) {
      EXPECT_EQ(l.facades[i].top(), l.facades[0].top());
      EXPECT_GT(l.facades[i].left(), l.facades[i - 1].right());
    }
    EXPECT_EQ(l.facades[4].left(), l.facades[0].left());  // the roof above wall 1
    EXPECT_LT(l.facades[4].bottom(), l.facades[0].top());
    EXPECT_GT(l.legendBar.left(), l.facades[3].right());
    EXPECT_EQ(MarkerAt(e.model, l, l.legendBar.center()), nullptr);
  }
}

// The arrow comes from the side of the plan where the wall facing the wind
// is drawn: 1 below, 2 to the right, 3 above, 4 to the left.
TEST(CpMapLayoutTest, TheWindComesFromTheWallThatFacesIt) {
  struct Case {
    float facade1Angle;
    QPointF side;
  };
  // Facade i faces the wind when facade 1's angle is -(i - 1) * 90, mod 360.
  const Case cases[] = {{0, {0, 1}}, {-90, {1, 0}}, {180, {0, -1}}, {90, {-1, 0}}};
  for (const Case& c : cases) {
    const QPointF d = WindSourceDirection(c.facade1Angle);
    EXPECT_NEAR(d.x(), c.side.x(), 1e-6) << c.facade1Angle;
    EXPECT_NEAR(d.y(), c.side.y(), 1e-6) << c.facade1Angle;
  }
  // Between walls 1 and 2 (facade 1 at -45 degrees): from below right.
  const QPointF d = WindSourceDirection(-45);
  EXPECT_GT(d.x(), 0.7);
  EXPECT_GT(d.y(), 0.7);
}

TEST(CpMapLayoutTest, TheLegendPlacesEveryValueOnItsBar) {
  const ComputedExample e = Computed("low-house");
  const CpMapLayout l = LayOutCpMap(e.model, QSizeF(1200, 800));
  EXPECT_DOUBLE_EQ(l.LegendY(e.model.bound, e.model.bound), l.legendBar.top());
  EXPECT_DOUBLE_EQ(l.LegendY(-e.model.bound, e.model.bound), l.legendBar.bottom());
  for (const CpMapFacade& f : e.model.facades)
    for (const CpMarker& m : f.markers) {
      const double y = l.LegendY(m.Cp, e.model.bound);
      EXPECT_GE(y, l.legendBar.top());
      EXPECT_LE(y, l.legendBar.bottom());
    }
}

// A run stopped by an element outside its facade: the elements after it,
// and the floor's, have no value; they are hollow and listed in order.
TEST(CpMapModelTest, ElementsWithoutAValueAreHollowAndListed) {
  Job job = ExampleJob("low-house");
  job.ElmCount[1] = 3;
  job.ElmX[1][3] = 1;
  job.ElmZ[1][3] = 2;
  job.ElmCount[6] = 1;
  RunResult run;
  run.verdict = RunVerdict::Stopped;
  run.elements.push_back({1, 1, 2, 1.5f, 0.17f, 0.25f, 0.5f});
  run.elements.push_back({1, 2, 6, 1.5f, 0.5f, 0.25f, 10000});
  const CpMapModel m = BuildCpMapModel(job, run, "low-house");
  const std::vector<CpMarker>& wall = m.facades[0].markers;
  ASSERT_EQ(wall.size(), 3u);
  EXPECT_EQ(wall[0].state, MarkerState::Computed);
  EXPECT_EQ(wall[1].state, MarkerState::OutsideFacade);
  EXPECT_EQ(wall[2].state, MarkerState::NotComputed);
  EXPECT_FALSE(m.facades[0].average.has_value());
  ASSERT_GE(m.hollow.size(), 3u);
  EXPECT_EQ(m.hollow.front().k, 2);
  EXPECT_EQ(m.hollow.back().iface, 6);
  EXPECT_TRUE(std::is_sorted(m.hollow.begin(), m.hollow.end(),
                             [](const CpMarker& a, const CpMarker& b) { return a.k < b.k; }));
  const std::size_t elements = job.ElmCount[1] + job.ElmCount[2] + job.ElmCount[3] +
                               job.ElmCount[4] + job.ElmCount[5] + job.ElmCount[6];
  EXPECT_EQ(m.hollow.size(), elements - 1);
  EXPECT_EQ(m.bound, 0.5f);  // the sentinel 10000 is no value
}

TEST(CpMapModelTest, NumbersAreWrittenAsInTheReport) {
  EXPECT_EQ(CpText(-0.0304f, '.'), "-0.030");
  EXPECT_EQ(CpText(1.2345f, ','), "1,235");  // 32-bit 1.2345 lies just above
  EXPECT_EQ(AngleText(-65, '.'), "-65.0\u00b0");
}

}  // namespace
}  // namespace ventora::testing
