#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace lumtar::platform {

// A Ui for tests: records every message and answers from queues set up in
// advance. An empty answer queue answers the first button (OK or Yes), an
// empty input or file queue answers "cancelled".
class ScriptedUi : public Ui {
 public:
  struct Shown {
    Caption caption;
    std::string text;
    Buttons buttons;
  };

  Answer Message(Caption caption, std::string_view text,
                 Buttons buttons) override {
    shown.push_back({caption, std::string(text), buttons});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == Buttons::kOk || buttons == Buttons::kOkCancel
               ? Answer::kOk
               : Answer::kYes;
  }
  std::optional<std::string> Input(std::string_view, std::string_view,
                                   std::string_view) override {
    return Next(inputs);
  }
  std::optional<std::string> ChooseOpenFile(std::string_view,
                                            std::string_view) override {
    return Next(files);
  }
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view,
                                            std::string_view) override {
    return Next(files);
  }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> files;

 private:
  static std::optional<std::string> Next(
      std::deque<std::optional<std::string>>& q) {
    if (q.empty()) return std::nullopt;
    auto v = q.front();
    q.pop_front();
    return v;
  }
};

}  // namespace lumtar::platform
