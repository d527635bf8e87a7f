#pragma once

// The HPGL to DXF converter's reader and command state, shared by the
// files that implement its commands. Internal to the output layer.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "output/fast_fixed.h"
#include "output/hpgl_to_dxf.h"
#include "platform/ui.h"

namespace lumtar::output::hpgl {

using platform::Caption;

// Radians per degree, as the converter has always stored it.
inline constexpr double kDeg = 0.0174532925;

// Plot page in millimetres: the extents, and the window of a bare IW.
inline constexpr double kExtentX = 411;
inline constexpr double kExtentY = 287.5;
inline constexpr double kResetWindowX = 410;
inline constexpr double kResetWindowY = 287;
inline constexpr double kDefaultTextHeight = 2.7;

// A parameter list longer than this is shown and cut to kCutLength.
inline constexpr std::size_t kTooLong = 253;
inline constexpr std::size_t kCutLength = 250;
// Coordinate lists beyond this length are converted while they are read.
inline constexpr std::size_t kChunkStart = 230;
inline constexpr int kPairsPerChunk = 9;
// Output is handed to the sink in pieces of about this size.
inline constexpr std::size_t kFlushSize = 1 << 20;

inline bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}
inline bool IsSeparator(char c) { return c == ' ' || c == ',' || c == ';'; }
inline bool IsTrimmed(char c) {
  return c == '\x03' || c == '\n' || c == '\r' || c == ' ' || c == ';';
}

// A decimal number: optional sign, digits with at most one point, at least
// one digit.
inline bool ParseNumber(std::string_view s, double& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::string_view body = s.substr(i);
  int digits = 0, points = 0;
  for (char c : body) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  if (digits == 0 || points > 1) return false;
  double v = 0;
  const auto r = std::from_chars(body.data(), body.data() + body.size(), v,
                                 std::chars_format::fixed);
  if (r.ec == std::errc::result_out_of_range) {
    v = HUGE_VAL;
  } else if (r.ec != std::errc() || r.ptr != body.data() + body.size()) {
    return false;
  }
  value = negative ? -v : v;
  return true;
}

inline double ValueOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  double v = 0;
  return ParseNumber(text, v) ? v : 0;
}

inline std::string TrimLeft(std::string s) {
  std::size_t k = 0;
  while (k < s.size() && (s[k] == ' ' || s[k] == ';')) ++k;
  s.erase(0, k);
  return s;
}

// A coordinate as it travels: the text that is written, and its value for
// clipping and arcs.
struct Coord {
  std::string text;
  double value = 0;
};
struct Pos {
  Coord x, y;
};

inline Coord MakeCoord(int width, int decimals, double v) {
  return {FastFixed(width, decimals, v), v};
}

class Converter {
 public:
  Converter(const DxfOptions& options, DxfSink& sink, platform::Ui& ui)
      : sink_(sink), ui_(ui) {
    d_ = options.divisor > 0 && std::isfinite(options.divisor) ? options.divisor
                                                               : 1;
    const int w = std::clamp(options.line_width, 1, 3);
    // The width follows the save panel's setting in millimetres whatever
    // the plot resolution: 0, 0.15 or 0.3 mm.
    pen_width_ = ScientificWidth((6.0 * w - 6) / 40);
    text_height_ = FastFixed(10, 4, kDefaultTextHeight);
  }

  DxfConversion Run(std::string_view in);

 private:
  // Output.
  void Line(std::string_view s) {
    out_.append(s);
    out_ += '\r';
  }
  void Flush() {
    if (!out_.empty()) sink_.Write(out_);
    out_.clear();
  }
  std::string Layer() const { return "L_" + pen_; }
  const std::string& WidthText() const {
    static const std::string kEmptyWidth = "0.8";
    return pen_width_.empty() ? kEmptyWidth : pen_width_;
  }
  static std::string ScientificWidth(double v);

  void StartPolyline(bool rectangle);
  void Vertex(const Pos& p);
  void EndPolyline();

  // Reading.
  void ChunkStep();
  bool ReadNumber(std::string_view& rest, Coord& out, bool divide);
  bool ReadRaw(std::string_view& rest, std::string& text);

  // Commands.
  void Execute();
  void BeginPairs();
  void Pairs(std::string_view params);
  void Pair(Coord x, Coord y);
  void DrawTo(Pos&& target);
  int Outcode(const Pos& p) const;
  void Clip(Pos& p, const Pos& other) const;
  void EnsurePosition();
  Coord Offset(const Coord& base, const Coord& delta) const {
    return MakeCoord(11, 5, base.value + delta.value);
  }
  void Circle(std::string_view params);
  void Arc(std::string_view params, bool relative);
  void Label();
  void SelectPen();
  void LineType(std::string_view params);
  void PenWidth(std::string_view params);
  void CharSize(std::string_view params);
  void Direction(std::string_view params);
  void Slant(std::string_view params);
  void InputWindow(std::string_view params);
  void Rectangle(std::string_view params, bool relative);
  void SetWindow(double x1, double y1, double x2, double y2, Coord cx1,
                 Coord cy1, Coord cx2, Coord cy2);

  DxfSink& sink_;
  platform::Ui& ui_;
  double d_ = 1;
  std::string out_;
  std::vector<std::string> messages_;

  std::string pen_ = "0";
  std::string line_type_ = "CONTINUOUS";
  std::string pen_width_;
  std::string text_height_;
  std::string width_factor_ = "0.7";
  std::string direction_ = "0.0";
  std::string slant_ = "0.0";
  bool symbols_ = false;

  bool has_pos_ = false;
  Pos pos_;
  bool window_ = false;
  double xmin_ = 0, xmax_ = 0, ymin_ = 0, ymax_ = 0;
  std::string xmin_t_, xmax_t_, ymin_t_, ymax_t_;
  bool absolute_ = true;
  bool pen_down_ = false;
  bool open_ = false;
  std::string open_layer_;
  std::string vertex_prefix_;
  bool converted_ = false;

  // The command being read.
  std::string mnemonic_;
  std::string buffer_;
  bool error_ = false;     // parameter error, the command stops
  bool begun_ = false;     // PD/PU/PA: the command's own effect is done
  bool overflow_ = false;  // PD/PU/PA: too long without a complete pair
};

}  // namespace lumtar::output::hpgl
