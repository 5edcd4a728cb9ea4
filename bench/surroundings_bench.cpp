// PAD and SbH at every building of a 10^5-footprint file as the site,
// radius 100 m, reading the file included: Delft's 160 buildings tiled
// 25 x 25 times into one GeoJSON in their own projection. The figure to
// watch is the time per site (the counter "per_site"): at most 0.2 ms.
// And what the desktop's "From map..." Compute waits for: a real file read,
// the advised radius's two passes, eight sectors and the picture's
// footprints.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "site/read_footprints.h"
#include "site/site_query.h"
#include "site/surroundings.h"

namespace {

using namespace ventora::site;

constexpr int kTiles = 25;                    // per side: 625 copies of 160 buildings
constexpr double kStepX = 240, kStepY = 180;  // m, a little more than the data's extent

struct Tiled {
  std::filesystem::path file;
  std::vector<XY> sites;  // the mean corner of each building's outline
};

void WriteRing(std::ostream& out, const Ring& ring, double dx, double dy) {
  out << '[';
  for (std::size_t i = 0; i < ring.size(); ++i)
    out << (i ? "," : "") << '[' << ring[i].x + dx << ',' << ring[i].y + dy << ']';
  out << ']';
}

// Each building's footprint as one GeoJSON polygon per face seen from above
// would be large; the tiled file keeps each building's first outline.
Tiled MakeTiledFile() {
  const FootprintFile delft =
      ReadFootprints(VENTORA_TEST_DATA "/surroundings/delft.city.json", ReadRules{});
  std::vector<std::pair<Ring, double>> outlines;
  for (const Footprint& f : delft.footprints) {
    // The face with the largest extent is the roof or the floor: the outline.
    const Ring* best = nullptr;
    double bestSpan = 0;
    for (const PolygonRings& p : f.polygons) {
      double minX = 1e300, maxX = -1e300;
      for (const XY& v : p.rings.front())
        minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
      if (maxX - minX > bestSpan) bestSpan = maxX - minX, best = &p.rings.front();
    }
    if (best) outlines.push_back({*best, f.height.value_or(0)});
  }
  Tiled tiled{std::filesystem::temp_directory_path() /
                  ("surroundings-bench-" + std::to_string(::getpid()) + ".geojson"),
              {}};
  std::ofstream out(tiled.file);
  out.precision(10);
  out << R"({"type":"FeatureCollection","crs":{"type":"name","properties":{"name":"EPSG:28992"}},"features":[)";
  bool first = true;
  for (int i = 0; i < kTiles; ++i) {
    for (int j = 0; j < kTiles; ++j) {
      for (const auto& [ring, height] : outlines) {
        out << (first ? "" : ",") << R"({"type":"Feature","properties":{"height":)" << height
            << R"(},"geometry":{"type":"Polygon","coordinates":[)";
        WriteRing(out, ring, i * kStepX, j * kStepY);
        out << "]}}";
        first = false;
        XY mean;
        for (std::size_t k = 0; k + 1 < ring.size(); ++k)
          mean.x += ring[k].x, mean.y += ring[k].y;
        const double n = static_cast<double>(ring.size() - 1);
        tiled.sites.push_back({mean.x / n + i * kStepX, mean.y / n + j * kStepY});
      }
    }
  }
  out << "]}";
  return tiled;
}

// The tiled file, removed when the program ends.
const Tiled& TiledFile() {
  static const struct Kept {
    Tiled tiled = MakeTiledFile();
    ~Kept() { std::filesystem::remove(tiled.file); }
  } kept;
  return kept.tiled;
}

void BM_EveryBuildingAsSite(benchmark::State& state) {
  const Tiled& tiled = TiledFile();
  const std::size_t sites = std::min<std::size_t>(tiled.sites.size(), state.range(0));
  double sum = 0;
  for (auto _ : state) {
    const FootprintSet set = LoadFootprints(tiled.file, ReadRules{}, "");
    for (std::size_t i = 0; i < sites; ++i)
      sum += set.Compute({.site = tiled.sites[i], .radius = 100, .sectors = 1, .defaultHeight = {}})
                 .rows.front()
                 .pad;
  }
  benchmark::DoNotOptimize(sum);
  state.counters["footprints"] = static_cast<double>(tiled.sites.size());
  state.counters["per_site"] =
      benchmark::Counter(static_cast<double>(sites), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
// All 10^5 sites; a tenth of them for a quicker look.
BENCHMARK(BM_EveryBuildingAsSite)->Arg(100000)->Arg(10000)->Unit(benchmark::kSecond)->Iterations(1);

void BM_FromMapCompute(benchmark::State& state, const char* file, XY site) {
  SurroundingsQuery query;
  query.file = std::string(VENTORA_TEST_DATA "/surroundings/") + file;
  query.site = site;
  query.buildingHeight = 30;  // the office block's
  query.sectors = 8;
  query.plan = true;
  std::size_t drawn = 0;
  for (auto _ : state) {
    const SurroundingsAnswer answer = FindSurroundings(query);
    if (!answer.error.empty()) state.SkipWithError(answer.error.c_str());
    drawn = answer.plan.footprints.size();
  }
  state.counters["drawn"] = static_cast<double>(drawn);
}
BENCHMARK_CAPTURE(BM_FromMapCompute, helsinki_geojson, "helsinki-buildings.geojson",
                  XY{24.944, 60.168})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FromMapCompute, helsinki_pbf, "Helsinki.osm.pbf", XY{24.944, 60.168})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FromMapCompute, delft_cityjson, "delft.city.json", XY{84950, 447540})
    ->Unit(benchmark::kMillisecond);

}  // namespace
