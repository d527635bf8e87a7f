// The heaviest planar construction (heaviest_planar.h) drawn onto a
// recording canvas of 1600 x 1000 and written as a plot file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "dials/planar_dial.h"
#include "heaviest_planar.h"
#include "output/recording_canvas.h"
#include "platform/silent_ui.h"

namespace {

using lumtar::model::Model;

void BM_PlanarDrawHeaviest(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  std::size_t figures = 0;
  for (auto _ : state) {
    Model m = HeaviestPlanarModel();
    lumtar::output::RecordingCanvas canvas;
    benchmark::DoNotOptimize(
        lumtar::dials::DrawPlanarDial(canvas, m, {true, 1600, 1000}, ui));
    figures = canvas.figures().size();
  }
  state.counters["figures"] = static_cast<double>(figures);
}
BENCHMARK(BM_PlanarDrawHeaviest)->Unit(benchmark::kMillisecond);

void BM_PlanarPlotHeaviest(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "lumtar_planar_bench.plt";
  std::size_t bytes = 0;
  for (auto _ : state) {
    Model m = HeaviestPlanarModel();
    lumtar::output::PlotFile plot;
    plot.Open(path);
    lumtar::dials::PlotRequest r;
    r.mode = lumtar::output::HpglMode::kForDxf;
    r.grid = lumtar::dials::PlotGrid::kNone;
    benchmark::DoNotOptimize(lumtar::dials::PlotPlanarDial(plot, m, ui, r));
    bytes = plot.bytes_written();
    plot.Close();
  }
  std::filesystem::remove(path);
  state.counters["plot_kB"] = static_cast<double>(bytes) / 1e3;
}
BENCHMARK(BM_PlanarPlotHeaviest)->Unit(benchmark::kMillisecond);

}  // namespace
