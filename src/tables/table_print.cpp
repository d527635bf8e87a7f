#include "tables/table_print.h"

#include <algorithm>

#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::tables {
namespace {

// 11 points in 0.1 mm: 11 x 25.4 / 72 mm.
constexpr int kElevenPoints = 39;

void PrintFailed(platform::Ui& ui, texts::Language language) {
  ui.Message(platform::Caption::kError, texts::MessageText(42, language));
}

}  // namespace

PrintLayout LayoutForPage(int max_chars, int page_width, int page_height) {
  int height = kElevenPoints;
  if (max_chars > 0) {
    // A fixed-pitch character is 0.6 em wide: height = width / (0.6 n).
    const int fit = page_width * 10 / (6 * max_chars);
    height = std::clamp(fit, 1, kElevenPoints);
  }
  const int pitch = std::max(1, height * 6 / 5);
  return {height, pitch, std::max(1, page_height / pitch)};
}

bool PrintTable(const TableText& table, platform::Printer& printer,
                platform::Ui& ui, texts::Language language) {
  int widest = 0;
  for (const std::string& line : table.lines)
    widest = std::max(widest, TextWidth(line));
  printer.SetOrientation(widest > kPortraitMaxChars
                             ? platform::Orientation::kLandscape
                             : platform::Orientation::kPortrait);
  if (!printer.BeginDocument(texts::RawText(1793, language))) {
    PrintFailed(ui, language);
    return false;
  }
  const PrintLayout layout =
      LayoutForPage(widest, printer.page_width(), printer.page_height());
  platform::Font font;
  font.name = "MS Serif";
  font.height = layout.font_height;
  font.weight = platform::kWeightBold;
  font.color = platform::kBlack;
  int row = 0;
  for (const std::string& line : table.lines) {
    if (row == layout.lines_per_page) {
      printer.NewPage();
      row = 0;
    }
    // Each page starts with a fresh font, as a new page may reset it.
    if (row == 0) printer.canvas().SetFont(font);
    printer.canvas().Text(0, row * layout.line_pitch, line);
    ++row;
  }
  if (!printer.EndDocument()) {
    PrintFailed(ui, language);
    return false;
  }
  return true;
}

bool TextChannel::Write(const std::vector<std::string>& lines, platform::Ui& ui,
                        texts::Language language) {
  if (!open_) {
    printer_.SetOrientation(platform::Orientation::kPortrait);
    if (!printer_.BeginDocument("Lumtar")) {
      PrintFailed(ui, language);
      return false;
    }
    platform::Font font;
    font.name = "Courier";
    font.height = kElevenPoints;
    font.color = platform::kBlack;
    printer_.canvas().SetFont(font);
    open_ = true;
  }
  for (const std::string& line : lines) {
    if (!printer_.WriteText(line + "\n")) {
      open_ = false;
      printer_.EndDocument();
      PrintFailed(ui, language);
      return false;
    }
  }
  return true;
}

bool TextChannel::Close(platform::Ui& ui, texts::Language language) {
  if (!open_) return true;
  open_ = false;
  if (!printer_.EndDocument()) {
    PrintFailed(ui, language);
    return false;
  }
  return true;
}

}  // namespace lumtar::tables
