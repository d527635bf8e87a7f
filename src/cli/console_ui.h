#pragma once

#include <ostream>

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::cli {

// The command-line Ui: messages go to the error stream as "caption: text"
// on one line; questions take their first button (OK, Yes); input and file
// choices are cancelled, since the options say everything.
class ConsoleUi : public platform::Ui {
 public:
  ConsoleUi(std::ostream& err, texts::Language language)
      : err_(err), language_(language) {}

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

 private:
  std::ostream& err_;
  texts::Language language_;
};

}  // namespace lumtar::cli
