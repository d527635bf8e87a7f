#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "output/recording_canvas.h"
#include "platform/printer.h"
#include "tables/table.h"

namespace lumtar::tables::testing {

// A printer that keeps every document: its orientation, the text of each
// page as drawn on the canvas (one entry per Text call) and what went
// through the plain-text channel. Page size in 0.1 mm.
class RecordingPrinter : public platform::Printer {
 public:
  struct Document {
    std::string title;
    platform::Orientation orientation;
    std::vector<std::vector<std::string>> pages;  // canvas texts per page
    std::vector<output::RecordingCanvas::Figure> figures;
    std::string channel;  // the plain-text channel
    bool ended = false;
  };

  int width = 2000;   // A4 portrait printable width, 0.1 mm
  int height = 2870;  // and height
  bool fail_begin = false;
  bool fail_end = false;

  void SetOrientation(platform::Orientation o) override { orientation_ = o; }
  bool BeginDocument(std::string_view title) override {
    if (fail_begin) return false;
    documents.push_back({std::string(title), orientation_, {{}}, {}, {}});
    canvas_.Clear();
    return true;
  }
  void NewPage() override { documents.back().pages.emplace_back(); }
  bool EndDocument() override {
    if (documents.empty()) return false;
    Flush();
    documents.back().ended = true;
    return !fail_end;
  }
  platform::Canvas& canvas() override { return canvas_; }
  int page_width() const override {
    return orientation_ == platform::Orientation::kLandscape ? height : width;
  }
  int page_height() const override {
    return orientation_ == platform::Orientation::kLandscape ? width : height;
  }
  bool WriteText(std::string_view text) override {
    if (documents.empty()) return false;
    documents.back().channel += text;
    return true;
  }

  std::vector<Document> documents;

 private:
  // Moves the texts drawn so far onto the current page.
  void Flush() {
    for (const auto& f : canvas_.figures()) {
      documents.back().figures.push_back(f);
    }
    canvas_.Clear();
  }

  class PageCanvas : public output::RecordingCanvas {
   public:
    explicit PageCanvas(RecordingPrinter& p) : printer_(p) {}
    void Text(int x, int y, std::string_view text) override {
      output::RecordingCanvas::Text(x, y, text);
      printer_.documents.back().pages.back().emplace_back(text);
    }

   private:
    RecordingPrinter& printer_;
  };

  platform::Orientation orientation_ = platform::Orientation::kPortrait;
  PageCanvas canvas_{*this};
};

// The default site of the program with the given year and language.
inline model::Model SiteModel(int year, texts::Language language,
                              double longitude = -9.590825, double zone = -15,
                              double latitude = 47.251315) {
  model::Model m;
  m.parameters.Year = year;
  m.parameters.Longitude = longitude;
  m.parameters.ZoneMeridian = zone;
  m.parameters.Latitude = latitude;
  m.Language = language;
  return m;
}

// "m:ss", "-m:ss" (as FormatEotMinSec writes them, blanks allowed) in
// seconds; nullopt for anything else.
inline std::optional<int> MinSecSeconds(const std::string& cell) {
  std::string s;
  for (char c : cell)
    if (c != ' ') s += c;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) s.erase(0, 1);
  const auto colon = s.find(':');
  if (colon == std::string::npos || colon == 0 || s.size() - colon != 3)
    return std::nullopt;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (i != colon && (s[i] < '0' || s[i] > '9')) return std::nullopt;
  const int v = std::atoi(s.substr(0, colon).c_str()) * 60 +
                std::atoi(s.substr(colon + 1).c_str());
  return negative ? -v : v;
}

// "hh:mm:ss" in seconds of the day; "h:mm" (blanks allowed) in minutes via
// MinSecSeconds.
inline std::optional<int> ClockSeconds(const std::string& cell) {
  if (cell.size() != 8 || cell[2] != ':' || cell[5] != ':') return std::nullopt;
  return std::atoi(cell.substr(0, 2).c_str()) * 3600 +
         std::atoi(cell.substr(3, 2).c_str()) * 60 +
         std::atoi(cell.substr(6, 2).c_str());
}

// The cells of the first row whose first cell is `prefix` ("15." in a year
// table, " 15." in a month table), or nullptr.
inline const std::vector<std::string>* RowWithPrefix(
    const TableText& t, const std::string& prefix) {
  for (const auto& cells : t.cells)
    if (!cells.empty() && cells[0] == prefix) return &cells;
  return nullptr;
}

inline std::string Trimmed(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace lumtar::tables::testing
