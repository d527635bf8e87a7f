#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::gui {

// The Ui of the desktop program: Qt message boxes under the program's own
// captions in the model's current language, input boxes and the file
// dialogs. Dialogs are parented to `parent` (the main window), so they stay
// in front of it.
class QtUi : public platform::Ui {
 public:
  QtUi(const model::Model& model, QWidget* parent = nullptr);

  platform::Answer Message(platform::Caption caption, std::string_view text,
                           platform::Buttons buttons) override;
  std::optional<std::string> Input(std::string_view title,
                                   std::string_view prompt,
                                   std::string_view initial) override;
  std::optional<std::string> ChooseOpenFile(std::string_view title,
                                            std::string_view filter) override;
  // Asks before replacing an existing file; a name without extension gets
  // the first extension of `filter`.
  std::optional<std::string> ChooseSaveFile(
      std::string_view title, std::string_view filter,
      std::string_view suggested_name) override;

  void set_parent(QWidget* parent) { parent_ = parent; }

 private:
  const model::Model& model_;
  QWidget* parent_;
};

// The pieces of a message box, apart so that tests can check them without
// a box on the screen.
QMessageBox::StandardButtons StandardButtonsOf(platform::Buttons buttons);
QMessageBox::StandardButton DefaultButtonOf(platform::Buttons buttons);
QMessageBox::Icon IconOf(platform::Caption caption);
// The answer of a pressed button; a box closed without a button (Escape,
// close box) answers Cancel, or No where there is no Cancel.
platform::Answer AnswerOf(QMessageBox::StandardButton pressed,
                          platform::Buttons buttons);

// The file-dialog filter text: entries separated by ";;" ("|" in the
// core's lists as well).
QString QtFilterOf(std::string_view filter);
// The first extension of a filter ("HPGL files (*.plt)" gives "plt"), empty
// when it offers "*" or "*.*" only.
QString DefaultExtensionOf(std::string_view filter);
// `path` with `extension` appended when its file-name part has no dot.
QString WithDefaultExtension(const QString& path, const QString& extension);

// The caption text of the model's language (the message-box title).
QString CaptionOf(platform::Caption caption, const model::Model& model);

}  // namespace lumtar::gui
