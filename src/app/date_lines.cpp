// The user's own date lines: the check of an entry and the date-line file.

#include "app/ansi_text_file.h"
#include "app/program_directory.h"
#include "app/settings_file.h"
#include "app/settings_lines.h"
#include "platform/ui.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

int TwoDigits(std::string_view s) {
  if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9')
    return -1;
  return (s[0] - '0') * 10 + (s[1] - '0');
}

}  // namespace

bool IsDateLine(std::string_view entry) {
  if (entry.size() < 5 || entry[2] != '/') return false;
  const int day = TwoDigits(entry.substr(0, 2));
  const int month = TwoDigits(entry.substr(3, 2));
  static constexpr int kLongest[] = {31, 29, 31, 30, 31, 30,
                                     31, 31, 30, 31, 30, 31};
  return month >= 1 && month <= 12 && day >= 1 && day <= kLongest[month - 1];
}

std::filesystem::path DateLinesPath() {
  return ProgramDirectory() / kDateLinesFileName;
}

bool SaveDateLinesFile(const std::filesystem::path& file,
                       const model::Model& model, platform::Ui& ui) {
  std::vector<std::string> lines;
  for (const std::string& entry : model.DateLineList) {
    if (!IsDateLine(entry)) continue;
    std::string line = entry;
    for (char& c : line)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    lines.push_back(line);
  }
  if (WriteWindows1252Lines(file, lines)) {
    ui.Message(platform::Caption::kInformation,
               file.string() + "  " +
                   std::string(texts::MessageText(58, model.Language)));
    return true;
  }
  ui.Message(platform::Caption::kError,
             file.string() + " :\r\n" +
                 std::string(texts::MessageText(18, model.Language)));
  return false;
}

bool LoadDateLinesFile(const std::filesystem::path& file, model::Model& model,
                       platform::Ui& ui) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return false;
  const auto lines = ReadWindows1252Lines(file);
  if (!lines) {
    ui.Message(platform::Caption::kError,
               file.string() + " :\r\n" +
                   std::string(texts::MessageText(24, model.Language)) + "4");
    return false;
  }
  std::vector<std::string> dates;
  for (const std::string& line : *lines) {
    if (settings_lines::TrimBlanks(line).empty()) continue;
    if (IsDateLine(line)) {
      dates.push_back(line);
    } else {
      ui.Message(platform::Caption::kError,
                 std::string(texts::RawText(1650, model.Language)) + line +
                     " in " + file.string());
    }
  }
  model.DateLineList = std::move(dates);
  return true;
}

}  // namespace lumtar::app
