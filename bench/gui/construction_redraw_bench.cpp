// Redraw of the construction window's image: the heaviest planar
// construction (every line family, 10-minute hour lines, analemma marks,
// altitude, Babylonian, Italian and temporal hours, sunshine lines, lines
// to the foot point) drawn through QtCanvas into a 1600 x 1000 image, as on
// every zoom step and wheel turn.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/construction_dispatch.h"
#include "gui/construction_window_image.h"
#include "gui/qt_canvas.h"
#include "output/recording_canvas.h"
#include "platform/silent_ui.h"

namespace {

using lumtar::model::Model;

Model Heaviest() {
  Model m;
  m.DialKind = 'h';
  m.parameters.WallDeclination = 0;
  m.options.ApparentHourSubdivisions = '4';
  m.options.ShowMeanHourLines = true;
  m.options.MeanHourSubdivisions = '4';
  m.options.AnalemmaMarkDays = 4;
  m.options.ShowAltitudeLines = true;
  m.times.AltitudeLineStep = 2;
  m.options.ShowBabylonianHours = true;
  m.options.ShowItalianHours = true;
  m.times.BabylonianSubdivisions = 3;
  m.times.ItalianSubdivisions = 3;
  m.options.ShowTemporalHours = true;
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

void BM_ConstructionRedraw1600x1000(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  Model m = Heaviest();
  QImage image(1600, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    lumtar::gui::ClearVectorUpperState();  // as the window does
    QPainter painter(&image);
    lumtar::gui::QtCanvas qt_canvas(painter);
    lumtar::gui::VectorStateCanvas canvas(qt_canvas);
    benchmark::DoNotOptimize(
        lumtar::app::DrawConstruction(canvas, m, {true, 1600, 1000}, ui));
  }
}
BENCHMARK(BM_ConstructionRedraw1600x1000)->Unit(benchmark::kMillisecond);

// The same construction recorded instead of painted, in the same process
// (the dial code alone, after Qt's start-up).
void BM_ConstructionLinesOnly1600x1000(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  Model m = Heaviest();
  std::size_t figures = 0;
  for (auto _ : state) {
    m = Heaviest();
    lumtar::gui::ClearVectorUpperState();
    lumtar::output::RecordingCanvas canvas;
    benchmark::DoNotOptimize(
        lumtar::app::DrawConstruction(canvas, m, {true, 1600, 1000}, ui));
    figures = canvas.figures().size();
  }
  state.counters["figures"] = static_cast<double>(figures);
}
BENCHMARK(BM_ConstructionLinesOnly1600x1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
