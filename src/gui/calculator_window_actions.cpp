#include <QCloseEvent>
#include <QKeyEvent>

#include "gui/calculator_window.h"
#include "gui/qt_printer.h"
#include "gui/qt_text.h"

namespace lumtar::gui {

namespace {

using Field = tables::Calculator::Field;

constexpr Field kAllFields[] = {
    Field::kYear,     Field::kMonth,        Field::kDay,  Field::kLongitude,
    Field::kLatitude, Field::kZoneMeridian, Field::kTime, Field::kAzimuth,
};

}  // namespace

void CalculatorWindow::ToModel() {
  const auto get = [this](Field f) { return field(f)->text().toStdString(); };
  calc_.year = get(Field::kYear);
  calc_.month = get(Field::kMonth);
  calc_.day = get(Field::kDay);
  calc_.longitude = get(Field::kLongitude);
  calc_.latitude = get(Field::kLatitude);
  calc_.zone_meridian = get(Field::kZoneMeridian);
  calc_.time = get(Field::kTime);
  calc_.azimuth = get(Field::kAzimuth);
}

void CalculatorWindow::FromModel() {
  syncing_ = true;
  const auto set = [this](Field f, const std::string& text) {
    QLineEdit* e = field(f);
    if (e->text() != Q(text)) e->setText(Q(text));
  };
  set(Field::kYear, calc_.year);
  set(Field::kMonth, calc_.month);
  set(Field::kDay, calc_.day);
  set(Field::kLongitude, calc_.longitude);
  set(Field::kLatitude, calc_.latitude);
  set(Field::kZoneMeridian, calc_.zone_meridian);
  set(Field::kTime, calc_.time);
  set(Field::kAzimuth, calc_.azimuth);

  const tables::Calculator::Labels& l = calc_.labels();
  const std::pair<const char*, const std::string*> values[] = {
      {"LblAufgang", &l.sunrise},
      {"LblUntergang", &l.sunset},
      {"LblDaemmBeginn", &l.twilight_begin},
      {"LblDaemmEnde", &l.twilight_end},
      {"LblMondAuf", &l.moonrise},
      {"LblMondUnter", &l.moonset},
      {"LblZgl1", &l.equation_of_time},
      {"LblDekl1", &l.declination},
      {"LblHoehe", &l.altitude},
      {"LblAzimut", &l.azimuth},
      {"LblZgl2", &l.equation_of_time},
      {"LblDekl2", &l.declination},
      {"LblZeit", &l.time},
      {"LblHoehe4", &l.altitude},
      {"LblZgl8", &l.equation_of_time},
      {"LblDekl8", &l.declination},
  };
  for (const auto& [name, text] : values)
    label(name)->setText(Q(*text).trimmed());
  for (QAction* a : {print_ff_action_, print_noff_action_, print_page_action_})
    a->setEnabled(calc_.print_enabled());

  if (calc_.focus) {
    QWidget* target = nullptr;
    if (*calc_.focus == Field::kCalculate)
      target = button("BtnBerechnung");
    else if (*calc_.focus == Field::kClose)
      target = button("BtnSchliessen");
    else
      target = field(*calc_.focus);
    if (target) target->setFocus();
  }
  syncing_ = false;
}

void CalculatorWindow::ShowResult() {
  QStringList lines;
  for (const std::string& line : calc_.ResultList()) lines << Q(line);
  result_view_->setPlainText(lines.join('\n'));
}

void CalculatorWindow::Leave(Field f) {
  ToModel();
  switch (f) {
    case Field::kYear:
      calc_.LeaveYear();
      break;
    case Field::kMonth:
      calc_.LeaveMonth();
      break;
    case Field::kDay:
      calc_.LeaveDay();
      break;
    case Field::kLongitude:
      calc_.LeaveLongitude();
      break;
    case Field::kLatitude:
      calc_.LeaveLatitude();
      break;
    case Field::kZoneMeridian:
      calc_.LeaveZoneMeridian();
      break;
    case Field::kTime:
      calc_.LeaveTime();
      break;
    default:
      return;
  }
  FromModel();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || syncing_) return QWidget::eventFilter(watched, event);
  Field f = Field::kYear;
  bool known = false;
  for (Field candidate : kAllFields) {
    if (field(candidate) == edit) {
      f = candidate;
      known = true;
    }
  }
  if (!known) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    Leave(f);
  } else if (event->type() == QEvent::KeyPress && f == Field::kTime) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Enter moves on to "Berechnung"; leaving the field reads it.
      calc_.TimeKey('\r');
      if (calc_.focus == Field::kCalculate) {
        calc_.focus.reset();
        button("BtnBerechnung")->setFocus();
      }
      return true;
    }
    const QString text = key->text();
    const bool editing =
        key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    if (!editing && text.size() == 1 && text[0].unicode() >= 0x80)
      return true;  // no letters beyond ASCII in a time
    if (!editing && text.size() == 1 && text[0].unicode() >= 0x20 &&
        text[0].unicode() < 0x7f) {
      const char c = static_cast<char>(text[0].unicode());
      const std::optional<char> passed = calc_.TimeKey(c);
      if (!passed) return true;
      if (*passed != c) {
        edit->insert(QString(QChar(*passed)));
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool CalculatorWindow::Calculate() {
  ToModel();
  const bool ok = calc_.Calculate();
  FromModel();
  ShowResult();
  return ok;
}

void CalculatorWindow::ShowTables() {
  ToModel();
  const auto request = calc_.ShowTables();
  FromModel();
  ShowResult();
  if (!request) return;
  emit TablesRequested(*request);
  close();
}

void CalculatorWindow::ChooseMoreTables(tables::Calculator::MoreTables entry) {
  ToModel();
  const auto request = calc_.ChooseMoreTables(entry);
  FromModel();
  ShowResult();
  if (!request) return;
  emit TablesRequested(*request);
  close();
}

std::unique_ptr<platform::Printer> CalculatorWindow::MakePrinter() {
  if (printer_source_) return printer_source_();
  return ChoosePrinter(ProgramQPrinter(), std::nullopt, this);
}

tables::TextChannel& CalculatorWindow::Channel() {
  if (!channel_) {
    printer_ =
        std::make_unique<DeferredPrinter>([this] { return MakePrinter(); });
    channel_ = std::make_unique<tables::TextChannel>(*printer_);
  }
  return *channel_;
}

bool CalculatorWindow::print_channel_open() const {
  return channel_ && channel_->open();
}

// The result list stays on the screen after printing; the calculator
// clears only its print buffer.
void CalculatorWindow::Print() {
  ToModel();
  calc_.Print(Channel());
  FromModel();
}

void CalculatorWindow::PrintWithFormFeed() {
  ToModel();
  calc_.PrintWithFormFeed(Channel());
  FromModel();
}

void CalculatorWindow::PrintWithoutFormFeed() {
  ToModel();
  calc_.PrintWithoutFormFeed(Channel());
  FromModel();
}

void CalculatorWindow::PrintPage() { calc_.PrintPage(Channel()); }

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  ToModel();
  if (!calc_.Close()) {
    FromModel();
    event->ignore();
    return;
  }
  // A page left open by "without form feed" is ejected, not lost.
  if (print_channel_open()) calc_.PrintPage(*channel_);
  emit Closing();
  event->accept();
}

}  // namespace lumtar::gui
