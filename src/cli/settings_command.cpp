#include "cli/settings_command.h"

#include <sstream>

#include "app/ansi_text_file.h"
#include "app/model_fields.h"
#include "app/settings_file.h"
#include "cli/json.h"
#include "cli/model_options.h"
#include "cli/options.h"

namespace lumtar::cli {
namespace {

const char kHelp[] =
    "usage: lumtar-cli settings default\n"
    "       lumtar-cli settings show [FILE] [--json] [--set NAME=VALUE ...]\n"
    "       lumtar-cli settings check FILE\n"
    "  default  the built-in defaults as a settings file (Windows-1252,\n"
    "           CR LF) on stdout: lumtar-cli settings default > lum.ini\n"
    "  show     the model that FILE (a lum.ini or a construction data file,\n"
    "           default: the built-in defaults) gives, every field by its\n"
    "           name as NAME=VALUE, with --set overrides; the reader's\n"
    "           messages go to stderr\n"
    "  check    the messages that reading FILE gives, one per line with\n"
    "           its caption; exit 1 when there is any, 0 when it is clean\n"
    "The file is never written; a question of the reader is answered No.\n"
    "  --lang en|de      language of the captions (default en)\n"
    "  --json            show: one JSON object\n";

texts::Language LanguageOption(const Options& o) {
  const std::string lang = o.Get("lang").value_or("en");
  if (lang != "en" && lang != "de")
    throw ArgumentError("--lang '" + lang + "': expected en or de");
  return lang == "de" ? texts::Language::kGerman : texts::Language::kEnglish;
}

// The leading FILE argument (a word that is not an option), if any.
std::optional<std::string> TakeFile(std::vector<std::string>& args) {
  if (args.empty() || args[0].rfind("--", 0) == 0) return std::nullopt;
  std::string file = args[0];
  args.erase(args.begin());
  return file;
}

int Default(const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err) {
  const Options o(args, {}, {});
  const model::Model model;
  ScriptUi ui(err, model.Language);
  out << app::EncodeWindows1252(
      app::JoinCrLf(app::WriteSettingsLines(model, ui)));
  return 0;
}

std::string JsonValue(const app::ModelField& f, const model::Model& m) {
  switch (f.kind) {
    case app::FieldKind::kReal:
    case app::FieldKind::kInteger:
    case app::FieldKind::kColour:
    case app::FieldKind::kFlag:
      return f.get(m);
    case app::FieldKind::kDigit:
    case app::FieldKind::kKind:
    case app::FieldKind::kLanguage:
      return JsonQuote(f.get(m));
    case app::FieldKind::kDateLines: {
      std::string list = "[";
      for (const std::string& entry : m.DateLineList) {
        if (list.size() > 1) list += ", ";
        list += JsonQuote(entry);
      }
      return list + "]";
    }
  }
  return "null";
}

std::string Note(const app::ModelField& f) {
  std::string note;
  switch (f.kind) {
    case app::FieldKind::kReal:
    case app::FieldKind::kInteger:
    case app::FieldKind::kDigit:
    case app::FieldKind::kColour:
      if (f.storage != app::FieldStorage::kDerived)
        note = app::RangeText(f.range);
      break;
    case app::FieldKind::kKind:
      note = "one of " + std::string(app::kDialKindLetters);
      break;
    case app::FieldKind::kLanguage:
      note = "de or en";
      break;
    case app::FieldKind::kFlag:
    case app::FieldKind::kDateLines:
      break;
  }
  const char* storage = f.storage == app::FieldStorage::kNotStored
                            ? "not kept in the file"
                        : f.storage == app::FieldStorage::kDerived ? "derived"
                                                                   : nullptr;
  if (storage != nullptr)
    note += (note.empty() ? "" : ", ") + std::string(storage);
  return note;
}

int Show(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> file = TakeFile(args);
  std::set<std::string> valued = {"lang"};
  const Options o(args, valued, {"json"}, kModelRepeatedOptions);
  const texts::Language language = LanguageOption(o);
  model::Model model;
  if (file) {
    ScriptUi ui(err, language);
    const app::SettingsReadReport report =
        app::ReadSettingsFile(*file, app::SettingsSourceOf(*file), model, ui);
    if (report.status != app::SettingsReadStatus::kRead) {
      err << "lumtar-cli: '" << *file << "' gives no settings\n";
      return 1;
    }
  }
  ApplySetOptions(o.GetAll("set"), model);
  if (o.Has("json")) {
    std::string json = "{";
    for (const app::ModelField& f : app::ModelFields()) {
      if (json.size() > 1) json += ", ";
      json += JsonQuote(f.name) + ": " + JsonValue(f, model);
    }
    out << json << "}\n";
    return 0;
  }
  std::string_view record;
  for (const app::ModelField& f : app::ModelFields()) {
    if (f.record != record) {
      record = f.record;
      out << "# " << record << "\n";
    }
    std::string line = std::string(f.name) + "=" + f.get(model);
    const std::string note = Note(f);
    if (!note.empty()) {
      if (line.size() < 34) line.resize(34, ' ');
      line += "  # " + note;
    }
    out << line << "\n";
  }
  return 0;
}

int Check(std::vector<std::string> args, std::ostream& out) {
  const std::optional<std::string> file = TakeFile(args);
  const Options o(args, {"lang"}, {});
  if (!file) throw ArgumentError("settings check: FILE is required");
  model::Model model;
  ScriptUi ui(out, LanguageOption(o));
  app::ReadSettingsFile(*file, app::SettingsSourceOf(*file), model, ui);
  return ui.messages() > 0 ? 1 : 0;
}

}  // namespace

int RunSettingsCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      out << kHelp << kModelOptionsHelp;
      return 0;
    }
  }
  if (args.empty()) {
    err << kHelp;
    return 2;
  }
  const std::string& sub = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  std::ostringstream buffer;
  try {
    int rc;
    if (sub == "default") {
      rc = Default(rest, buffer, err);
    } else if (sub == "show") {
      rc = Show(rest, buffer, err);
    } else if (sub == "check") {
      rc = Check(rest, buffer);
    } else {
      err << "lumtar-cli: unknown settings command '" << sub << "'\n" << kHelp;
      return 2;
    }
    out << buffer.str();
    return rc;
  } catch (const ArgumentError& e) {
    err << "lumtar-cli: " << e.what() << "\n";
    return 2;
  }
}

}  // namespace lumtar::cli
