#include "gui/parameter_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {
namespace {

using app::ParamField;

// The text of one value of a range list: hours carry the hour unit,
// altitudes the degree sign.
QString RangeItem(app::HourRange r, int value, texts::Language l) {
  if (r == app::HourRange::kAltitude) return QString("%1\xC2\xB0").arg(value);
  if (r == app::HourRange::kPlanarTemporal || r == app::HourRange::kTemporal)
    return QString::number(value);
  return QString::number(value) + Text(1611, l);
}

}  // namespace

ParameterPageWidget::ParameterPageWidget(model::Model& model,
                                         app::ParameterDialogModel& dialog,
                                         QWidget* parent)
    : QWidget(parent), model_(model), dialog_(dialog) {
  fields_ =
      app::FieldsOfPage(dialog_.page(), model_.DialKind, model_.selectors);
  layout_ = app::LayoutOfPage(dialog_.page(), model_);
  Build();
  Load();
  Retranslate();
}

void ParameterPageWidget::Build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  caption_ = new QLabel(this);
  caption_->setVisible(layout_.caption_id != 0);
  outer->addWidget(caption_);

  auto* columns = new QHBoxLayout;
  outer->addLayout(columns);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  left->addWidget(BuildFields());
  for (app::PageChoice c : layout_.choices) {
    ChoiceWidgets w{c, new QGroupBox(this), new QButtonGroup(this), {}};
    auto* box_layout = new QVBoxLayout(w.box);
    const auto texts = app::ChoiceTextsOf(c);
    for (int i = 0; i < static_cast<int>(texts.item_ids.size()); ++i) {
      auto* b = new QRadioButton(w.box);
      w.group->addButton(b, i);
      box_layout->addWidget(b);
      w.buttons.push_back(b);
    }
    connect(w.group, &QButtonGroup::idClicked, this, [this, c](int id) {
      app::SetChoice(model_, c, id);
      Load();
    });
    left->addWidget(w.box);
    choices_.push_back(std::move(w));
  }
  left->addStretch();

  toggles_box_ = new QGroupBox(this);
  auto* toggle_layout = new QVBoxLayout(toggles_box_);
  for (app::PageToggle t : layout_.toggles) {
    auto* box = new QCheckBox(toggles_box_);
    toggles_[t] = box;
    toggle_layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this, t](bool on) {
      if (loading_) return;
      app::SetToggle(model_, t, on);
      Load();
    });
  }
  toggles_box_->setVisible(!layout_.toggles.empty());
  right->addWidget(toggles_box_);
  right->addWidget(BuildRanges());
  right->addStretch();

  outer->addWidget(BuildDateLines());
}

QWidget* ParameterPageWidget::BuildFields() {
  fields_box_ = new QGroupBox(this);
  auto* form = new QFormLayout(fields_box_);
  for (ParamField f : fields_) {
    auto* label = new QLabel(fields_box_);
    auto* edit = new QLineEdit(fields_box_);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance('0') * 12);
    label->setBuddy(edit);
    edit->installEventFilter(this);
    labels_[f] = label;
    edits_[f] = edit;
    form->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, f](const QString& t) { dialog_.Edit(f, t.toStdString()); });
  }
  const bool habermel = std::find(fields_.begin(), fields_.end(),
                                  ParamField::kHabermelGnomon) != fields_.end();
  diameter_label_ = new QLabel(fields_box_);
  diameter_ = new QLabel(fields_box_);
  if (habermel) {
    form->addRow(diameter_label_, diameter_);
  } else {
    diameter_label_->hide();
    diameter_->hide();
  }
  fields_box_->setVisible(!fields_.empty());
  return fields_box_;
}

QWidget* ParameterPageWidget::BuildRanges() {
  ranges_box_ = new QGroupBox(this);
  auto* grid = new QGridLayout(ranges_box_);
  for (int k = 0; k < 3; ++k) {
    range_heads_[k] = new QLabel(ranges_box_);
    grid->addWidget(range_heads_[k], 0, k + 1);
  }
  int row = 1;
  for (app::HourRange r : layout_.ranges) {
    RangeWidgets w{r, new QLabel(ranges_box_), {}};
    grid->addWidget(w.title, row, 0);
    for (int k = 0; k < 3; ++k) {
      w.lists[k] = new QComboBox(ranges_box_);
      grid->addWidget(w.lists[k], row, k + 1);
      connect(w.lists[k], &QComboBox::activated, this, [this, r, k](int i) {
        const app::HourRangeSpec s = app::RangeSpecOf(r);
        if (k == 0) app::SetRangeFrom(model_, r, s.first + i * s.step);
        if (k == 1) app::SetRangeTo(model_, r, s.first + i * s.step);
        if (k == 2) app::SetRangeInterval(model_, r, i);
        Load();
      });
    }
    ranges_.push_back(w);
    ++row;
  }
  ranges_box_->setVisible(!layout_.ranges.empty());
  return ranges_box_;
}

QWidget* ParameterPageWidget::BuildDateLines() {
  dates_box_ = new QGroupBox(this);
  auto* layout = new QHBoxLayout(dates_box_);
  date_lines_ = new QPlainTextEdit(dates_box_);
  date_lines_->setMinimumWidth(
      date_lines_->fontMetrics().horizontalAdvance('0') * 26);
  date_lines_->setMaximumHeight(date_lines_->fontMetrics().height() * 8);
  date_notes_ = new QLabel(dates_box_);
  date_notes_->setWordWrap(true);
  layout->addWidget(date_lines_);
  layout->addWidget(date_notes_, 1);
  connect(date_lines_, &QPlainTextEdit::textChanged, this, [this] {
    if (!loading_)
      app::SetDateLineText(model_, date_lines_->toPlainText().toStdString());
  });
  dates_box_->setVisible(layout_.date_lines);
  return dates_box_;
}

