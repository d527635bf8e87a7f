#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace lumtar::output {

// How a plot is written: straight into the HPGL file the user chose
// (kHpgl, base resolution), or into the temporary file that the DXF
// conversion reads (kForDxf, fine resolution where the routine has it).
enum class HpglMode { kForDxf = 0, kHpgl = 1 };

// 40 plot units are one millimetre (the plotter unit 0.025 mm); at fine
// resolution every coordinate, extent and length is 25 times larger.
inline constexpr int kPlotPageWidth = 16400;
inline constexpr int kPlotPageHeight = 11480;

// The resolution multiplier a plot routine writes with: 25 for kForDxf in
// the routines of kinds c, h, i, m, v, z, of q with altitude variant 1 or 2
// and of q with date-circle option 2; 1 otherwise.
int ResolutionMultiplier(HpglMode mode, char dial_kind, int altitude_variant,
                         int date_circle_option);
// Plot units per millimetre at that multiplier, the DXF unit divisor.
inline double DxfDivisor(int multiplier) { return 40.0 * multiplier; }

// The frame that the plot routines of a family declare, in plot units at
// base resolution.
enum class PlotFrameKind {
  kPlanar,      // h, v, i, umbrella dials; c and m; outline maps
  kAltitude,    // q variants 1 and 2 (page 16400 x 10400)
  kAzimuthSun,  // a with circles of sun altitude (always base resolution)
  kCylinder,    // z variants 1 and 2
  kSawyer,      // w
};
struct PlotFrame {
  int width;
  int height;
};
PlotFrame FrameOf(PlotFrameKind kind);

// "IN;VS 1;PA;IW 0 0 W H;PU 0 0;EA W H;" with the frame times `multiplier`.
std::string FrameStart(PlotFrame frame, int multiplier);
// The compressed gnomonic dial's variant: ";SI <size>;SP 1;PU 0 0;EA "
// in place of ";PU 0 0;EA ".
std::string FrameStartWithCharSize(PlotFrame frame, int multiplier,
                                   std::string_view char_size);
// The cone development's variant, the window command in braces:
// "IN;VS 1;PA;{IW 0 0 W H;}PU 0 0;EA W H;".
std::string ConeFrameStart(PlotFrame frame, int multiplier);
// What most routines write after the frame.
inline constexpr std::string_view kPenFourAtOrigin = ";SP 4;PU 0 0;";
// The start of an unframed plot.
inline constexpr std::string_view kUnframedStart = "IN;VS 1;PA;";
inline constexpr std::string_view kPlotEnd = ";SP 0;IN;";

// Decimal text of x rounded to the nearest integer after clamping to
// +-217000000.
std::string FormatPlotInt(double x);
// Right-aligned fixed-point text with `decimals` places in `width`.
std::string FormatPlotFixed(int width, int decimals, double x);

// A label as plot routines write it: ";PU x y;LB" + text + code 3. The text
// (UTF-8) has its umlauts spelled out, becomes Windows-1252 bytes, and
// loses any code-3 character that would end it early.
std::string PlotLabel(double x, double y, std::string_view text);
std::string PlotLabelText(std::string_view text);

// A position the user picked on the screen in plot units, times the
// multiplier: framed plots x = 16157 / width * x, y = 11040 - 11038 /
// height * y; the Sawyer decliner 16400 and 10480 - 10470; the Peaucellier
// dial the framed x and y = 5240. A client area under one pixel counts as
// one.
enum class PickLayout { kFramed, kSawyer, kPeaucellier };
platform::Point ScreenToPlot(PickLayout layout, int client_width,
                             int client_height, platform::Point screen,
                             int multiplier);

// The open plot text file. Every write goes to the file at once (flushed);
// the first failure is kept, later writes are ignored, and the caller asks
// ok() and error() when the plot routine returns.
class PlotFile {
 public:
  PlotFile() = default;
  PlotFile(const PlotFile&) = delete;
  PlotFile& operator=(const PlotFile&) = delete;
  ~PlotFile();

  // Creates or empties `path`. False (and error()) when it cannot.
  bool Open(const std::filesystem::path& path);
  // Appends `text` unchanged; an empty text writes nothing.
  void Write(std::string_view text);
  // Closes the file; false when closing or an earlier write failed.
  bool Close();

  bool is_open() const { return file_ != nullptr; }
  bool ok() const { return error_.empty(); }
  // What went wrong first, empty while all is well.
  const std::string& error() const { return error_; }
  std::size_t bytes_written() const { return bytes_; }

 private:
  void Fail(std::string_view what);

  std::FILE* file_ = nullptr;
  std::string path_;
  std::string error_;
  std::size_t bytes_ = 0;
};

// Appends `text` to the plot file.
inline void WritePlot(PlotFile& plot, std::string_view text) {
  plot.Write(text);
}

}  // namespace lumtar::output
