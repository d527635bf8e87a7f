#include "output/hpgl_to_dxf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "output/fast_fixed.h"
#include "output/hour_systems.h"
#include "output/output_texts.h"

namespace lumtar::output {
namespace {

using platform::Caption;

// Radians per degree, as the converter has always stored it.
constexpr double kDeg = 0.0174532925;

// Plot page in millimetres: the extents, and the window of a bare IW.
constexpr double kExtentX = 411;
constexpr double kExtentY = 287.5;
constexpr double kResetWindowX = 410;
constexpr double kResetWindowY = 287;
constexpr double kDefaultTextHeight = 2.7;

// A parameter list longer than this is shown and cut to kCutLength.
constexpr std::size_t kTooLong = 253;
constexpr std::size_t kCutLength = 250;
// Coordinate lists beyond this length are converted while they are read.
constexpr std::size_t kChunkStart = 230;
constexpr int kPairsPerChunk = 9;
// Output is handed to the sink in pieces of about this size.
constexpr std::size_t kFlushSize = 1 << 20;

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}
bool IsSeparator(char c) { return c == ' ' || c == ',' || c == ';'; }
bool IsTrimmed(char c) {
  return c == '\x03' || c == '\n' || c == '\r' || c == ' ' || c == ';';
}

// A decimal number: optional sign, digits with at most one point, at least
// one digit.
bool ParseNumber(std::string_view s, double& value) {
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

double ValueOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  double v = 0;
  return ParseNumber(text, v) ? v : 0;
}

std::string TrimLeft(std::string s) {
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

Coord MakeCoord(int width, int decimals, double v) {
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

std::string Converter::ScientificWidth(double v) {
  // Mantissa with one decimal, four-digit exponent: 1.5E-0001.
  int exponent = 0;
  double m = v;
  if (m != 0) {
    exponent = static_cast<int>(std::floor(std::log10(std::fabs(m))));
    m = v / std::pow(10.0, exponent);
    if (std::fabs(std::round(m * 10) / 10) >= 10) {
      ++exponent;
      m /= 10;
    }
  }
  std::string s = FastFixed(1, 1, m);
  s += exponent < 0 ? "E-" : "E+";
  std::string e = std::to_string(std::abs(exponent));
  s += std::string(4 - std::min<std::size_t>(4, e.size()), '0') + e;
  return s;
}

void Converter::StartPolyline(bool rectangle) {
  const std::string layer = Layer();
  Line("POLYLINE");
  Line("  8");
  Line(layer);
  Line(" 62");
  Line(pen_);
  Line("  6");
  Line(line_type_);
  Line(" 66");
  Line("1");
  Line(rectangle ? " 40" : " 40 ");
  Line(WidthText());
  Line(" 41 ");
  Line(WidthText());
  Line("  0");
  open_ = true;
  open_layer_ = layer;
  vertex_prefix_ = "VERTEX\r  8\r" + layer + "\r 62\r" + pen_ + "\r  6\r" +
                   line_type_ + "\r 10\r";
}

void Converter::Vertex(const Pos& p) {
  // VERTEX, layer, pen, line type, x, y: the fixed part is made once per
  // polyline.
  out_ += vertex_prefix_;
  out_ += p.x.text;
  out_ += "\r 20\r";
  out_ += p.y.text;
  out_ += "\r0\r";
}

void Converter::EndPolyline() {
  if (!open_) return;
  Line("SEQEND");
  Line("  8");
  Line(open_layer_);
  Line("  0");
  open_ = false;
}

bool Converter::ReadNumber(std::string_view& rest, Coord& out, bool divide) {
  if (error_) return false;
  std::size_t i = 0;
  while (i < rest.size() && IsSeparator(rest[i])) ++i;
  std::size_t j = i;
  while (j < rest.size() && IsNumberChar(rest[j])) ++j;
  if (j == i) {
    messages_.push_back(ParameterErrorText(mnemonic_, rest.substr(i)));
    while (i < rest.size() && !(rest[i] == '-' || rest[i] == '.' ||
                                (rest[i] >= '0' && rest[i] <= '9')))
      ++i;
    rest.remove_prefix(i);
    error_ = true;
    return false;
  }
  const std::string_view run = rest.substr(i, j - i);
  rest.remove_prefix(j);
  if (d_ != 1 && divide) {
    double v = 0;
    if (!ParseNumber(run, v)) {
      messages_.push_back(NotANumberText(mnemonic_, run, rest));
      out.value = -1;
    } else {
      out.value = v / d_;
    }
    // Width 10 with its leading blanks removed is the bare number.
    out.text.clear();
    AppendFixed(out.text, 4, 4, out.value);
  } else {
    out.text = TrimLeft(std::string(run));
    out.value = ValueOf(out.text);
  }
  return true;
}

bool Converter::ReadRaw(std::string_view& rest, std::string& text) {
  Coord c;
  if (!ReadNumber(rest, c, false)) return false;
  text = std::move(c.text);
  return true;
}

int Converter::Outcode(const Pos& p) const {
  if (!window_) return 0;
  if (p.x.value < xmin_) return 1;
  if (p.x.value > xmax_) return 2;
  if (p.y.value < ymin_) return 3;
  if (p.y.value > ymax_) return 4;
  return 0;
}

void Converter::Clip(Pos& p, const Pos& other) const {
  for (int pass = 0; pass < 2; ++pass) {
    const int code = Outcode(p);
    if (code == 0) return;
    double px = p.x.value, py = p.y.value;
    if (code == 1 || code == 2) {
      const double limit = code == 1 ? xmin_ : xmax_;
      const double y = Interpolate(other.x.value, other.y.value, px, py, limit);
      p.x = {code == 1 ? xmin_t_ : xmax_t_, limit};
      p.y = MakeCoord(11, 4, y);
    } else {
      const double limit = code == 3 ? ymin_ : ymax_;
      const double x = Interpolate(other.y.value, other.x.value, py, px, limit);
      p.y = {code == 3 ? ymin_t_ : ymax_t_, limit};
      p.x = MakeCoord(11, 4, x);
    }
  }
}

void Converter::DrawTo(Pos&& target) {
  const int end_code = Outcode(target);
  if (!open_) {
    const int start_code = Outcode(pos_);
    if (start_code != 0 && end_code != 0) {
      pos_ = std::move(target);
      return;
    }
    StartPolyline(false);
    if (absolute_ && start_code != 0) {
      Pos a = pos_;
      Clip(a, target);
      Vertex(a);
    } else {
      Vertex(pos_);
    }
  }
  if (absolute_ && end_code != 0) {
    Pos b = target;
    Clip(b, pos_);
    Vertex(b);
  } else {
    Vertex(target);
  }
  if (end_code != 0) EndPolyline();
  pos_ = std::move(target);
}

void Converter::EnsurePosition() {
  if (has_pos_) return;
  pos_ = {{"0.0", 0}, {"0.0", 0}};
  has_pos_ = true;
}

void Converter::Pair(Coord x, Coord y) {
  Pos target{std::move(x), std::move(y)};
  if (!absolute_ && has_pos_)
    target = {Offset(pos_.x, target.x), Offset(pos_.y, target.y)};
  const bool up = mnemonic_ == "PU" || (mnemonic_ == "PA" && !pen_down_);
  if (!has_pos_ || up) {
    if (up) EndPolyline();
    pos_ = std::move(target);
    has_pos_ = true;
    return;
  }
  DrawTo(std::move(target));
}

void Converter::BeginPairs() {
  if (begun_) return;
  begun_ = true;
  if (mnemonic_ == "PU") {
    EndPolyline();
    pen_down_ = false;
    converted_ = true;
  } else if (mnemonic_ == "PD") {
    pen_down_ = true;
    converted_ = true;
  } else if (mnemonic_ == "PR") {
    absolute_ = false;
    pen_down_ = true;
    converted_ = true;
  } else if (mnemonic_ == "PA") {
    absolute_ = true;
  }
}

void Converter::Pairs(std::string_view params) {
  BeginPairs();
  while (!error_) {
    std::size_t k = 0;
    while (k < params.size() && IsSeparator(params[k])) ++k;
    if (k == params.size()) return;
    Coord x, y;
    if (!ReadNumber(params, x, true)) return;
    if (!ReadNumber(params, y, true)) return;
    Pair(std::move(x), std::move(y));
  }
}

// Converts the complete pairs at the front of a long coordinate list while
// it is still being read; a number is never taken before its end is seen.
void Converter::ChunkStep() {
  enum class Scan { kNumber, kEnd, kGarbage };
  const std::size_t n = buffer_.size();
  // Steps over one number; kEnd when the list ends before the number has.
  const auto next_number = [&](std::size_t& i) {
    while (i < n && IsSeparator(buffer_[i])) ++i;
    if (i == n) return Scan::kEnd;
    if (!IsNumberChar(buffer_[i])) return Scan::kGarbage;
    while (i < n && IsNumberChar(buffer_[i])) ++i;
    return i == n ? Scan::kEnd : Scan::kNumber;
  };
  std::size_t i = 0, consumed = 0;
  int pairs = 0;
  bool garbage = false;
  while (pairs < kPairsPerChunk) {
    Scan scan = next_number(i);
    if (scan == Scan::kNumber) scan = next_number(i);
    if (scan != Scan::kNumber) {
      garbage = scan == Scan::kGarbage;
      break;
    }
    ++pairs;
    consumed = i;
  }
  if (pairs > 0) {
    Pairs(std::string_view(buffer_).substr(0, consumed));
    buffer_.erase(0, consumed);
  } else if (garbage) {
    // Not a number where one must be: the parameter error ends the
    // command's pairs, the rest of it is skipped.
    Pairs(buffer_);
    buffer_.clear();
  } else {
    std::size_t k = 0;
    while (k < buffer_.size() && IsSeparator(buffer_[k])) ++k;
    buffer_.erase(0, k);
    if (buffer_.size() >= kTooLong) overflow_ = true;
  }
}

void Converter::Circle(std::string_view params) {
  EndPolyline();
  converted_ = true;
  Coord r;
  if (!ReadNumber(params, r, true)) return;
  EnsurePosition();
  Line("CIRCLE");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(pos_.x.text);
  Line(" 20");
  Line(pos_.y.text);
  Line(" 40");
  Line(r.text);
  Line("0");
}

void Converter::Arc(std::string_view params, bool relative) {
  EndPolyline();
  converted_ = true;
  Coord cx, cy;
  std::string sweep_text;
  if (!ReadNumber(params, cx, true) || !ReadNumber(params, cy, true) ||
      !ReadRaw(params, sweep_text))
    return;
  double sweep = 0;
  if (!ParseNumber(sweep_text, sweep)) {
    messages_.push_back(std::string(ArcAngleErrorText()));
    return;
  }
  EnsurePosition();
  if (relative) {
    cx = Offset(pos_.x, cx);
    cy = Offset(pos_.y, cy);
  }
  const double dx = cx.value - pos_.x.value;
  const double dy = cy.value - pos_.y.value;
  const Coord r = MakeCoord(10, 4, std::hypot(dx, dy));
  // Direction from the current position to the centre, turned round.
  double s;
  if (std::fabs(dx) < 0.0001) {
    s = dy > 0 ? 90 : -90;
  } else {
    s = std::atan(dy / dx) / kDeg;
    if (dx < 0) s += 180;
  }
  s = s > 180 ? s - 180 : s + 180;
  const double from = sweep > 0 ? s : s + sweep;
  const double to = sweep > 0 ? s + sweep : s;
  Line("ARC");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(cx.text);
  Line(" 20");
  Line(cy.text);
  Line(" 40 ");
  Line(r.text);
  Line(" 50");
  Line(FastFixed(7, 2, from));
  Line(" 51");
  Line(FastFixed(7, 2, to));
  Line("0");
  const double end = (s + sweep) * kDeg;
  pos_ = {MakeCoord(11, 5, cx.value + r.value * std::cos(end)),
          MakeCoord(11, 5, cy.value + r.value * std::sin(end))};
}

void Converter::Label() {
  EndPolyline();
  converted_ = true;
  EnsurePosition();
  std::string label = buffer_;
  // A line break inside a value would end the DXF line early.
  for (char& c : label)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  if (label == "^") label = "^ ";
  Line("TEXT");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(pos_.x.text);
  Line(" 20");
  Line(pos_.y.text);
  Line(" 40");
  Line(text_height_);
  Line(" 41");
  Line(width_factor_);
  Line("  1");
  Line(label);
  Line(" 50");
  Line(direction_);
  Line(" 51");
  Line(slant_);
  Line("  7");
  Line(symbols_ ? "symbols" : "STANDARD");
  Line("  0");
}

void Converter::SelectPen() {
  EndPolyline();
  converted_ = true;
  std::string pen;
  for (char c : buffer_)
    if (static_cast<unsigned char>(c) >= 0x20) pen += c;
  pen = TrimLeft(std::move(pen));
  pen_ = pen.empty() ? "0" : pen;
}

void Converter::LineType(std::string_view params) {
  line_type_ = "CONTINUOUS";
  if (params.empty()) return;
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) return;
  if (v == 1) {
    line_type_ = "DOT";
  } else if (v == 2 || v == 3) {
    line_type_ = "DASHED";
  } else if (v == 4) {
    line_type_ = "DASHDOT";
  }
}

void Converter::PenWidth(std::string_view params) {
  messages_.push_back(std::string(PenWidthText()));
  if (params.empty()) {
    pen_width_.clear();
    return;
  }
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) return;
  pen_width_ = v == 0 ? "0" : FastFixed(6, 2, v * 4 / d_);
}

void Converter::CharSize(std::string_view params) {
  converted_ = true;
  if (params.empty()) {
    width_factor_ = "0.7";
    text_height_ = FastFixed(10, 4, kDefaultTextHeight);
    return;
  }
  std::string wt, ht;
  double w = 0, h = 0;
  if (!ReadRaw(params, wt) || !ReadRaw(params, ht) || !ParseNumber(wt, w) ||
      !ParseNumber(ht, h))
    return;
  const double height = h * 400 / d_;
  text_height_ = FastFixed(6, 2, height);
  width_factor_ =
      height != 0 ? FastFixed(6, 2, (w * 400 * 1.4 / d_) / height) : "0.7";
}

void Converter::Direction(std::string_view params) {
  if (params.empty()) {
    direction_ = "0.0";
    return;
  }
  std::string run, rise;
  double x = 0, y = 0;
  if (!ReadRaw(params, run) || !ReadRaw(params, rise) || !ParseNumber(run, x) ||
      !ParseNumber(rise, y)) {
    messages_.push_back(DirectionErrorText(run, rise));
    direction_ = "0.0";
    return;
  }
  direction_ = FastFixed(5, 1, std::atan2(y, x) / kDeg);
}

void Converter::Slant(std::string_view params) {
  if (params.empty()) {
    slant_ = "0.0";
    return;
  }
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) {
    messages_.push_back(SlantErrorText(buffer_));
    return;
  }
  slant_ = FastFixed(5, 1, std::atan(v) / kDeg);
}