void ParameterPageWidget::Load() {
  loading_ = true;
  for (auto& [f, edit] : edits_) {
    const auto it = dialog_.texts.find(f);
    if (it != dialog_.texts.end())
      edit->setText(QString::fromStdString(it->second));
  }
  diameter_->setText(QString::fromStdString(dialog_.resulting_diameter));
  for (auto& [t, box] : toggles_) box->setChecked(app::ToggleValue(model_, t));
  for (auto& c : choices_) {
    const int v = app::ChoiceValue(model_, c.choice);
    if (v >= 0 && v < static_cast<int>(c.buttons.size()))
      c.buttons[v]->setChecked(true);
  }
  for (auto& w : ranges_) {
    const app::HourRangeSpec s = app::RangeSpecOf(w.range);
    const app::HourRangeValue v = app::RangeValue(model_, w.range);
    const int values[2] = {v.from, v.to};
    for (int k = 0; k < 2; ++k)
      w.lists[k]->setCurrentIndex((values[k] - s.first) / s.step);
    w.lists[2]->setCurrentIndex(v.interval);
  }
  const QString dates = QString::fromStdString(app::DateLineText(model_));
  if (date_lines_->toPlainText() != dates) date_lines_->setPlainText(dates);
  loading_ = false;
}

void ParameterPageWidget::Retranslate() {
  const texts::Language l = model_.Language;
  loading_ = true;
  if (layout_.caption_id) caption_->setText(Text(layout_.caption_id, l));
  fields_box_->setTitle(Text(1948, l));
  for (auto& [f, label] : labels_) label->setText(Q(app::FieldLabel(f, l)));
  diameter_label_->setText(Text(1170, l));
  toggles_box_->setTitle(Text(1947, l));
  for (auto& [t, box] : toggles_) box->setText(Text(app::ToggleLabelId(t), l));
  for (auto& c : choices_) {
    const auto texts = app::ChoiceTextsOf(c.choice);
    c.box->setTitle(Text(texts.title_id, l));
    for (size_t i = 0; i < c.buttons.size(); ++i)
      c.buttons[i]->setText(Text(texts.item_ids[i], l));
  }
  ranges_box_->setTitle(Text(1959, l));
  const int heads[3] = {1956, 1957, 1958};
  for (int k = 0; k < 3; ++k) range_heads_[k]->setText(Text(heads[k], l));
  for (auto& w : ranges_) {
    const app::HourRangeSpec s = app::RangeSpecOf(w.range);
    w.title->setText(Text(s.title_id, l));
    for (int k = 0; k < 2; ++k) {
      w.lists[k]->clear();
      for (int v = s.first; v <= s.last; v += s.step)
        w.lists[k]->addItem(RangeItem(w.range, v, l));
    }
    w.lists[2]->clear();
    for (int id : s.interval_ids) w.lists[2]->addItem(Text(id, l));
  }
  dates_box_->setTitle(Text(1949, l));
  QString notes;
  for (int e = 52; e <= 58; ++e) notes += Q(texts::PhraseText(e, l)) + "\n";
  notes += "\n" + Q(texts::PhraseText(61, l)) + " " +
           Q(texts::PhraseText(62, l)) + "\n" + Q(texts::PhraseText(59, l)) +
           " " + Q(texts::PhraseText(60, l)) +
           QString::number(model_.parameters.Year) + ".";
  date_notes_->setText(notes);
  loading_ = false;
  Load();
}

QLineEdit* ParameterPageWidget::Edit(ParamField field) const {
  const auto it = edits_.find(field);
  return it == edits_.end() ? nullptr : it->second;
}

QLabel* ParameterPageWidget::Label(ParamField field) const {
  const auto it = labels_.find(field);
  return it == labels_.end() ? nullptr : it->second;
}

QCheckBox* ParameterPageWidget::Toggle(app::PageToggle toggle) const {
  const auto it = toggles_.find(toggle);
  return it == toggles_.end() ? nullptr : it->second;
}

QRadioButton* ParameterPageWidget::Choice(app::PageChoice choice,
                                          int index) const {
  for (const auto& c : choices_)
    if (c.choice == choice && index >= 0 &&
        index < static_cast<int>(c.buttons.size()))
      return c.buttons[index];
  return nullptr;
}

QGroupBox* ParameterPageWidget::ChoiceBox(app::PageChoice choice) const {
  for (const auto& c : choices_)
    if (c.choice == choice) return c.box;
  return nullptr;
}

QComboBox* ParameterPageWidget::RangeList(app::HourRange range,
                                          int which) const {
  for (const auto& w : ranges_)
    if (w.range == range) return w.lists[which];
  return nullptr;
}

bool ParameterPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !checking_ && !closing_ &&
      isVisible()) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
      // Only a field the user changed is read when left: passing through
      // an untouched field (whose stored value may be a built-in default
      // outside the page's range, such as the Habermel gnomon) says
      // nothing. The close check reads every field anyway.
      for (auto& [f, edit] : edits_)
        if (edit == watched && edit->isModified()) LeaveField(f);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ParameterPageWidget::LeaveField(ParamField field) {
  checking_ = true;
  const bool ok = dialog_.Leave(field);
  checking_ = false;
  Load();
  if (ok) return;
  just_refused_ = true;
  QTimer::singleShot(0, this, [this] { just_refused_ = false; });
  FocusField(dialog_.focus.value_or(field));
}

void ParameterPageWidget::FocusField(ParamField field) {
  QLineEdit* e = Edit(field);
  if (!e) return;
  e->setFocus(Qt::OtherFocusReason);
  QTimer::singleShot(0, e, [e] {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
  });
}

}  // namespace lumtar::gui
