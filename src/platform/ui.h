#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumtar::platform {

// The five message-box captions of the program; their texts in each language
// come from the caption table (texts/captions.h).
enum class Caption { kWarning, kError, kInformation, kProblem, kQuestion };

enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel };

enum class Answer { kOk, kCancel, kYes, kNo };

// What the core asks of a user: messages, a line of input, a file name.
// The desktop answers through dialogs, the command-line tool from its
// options, tests from a script (ScriptedUi).
class Ui {
 public:
  virtual ~Ui() = default;

  // Shows `text` under `caption` and returns the button pressed (kOk for a
  // plain message).
  virtual Answer Message(Caption caption, std::string_view text,
                         Buttons buttons = Buttons::kOk) = 0;

  // An input box; nullopt when the user cancels.
  virtual std::optional<std::string> Input(std::string_view title,
                                           std::string_view prompt,
                                           std::string_view initial) = 0;

  // File choice; nullopt when the user cancels. `filter` is a list such as
  // "HPGL files (*.plt)".
  virtual std::optional<std::string> ChooseOpenFile(
      std::string_view title, std::string_view filter) = 0;
  virtual std::optional<std::string> ChooseSaveFile(
      std::string_view title, std::string_view filter,
      std::string_view suggested_name) = 0;
};

}  // namespace lumtar::platform
