// Reading the settings file from disk: the questions, the backup and the
// rewrite of lum.ini.

#include <cctype>
#include <string>

#include "app/ansi_text_file.h"
#include "app/program_directory.h"
#include "app/settings_file.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using platform::Caption;

std::string FileName(const std::filesystem::path& file) {
  return file.string();
}

// Copies the file to "lum_ini.bak" beside it and says whether that worked.
bool Backup(const std::filesystem::path& file, const model::Model& model,
            platform::Ui& ui) {
  const auto bytes = ReadFileBytes(file);
  const bool ok =
      bytes &&
      WriteFileAtomically(file.parent_path() / kSettingsBackupFileName, *bytes);
  if (ok) {
    ui.Message(Caption::kInformation, texts::MessageText(37, model.Language));
  } else {
    ui.Message(Caption::kError, texts::MessageText(36, model.Language));
  }
  return ok;
}

std::string Lower(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

SettingsSource SettingsSourceOf(const std::filesystem::path& file) {
  return Lower(file.filename().string()) == kSettingsFileName
             ? SettingsSource::kStartConfiguration
             : SettingsSource::kConstructionData;
}
SettingsReadReport ReadSettingsFile(const std::filesystem::path& file,
                                    SettingsSource source, model::Model& model,
                                    platform::Ui& ui, bool read_colours,
                                    bool read_date_lines) {
  const bool start = source == SettingsSource::kStartConfiguration;
  SettingsReadReport report;
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (!exists && !ec) {
    report.status = SettingsReadStatus::kMissing;
    if (start) {
      const texts::Language l = model.Language;
      const std::string question =
          FileName(file) + " : \r\n" + std::string(texts::MessageText(34, l)) +
          "\r\n" + std::string(texts::MessageText(35, l));
      if (ui.Message(Caption::kQuestion, question, platform::Buttons::kYesNo) ==
          platform::Answer::kYes) {
        ResetSettingsToDefaults(model);
        report.rewritten = WriteSettingsFile(file, model, ui);
      }
    } else {
      ui.Message(Caption::kError,
                 FileName(file) + " :\r\n" +
                     std::string(texts::MessageText(24, model.Language)) + "4");
    }
    return report;
  }
  const auto lines = exists ? ReadWindows1252Lines(file) : std::nullopt;
  if (!lines) {
    report.status = SettingsReadStatus::kUnreadable;
    ui.Message(Caption::kError,
               FileName(file) + " :\r\n" +
                   std::string(texts::MessageText(24, model.Language)) +
                   (start ? "3" : "4"));
    return report;
  }
  report = ReadSettingsLines(*lines, FileName(file), model, ui, read_colours,
                             read_date_lines);
  if (report.status == SettingsReadStatus::kDamaged) {
    if (!start) {
      ui.Message(Caption::kError, FileName(file) + std::string(texts::RawText(
                                                       1652, model.Language)));
      return report;
    }
    if (ui.Message(Caption::kQuestion, texts::MessageText(14, model.Language),
                   platform::Buttons::kYesNo) == platform::Answer::kYes &&
        Backup(file, model, ui)) {
      ResetSettingsToDefaults(model);
      report.rewritten = WriteSettingsFile(file, model, ui);
    }
    return report;
  }
  if (start && !report.bad_lines.empty()) {
    const texts::Language l = model.Language;
    const std::string question =
        FileName(file) + std::string(texts::RawText(1655, l)) +
        std::to_string(report.bad_lines.front()) + "\n\r" +
        std::string(texts::MessageText(14, l));
    if (ui.Message(Caption::kProblem, question, platform::Buttons::kYesNo) ==
            platform::Answer::kYes &&
        Backup(file, model, ui))
      report.rewritten = WriteSettingsFile(file, model, ui);
  }
  return report;
}
}  // namespace lumtar::app
