// PAD and SbH of hand-made footprints whose answers are known: blocks in a
// transverse Mercator frame whose central meridian runs through the site
// (scale 1, no convergence there), so that a block's area in metres is its
// area on the ground.

#include <geodesic.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/cancellation.h"
#include "site/building_boxes.h"
#include "site/geos_handle.h"
#include "site/portable/portable_footprint_set.h"
#include "site/surroundings.h"

namespace ventora::site {
namespace {

constexpr double kX0 = 500000, kY0 = 5000000;
constexpr const char* kFrame =
    "+proj=tmerc +lat_0=0 +lon_0=9 +k=1 +x_0=500000 +y_0=0 +ellps=WGS84 +units=m +type=crs";

double CircleArea(double r) {
  return std::numbers::pi * r * r;
}

std::string Ring(double x0, double y0, double x1, double y1) {
  std::ostringstream text;
  text.precision(12);
  text << "[[" << kX0 + x0 << "," << kY0 + y0 << "],[" << kX0 + x1 << "," << kY0 + y0 << "],["
       << kX0 + x1 << "," << kY0 + y1 << "],[" << kX0 + x0 << "," << kY0 + y1 << "],[" << kX0 + x0
       << "," << kY0 + y0 << "]]";
  return text.str();
}

std::string Feature(const std::string& rings, const std::string& properties) {
  return R"({"type":"Feature","properties":{)" + properties +
         R"(},"geometry":{"type":"Polygon","coordinates":[)" + rings + "]}}";
}

std::filesystem::path WriteFile(const std::string& name, const std::string& text) {
  const auto path =
      std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".json");
  std::ofstream(path) << text;
  return path;
}

std::filesystem::path WriteGeoJson(const std::string& name,
                                   const std::vector<std::string>& features,
                                   const std::string& crs = kFrame) {
  std::string text = R"({"type":"FeatureCollection","crs":{"type":"name","properties":{"name":")" +
                     crs + R"("}},"features":[)";
  for (std::size_t i = 0; i < features.size(); ++i)
    text += (i ? "," : "") + features[i];
  return WriteFile(name, text + "]}");
}

struct Expected {
  double pad;  // m² of ground covered, turned into percent by the test
  std::optional<double> sbh;
  int buildings, withoutHeight;
};

struct Case {
  std::string name;
  std::vector<std::string> features;
  double radius;
  int sectors;
  std::optional<double> defaultHeight;
  std::vector<Expected> rows;  // covered area in m² per row; all round first
};

