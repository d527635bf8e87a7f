#pragma once

// Fake windows for the main window's tests: dialogs that accept or reject
// like the real ones and a plain construction window, each counting how
// often it was made.

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>
#include <map>

#include "gui/main_window_activity.h"
#include "model/model.h"
#include "texts/text_table.h"

namespace lumtar::gui::testing_fakes {

class FakeDialog : public QDialog {
 public:
  FakeDialog(model::Model& model, int text_id, QWidget* parent)
      : QDialog(parent), model_(model), text_id_(text_id) {
    label = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    Retranslate();
  }
  void Retranslate() {
    label->setText(
        QString::fromStdString(texts::TextById(text_id_, model_.Language)));
  }
  int HelpContext() const { return 10; }
  QLabel* label;

 private:
  model::Model& model_;
  int text_id_;
};

class FakeConstruction : public QWidget {
 public:
  explicit FakeConstruction(QWidget* parent) : QWidget(parent) {}
  void Retranslate() {}
  int HelpContext() const { return 11; }
};

struct Fakes {
  std::map<WindowRole, int> made;
  int printed = 0;

  WindowFactories Factories(model::Model& model) {
    WindowFactories f;
    const auto dialog = [this, &model](WindowRole role, int text_id) {
      return [this, &model, role, text_id](QWidget* parent) {
        ++made[role];
        return MakeActivity(new FakeDialog(model, text_id, parent));
      };
    };
    f.site = dialog(WindowRole::kSite, 1605);
    f.kind = dialog(WindowRole::kKind, 1606);
    f.parameters = dialog(WindowRole::kParameters, 1607);
    f.construction = [this](QWidget* parent) {
      ++made[WindowRole::kConstruction];
      ActivityWindow a = MakeActivity(new FakeConstruction(parent));
      a.print = [this] { ++printed; };
      return a;
    };
    return f;
  }
};

}  // namespace lumtar::gui::testing_fakes
