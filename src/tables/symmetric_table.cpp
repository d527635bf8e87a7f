#include "tables/symmetric_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "astro/format.h"
#include "astro/solar_ephemeris.h"
#include "tables/table_export.h"
#include "tables/table_print.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::tables {
namespace {

using texts::Language;

constexpr int kRowsPerPrintedPage = 63;

std::string PadTo(std::string s, std::size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

// The column line's fields; row fields are right-aligned to their widths.
const std::vector<std::string>& ColumnFields() {
  static const std::vector<std::string> kFields = {
      "    L1", " L2      ",  " dekl ",    "      EoT1  ", "    EoT2     ",
      "",       "    Et1_s ", "  Et2_s  ", " Error[sec]"};
  return kFields;
}

std::string Join(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += fields[i];
  }
  return line;
}

}  // namespace

int SymmetricLinesForIndex(int list_index) {
  static constexpr int kLines[] = {72, 120, 144, 180, 240, 288, 360};
  if (list_index < 0 || list_index >= 7) return kLines[0];
  return kLines[list_index];
}

TableText BuildSymmetricEotTable(const model::Model& model, int lines,
                                 char separator) {
  const Language l = model.Language;
  const int year = model.parameters.Year;
  const int n = std::clamp(lines, 4, 360);
  // Always recomputed for the year shown.
  const std::vector<astro::tZeitgl> rows = astro::EotByLongitudeTable(n, year);

  TableText t;
  t.Add("");
  t.Add(std::string(texts::PhraseText(185, l)) + std::to_string(year));
  t.Add(std::string(texts::PhraseText(186, l)) + " (" + std::to_string(n / 2) +
        std::string(texts::RawText(1801, l)));
  t.Add("");
  const std::vector<std::string>& columns = ColumnFields();
  t.Add(Join(columns, separator));

  int count = 0;
  for (int i = n / 4; i <= 3 * n / 4; ++i) {
    int k = n / 2 - i;
    if (k < 0) k += n;
    const astro::tZeitgl& a = rows[i];
    const astro::tZeitgl& b = rows[k];
    const std::vector<std::string> values = {
        PadTo(astro::FormatFixed(4, 1, i * 360.0 / n), 6),
        PadTo(astro::FormatFixed(4, 1, k * 360.0 / n), 6),
        astro::FormatFixed(6, 2, a.declination_deg),
        PadTo(a.eot_text, 7),
        PadTo(b.eot_text, 7),
        "",
        astro::FormatSecondsMinSec(a.symmetric_correction),
        astro::FormatSecondsMinSec(b.symmetric_correction),
        astro::FormatFixed(6, 0, a.symmetric_error)};
    std::vector<std::string> fields;
    for (std::size_t c = 0; c < values.size(); ++c)
      fields.push_back(PadTo(values[c], columns[c].size()));
    t.Add(Join(fields, separator) + std::string(texts::RawText(1802, l)) +
          a.comparison_text);
    if (++count % 6 == 0) t.Add("");
  }
  return t;
}

bool PrintSymmetricEotTable(const model::Model& model, int lines,
                            platform::Printer& printer, platform::Ui& ui) {
  const Language l = model.Language;
  const int n = std::clamp(lines, 4, 360);
  const std::vector<astro::tZeitgl> rows =
      astro::EotByLongitudeTable(n, model.parameters.Year);
  const std::string heading = " nr    lam   delta   EoT[s]  Eotsym   (" +
                              std::to_string(n) +
                              std::string(texts::RawText(1800, l));

  printer.SetOrientation(platform::Orientation::kPortrait);
  if (!printer.BeginDocument(texts::RawText(1798, l))) {
    ui.Message(platform::Caption::kError, texts::MessageText(42, l));
    return false;
  }
  // The heading, a blank line and 63 rows on each page.
  const int page_lines = kRowsPerPrintedPage + 2;
  const int pitch = std::max(1, printer.page_height() / page_lines);
  platform::Font font;
  font.name = "MS Serif";
  font.height = std::max(1, pitch * 5 / 6);
  font.weight = platform::kWeightBold;
  for (int i = 0; i <= n; ++i) {
    const int on_page = i % kRowsPerPrintedPage;
    if (on_page == 0) {
      if (i > 0) printer.NewPage();
      printer.canvas().SetFont(font);
      printer.canvas().Text(0, 0, heading);
    }
    const astro::tZeitgl& r = rows[i];
    const std::string row =
        astro::PadLeft(i, 3) + astro::FormatFixed(7, 1, r.longitude_deg) +
        astro::FormatFixed(8, 3, r.declination_deg) + "  " +
        PadTo(r.eot_text, 7) + astro::PadLeft(r.symmetric_correction, 8);
    printer.canvas().Text(0, (on_page + 2) * pitch, row);
  }
  if (!printer.EndDocument()) {
    ui.Message(platform::Caption::kError, texts::MessageText(42, l));
    return false;
  }
  return true;
}

bool SaveSymmetricEotTable(const model::Model& model, int lines,
                           platform::Ui& ui) {
  const Language l = model.Language;
  const auto chosen = ui.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveTable, l),
      texts::RawText(1797, l), texts::RawText(1798, l));
  if (!chosen) {
    ui.Message(platform::Caption::kInformation, texts::MessageText(1, l));
    return false;
  }
  const bool csv = FormatOfChosenName(*chosen) == TableFormat::kCsv;
  // A name without extension gets the default ".txt".
  std::filesystem::path target = *chosen;
  if (!target.has_extension()) target += ".txt";
  const TableText table = BuildSymmetricEotTable(model, lines, csv ? ';' : '/');
  std::string error;
  if (!WriteWindows1252File(
          target, TableFileText(table, TableFormat::kText, ';'), error)) {
    ui.Message(platform::Caption::kError,
               std::string(texts::RawText(1799, l)) + target.string());
    return false;
  }
  ui.Message(platform::Caption::kInformation,
             target.string() + std::string(texts::MessageText(58, l)));
  return true;
}

}  // namespace lumtar::tables
