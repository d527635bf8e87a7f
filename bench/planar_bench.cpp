// The heaviest planar construction: every line family on, 10-minute hour
// lines, mean-time lines, analemma marks, altitude lines, Babylonian,
// Italian and temporal hours, sunshine lines and hour lines to the foot
// point, drawn onto a recording canvas of 1600 x 1000 and written as a
// plot file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "dials/planar_dial.h"
#include "output/recording_canvas.h"
#include "platform/silent_ui.h"

namespace {

using lumtar::model::Model;

Model Heaviest() {
  Model m;
  m.DialKind = 'h';
  m.parameters.WallDeclination = 0;
  m.options.ShowHourLines = true;
  m.options.ApparentHourSubdivisions = '4';
  m.options.ShowMeanHourLines = true;
  m.options.MeanHourSubdivisions = '4';
  m.options.ShowAnalemmaMarks = true;
  m.options.AnalemmaMarkDays = 4;
  m.options.ShowAltitudeLines = true;
  m.times.AltitudeLineStep = 2;
  m.options.ShowBabylonianHours = true;
  m.options.ShowItalianHours = true;
  m.times.BabylonianSubdivisions = 3;
  m.times.ItalianSubdivisions = 3;
  m.options.ShowTemporalHours = true;
  m.options.ExtendTemporalHours = true;
  m.times.PlanarTemporalFrom = 0;
  m.times.PlanarTemporalTo = 12;
  m.times.PlanarTemporalSubdivisions = 3;
  m.options.HourLinesToFootPoint = true;
  m.options.ShowPoleTriangle = true;
  m.options.DateLineMode = '1';
  m.window.ShowSunshineLines = true;
  m.times.ApparentHoursFrom = 4;
  m.times.ApparentHoursTo = 20;
  m.times.MeanHoursFrom = 4;
  m.times.MeanHoursTo = 20;
  return m;
}

void BM_PlanarDrawHeaviest(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  std::size_t figures = 0;
  for (auto _ : state) {
    Model m = Heaviest();
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
    Model m = Heaviest();
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
