#pragma once

#include "platform/ui.h"

namespace lumtar::platform {

// A Ui that shows nothing: every message answers its first button (OK or
// Yes), input and file choices are cancelled. For batch runs and fuzzing.
class SilentUi : public Ui {
 public:
  Answer Message(Caption, std::string_view, Buttons buttons) override {
    return buttons == Buttons::kOk || buttons == Buttons::kOkCancel
               ? Answer::kOk
               : Answer::kYes;
  }
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
};

}  // namespace lumtar::platform
