// HPGL-to-DXF conversion speed on a generated plot of about 21 MB: long
// PD runs inside and across an input window, labels, circles and arcs.
#include <benchmark/benchmark.h>

#include <string>

#include "output/hpgl_to_dxf.h"
#include "platform/scripted_ui.h"

namespace {

// A deterministic plot at fine resolution (1000 units per mm): 2600 blocks
// of a 600-point PD run that wanders over and beyond the window, a label,
// a circle and an arc, with pen, line-type and size changes.
const std::string& LargePlot() {
  static const std::string plot = [] {
    std::string s = "IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;";
    unsigned x = 12345, y = 67890;
    for (int block = 0; block < 2600; ++block) {
      s += ";SP " + std::to_string(1 + block % 12) + ";LT " +
           std::to_string(block % 5) + ";PU " + std::to_string(x % 400000) +
           " " + std::to_string(y % 270000) + ";PD";
      for (int k = 0; k < 600; ++k) {
        x = x * 1103515245u + 12345u;
        y = y * 22695477u + 1u;
        // Mostly inside the window, now and then beyond it.
        s += " " + std::to_string(static_cast<int>((x >> 8) % 420000) - 8000) +
             "," + std::to_string(static_cast<int>((y >> 8) % 290000) - 7000);
      }
      s += ";PU 200000 100000;SI 0.24,0.32;DI 100,0;LBSüd 45\xB0 N\x03";
      s += ";CI 5000 ,0.2;PD;AA 150000,150000,90;";
      if (block % 100 == 0) s += "IW 10000 10000 390000 260000;";
    }
    s += ";SP 0;IN;";
    return s;
  }();
  return plot;
}

class CountingSink : public lumtar::output::DxfSink {
 public:
  void Write(std::string_view bytes) override { size += bytes.size(); }
  std::size_t size = 0;
};

void BM_HpglToDxf(benchmark::State& state) {
  const std::string& plot = LargePlot();
  lumtar::platform::ScriptedUi ui;
  std::size_t out = 0;
  for (auto _ : state) {
    CountingSink sink;
    auto r = lumtar::output::ConvertHpglText(plot, {1, 1000, true}, sink, ui);
    benchmark::DoNotOptimize(r.converted);
    out = sink.size;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(plot.size()));
  state.counters["input_MB"] = static_cast<double>(plot.size()) / 1e6;
  state.counters["output_MB"] = static_cast<double>(out) / 1e6;
}
BENCHMARK(BM_HpglToDxf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