void Converter::SetWindow(double x1, double y1, double x2, double y2, Coord cx1,
                          Coord cy1, Coord cx2, Coord cy2) {
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(cx1, cx2);
  }
  if (y1 > y2) {
    std::swap(y1, y2);
    std::swap(cy1, cy2);
  }
  xmin_ = x1;
  xmax_ = x2;
  ymin_ = y1;
  ymax_ = y2;
  xmin_t_ = cx1.text;
  xmax_t_ = cx2.text;
  ymin_t_ = cy1.text;
  ymax_t_ = cy2.text;
  window_ = xmin_ != xmax_;
}

void Converter::InputWindow(std::string_view params) {
  Coord c[4];
  bool ok = !params.empty();
  for (int k = 0; ok && k < 4; ++k) ok = ReadNumber(params, c[k], true);
  if (!ok) {
    const Coord zero = MakeCoord(10, 4, 0);
    const Coord x = MakeCoord(10, 4, kResetWindowX);
    const Coord y = MakeCoord(10, 4, kResetWindowY);
    SetWindow(0, 0, kResetWindowX, kResetWindowY, zero, zero, x, y);
    return;
  }
  SetWindow(c[0].value, c[1].value, c[2].value, c[3].value, c[0], c[1], c[2],
            c[3]);
}

