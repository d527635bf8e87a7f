#include "output/hpgl_to_dxf.h"

#include <algorithm>
#include <cmath>

#include "output/hour_systems.h"
#include "output/hpgl_converter.h"
#include "output/output_texts.h"

namespace lumtar::output {
namespace hpgl {

using platform::Caption;

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

}  // namespace hpgl

DxfConversion ConvertHpglText(std::string_view hpgl, const DxfOptions& options,
                              DxfSink& sink, platform::Ui& ui) {
  hpgl::Converter converter(options, sink, ui);
  return converter.Run(hpgl);
}

}  // namespace lumtar::output