// The area of [-10, 10] x [90, 110] inside the circle of radius 100.
double CutBlockArea() {
  const auto f = [](double x) {
    return x / 2 * std::sqrt(1e4 - x * x) + 5000 * std::asin(x / 100);
  };
  return f(10) - f(-10) - 20 * 90;
}

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases{
      {"block_at_known_distance",
       {Feature(Ring(-10, 40, 10, 60), R"("height":10)")},
       100,
       1,
       {},
       {{400, 10, 1, 0}}},
      {"building_cut_by_the_circle",
       {Feature(Ring(-10, 90, 10, 110), R"("height":"12.5 m")")},
       100,
       1,
       {},
       {{CutBlockArea(), 12.5, 1, 0}}},
      {"part_overlapping_its_building",
       {Feature(Ring(-10, 40, 10, 60), R"("building":"yes","height":10)"),
        Feature(Ring(-5, 45, 5, 55), R"("building:part":"yes","height":30)")},
       100,
       1,
       {},
       {{400, 10, 1, 0}}},
      {"courtyard",
       {Feature(Ring(-15, 35, 15, 65) + "," + Ring(-5, 45, 5, 55), R"("building:levels":4)")},
       100,
       1,
       {},
       {{800, 12, 1, 0}}},
      // Each sector's share of the ground round a site in a courtyard: the
      // sectors' wedges meet in the site, inside the courtyard's outline.
      {"site_in_a_courtyard",
       {Feature(Ring(-15, -15, 15, 15) + "," + Ring(-4, -3, 6, 5), R"("height":10)")},
       100,
       4,
       {},
       {{820, 10, 1, 0},
        {225 - 24.5, 10, 1, 0},
        {225 - 31, 10, 1, 0},
        {225 - 9, 10, 1, 0},
        {225 - 15.5, 10, 1, 0}}},
      {"building_without_a_height",
       {Feature(Ring(-10, 40, 10, 60), R"("height":10)"), Feature(Ring(-10, -60, 10, -40), "")},
       100,
       1,
       {},
       {{800, 10, 2, 1}}},
      {"default_height",
       {Feature(Ring(-10, 40, 10, 60), R"("height":10)"), Feature(Ring(-10, -60, 10, -40), "")},
       100,
       1,
       20.0,
       {{800, 15, 2, 1}}},
      {"not_a_building",
       {Feature(Ring(-10, 40, 10, 60), R"("building":"no","height":10)"),
        Feature(Ring(-120, -5, -110, 5), R"("height":10)"),
        Feature(Ring(110, -5, 120, 5), R"("height":10)")},
       100,
       1,
       {},
       {{0, std::nullopt, 0, 0}}},
      {"site_inside_a_building",
       {Feature(Ring(-10, -10, 10, 10), R"("height":50)"),
        Feature(Ring(-5, -5, 5, 5), R"("building:part":"yes","height":60)"),
        Feature(Ring(30, -10, 50, 10), R"("height":8)")},
       100,
       1,
       {},
       {{400, 8, 1, 0}}},
      {"sector_boundary_through_a_building",
       {Feature(Ring(25, 25, 45, 45), R"("height":9)")},
       100,
       4,
       {},
       {{400, 9, 1, 0}, {200, 9, 1, 0}, {200, 9, 1, 0}, {0, {}, 0, 0}, {0, {}, 0, 0}}},
  };
  return cases;
}

class KnownAnswers : public testing::TestWithParam<Case> {};

TEST_P(KnownAnswers, PadAndSbH) {
  const Case& c = GetParam();
  const auto file = WriteGeoJson(c.name, c.features);
  const FootprintSet set = LoadFootprints(file, ReadRules{}, "");
  const Surroundings got = set.Compute({.site = {kX0, kY0},
                                        .radius = c.radius,
                                        .sectors = c.sectors,
                                        .defaultHeight = c.defaultHeight});
  std::filesystem::remove(file);
  ASSERT_EQ(got.rows.size(), c.rows.size());
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const double share = i == 0 ? 1 : 1.0 / c.sectors;
    EXPECT_NEAR(got.rows[i].pad, 100 * c.rows[i].pad / (CircleArea(c.radius) * share), 1e-7);
    EXPECT_EQ(got.rows[i].sbh.has_value(), c.rows[i].sbh.has_value());
    if (c.rows[i].sbh && got.rows[i].sbh) {
      EXPECT_NEAR(*got.rows[i].sbh, *c.rows[i].sbh, 1e-9);
    }
    EXPECT_EQ(got.rows[i].buildings, c.rows[i].buildings);
    EXPECT_EQ(got.rows[i].withoutHeight, c.rows[i].withoutHeight);
  }
}

INSTANTIATE_TEST_SUITE_P(Footprints, KnownAnswers, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& param) {
                           return param.param.name;
                         });

TEST(Sectors, BoundsAreCentredOnTheirBearings) {
  const auto file = WriteGeoJson("bounds", {Feature(Ring(-10, 40, 10, 60), R"("height":10)")});
  const Surroundings got =
      LoadFootprints(file, ReadRules{}, "")
          .Compute({.site = {kX0, kY0}, .radius = 100, .sectors = 8, .defaultHeight = {}});
  std::filesystem::remove(file);
  ASSERT_EQ(got.rows.size(), 9u);
  EXPECT_EQ(got.rows[0].from, 0);
  EXPECT_EQ(got.rows[0].to, 360);
  EXPECT_EQ(got.rows[1].from, 337.5);
  EXPECT_EQ(got.rows[1].to, 22.5);
  EXPECT_EQ(got.rows[3].from, 67.5);
  EXPECT_EQ(got.rows[1].buildings, 1);  // the block lies due north
  EXPECT_EQ(got.rows[5].buildings, 0);
}

