#include "cli/model_options.h"

#include "app/model_fields.h"
#include "app/settings_file.h"
#include "platform/captions.h"

namespace lumtar::cli {

platform::Answer ScriptUi::Message(platform::Caption caption,
                                   std::string_view text,
                                   platform::Buttons buttons) {
  ++messages_;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  out_ << platform::CaptionText(caption, language_) << " " << line << "\n";
  switch (buttons) {
    case platform::Buttons::kOk:
      return platform::Answer::kOk;
    case platform::Buttons::kOkCancel:
      return platform::Answer::kCancel;
    case platform::Buttons::kYesNo:
    case platform::Buttons::kYesNoCancel:
      break;
  }
  return platform::Answer::kNo;
}

void ApplySetOptions(const std::vector<std::string>& assignments,
                     model::Model& model) {
  for (const std::string& a : assignments) {
    const std::size_t eq = a.find('=');
    if (eq == std::string::npos)
      throw ArgumentError("--set '" + a + "': expected NAME=VALUE");
    const std::string name = a.substr(0, eq);
    if (const auto reason =
            app::SetModelField(model, name, std::string_view(a).substr(eq + 1)))
      throw ArgumentError("--set " + a + ": " + *reason);
  }
  app::UpdateDerivedValues(model);
  const std::vector<std::string> problems = app::ModelProblems(model);
  if (!problems.empty()) throw ArgumentError("--set: " + problems.front());
}

model::Model ModelFromOptions(const Options& options, std::ostream& err,
                              texts::Language language) {
  model::Model model;
  if (const auto file = options.Get("settings")) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*file, ec))
      throw ArgumentError("--settings '" + *file +
                          "': not a readable settings file");
    ScriptUi ui(err, language);
    const app::SettingsReadReport report = app::ReadSettingsFile(
        *file, app::SettingsSource::kConstructionData, model, ui);
    if (report.status == app::SettingsReadStatus::kDamaged)
      throw ArgumentError("--settings '" + *file +
                          "': the file is damaged (sections missing or out "
                          "of order)");
    if (report.status != app::SettingsReadStatus::kRead)
      throw ArgumentError("--settings '" + *file + "': cannot be read");
  }
  ApplySetOptions(options.GetAll("set"), model);
  return model;
}

}  // namespace lumtar::cli
