// Cp against wind direction for the 2,000-element job: its values taken from
// a sweep at 1 degree (2,000 x 360), and the plot painted at a window's size
// with 5, 24 and all 2,000 elements chosen, polar and as lines: a repaint of
// the window, which draws at most kMostCurves curves (target: under 100 ms
// median however many are chosen).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench_job.h"
#include "map/direction_plot.h"
#include "output/sweep/wind_sweep.h"

namespace ventora::bench {
namespace {

const WindSweep& FineSweep() {
  static const WindSweep sweep = RunWindSweep(MakeBenchJob(), SweepDirections(1), {});
  return sweep;
}

void BM_CpAgainstDirection2000x360(benchmark::State& state) {
  const Job job = MakeBenchJob();
  for (auto _ : state) {
    const CpByDirection d = CpAgainstDirection(FineSweep(), job, "bench");
    benchmark::DoNotOptimize(d.elements.data());
  }
}
BENCHMARK(BM_CpAgainstDirection2000x360)->Unit(benchmark::kMillisecond);

void BM_PaintPlot(benchmark::State& state) {
  DirectionPlot plot;
  plot.data = std::make_shared<const CpByDirection>(
      CpAgainstDirection(FineSweep(), MakeBenchJob(), "bench"));
  plot.kind = state.range(1) == 0 ? PlotKind::Polar : PlotKind::Line;
  for (std::size_t i = 0; i < static_cast<std::size_t>(state.range(0)); ++i)
    plot.chosen.push_back(i * plot.data->elements.size() /
                          static_cast<std::size_t>(state.range(0)));
  plot.scale = DirectionScale(plot, false);
  QImage image(800, 700, QImage::Format_RGB32);
  const DirectionPlotLayout layout = LayOutDirectionPlot(plot, QSizeF(image.size()));
  for (auto _ : state) {
    QPainter painter(&image);
    PaintDirectionPlot(painter, plot, layout, '.');
  }
}
BENCHMARK(BM_PaintPlot)
    ->ArgsProduct({{5, 24, 2000}, {0, 1}})
    ->ArgNames({"chosen", "line"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventora::bench

// Text needs a Qt application for its fonts; offscreen, no display.
int main(int argc, char** argv) {
  int qtArgc = 3;
  char arg0[] = "direction_plot_bench";
  char arg1[] = "-platform";
  char arg2[] = "offscreen";
  char* qtArgv[] = {arg0, arg1, arg2, nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
