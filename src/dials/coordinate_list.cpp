#include "dials/coordinate_list.h"

#include <cmath>

#include "astro/format.h"
#include "dials/planar_construction.h"
#include "output/atomic_file.h"
#include "output/output_texts.h"
#include "output/windows1252.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::dials {

namespace {

constexpr char kEnd[] = "\r\n";

// Two decimals, right-aligned in ten characters; a value that rounds to
// zero is written without a sign.
std::string Mm(double v) {
  if (std::fabs(v) < 0.005) v = 0;
  return astro::FormatFixed(10, 2, v);
}

}  // namespace

void CoordinateRecorder::SetFrame(Point origin, double units_per_mm) {
  origin_ = origin;
  units_per_mm_ = units_per_mm > 0 ? units_per_mm : 1;
}

Point CoordinateRecorder::ToMm(double x, double y) const {
  return {(x - origin_.x) / units_per_mm_, (origin_.y - y) / units_per_mm_};
}

CoordinateRecorder::Line& CoordinateRecorder::Current() {
  if (lines_.empty()) lines_.push_back({});
  return lines_.back();
}

void CoordinateRecorder::BeginLine(LineRole, double, const char* label) {
  lines_.push_back({label != nullptr ? label : "", {}, {}});
}

void CoordinateRecorder::MoveTo(double x, double y) {
  Current().pieces.push_back({ToMm(x, y)});
}

void CoordinateRecorder::LineTo(double x, double y) {
  Line& l = Current();
  if (l.pieces.empty()) l.pieces.push_back({});
  const Point p = ToMm(x, y);
  auto& piece = l.pieces.back();
  // A repeated point adds nothing to a cut.
  if (!piece.empty() && std::fabs(piece.back().x - p.x) < 0.005 &&
      std::fabs(piece.back().y - p.y) < 0.005)
    return;
  piece.push_back(p);
}

void CoordinateRecorder::Mark(double x, double y, bool) {
  Current().marks.push_back(ToMm(x, y));
}

std::vector<CoordinateRecorder::Block> CoordinateRecorder::Blocks(
    texts::Language language) const {
  const std::string part(texts::RawText(1232, language));
  std::vector<Block> blocks;
  for (const Line& l : lines_) {
    std::vector<const std::vector<Point>*> drawn;
    for (const auto& piece : l.pieces)
      if (piece.size() >= 2) drawn.push_back(&piece);
    for (std::size_t k = 0; k < drawn.size(); ++k) {
      std::string name = l.label;
      if (drawn.size() > 1) name += ", " + part + std::to_string(k + 1);
      blocks.push_back({name, *drawn[k]});
    }
    if (!l.marks.empty()) blocks.push_back({l.label + ", marks", l.marks});
  }
  return blocks;
}

std::string CoordinateListHeader(const model::Model& model,
                                 const PlanarConstruction& c) {
  const texts::Language lang = model.Language;
  const auto text = [&](int id) {
    return std::string(texts::RawText(id, lang));
  };
  const std::string deg(texts::PhraseText(105, lang));
  std::string out;
  const auto line = [&](const std::string& s) { out += s + kEnd; };

  line(text(1233) + ": " + PlanarTitle(model));
  for (const std::string& l : PlanarDataLines(model)) line(l);
  line(text(1229) + astro::FormatFixed(6, 2, model.parameters.ZoneMeridian) +
       deg + ", " + text(1230) + std::to_string(model.parameters.Year));
  line(text(1227) + astro::FormatFixed(6, 2, c.gnomon_mm) + " mm");
  const PlanarSetup& s = c.setup;
  if (!s.umbrella) {
    const Point f = FootPoint(s);
    const double x = (f.x - s.origin.x) / c.units_per_mm;
    const double y = (s.origin.y - f.y) / c.units_per_mm;
    line(text(1228) + "x =" + Mm(x) + " mm, y =" + Mm(y) + " mm");
    for (const std::string& l : c.table.summary) line(l);
  }
  line(c.table.sunshine_text);
  if (!s.umbrella && !c.table.cells.empty()) {
    line("");
    line(text(1231));
    for (const auto& cell : c.table.cells) {
      std::string time = cell.time;
      while (time.size() < 6) time.insert(time.begin(), ' ');
      line(time + cell.angle + cell.tangent);
    }
  }
  return out;
}

std::string CoordinateListText(
    const std::string& header,
    const std::vector<CoordinateRecorder::Block>& blocks,
    texts::Language language) {
  std::string out = header;
  out += kEnd;
  out += std::string(texts::RawText(1226, language)) + kEnd;
  for (const auto& b : blocks) {
    out += kEnd + b.name + kEnd;
    for (const Point& p : b.points) out += Mm(p.x) + Mm(p.y) + kEnd;
  }
  return out;
}

std::string CoordinateRecorder::Text(texts::Language language) const {
  return CoordinateListText(header_, Blocks(language), language);
}

bool SaveCoordinateList(const std::filesystem::path& path,
                        const std::string& text, platform::Ui& ui,
                        texts::Language language) {
  output::AtomicFile file(path);
  if (file.Open()) {
    file.Write(output::Utf8ToWindows1252(text));
    if (file.Commit()) return true;
  }
  ui.Message(
      platform::Caption::kError,
      std::string(output::MessageEntry53(language)) + "\r\n" + file.error());
  return false;
}

}  // namespace lumtar::dials