void Converter::Rectangle(std::string_view params, bool relative) {
  EndPolyline();
  EnsurePosition();
  if (params.empty()) return;
  Coord x, y;
  if (!ReadNumber(params, x, true) || !ReadNumber(params, y, true)) return;
  if (relative) {
    x = Offset(pos_.x, x);
    y = Offset(pos_.y, y);
  }
  StartPolyline(true);
  const Coord& x0 = pos_.x;
  const Coord& y0 = pos_.y;
  Vertex({x0, y0});
  Vertex({x, y0});
  Vertex({x, y});
  Vertex({x0, y});
  Vertex({x0, y0});
  EndPolyline();
}

void Converter::Execute() {
  const std::string& m = mnemonic_;
  const std::string_view params = buffer_;
  if (m == "PD" || m == "PU" || m == "PA" || m == "PR") {
    Pairs(params);
  } else if (m == "IN") {
    absolute_ = true;
    pos_ = {{"0.00", 0}, {"0.00", 0}};
    has_pos_ = true;
    symbols_ = false;
  } else if (m == "SP") {
    SelectPen();
  } else if (m == "LT") {
    LineType(params);
  } else if (m == "PW") {
    PenWidth(params);
  } else if (m == "CI") {
    Circle(params);
  } else if (m == "AA" || m == "AR") {
    Arc(params, m == "AR");
  } else if (m == "SI") {
    CharSize(params);
  } else if (m == "DI") {
    Direction(params);
  } else if (m == "SL") {
    Slant(params);
  } else if (m == "LB") {
    Label();
  } else if (m == "IW") {
    InputWindow(params);
  } else if (m == "SA") {
    symbols_ = true;
  } else if (m == "SS") {
    symbols_ = false;
  } else if (m == "EA" || m == "ER") {
    Rectangle(params, m == "ER");
  } else if (m == "VS") {
    // Pen speed has no meaning in a drawing.
  } else {
    messages_.push_back(UnsupportedCommandText(m));
    EndPolyline();
  }
}