// The picture's footprints: in metres round the site, cut at the circle,
// the studied building and the ones without a height told apart.
TEST(Plan, FootprintsRoundTheSiteCutAtTheCircle) {
  const auto file = WriteGeoJson("plan", {Feature(Ring(-10, -10, 10, 10), R"("height":50)"),
                                          Feature(Ring(-10, 90, 10, 110), R"("height":12)"),
                                          Feature(Ring(30, -10, 50, 10), ""),
                                          Feature(Ring(300, 300, 320, 320), R"("height":9)")});
  const SitePlan plan =
      LoadFootprints(file, ReadRules{}, "")
          .Plan({.site = {kX0, kY0}, .radius = 100, .sectors = 8, .defaultHeight = {}});
  std::filesystem::remove(file);
  ASSERT_EQ(plan.footprints.size(), 3u);  // the one 420 m away is left out
  const auto area = [](const PlanFootprint& f) {
    double sum = 0;
    for (const auto& ring : f.rings) {
      for (std::size_t i = 0; i < ring.size(); ++i) {
        const XY a = ring[i], b = ring[(i + 1) % ring.size()];
        sum += (a.x * b.y - b.x * a.y) / 2;
      }
    }
    return sum;
  };
  EXPECT_TRUE(plan.footprints[0].studied);
  EXPECT_NEAR(area(plan.footprints[0]), 400, 1e-6);
  EXPECT_FALSE(plan.footprints[1].studied);
  EXPECT_NEAR(area(plan.footprints[1]), CutBlockArea(), 0.5);  // the drawn circle has corners
  EXPECT_EQ(plan.footprints[1].height, 12);
  EXPECT_FALSE(plan.footprints[2].height.has_value());
  EXPECT_NEAR(area(plan.footprints[2]), 400, 1e-6);
  EXPECT_EQ(plan.sectors, 8);
  EXPECT_FALSE(plan.covered.empty());
}

// A job takes the all-round row: it is the same, bit for bit, whether
// sectors are asked for or not.
TEST(Sectors, AllRoundRowDoesNotDependOnThem) {
  const std::filesystem::path delft =
      std::filesystem::path(std::getenv("VENTORA_TEST_DATA")) / "surroundings" / "delft.city.json";
  const FootprintSet set = LoadFootprints(delft, ReadRules{}, "");
  const XY site{84950, 447540};
  const SectorValues one = set.Compute({site, 120, 1, {}}).rows.front();
  for (const int sectors : {4, 8, 36}) {
    const SectorValues all = set.Compute({site, 120, sectors, {}}).rows.front();
    EXPECT_EQ(all.pad, one.pad) << sectors;
    EXPECT_EQ(all.sbh, one.sbh) << sectors;
    EXPECT_EQ(all.buildings, one.buildings) << sectors;
  }
}

// The sectors share the circle's ground: a site in a Helsinki courtyard,
// whose wedges meet inside the courtyard's outline.
TEST(Sectors, ShareTheGroundAllRound) {
  const std::filesystem::path helsinki = std::filesystem::path(std::getenv("VENTORA_TEST_DATA")) /
                                         "surroundings" / "helsinki-buildings.geojson";
  const Surroundings got =
      LoadFootprints(helsinki, ReadRules{}, "").Compute({{24.948, 60.1685}, 50, 8, {}});
  double sectors = 0;
  for (std::size_t k = 1; k < got.rows.size(); ++k)
    sectors += got.rows[k].pad / 8;
  EXPECT_NEAR(sectors, got.rows[0].pad, 1e-9);
}

