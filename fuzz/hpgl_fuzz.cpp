// libFuzzer target: any bytes through the HPGL-to-DXF converter. The first
// byte picks the unit divisor and the line width; the rest is the plot.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "output/hpgl_to_dxf.h"
#include "platform/silent_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  lumtar::output::DxfOptions options;
  static constexpr double kDivisors[] = {40, 1000, 1, 0, -5, 0.001};
  options.divisor = kDivisors[data[0] % 6];
  options.line_width = 1 + (data[0] >> 4) % 3;
  const std::string_view hpgl(reinterpret_cast<const char*>(data + 1),
                              size - 1);
  lumtar::platform::SilentUi ui;
  lumtar::output::StringDxfSink sink;
  const auto result = lumtar::output::ConvertHpglText(hpgl, options, sink, ui);
  // A converted stream always closes its DXF; no input yields no output.
  const std::string_view end = "ENDSEC\r  0\rEOF\r";
  if (result.hpgl && !std::string_view(sink.text).ends_with(end)) std::abort();
  if (!result.hpgl && !sink.text.empty()) std::abort();
  // Output stays proportional to the input.
  if (sink.text.size() > 20000 + 200 * size) std::abort();
  return 0;
}
