// The browser edition's own geometry held to GEOS and PROJ, which the
// native program measures with: the same validity, repairs, interior
// points and local frames, and the same surroundings on the shared files.

#include <geos_c.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "site/footprint_set_impl.h"
#include "site/portable/interior_point.h"
#include "site/portable/orientation.h"
#include "site/portable/polygon_validity.h"
#include "site/portable/portable_footprint_set.h"
#include "site/portable/ring_fill.h"
#include "site/read_footprints.h"

namespace ventora::site {
namespace {

std::filesystem::path Shared(const std::string& name) {
  return std::filesystem::path(std::getenv("VENTORA_TEST_DATA")) / "surroundings" / name;
}

Geometry GeosPolygon(const GeosContext& geos, const std::vector<Ring>& rings) {
  const auto ring = [&](const Ring& r) {
    return GEOSGeom_createLinearRing_r(
        geos.get(), GEOSCoordSeq_copyFromBuffer_r(geos.get(), &r[0].x, r.size(), 0, 0));
  };
  std::vector<GEOSGeometry*> holes;
  for (std::size_t i = 1; i < rings.size(); ++i)
    holes.push_back(ring(rings[i]));
  return geos.Own(GEOSGeom_createPolygon_r(geos.get(), ring(rings[0]), holes.data(),
                                           static_cast<unsigned>(holes.size())),
                  "test polygon");
}

double PiecesArea(const std::vector<Ring>& pieces) {
  double area = 0;
  for (const Ring& p : pieces)
    for (std::size_t i = 0; i < p.size(); ++i)
      area += (p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y) / 2;
  return area;
}

// GEOS's verdict on `rings` and, for an invalid outline, the area of its
// repair, against the program's own.
void ExpectJudgedAsGeos(const GeosContext& geos, const std::vector<Ring>& rings) {
  const Geometry g = GeosPolygon(geos, rings);
  const bool valid = GEOSisValid_r(geos.get(), g.get()) == 1;
  EXPECT_EQ(IsValidPolygon(rings), valid);
  if (valid) {
    XY p;
    Geometry point = geos.Own(GEOSPointOnSurface_r(geos.get(), g.get()), "point");
    GEOSGeomGetX_r(geos.get(), point.get(), &p.x);
    GEOSGeomGetY_r(geos.get(), point.get(), &p.y);
    const XY mine = InteriorPoint({rings});
    EXPECT_EQ(mine.x, p.x);
    EXPECT_EQ(mine.y, p.y);
    return;
  }
  double repaired = 0;
  Geometry fixed = geos.Own(GEOSMakeValid_r(geos.get(), g.get()), "repair");
  GEOSArea_r(geos.get(), fixed.get(), &repaired);
  EXPECT_NEAR(PiecesArea(FilledPieces({{rings, 0}})), repaired, 1e-9 * (1 + repaired));
}

Ring Square(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

TEST(PortableGeometry, OutlinesJudgedAndRepairedAsGeos) {
  const std::vector<std::vector<Ring>> cases{
      {Square(0, 0, 4, 4)},
      {{{0, 0}, {4, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}}},              // a repeated corner
      {{{0, 0}, {4, 4}, {4, 0}, {0, 4}, {0, 0}}},                      // a bow
      {{{0, 0}, {4, 0}, {6, 0}, {5, 0}, {4, 4}, {0, 4}, {0, 0}}},      // a spike back
      {{{0, 0}, {4, 0}, {2, 2}, {4, 4}, {0, 4}, {2, 2}, {0, 0}}},      // touches itself
      {{{0, 0}, {1, 0}, {1, 0}, {0, 0}}},                              // two corners
      {{{0, 0}, {1, 0}, {2, 0}, {0, 0}}},                              // on a line
      {Square(0, 0, 9, 9), Square(2, 2, 4, 4)},                        // a courtyard
      {Square(0, 0, 9, 9), {{0, 3}, {3, 2}, {3, 5}, {0, 3}}},          // touching once
      {Square(0, 0, 9, 9), {{0, 3}, {3, 2}, {0, 6}, {3, 7}, {0, 3}}},  // crossing out
      {Square(0, 0, 9, 9), {{0, 3}, {3, 2}, {9, 5}, {0, 3}}},          // touching twice
      {Square(0, 0, 9, 9), Square(12, 2, 14, 4)},                      // outside
      {Square(0, 0, 9, 9), Square(1, 1, 8, 8), Square(2, 2, 4, 4)},    // nested holes
      {Square(0, 0, 9, 9), Square(1, 1, 3, 3), Square(3, 3, 5, 5)},    // holes touching
      {Square(0, 0, 9, 9),
       {{0, 4}, {3, 3}, {3, 5}, {0, 4}},  // a cycle of three
       {{3, 3}, {9, 4}, {3, 5}, {3, 3}}},
  };
  const GeosContext geos;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    ExpectJudgedAsGeos(geos, cases[i]);
  }
  // A hole that shares a side with its outline: GEOS's repair keeps the
  // ground both rings draw round (81 m²), the program's own keeps what they
  // enclose once, a notch (75 m²); the guide says so.
  const std::vector<Ring> notch{Square(0, 0, 9, 9), Square(0, 2, 3, 4)};
  EXPECT_FALSE(IsValidPolygon(notch));
  EXPECT_EQ(PiecesArea(FilledPieces({{notch, 0}})), 75);
  // Every outline of the shared files.
  for (const char* file : {"helsinki-buildings.geojson", "delft.city.json"}) {
    for (const Footprint& f : ReadFootprints(Shared(file), ReadRules{}).footprints) {
      for (const PolygonRings& p : f.polygons) {
        std::vector<Ring> rings;  // as the readers' outlines become polygons
        for (Ring r : p.rings) {
          if (r.front().x != r.back().x || r.front().y != r.back().y) r.push_back(r.front());
          if (r.size() >= 4) rings.push_back(r);
          if (rings.empty()) break;
        }
        if (rings.empty()) continue;
        SCOPED_TRACE(std::string(file) + " " + f.id);
        ExpectJudgedAsGeos(geos, rings);
      }
    }
  }
}

__extension__ using Int128 = __int128;

TEST(PortableGeometry, OrientationIsExact) {
  // Points on or next to a line, where the rounded determinant errs; the
  // exact one of integers below 2^50 fits 128 bits.
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::int64_t> coordinate(-(1LL << 49), 1LL << 49);
  std::uniform_int_distribution<int> off(-1, 1);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t ax = coordinate(random), ay = coordinate(random);
    const std::int64_t dx = coordinate(random) / 1024, dy = coordinate(random) / 1024;
    const std::int64_t bx = ax + dx, by = ay + dy, cx = ax + 3 * dx + off(random),
                       cy = ay + 3 * dy + off(random);
    const Int128 exact =
        static_cast<Int128>(bx - ax) * (cy - ay) - static_cast<Int128>(by - ay) * (cx - ax);
    const int sign = exact > 0 ? 1 : exact < 0 ? -1 : 0;
    ASSERT_EQ(
        Orientation({double(ax), double(ay)}, {double(bx), double(by)}, {double(cx), double(cy)}),
        sign)
        << i;
  }
}

// Local frames, the browser's (own projections and geodesics) against
// ventora-run's (PROJ): where a point 150 m away lands, to 0.1 mm.
TEST(CarriedSystems, FramesAsProjMakesThem) {
  struct Site {
    const char* crs;
    XY site, offset;
  };
  const std::vector<Site> sites{
      {"OGC:CRS84", {24.944, 60.168}, {0.002, 0.0008}},
      {"EPSG:4326", {-70.6, -33.45}, {-0.001, 0.001}},
      {"EPSG:7415", {84950, 447540}, {120, -90}},
      {"EPSG:28992", {250000, 600000}, {-100, 110}},
      {"EPSG:32635", {385000, 6672000}, {100, 110}},
      {"EPSG:32733", {700000, 7000000}, {-120, 90}},
      {"EPSG:25832", {560000, 5930000}, {110, 100}},
      {"EPSG:3067", {385000, 6672000}, {-90, -120}},
  };
  for (const Site& s : sites) {
    SCOPED_TRACE(s.crs);
    const ReferenceSystem proj(s.crs, "f.json", false);
    const CarriedSystem mine(s.crs, "f.json", false);
    ASSERT_EQ(mine.Geographic(), proj.Geographic());
    const XY p{s.site.x + s.offset.x, s.site.y + s.offset.y};
    const XY want = proj.FrameAt(s.site).ToLocal(p), got = mine.FrameAt(s.site).ToLocal(p);
    EXPECT_NEAR(got.x, want.x, 1e-4);
    EXPECT_NEAR(got.y, want.y, 1e-4);
    const XY back = mine.FrameAt(s.site).FromLocal(got);
    EXPECT_NEAR(back.x, p.x, 1e-6 * (1 + std::abs(s.offset.x)));
    EXPECT_NEAR(back.y, p.y, 1e-6 * (1 + std::abs(s.offset.y)));
  }
  try {
    CarriedSystem("EPSG:3857", "city.json", false);
    FAIL() << "a system not carried was taken";
  } catch (const SiteError& e) {
    EXPECT_STREQ(e.what(),
                 "the reference system of \"city.json\" (EPSG:3857) is not one the browser "
                 "edition carries (WGS 84 lon/lat; RD New, EPSG:28992 and 7415; the UTM zones, "
                 "EPSG:32601 to 32660, 32701 to 32760, 25828 to 25838 and 3067): compute the "
                 "surroundings with ventora-run --surroundings, which knows every reference "
                 "system of PROJ");
  }
}

// The shared files' surroundings at sites all over them, with the native
// set's notes, counts and messages, and values a thousandth of the
// printed digits apart.
TEST(PortableSet, SameSurroundingsAsGeosOnTheSharedFiles) {
  struct File {
    const char* name;
    const char* crs;
    XY centre, step;
  };
  for (const File& f : {File{"helsinki-buildings.geojson", "", {24.944, 60.168}, {0.0013, 0.0006}},
                        File{"delft.city.json", "", {84950, 447540}, {70, 40}},
                        File{"DH_01_subs.city.json", "EPSG:28992", {78650, 457900}, {15, 15}}}) {
    SCOPED_TRACE(f.name);
    const FootprintSet native = LoadFootprints(Shared(f.name), ReadRules{}, f.crs);
    const PortableFootprintSet mine(ReadFootprints(Shared(f.name), ReadRules{}), f.crs,
                                    Shared(f.name).string());
    EXPECT_EQ(mine.notes(), native.notes());
    ASSERT_EQ(mine.size(), native.size());
    EXPECT_EQ(mine.table().clusters.size(), native.impl().table.clusters.size());
    for (int i = -3; i <= 3; ++i)
      for (int j = -3; j <= 3; ++j)
        for (const int sectors : {1, 8}) {
          const SurroundingsRequest request{{f.centre.x + i * f.step.x, f.centre.y + j * f.step.y},
                                            50.0 + 25 * (i + 3),
                                            sectors,
                                            {}};
          SCOPED_TRACE(std::to_string(i) + "," + std::to_string(j));
          std::string nativeError, myError;
          Surroundings want, got;
          try {
            want = native.Compute(request);
          } catch (const SiteError& e) {
            nativeError = e.what();
          }
          try {
            got = mine.Compute(request);
          } catch (const SiteError& e) {
            myError = e.what();
          }
          ASSERT_EQ(myError, nativeError);
          ASSERT_EQ(got.rows.size(), want.rows.size());
          EXPECT_EQ(got.notes, want.notes);
          for (std::size_t k = 0; k < want.rows.size(); ++k) {
            EXPECT_NEAR(got.rows[k].pad, want.rows[k].pad, 1e-3);
            EXPECT_NEAR(got.rows[k].sbh.value_or(-1), want.rows[k].sbh.value_or(-1), 1e-4);
            EXPECT_EQ(got.rows[k].buildings, want.rows[k].buildings);
            EXPECT_EQ(got.rows[k].withoutHeight, want.rows[k].withoutHeight);
          }
        }
  }
}

}  // namespace
}  // namespace ventora::site
