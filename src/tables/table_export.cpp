#include "tables/table_export.h"

#include <cctype>

#include "output/atomic_file.h"
#include "output/plot_save.h"
#include "output/windows1252.h"
#include "texts/captions.h"
#include "texts/text_table.h"

namespace lumtar::tables {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string CsvField(const std::string& field, char separator) {
  if (field.find(separator) == std::string::npos &&
      field.find('"') == std::string::npos)
    return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string TableFileText(const TableText& table, TableFormat format,
                          char separator) {
  std::string text;
  for (std::size_t i = 0; i < table.lines.size(); ++i) {
    const std::string& line = table.lines[i];
    if (format == TableFormat::kText) {
      text += line;
    } else if (static_cast<int>(i) < table.header_line) {
      text += ' ';
      text += separator;
      text += CsvField(line, separator);
    } else if (i < table.cells.size() && !table.cells[i].empty()) {
      const auto& cells = table.cells[i];
      for (std::size_t j = 0; j < cells.size(); ++j) {
        if (j > 0) text += separator;
        text += CsvField(cells[j], separator);
      }
    } else {
      text += line;
    }
    text += kLineEnd;
  }
  return text;
}

bool WriteWindows1252File(const std::filesystem::path& path,
                          const std::string& text, std::string& error) {
  return output::WriteFileAtomically(path, output::Utf8ToWindows1252(text),
                                     &error);
}

TableFormat FormatOfChosenName(const std::filesystem::path& chosen) {
  std::string ext = chosen.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(c));
  return ext == ".csv" ? TableFormat::kCsv : TableFormat::kText;
}

bool ExportTable(const TableText& table, platform::Ui& ui,
                 texts::Language language) {
  const auto chosen = ui.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveTable, language),
      texts::RawText(1794, language), texts::RawText(1793, language));
  if (!chosen) return false;
  const TableFormat format = FormatOfChosenName(*chosen);
  const std::filesystem::path target = output::WithExtension(
      *chosen, format == TableFormat::kCsv ? "csv" : "txt");
  char separator = ';';
  if (format == TableFormat::kCsv) {
    const platform::Answer a =
        ui.Message(platform::Caption::kQuestion, texts::RawText(1795, language),
                   platform::Buttons::kYesNo);
    separator = a == platform::Answer::kNo ? ',' : ';';
  }
  std::string error;
  if (!WriteWindows1252File(target, TableFileText(table, format, separator),
                            error)) {
    ui.Message(platform::Caption::kError,
               std::string(texts::RawText(1796, language)) + target.string());
    return false;
  }
  return true;
}

}  // namespace lumtar::tables