// The same 20 m square, 50 m north-east of a site at 9 E 60 N, in lon/lat
// (corners placed along geodesics) and in the site's own projection.
TEST(LonLat, SameBlockAsProjected) {
  geod_geodesic wgs84;
  geod_init(&wgs84, 6378137, 1 / 298.257223563);
  const double lat0 = 60, lon0 = 9;
  std::string ring = "[";
  const double corners[5][2] = {{25, 25}, {45, 25}, {45, 45}, {25, 45}, {25, 25}};
  for (int i = 0; i < 5; ++i) {
    const double east = corners[i][0], north = corners[i][1];
    double lat = 0, lon = 0;
    geod_direct(&wgs84, lat0, lon0, std::atan2(east, north) * 180 / std::numbers::pi,
                std::hypot(east, north), &lat, &lon, nullptr);
    std::ostringstream point;
    point.precision(15);
    point << (i ? "," : "") << "[" << lon << "," << lat << "]";
    ring += point.str();
  }
  ring += "]";
  const auto lonLat =
      WriteGeoJson("lonlat", {Feature(ring, R"("height":7)")}, "urn:ogc:def:crs:OGC:1.3:CRS84");
  const Surroundings got =
      LoadFootprints(lonLat, ReadRules{}, "")
          .Compute({.site = {lon0, lat0}, .radius = 100, .sectors = 4, .defaultHeight = {}});
  std::filesystem::remove(lonLat);
  EXPECT_NEAR(got.rows[0].pad, 100 * 400 / CircleArea(100), 1e-3);
  EXPECT_NEAR(got.rows[1].pad, 4 * 100 * 200 / CircleArea(100), 1e-2);
  EXPECT_EQ(got.rows[0].sbh, 7);
}

// Delft's model: its 160 Building objects are the footprints; its bridges,
// roads, water and terrain are not.
TEST(CityJson, OnlyBuildingsAreFootprints) {
  const std::filesystem::path delft =
      std::filesystem::path(std::getenv("VENTORA_TEST_DATA")) / "surroundings" / "delft.city.json";
  const FootprintSet set = LoadFootprints(delft, ReadRules{}, "");
  EXPECT_EQ(set.size(), 160u);
  ASSERT_FALSE(set.notes().empty());
  EXPECT_NE(set.notes().front().find("410 city objects"), std::string::npos) << set.notes().front();
}

TEST(Errors, ProjectedCoordinatesReadAsLonLat) {
  const auto file =
      WriteGeoJson("metres", {Feature(Ring(-10, 40, 10, 60), R"("height":10)")}, "OGC:CRS84");
  try {
    LoadFootprints(file, ReadRules{}, "");
    ADD_FAILURE() << "metres were read as degrees";
  } catch (const SiteError& e) {
    EXPECT_NE(std::string(e.what()).find(
                  "\", building #1: it reaches 500010,5000060, which is not a longitude and "
                  "latitude in degrees"),
              std::string::npos)
        << e.what();
  }
  std::filesystem::remove(file);
}

// ---------------------------------------------------------------------------
// Outlines too tangled to repair, huge valid ones, and a user who stops.

// A ring of `points` round (x0, y0) in the test frame; a spiky one winds
// round seven times, each spike crossing its neighbours'.
Footprint RoundFootprint(const std::string& id, int points, bool spiky) {
  std::vector<XY> ring;
  for (int i = 0; i < points; ++i) {
    const double a = 2 * std::numbers::pi * i / points * (spiky ? 7 : 1);
    const double r = spiky && i % 2 == 0 ? 20 : 60;
    ring.push_back({kX0 + 100 + r * std::cos(a), kY0 + r * std::sin(a)});
  }
  return {id, {{{ring}}}, 10.0, false, false};
}

SurroundingsRequest Request(XY site, double radius, std::optional<double> defaultHeight = {}) {
  return {
      .site = site, .radius = radius, .sectors = 1, .defaultHeight = defaultHeight, .cancel = {}};
}

TEST(Repair, ATangledRingIsLeftOutAndAHugeValidOneReads) {
  FootprintFile file;
  file.footprints = {RoundFootprint("star", 200000, true), RoundFootprint("small star", 900, true),
                     RoundFootprint("circle", 1000000, false)};
  // The browser edition's own geometry, in the UTM zone of the same
  // meridian, with a circle of a tenth as many vertices (a debug build's
  // time).
  FootprintFile small = file;
  small.footprints.back() = RoundFootprint("circle", 100000, false);
  const PortableFootprintSet portable(std::move(small), "EPSG:32632", "f.json");
  const FootprintSet set(std::move(file), kFrame, "f.json");
  ASSERT_EQ(set.size(), 1u);
  ASSERT_EQ(set.notes().size(), 1u);
  EXPECT_EQ(
      set.notes()[0],
      "2 footprints of \"f.json\" have self-intersecting outlines too large or too tangled to "
      "repair (star, small star): left out");
  const Surroundings got = set.Compute(Request({kX0, kY0}, 200));
  EXPECT_NEAR(got.rows[0].pad, 100 * std::numbers::pi * 60 * 60 / CircleArea(200), 1e-6);
  EXPECT_EQ(portable.notes(), set.notes());
  const double scale = 0.9996;  // UTM's at its central meridian
  EXPECT_NEAR(portable.Compute(Request({kX0, kY0}, 200)).rows[0].pad,
              100 * std::numbers::pi * 60 * 60 / (scale * scale) / CircleArea(200), 1e-6);
}

