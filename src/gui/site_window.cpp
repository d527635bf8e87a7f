#include "gui/site_window.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {
namespace {

using Field = app::SiteDialogModel::Field;

// Help context of the site and year dialog.
constexpr int kSiteHelpContext = 4;

QString Text(int id, texts::Language l) {
  return QString::fromUtf8(texts::RawText(id, l).data(),
                           static_cast<int>(texts::RawText(id, l).size()));
}

// The angle (0 latitude, 1 longitude, 2 zone meridian) of a field.
int AngleOf(Field f) {
  switch (f) {
    case Field::kLatitude:
    case Field::kLatDegrees:
    case Field::kLatMinutes:
    case Field::kLatSeconds:
      return 0;
    case Field::kLongitude:
    case Field::kLonDegrees:
    case Field::kLonMinutes:
    case Field::kLonSeconds:
      return 1;
    default:
      return 2;
  }
}

constexpr Field kDecimalFields[3] = {Field::kLatitude, Field::kLongitude,
                                     Field::kZoneMeridian};
constexpr Field kDegreeFields[3] = {Field::kLatDegrees, Field::kLonDegrees,
                                    Field::kZoneDegrees};

}  // namespace

SiteWindow::SiteWindow(model::Model& model, platform::Ui& ui, QWidget* parent)
    : QDialog(parent), model_(model), dialog_(model, ui) {
  setObjectName("Form6");
  Build();
  dialog_.Open();
  LoadFields();
  Retranslate();
  if (!model_.NormalWindowSize) setWindowState(Qt::WindowMaximized);
}

void SiteWindow::Build() {
  auto* outer = new QVBoxLayout(this);

  mode_box_ = new QGroupBox(this);
  auto* mode_layout = new QHBoxLayout(mode_box_);
  decimal_mode_ = new QRadioButton(mode_box_);
  sexagesimal_mode_ = new QRadioButton(mode_box_);
  mode_layout->addWidget(decimal_mode_);
  mode_layout->addWidget(sexagesimal_mode_);
  mode_layout->addStretch();
  mode_group_ = new QButtonGroup(this);
  mode_group_->addButton(decimal_mode_, 1);
  mode_group_->addButton(sexagesimal_mode_, 0);
  outer->addWidget(mode_box_);

  // One row per angle: label, decimal field, degree, minute and second
  // fields, the two hemisphere buttons and the sign note.
  auto* grid = new QGridLayout;
  for (int k = 0; k < 4; ++k) {
    head_labels_[k] = new QLabel(this);
    grid->addWidget(head_labels_[k], 0, k == 0 ? 1 : k + 1);
  }
  for (int row = 0; row < 4; ++row) {
    row_labels_[row] = new QLabel(this);
    grid->addWidget(row_labels_[row], row + 1, 0);
  }
  auto make_edit = [this](Field f, int width_chars) {
    auto* e = new QLineEdit(this);
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance('0') * width_chars +
                       12);
    e->installEventFilter(this);
    edits_[static_cast<int>(f)] = e;
    connect(e, &QLineEdit::textEdited, this, [this, f](const QString& t) {
      dialog_.Edit(f, t.toStdString());
      leave_failed_ = false;
    });
    return e;
  };
  for (int a = 0; a < 3; ++a) {
    const int row = a + 1;
    grid->addWidget(make_edit(kDecimalFields[a], 11), row, 1);
    const int first = static_cast<int>(kDegreeFields[a]);
    for (int part = 0; part < 3; ++part)
      grid->addWidget(make_edit(static_cast<Field>(first + part), 3), row,
                      2 + part);
    hemisphere_groups_[a] = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
      hemispheres_[a][i] = new QRadioButton(this);
      hemisphere_groups_[a]->addButton(hemispheres_[a][i], i);
      grid->addWidget(hemispheres_[a][i], row, 5 + i);
    }
    connect(hemisphere_groups_[a], &QButtonGroup::idClicked, this,
            [this, a](int id) { dialog_.SetHemisphere(kDegreeFields[a], id); });
    sign_notes_[a] = new QLabel(this);
    grid->addWidget(sign_notes_[a], row, 7);
  }
  grid->addWidget(make_edit(Field::kYear, 5), 4, 1);
  year_note_ = new QLabel(this);
  grid->addWidget(year_note_, 4, 2, 1, 6);
  grid->setColumnStretch(8, 1);
  outer->addLayout(grid);

  empty_note_ = new QLabel(this);
  outer->addWidget(empty_note_);
  outer->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  cancel_button_ = new QPushButton(this);
  cancel_button_->setAutoDefault(false);
  close_button_ = new QPushButton(this);
  close_button_->setDefault(true);
  buttons->addWidget(cancel_button_);
  buttons->addWidget(close_button_);
  outer->addLayout(buttons);
  connect(close_button_, &QPushButton::clicked, this, &SiteWindow::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &SiteWindow::reject);

  connect(mode_group_, &QButtonGroup::idClicked, this, [this](int id) {
    checking_ = true;
    dialog_.SetDecimalMode(id == 1);
    checking_ = false;
    LoadFields();
  });
}

