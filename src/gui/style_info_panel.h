#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "model/model.h"

namespace lumtar::gui {

// "Stylus of Sundial - Information": the memo with the style information
// (or the converter's messages after a DXF save), "  &Print Info" and
// " Close ".
class StyleInfoPanel : public QWidget {
  Q_OBJECT

 public:
  StyleInfoPanel(model::Model& model, QWidget* parent = nullptr);

  void Show(const std::vector<std::string>& lines);
  const std::vector<std::string>& lines() const { return lines_; }
  void Retranslate();

  QPlainTextEdit* memo() { return memo_; }

 signals:
  void PrintRequested();
  void CloseRequested();

 private:
  model::Model& model_;
  std::vector<std::string> lines_;
  QLabel* title_;
  QPlainTextEdit* memo_;
  QPushButton* print_;
  QPushButton* close_;
};

}  // namespace lumtar::gui
