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

#include "../heaviest_planar.h"
#include "app/construction_dispatch.h"
#include "gui/construction_window_image.h"
#include "gui/qt_canvas.h"
#include "output/recording_canvas.h"
#include "platform/silent_ui.h"

namespace {

using lumtar::model::Model;

void BM_ConstructionRedraw1600x1000(benchmark::State& state) {
  lumtar::platform::SilentUi ui;
  Model m = HeaviestPlanarModel();
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
  Model m = HeaviestPlanarModel();
  std::size_t figures = 0;
  for (auto _ : state) {
    m = HeaviestPlanarModel();
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