void SiteWindow::LoadFields() {
  auto set = [this](Field f, const std::string& text) {
    edits_[static_cast<int>(f)]->setText(QString::fromStdString(text));
  };
  set(Field::kLatitude, dialog_.latitude);
  set(Field::kLongitude, dialog_.longitude);
  set(Field::kZoneMeridian, dialog_.zone_meridian);
  set(Field::kYear, dialog_.year);
  const app::SiteDialogModel::Angle* angles[3] = {&dialog_.lat, &dialog_.lon,
                                                  &dialog_.zone};
  for (int a = 0; a < 3; ++a) {
    const int first = static_cast<int>(kDegreeFields[a]);
    set(static_cast<Field>(first), angles[a]->degrees);
    set(static_cast<Field>(first + 1), angles[a]->minutes);
    set(static_cast<Field>(first + 2), angles[a]->seconds);
    hemispheres_[a][angles[a]->hemisphere == 0 ? 0 : 1]->setChecked(true);
  }
  (dialog_.decimal_mode ? decimal_mode_ : sexagesimal_mode_)->setChecked(true);
  UpdateEnabled();
}

void SiteWindow::UpdateEnabled() {
  const bool decimal = dialog_.decimal_mode;
  for (int a = 0; a < 3; ++a) {
    edits_[static_cast<int>(kDecimalFields[a])]->setEnabled(decimal);
    const int first = static_cast<int>(kDegreeFields[a]);
    for (int part = 0; part < 3; ++part)
      edits_[first + part]->setEnabled(!decimal);
    for (auto* b : hemispheres_[a]) b->setEnabled(!decimal);
  }
}

void SiteWindow::Retranslate() {
  const texts::Language l = model_.Language;
  const bool wizard = model_.WizardState != 0;
  setWindowTitle(wizard
                     ? QString::fromUtf8(
                           texts::TitleText(12, l).data(),
                           static_cast<int>(texts::TitleText(12, l).size())) +
                           "1"
                     : Text(1605, l));
  mode_box_->setTitle(Text(1186, l));
  decimal_mode_->setText(Text(1688, l));
  sexagesimal_mode_->setText(Text(1689, l));
  const int heads[4] = {1190, 1187, 1188, 1189};
  for (int k = 0; k < 4; ++k) head_labels_[k]->setText(Text(heads[k], l));
  const int rows[4] = {1144, 1146, 1150, 1171};
  for (int k = 0; k < 4; ++k) row_labels_[k]->setText(Text(rows[k], l));
  row_labels_[0]->setBuddy(edits_[static_cast<int>(Field::kLatitude)]);
  row_labels_[1]->setBuddy(edits_[static_cast<int>(Field::kLongitude)]);
  row_labels_[2]->setBuddy(edits_[static_cast<int>(Field::kZoneMeridian)]);
  row_labels_[3]->setBuddy(edits_[static_cast<int>(Field::kYear)]);
  const int hemisphere_texts[3][2] = {{1680, 1681}, {1682, 1683}, {1684, 1685}};
  for (int a = 0; a < 3; ++a)
    for (int i = 0; i < 2; ++i)
      hemispheres_[a][i]->setText(Text(hemisphere_texts[a][i], l));
  sign_notes_[0]->setText(Text(1686, l));
  sign_notes_[1]->setText(Text(1687, l));
  sign_notes_[2]->setText(Text(1687, l));
  year_note_->setText(Text(1000, l));
  empty_note_->setText(Text(1002, l));
  close_button_->setText(Text(wizard ? 1691 : 1610, l));
  cancel_button_->setText(Text(1690, l));
  cancel_button_->setVisible(wizard);
}