DxfConversion Converter::Run(std::string_view in) {
  DxfConversion result;
  std::size_t i = 0;
  const std::size_t n = in.size();
  while (i < n && static_cast<unsigned char>(in[i]) < 65) ++i;
  if (i == n) return result;
  result.hpgl = true;
  out_ = DxfHeader();

  const auto starts_mnemonic = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 65 && c != '{' && c != '}';
  };
  while (i < n && !starts_mnemonic(in[i])) ++i;
  while (i < n) {
    mnemonic_.assign(1, in[i++]);
    if (i < n) mnemonic_ += in[i++];
    buffer_.clear();
    error_ = begun_ = overflow_ = false;
    const bool label = mnemonic_ == "LB";
    const bool chunked =
        mnemonic_ == "PD" || mnemonic_ == "PA" || mnemonic_ == "PU";
    // The parameters end at code 3 and, but in a label, at CR or ";".
    std::size_t e = i;
    if (label) {
      while (e < n && in[e] != '\x03') ++e;
    } else {
      while (e < n && in[e] != '\x03' && in[e] != '\r' && in[e] != ';') ++e;
    }
    if (!chunked) {
      // What lies beyond the cut length would be cut anyway.
      buffer_.append(in.substr(i, std::min(e - i, kTooLong)));
      i = e;
    }
    // A coordinate list is converted whenever it has grown past
    // kChunkStart and a character that ends a number arrives.
    while (i < e) {
      if (error_ || overflow_) {
        i = e;
        break;
      }
      if (buffer_.size() <= kChunkStart) {
        const std::size_t take =
            std::min(e - i, kChunkStart + 1 - buffer_.size());
        buffer_.append(in.substr(i, take));
        i += take;
      } else {
        buffer_ += in[i++];
      }
      // A list that reaches the cut length without a complete pair (one
      // endless number) stops growing there.
      if (buffer_.size() > kChunkStart &&
          (!IsNumberChar(buffer_.back()) || buffer_.size() >= kTooLong))
        ChunkStep();
    }
    if (!error_) {
      bool keep_end = false;
      if ((!label && buffer_.size() >= kTooLong) ||
          (label && buffer_.size() > kCutLength)) {
        ui_.Message(Caption::kError, CommandTooLongText(mnemonic_, buffer_));
        keep_end = label && buffer_.size() >= kTooLong;
        buffer_.resize(kCutLength);
      }
      std::size_t end = buffer_.size();
      if (!keep_end)
        while (end > 0 && IsTrimmed(buffer_[end - 1])) --end;
      std::size_t start = 0;
      while (start < end && IsTrimmed(buffer_[start])) ++start;
      buffer_ = buffer_.substr(start, end - start);
      Execute();
    }
    if (out_.size() >= kFlushSize) Flush();
    error_ = false;
    while (i < n && !starts_mnemonic(in[i])) ++i;
  }
  EndPolyline();
  Line("ENDSEC");
  Line("  0");
  Line("EOF");
  Flush();
  result.converted = converted_;
  result.messages = std::move(messages_);
  return result;
}

}  // namespace

