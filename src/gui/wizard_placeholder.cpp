#include "gui/wizard_placeholder.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/catalogue.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The popup-menu texts name the steps: "Input of Reference Year and
// Location", "Selection of Sundial-Type", "Input of Sundial Parameters".
int StepTextId(WindowRole role) {
  switch (role) {
    case WindowRole::kSite:
      return 1605;
    case WindowRole::kKind:
      return 1606;
    default:
      return 1607;
  }
}

}  // namespace

PlaceholderStepDialog::PlaceholderStepDialog(model::Model& model, platform::Ui&,
                                             WindowRole role, QWidget* parent)
    : QDialog(parent), model_(model), role_(role) {
  setObjectName("PlaceholderStepDialog");
  text_ = new QLabel(this);
  text_->setWordWrap(true);
  text_->setMinimumWidth(380);
  ok_ = new QPushButton(this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  Retranslate();
}

void PlaceholderStepDialog::Retranslate() {
  const texts::Language l = model_.Language;
  QString what = Q(texts::TextById(StepTextId(role_), l));
  if (role_ == WindowRole::kKind) {
    const int entry =
        model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag != 0);
    what += ":\n" +
            Q(texts::TextById(model::kKindEntries[entry].text_id, l)).trimmed();
  }
  // Stand-in text, not part of the language tables: this dialog goes away
  // when the real one is wired in.
  text_->setText(what + "\n\n(stand-in dialog: the current values are kept)");
  ok_->setText(model_.WizardState != 0 ? Q(texts::RawText(1691, l)) : "OK");
  cancel_->setText(Q(texts::RawText(1690, l)));
  cancel_->setVisible(model_.WizardState != 0);
}

int PlaceholderStepDialog::HelpContext() const {
  if (role_ == WindowRole::kKind) {
    const int entry =
        model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag != 0);
    return model::kKindEntries[entry].help_context;
  }
  return 0;
}

WindowFactories PlaceholderFactories(model::Model& model, platform::Ui& ui) {
  WindowFactories f;
  const auto step = [&model, &ui](WindowRole role) {
    return [&model, &ui, role](QWidget* parent) {
      return MakeActivity(new PlaceholderStepDialog(model, ui, role, parent));
    };
  };
  f.site = step(WindowRole::kSite);
  f.kind = step(WindowRole::kKind);
  f.parameters = step(WindowRole::kParameters);
  return f;
}

}  // namespace lumtar::gui
