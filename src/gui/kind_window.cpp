#include "gui/kind_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/parameter_fields.h"
#include "gui/qt_text.h"
#include "model/catalogue.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {
namespace {

using Field = app::KindDialogModel::Field;

// Title and first item text of each selector group.
struct SelectorTexts {
  int title;
  int first_item;
  int count;
};
constexpr SelectorTexts kSelectorTexts[5] = {
    {1181, 1100, 3},  // umbrella plane
    {1103, 1104, 3},  // altitude dials
    {1182, 1183, 2},  // azimuthal circles
    {1185, 1107, 4},  // azimuthal spacing
    {1111, 1112, 3},  // cylinder dials
};

// The label of each edit field, by Field.
int LabelIdOf(Field f) {
  switch (f) {
    case Field::kWallDeclination:
      return app::SpecOf(app::ParamField::kWallDeclination).label_id;
    case Field::kInclination:
      return app::SpecOf(app::ParamField::kInclination).label_id;
    case Field::kGnomon:
      return app::SpecOf(app::ParamField::kGnomonHeight).label_id;
    case Field::kScale:
      return app::SpecOf(app::ParamField::kCylinderScaleLength).label_id;
    case Field::kCylinderRadius:
      return app::SpecOf(app::ParamField::kCylinderRadius).label_id;
    case Field::kHabermelDiameter:
      return app::SpecOf(app::ParamField::kHabermelDiameter).label_id;
    case Field::kFocusBase:
      return app::SpecOf(app::ParamField::kFocusBase).label_id;
  }
  return 0;
}

}  // namespace

KindWindow::KindWindow(model::Model& model, platform::Ui& ui, QWidget* parent)
    : QDialog(parent), model_(model), dialog_(model, ui) {
  setObjectName("F4");
  Build();
  dialog_.Open();
  LoadFields();
  Retranslate();
  if (!model_.NormalWindowSize) setWindowState(Qt::WindowMaximized);
}

void KindWindow::BuildSelector(int which, int count) {
  Selector& s = selectors_[which];
  s.box = new QGroupBox(this);
  auto* layout = new QVBoxLayout(s.box);
  s.group = new QButtonGroup(this);
  for (int i = 0; i < count; ++i) {
    auto* b = new QRadioButton(s.box);
    s.buttons.push_back(b);
    s.group->addButton(b, i);
    layout->addWidget(b);
  }
  connect(s.group, &QButtonGroup::idClicked, this, [this, which](int id) {
    switch (which) {
      case kUmbrellaPlane:
        dialog_.SelectUmbrellaPlane(id);
        break;
      case kAltitudeDials:
        dialog_.SelectAltitudeVariant(id);
        break;
      case kAzimuthCircles:
        dialog_.SelectAzimuthCircles(id);
        break;
      case kAzimuthScale:
        dialog_.SelectAzimuthScale(id);
        break;
      case kCylinderDials:
        dialog_.SelectCylinderVariant(id);
        break;
    }
    LoadFields();
    Retranslate();
  });
}

void KindWindow::Build() {
  auto* outer = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  outer->addLayout(columns);

  kind_box_ = new QGroupBox(this);
  auto* kinds = new QVBoxLayout(kind_box_);
  kind_group_ = new QButtonGroup(this);
  for (const auto& e : model::kKindEntries) {
    auto* b = new QRadioButton(kind_box_);
    entries_[e.entry] = b;
    kind_group_->addButton(b, e.entry);
    kinds->addWidget(b);
  }
  kinds->addStretch();
  connect(kind_group_, &QButtonGroup::idClicked, this, [this](int entry) {
    dialog_.SelectEntry(entry);
    LoadFields();
    Retranslate();
  });
  columns->addWidget(kind_box_);

  auto* right = new QVBoxLayout;
  columns->addLayout(right);
  for (int k = 0; k < 5; ++k) {
    BuildSelector(k, kSelectorTexts[k].count);
    right->addWidget(selectors_[k].box);
  }
  auto* form = new QFormLayout;
  for (int k = 0; k < static_cast<int>(edits_.size()); ++k) {
    const Field f = static_cast<Field>(k);
    labels_[k] = new QLabel(this);
    edits_[k] = new QLineEdit(this);
    edits_[k]->setAlignment(Qt::AlignRight);
    edits_[k]->installEventFilter(this);
    labels_[k]->setBuddy(edits_[k]);
    form->addRow(labels_[k], edits_[k]);
    connect(edits_[k], &QLineEdit::textEdited, this,
            [this, f](const QString& t) { dialog_.Edit(f, t.toStdString()); });
  }
  right->addLayout(form);
  right->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  cancel_button_ = new QPushButton(this);
  cancel_button_->setAutoDefault(false);
  close_button_ = new QPushButton(this);
  close_button_->setDefault(true);
  buttons->addWidget(cancel_button_);
  buttons->addWidget(close_button_);
  outer->addLayout(buttons);
  connect(close_button_, &QPushButton::clicked, this, &KindWindow::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &KindWindow::reject);
}

void KindWindow::LoadFields() {
  for (int k = 0; k < static_cast<int>(edits_.size()); ++k)
    edits_[k]->setText(
        QString::fromStdString(dialog_.Text(static_cast<Field>(k))));
  UpdateFromKind();
}