std::string DxfHeader() {
  std::string h;
  const auto pair = [&h](std::string_view code, std::string_view value) {
    h.append(code);
    h += '\r';
    h.append(value);
    h += '\r';
  };
  const std::string xmax = FastFixed(8, 2, kExtentX);
  const std::string ymax = FastFixed(8, 2, kExtentY);
  pair("0", "SECTION");
  pair("  2", "HEADER");
  pair("  9", "$EXTMIN");
  pair(" 10", "0.000");
  pair(" 20", "0.0");
  pair("  9", "$EXTMAX");
  pair(" 10", xmax);
  pair(" 20", ymax);
  pair("  9", "$LIMMIN");
  pair(" 10", "0.000");
  pair(" 20", "0.0");
  pair("  9", "$LIMMAX");
  pair(" 10", xmax);
  pair(" 20", ymax);
  pair("  9", "$LTSCALE");
  pair(" 40", "0.0005");
  pair("  0", "ENDSEC");
  pair("  0", "SECTION");
  pair("  2", "TABLES");
  pair("  0", "TABLE");
  pair("  2", "LTYPE");
  pair(" 70", "     4");
  pair("  0", "LTYPE");
  pair("  2", "CONTINUOUS");
  pair(" 70", "64");
  pair("  3", "Solid line");
  pair(" 72", "65");
  pair(" 73", "0");
  pair(" 40", "0.0");
  pair("  0", "LTYPE");
  pair("  2", "DASHED");
  pair(" 70", "64");
  pair("  3", "- - - - - - ");
  pair(" 72", "65");
  pair(" 73", "2");
  pair(" 40", "3.000001");
  pair(" 49", "3.000001");
  pair(" 49", "-0.000000");
  pair("  0", "LTYPE");
  pair("  2", "DASHDOT");
  pair(" 70", "64");
  pair("  3", "- . - . - . - . ");
  pair(" 72", "65");
  pair(" 73", "4");
  pair(" 40", "12.000004");
  pair(" 49", "6.000002");
  pair(" 49", "-3.000001");
  pair(" 49", "0.00000");
  pair(" 49", "-3.00001");
  pair("  0", "LTYPE");
  pair("  2", "DOT");
  pair(" 70", "64");
  pair("  3", ". . . .  ");
  pair(" 72", "65");
  pair(" 73", "2");
  pair(" 40", "3.000001");
  pair(" 49", "0.00000");
  pair(" 49", "-3.000001");
  pair("  0", "ENDTAB");
  // Pens 0..12: the frame before the first pen selection is pen 0,
  // coastlines 11 and borders 12.
  constexpr int kLayers = 13;
  pair("  0", "TABLE");
  pair("  2", "LAYER");
  pair(" 70", FastFixed(6, 0, kLayers));
  for (int n = 0; n < kLayers; ++n) {
    pair("  0", "LAYER");
    pair(" 70", "64");
    pair("  2", "L_" + std::to_string(n));
    pair(" 62", std::to_string(n == 0 ? 7 : n));
    pair("  6", "CONTINUOUS");
  }
  pair("  0", "ENDTAB");
  pair("  0", "TABLE");
  pair("  2", "STYLE");
  pair(" 70", "   3");
  pair("  0", "STYLE");
  pair("  2", "STANDARD");
  pair(" 70", "0");
  pair(" 40", "0.0");
  pair(" 41", "1.00");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "txt");
  pair("  4", "");
  pair("  0", "STYLE");
  pair("  2", "shx-font");
  pair(" 70", "  1");
  pair(" 40", "0.0");
  pair(" 41", "1.00");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "ltypeshp.shx");
  pair("  4", "");
  pair("  0", "STYLE");
  pair(" 5", "2D");
  pair("100", "AcDbSymbolTableRecord");
  pair("100", "AcDbTextSTyleTableRecord");
  pair("  2", "symbols");
  pair(" 70", "0");
  pair(" 40", "0.0");
  pair(" 41", "1.0");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "WINGDING.TTF");
  pair("  4", "");
  pair("  0", "ENDTAB");
  pair("  0", "ENDSEC");
  pair("  0", "SECTION");
  pair("  2", "BLOCKS");
  pair("  0", "ENDSEC");
  pair("0", "SECTION");
  pair("2", "ENTITIES");
  h += "0\r";
  return h;
}

void OemToAnsi(std::string& bytes) {
  // Windows-1252 to Windows-1252: every byte stands for itself.
  static const auto kTable = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    return t;
  }();
  for (char& c : bytes)
    c = static_cast<char>(kTable[static_cast<unsigned char>(c)]);
}

DxfConversion ConvertHpglText(std::string_view hpgl, const DxfOptions& options,
                              DxfSink& sink, platform::Ui& ui) {
  Converter converter(options, sink, ui);
  return converter.Run(hpgl);
}

}  // namespace lumtar::output