int SiteWindow::HelpContext() const { return kSiteHelpContext; }

QLineEdit* SiteWindow::Edit(Field field) const {
  return edits_[static_cast<int>(field)];
}

QRadioButton* SiteWindow::Hemisphere(Field any_field_of_angle,
                                     int index) const {
  return hemispheres_[AngleOf(any_field_of_angle)][index == 0 ? 0 : 1];
}

int SiteWindow::FieldOf(QObject* watched) const {
  for (int k = 0; k < static_cast<int>(edits_.size()); ++k)
    if (edits_[k] == watched) return k;
  return -1;
}

bool SiteWindow::eventFilter(QObject* watched, QEvent* event) {
  const int k = FieldOf(watched);
  if (k < 0) return QDialog::eventFilter(watched, event);
  const Field field = static_cast<Field>(k);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      const auto target = app::SiteDialogModel::EnterTarget(field);
      if (target) {
        Edit(*target)->setFocus(Qt::TabFocusReason);
      } else {
        close_button_->setFocus(Qt::TabFocusReason);
      }
      return true;
    }
    const QString text = key->text();
    if (text.size() == 1 && text[0].isPrint() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      const char c =
          text[0].unicode() < 128 ? static_cast<char>(text[0].unicode()) : '\0';
      if (!app::SiteDialogModel::AcceptsCharacter(field, c)) return true;
    }
  } else if (event->type() == QEvent::FocusOut) {
    // A message box or a popup taking the focus is not a field exit.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason && !checking_ && !closing_ &&
        isVisible())
      LeaveField(field);
  }
  return QDialog::eventFilter(watched, event);
}

void SiteWindow::LeaveField(Field field) {
  checking_ = true;
  const bool ok = dialog_.LeaveField(field);
  checking_ = false;
  LoadFields();
  if (ok) return;
  // The click that left the field must not run the close check again
  // (with the same message) once it is released on the close button.
  leave_failed_ = true;
  QTimer::singleShot(0, this, [this] { leave_failed_ = false; });
  FocusFailedField();
}

void SiteWindow::FocusFailedField() {
  if (!dialog_.focus) return;
  QLineEdit* e = Edit(*dialog_.focus);
  // The focus may be moving elsewhere right now (a click, Tab): claim it
  // once that move is over.
  QTimer::singleShot(0, e, [e] {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
  });
  e->setFocus(Qt::OtherFocusReason);
}

void SiteWindow::accept() {
  // A click on the close button leaves the field first; when that exit was
  // refused its message has been shown and the dialog stays open.
  if (leave_failed_) return;
  checking_ = true;
  const bool ok = dialog_.Close();
  checking_ = false;
  LoadFields();
  if (!ok) {
    FocusFailedField();
    return;
  }
  closing_ = true;
  QDialog::accept();
  closing_ = false;
}

void SiteWindow::reject() {
  dialog_.Cancel();
  closing_ = true;
  QDialog::reject();
  closing_ = false;
}

}  // namespace lumtar::gui
