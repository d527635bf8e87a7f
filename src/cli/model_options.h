#pragma once

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cli/options.h"
#include "model/model.h"
#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::cli {

// The options of every command that builds on the model: "--settings FILE"
// (a settings or construction data file; default: the built-in defaults)
// and any number of "--set NAME=VALUE", NAME being a field of the model as
// written in the code (see app/model_fields.h). Pass these to Options.
inline const std::set<std::string> kModelValuedOptions = {"settings"};
inline const std::set<std::string> kModelRepeatedOptions = {"set"};
inline constexpr char kModelOptionsHelp[] =
    "  --settings FILE   start from a settings or construction data file\n"
    "                    (default: the built-in defaults); it is never\n"
    "                    written\n"
    "  --set NAME=VALUE  set one field of the model (repeatable), e.g.\n"
    "                    --set Latitude=50.1 --set DialKind=h\n";

// The model for a command: the file of --settings (read, never written; its
// messages go to `err`) or the built-in defaults, then every --set in order,
// then the derived values. Throws ArgumentError with a one-line message for
// a file that cannot be read or is damaged as a whole, an unknown field, a
// value outside its range, or fields that do not agree.
model::Model ModelFromOptions(const Options& options, std::ostream& err,
                              texts::Language language);

// Applies "NAME=VALUE" texts in order and brings the derived values up to
// date; throws ArgumentError as ModelFromOptions.
void ApplySetOptions(const std::vector<std::string>& assignments,
                     model::Model& model);

// A Ui for scripts: each message is one line "caption text" on the stream;
// a question is answered No (and OK/Cancel with Cancel), so that nothing
// is created or corrected without a person's yes.
class ScriptUi : public platform::Ui {
 public:
  ScriptUi(std::ostream& out, texts::Language language)
      : out_(out), language_(language) {}

  platform::Answer Message(platform::Caption caption, std::string_view text,
                           platform::Buttons buttons) override;
  std::optional<std::string> Input(std::string_view, std::string_view,
                                   std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseOpenFile(std::string_view,
                                            std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view,
                                            std::string_view) override {
    return std::nullopt;
  }

  int messages() const { return messages_; }

 private:
  std::ostream& out_;
  texts::Language language_;
  int messages_ = 0;
};

}  // namespace lumtar::cli