TEST(Repair, GeosStopsWhenTheUserAsks) {
  const GeosContext geos;
  std::atomic<bool> stop{true};
  const GeosSteps steps(&stop);
  const Footprint footprint = RoundFootprint("star", 2000, true);
  const std::vector<XY>& star = footprint.polygons[0].rings[0];
  GEOSCoordSequence* points = GEOSCoordSeq_copyFromBuffer_r(
      geos.get(), &star[0].x, static_cast<unsigned>(star.size()), 0, 0);
  GEOSCoordSeq_setXY_r(geos.get(), points, static_cast<unsigned>(star.size() - 1), star[0].x,
                       star[0].y);
  const Geometry polygon =
      geos.Own(GEOSGeom_createPolygon_r(geos.get(), GEOSGeom_createLinearRing_r(geos.get(), points),
                                        nullptr, 0),
               "making");
  EXPECT_THROW(geos.Own(GEOSMakeValid_r(geos.get(), polygon.get()), "repairing"), Cancelled);
}

// Each refusal names the value and its range, or the real cause.
TEST(Errors, ValuesOutsideTheirRanges) {
  const auto file = WriteGeoJson(
      "ranges", {Feature(Ring(-10, -10, 10, 10), R"("height":9)"),
                 Feature(Ring(-8, -8, 8, 8), R"("height":9)"), Feature(Ring(30, 0, 40, 10), "")});
  const FootprintSet set = LoadFootprints(file, ReadRules{}, "");
  std::filesystem::remove(file);
  struct Refused {
    SurroundingsRequest request;
    std::string says;
  };
  const std::vector<Refused> cases{
      {Request({kX0, kY0}, 1e308), "the radius 1e+308 m is outside its range 1 ≤ radius"},
      {Request({1e308, kY0}, 50), "the site 1e+308,5000000 is outside the range"},
      {Request({kX0 + 1e6, kY0}, 50), "the site 1500000,5000000 lies more than 50 m"},
  };
  for (const Refused& c : cases) {
    try {
      set.Compute(c.request);
      ADD_FAILURE() << "computed: " << c.says;
    } catch (const SiteError& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
  }
  // Inside the data, however wide the circle: no "lies more than".
  const Surroundings wide = set.Compute(Request({kX0, kY0}, 10000));
  EXPECT_EQ(wide.rows[0].buildings, 1);
  // Both outlines round the site are the building itself, said so.
  EXPECT_NE(wide.notes[1].find("the footprints #1, #2 of \""), std::string::npos) << wide.notes[1];
  EXPECT_NE(wide.notes[1].find("all hold the site point: they are taken as the building itself"),
            std::string::npos);
}

// A building alone within its circle: its own outline taken from the union
// of what overlaps it leaves a PAD that rounds below zero, which is 0.
TEST(Errors, NothingAroundIsZeroNotBelow) {
  const std::filesystem::path helsinki = std::filesystem::path(std::getenv("VENTORA_TEST_DATA")) /
                                         "surroundings" / "helsinki-buildings.geojson";
  const FootprintSet set = LoadFootprints(helsinki, ReadRules{}, "");
  for (const BuildingBox& b : BuildingBoxes(set)) {
    const Surroundings got = set.Compute(Request(b.inside, 50));
    EXPECT_GE(got.rows[0].pad, 0) << b.id;
    if (b.id == "581909828") {
      EXPECT_EQ(got.rows[0].pad, 0);
    }
  }
}

}  // namespace
}  // namespace ventora::site
