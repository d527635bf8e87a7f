#pragma once

#include <filesystem>
#include <string>

#include "platform/ui.h"
#include "tables/table.h"
#include "texts/language.h"

namespace lumtar::tables {

enum class TableFormat { kText, kCsv };

// The table as the text of a file, UTF-8, every line followed by CR LF.
// Text: the lines unchanged. CSV: the lines before the month header line
// as a blank, the separator and the line; lines with cells as their cells
// joined by the separator; other lines unchanged. A CSV field holding the
// separator or a double quote is quoted (quotes doubled).
std::string TableFileText(const TableText& table, TableFormat format,
                          char separator);

// Writes `text` (UTF-8) to `path` in Windows-1252, atomically: a temporary
// file in the target's folder, renamed over the target only when complete.
// On failure the previous file is untouched and `error` says why.
bool WriteWindows1252File(const std::filesystem::path& path,
                          const std::string& text, std::string& error);

// The format a save dialog's answer asks for: CSV when the chosen name
// ends in ".csv" (any case), else text.
TableFormat FormatOfChosenName(const std::filesystem::path& chosen);

// The save button of the table panel: the save dialog ("Tabelle", caption
// "LUMTAR.EXE - Save Table"); the name gets ".txt" or ".csv" in place of
// its extension; for CSV the separator question (Yes ";", No ","); then the
// atomic write. "Open error: File  " + name when it fails. True when the
// file was written; false when cancelled or failed.
bool ExportTable(const TableText& table, platform::Ui& ui,
                 texts::Language language);

}  // namespace lumtar::tables
