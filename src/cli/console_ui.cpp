#include "cli/console_ui.h"

#include "platform/captions.h"

namespace lumtar::cli {

platform::Answer ConsoleUi::Message(platform::Caption caption,
                                    std::string_view text,
                                    platform::Buttons buttons) {
  // Multi-line message texts become one line of the error stream.
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  err_ << platform::CaptionText(caption, language_) << ": " << line << "\n";
  return buttons == platform::Buttons::kOk ||
                 buttons == platform::Buttons::kOkCancel
             ? platform::Answer::kOk
             : platform::Answer::kYes;
}

}  // namespace lumtar::cli
