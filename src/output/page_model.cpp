#include "output/page_model.h"

#include <algorithm>
#include <cmath>

namespace lumtar::output {

double ZoomAfterSteps(double zoom, int steps) {
  if (!std::isfinite(zoom) || zoom <= 0) zoom = kZoomStart;
  // Each step multiplies or divides by kZoomStep; at most the steps that
  // take the factor from one bound to the other count.
  const int capped = std::clamp(steps, -200, 200);
  for (int i = 0; i < std::abs(capped); ++i)
    zoom = capped > 0 ? zoom * kZoomStep : zoom / kZoomStep;
  return std::clamp(zoom, kZoomMin, kZoomMax);
}

double UnitsPerMm(OutputSpace space, int image_width, bool print_like_screen,
                  int multiplier) {
  switch (space) {
    case OutputSpace::kScreen:
      return std::max(image_width, 1) / (print_like_screen
                                             ? kScreenPageWidthPrintLike
                                             : kScreenPageWidthA3);
    case OutputSpace::kPrinter:
      return kPrinterUnitsPerMm;
    case OutputSpace::kPlotFile:
      return static_cast<double>(kPlotUnitsPerMm) * std::max(multiplier, 1);
  }
  return 1;
}

double ScaledLength(double length_mm, double zoom, double units_per_mm) {
  return length_mm * zoom * units_per_mm;
}

}  // namespace lumtar::output
