#pragma once

namespace lumtar::output {

// The three spaces a construction is drawn in, and how one millimetre of
// the dial maps into each.
//  - screen: pixels of the construction window's image, origin top-left,
//    y down; 1 mm = image width / 280 (display as in the printout) or
//    / 420 (as in the saved A3 file), times Zoom where the drawer zooms.
//  - printer: 0.1 mm, origin top-left of the printable area, y down; true
//    size, with a 5 mm margin at the left and top.
//  - plot file: 1/40 mm (1/1000 mm at fine resolution), origin bottom-left,
//    y up (plot_file.h).
enum class OutputSpace { kScreen, kPrinter, kPlotFile };

inline constexpr double kScreenPageWidthPrintLike = 280;  // mm across
inline constexpr double kScreenPageWidthA3 = 420;
inline constexpr int kPrinterUnitsPerMm = 10;
inline constexpr int kPrinterMargin = 50;  // 5 mm
inline constexpr int kPlotUnitsPerMm = 40;
inline constexpr int kFineResolutionMultiplier = 25;

// One zoom step: the eighth root of two.
inline constexpr double kZoomStep = 1.0905077326652577;
inline constexpr double kZoomStart = 1.0;
// Zoom stays within these so that no device coordinate runs away.
inline constexpr double kZoomMin = 1.0 / 64;
inline constexpr double kZoomMax = 64;

// Zoom after one step in (`steps` > 0) or out (< 0), kept within
// [kZoomMin, kZoomMax].
double ZoomAfterSteps(double zoom, int steps);

// Device units per dial millimetre, before zooming: screen image width /
// 280 or / 420 (an image narrower than one pixel counts as one); printer
// 10; plot file 40 times the resolution multiplier.
double UnitsPerMm(OutputSpace space, int image_width, bool print_like_screen,
                  int multiplier = 1);

// A dial length in millimetres as device units: length x Zoom x units per mm.
double ScaledLength(double length_mm, double zoom, double units_per_mm);

}  // namespace lumtar::output
