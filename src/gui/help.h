#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string_view>

#include "model/model.h"

namespace lumtar::gui {

// The help context numbers the windows give (dial kinds, construction
// window, calculators); 0 is the index.
inline constexpr int kHelpIndex = 0;

// The name of the help page of `context`: one page per dial family and per
// calculator, "index" for the index and for a context without a page.
QString HelpPageName(int context);

// True for the switch that turns on the help log: "/debug" or "-debug" in
// any case.
bool IsDebugSwitch(std::string_view argument);
// The help log is wanted: the switch is among `arguments` (the program's
// name first) or a file "debug.debug" lies in `program_directory`.
bool HelpLogWanted(const QStringList& arguments,
                   const std::filesystem::path& program_directory);

// Help: the page of a context as a short HTML file in the current
// language, shown by the desktop's browser through `opener`
// (QDesktopServices::openUrl in the program). The pages are built into the
// program and written to a folder under the temporary directory before
// they are shown. With a log file every call is logged there.
class Help {
 public:
  using Opener = std::function<bool(const QUrl&)>;

  Help(const model::Model& model, Opener opener,
       std::optional<std::filesystem::path> log_file = std::nullopt);

  // Shows the page of `context`; false when it could not be written or
  // shown.
  bool Show(int context);

  // The page file of `context` in `language`, written when missing; empty
  // when it cannot be written.
  QString PageFile(int context, texts::Language language);

  bool logging() const { return log_.is_open(); }

 private:
  bool WritePages(texts::Language language);
  void Log(const QString& line);

  const model::Model& model_;
  Opener opener_;
  std::ofstream log_;
  QString folder_;
};

// The file of the help log in the program directory.
std::filesystem::path HelpLogPath(
    const std::filesystem::path& program_directory);

}  // namespace lumtar::gui