void KindWindow::UpdateFromKind() {
  const int entry = dialog_.selected_entry();
  if (entries_[entry]) entries_[entry]->setChecked(true);
  const bool expert = model_.ExpertMode != 0;
  const bool shown[5] = {entry == model::kUmbrellaEntry, entry == 4, entry == 5,
                         entry == 5, entry == 6};
  const int checked[5] = {
      dialog_.umbrella_plane(), model_.selectors.AltitudeVariant,
      model_.selectors.AzimuthCircles, model_.selectors.AzimuthScale,
      model_.selectors.CylinderVariant};
  for (int k = 0; k < 5; ++k) {
    Selector& s = selectors_[k];
    s.box->setVisible(shown[k]);
    const int c = checked[k];
    if (c >= 0 && c < static_cast<int>(s.buttons.size()))
      s.buttons[c]->setChecked(true);
  }
  // Outside expert mode only the quadrant and the shepherd's dial.
  for (int k : {kAltitudeDials, kCylinderDials})
    for (int i = 1; i < static_cast<int>(selectors_[k].buttons.size()); ++i)
      selectors_[k].buttons[i]->setVisible(expert);

  const auto visible = dialog_.VisibleFields();
  for (int k = 0; k < static_cast<int>(edits_.size()); ++k) {
    const Field f = static_cast<Field>(k);
    bool on = false;
    for (Field v : visible) on = on || v == f;
    edits_[k]->setVisible(on);
    labels_[k]->setVisible(on);
  }
  const bool plane = dialog_.EditsPlane();
  edits_[static_cast<int>(Field::kWallDeclination)]->setEnabled(plane);
  edits_[static_cast<int>(Field::kInclination)]->setEnabled(plane);
}

void KindWindow::Retranslate() {
  const texts::Language l = model_.Language;
  const bool wizard = model_.WizardState != 0;
  setWindowTitle(wizard ? Q(texts::TitleText(12, l)) + "2" : Text(1606, l));
  kind_box_->setTitle(Text(1180, l));
  const auto offered = dialog_.VisibleEntries();
  for (const auto& e : model::kKindEntries) {
    QRadioButton* b = entries_[e.entry];
    b->setText(Text(e.text_id, l));
    bool on = false;
    for (int v : offered) on = on || v == e.entry;
    b->setVisible(on);
  }
  for (int k = 0; k < 5; ++k) {
    const SelectorTexts& t = kSelectorTexts[k];
    selectors_[k].box->setTitle(Text(t.title, l));
    for (int i = 0; i < t.count; ++i)
      selectors_[k].buttons[i]->setText(Text(t.first_item + i, l));
  }
  for (int k = 0; k < static_cast<int>(labels_.size()); ++k) {
    const Field f = static_cast<Field>(k);
    const int id = f == Field::kGnomon
                       ? app::SpecOf(dialog_.GnomonField()).label_id
                       : LabelIdOf(f);
    labels_[k]->setText(Text(id, l));
  }
  close_button_->setText(Text(wizard ? 1600 : 1610, l));
  cancel_button_->setText(Text(1601, l));
  cancel_button_->setVisible(wizard);
  UpdateFromKind();
}

int KindWindow::HelpContext() const { return dialog_.HelpContext(); }

QRadioButton* KindWindow::Entry(int entry) const {
  if (entry < 0 || entry >= static_cast<int>(entries_.size())) return nullptr;
  for (int v : dialog_.VisibleEntries())
    if (v == entry) return entries_[entry];
  return nullptr;
}

int KindWindow::VisibleEntryCount() const {
  int n = 0;
  for (auto* b : entries_) n += b->isVisibleTo(this) ? 1 : 0;
  return n;
}

QLineEdit* KindWindow::Edit(Field field) const {
  return edits_[static_cast<int>(field)];
}

QLabel* KindWindow::Label(Field field) const {
  return labels_[static_cast<int>(field)];
}

QGroupBox* KindWindow::SelectorBox(int which) const {
  return selectors_[which].box;
}

QRadioButton* KindWindow::SelectorButton(int which, int index) const {
  return selectors_[which].buttons[index];
}

bool KindWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit(Field::kInclination) &&
      event->type() == QEvent::FocusOut && !closing_ && isVisible()) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason && !dialog_.LeaveInclination()) {
      QApplication::beep();
      FocusField(Field::kInclination);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void KindWindow::FocusField(Field field) {
  QLineEdit* e = Edit(field);
  e->setFocus(Qt::OtherFocusReason);
  QTimer::singleShot(0, e, [e] {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
  });
}

void KindWindow::accept() {
  const bool ok = dialog_.Close();
  LoadFields();
  if (!ok) {
    if (dialog_.beep) QApplication::beep();
    if (dialog_.focus) FocusField(*dialog_.focus);
    return;
  }
  closing_ = true;
  QDialog::accept();
  closing_ = false;
}

void KindWindow::reject() {
  dialog_.Cancel();
  closing_ = true;
  QDialog::reject();
  closing_ = false;
}

}  // namespace lumtar::gui
