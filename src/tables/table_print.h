#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/table.h"
#include "texts/language.h"

namespace lumtar::tables {

// How a table's lines are set on a printer page (0.1 mm units).
struct PrintLayout {
  int font_height;     // em height of the fixed-pitch font
  int line_pitch;      // distance of two lines
  int lines_per_page;  // at least 1
};

// Tables wider than this many characters are printed in landscape.
inline constexpr int kPortraitMaxChars = 80;

// The font for `max_chars` characters per line on a page of the given
// size: 11 points, made smaller until the widest line fits the width (a
// fixed-pitch character is 0.6 em wide), the lines 1.2 em apart.
PrintLayout LayoutForPage(int max_chars, int page_width, int page_height);

// Prints the table (buttons "&Print" and F3) in bold fixed-pitch "MS Serif",
// landscape when a line is wider than kPortraitMaxChars, portrait
// otherwise, continuing on new pages as needed. A failure shows
// MessageTable entry 42 ("Error - Printing cancelled !") and returns false.
bool PrintTable(const TableText& table, platform::Printer& printer,
                platform::Ui& ui, texts::Language language);

// The raw text channel of the calculator's result list ("Courier", 11
// points, black): lines are written as they stand; the channel stays open,
// so that several lists share one page, until Close() ends the document
// and ejects the page.
class TextChannel {
 public:
  explicit TextChannel(platform::Printer& printer) : printer_(printer) {}
  TextChannel(const TextChannel&) = delete;
  TextChannel& operator=(const TextChannel&) = delete;

  // Opens the channel when needed and writes the lines, each followed by
  // a line feed. False, after MessageTable entry 42, when printing failed
  // (the channel is then closed).
  bool Write(const std::vector<std::string>& lines, platform::Ui& ui,
             texts::Language language);
  // Ends an open document, ejecting the page; true when nothing was open.
  bool Close(platform::Ui& ui, texts::Language language);
  bool open() const { return open_; }

 private:
  platform::Printer& printer_;
  bool open_ = false;
};

}  // namespace lumtar::tables
