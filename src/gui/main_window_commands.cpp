// The main window's commands: settings files, switches, help, printing.
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <filesystem>

#include "app/catalogue_rules.h"
#include "app/program_directory.h"
#include "app/settings_file.h"
#include "gui/construction_window.h"
#include "gui/help.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {

using platform::Caption;

void MainWindow::StartUp() {
  const texts::Language l = model_.Language;
  // A small screen with large fonts may cut windows off.
  if (const QScreen* screen = this->screen()) {
    const QSize size = screen->size();
    const bool large_fonts = screen->logicalDotsPerInch() >= 120;
    if (size.width() < 1000 && large_fonts) {
      const std::string text =
          std::string(texts::MessageText(50, l)) +
          std::to_string(size.width()) + " x " + std::to_string(size.height()) +
          std::string(texts::MessageText(large_fonts ? 51 : 52, l)) + "\n\r" +
          std::string(texts::MessageText(19, l));
      ui_.Message(Caption::kInformation, text);
    }
  }
  app::ReadSettingsFile(app::SettingsPath(),
                        app::SettingsSource::kStartConfiguration, model_, ui_);
  model_.TwilightKind = 2;  // astronomical
  if (model_.DateLineList.empty())
    model_.DateLineList = model::kDefaultDateLines;
  ApplyLanguage();
  // The zodiac signs stand in for the Wingdings glyphs in DejaVu Sans.
  if (!QFontDatabase::families().contains("DejaVu Sans"))
    ui_.Message(Caption::kWarning,
                texts::TwoLineMessage(60, 61, model_.Language));
}

void MainWindow::ToggleExpertMode() {
  model_.ExpertMode = model_.ExpertMode ? 0 : 1;
  const texts::Language l = model_.Language;
  if (model_.ExpertMode) {
    ui_.Message(Caption::kInformation,
                std::string(texts::MessageText(68, l)) +
                    std::string(texts::RawText(1617, l)));
  } else {
    ui_.Message(Caption::kInformation, texts::MessageText(67, l));
    model::ConstructionValues& v = model_.values;
    v.RingHoleOffset = 0;
    v.RingHoleOffset2 = v.Obliquity / 2;
    v.RingHoleOffset3 = -v.Obliquity / 2;
    app::ApplyExpertModeToKind(model_);
    model_.selectors.CylinderVariant = 0;
  }
  items_[40]->setChecked(model_.ExpertMode != 0);
  // Lists that depend on the mode are built again.
  if (QWidget* w = OpenWindowOf(WindowRole::kConstruction)) {
    if (w->parentWidget())
      w->parentWidget()->close();
    else
      w->close();
  } else if (OpenWindowOf(WindowRole::kKind)) {
    Reopen(WindowRole::kKind);
  } else if (OpenWindowOf(WindowRole::kParameters)) {
    Reopen(WindowRole::kParameters);
  }
}

void MainWindow::SetLanguage(texts::Language language) {
  model_.Language = language;
  ApplyLanguage();
  if (OpenWindowOf(WindowRole::kKind)) Reopen(WindowRole::kKind);
}

void MainWindow::SetHints(bool on) {
  hints_on_ = on;
  items_[44]->setChecked(on);
  popup_hints_->setChecked(on);
  if (!on) QToolTip::hideText();
}

void MainWindow::ShowHelp() {
  const OpenEntry* e = ActiveEntry();
  const int context =
      e && e->window.help_context ? e->window.help_context() : 0;
  if (help_.Show(context)) return;
  const QString page = help_.PageFile(context, model_.Language);
  const texts::Language l = model_.Language;
  if (page.isEmpty()) {
    ui_.Message(Caption::kInformation,
                std::string(texts::RawText(1614, l)) +
                    HelpPageName(context).toStdString() + ".html" +
                    std::string(texts::RawText(1615, l)));
  } else {
    // No browser could be started: say where the page is.
    statusBar()->showMessage(page, 10000);
  }
}

void MainWindow::PrintActive() {
  const OpenEntry* e = ActiveEntry();
  if (e && e->window.print) e->window.print();
}

void MainWindow::PrinterSetup() {
  QPrintDialog dialog(&printer(), this);
  dialog.exec();
}

void MainWindow::PrintWindowImage() {
  const OpenEntry* e = ActiveEntry();
  if (e == nullptr) return;
  QWidget* shown = e->frame ? e->frame.data() : e->widget.data();
  if (shown == nullptr) return;
  const QImage image = shown->grab().toImage();
  QPrinter& p = printer();
  const int screen_width = screen() ? screen()->size().width() : 1024;
  p.setPageOrientation(image.width() >= screen_width / 2
                           ? QPageLayout::Landscape
                           : QPageLayout::Portrait);
  QPrintDialog dialog(&p, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&p)) {
    ui_.Message(Caption::kError, texts::MessageText(42, model_.Language));
    return;
  }
  const QRect page = painter.viewport();
  painter.fillRect(page, Qt::white);
  const QSize fitted = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(page.topLeft(), fitted), image);
  painter.end();
}

void MainWindow::SaveSettings() {
  // The colour lines already in lum.ini stay; the colour panel saves
  // colours.
  const std::filesystem::path file = app::SettingsPath();
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  app::WriteSettingsFile(file, model_, ui_, exists ? &file : nullptr);
}

void MainWindow::ReloadSettings() {
  CloseAllOrCancel();
  app::ReadSettingsFile(app::SettingsPath(),
                        app::SettingsSource::kStartConfiguration, model_, ui_);
  ApplyLanguage();
}

void MainWindow::LoadDefaults() {
  CloseAllOrCancel();
  app::ResetSettingsToDefaults(model_);
}

void MainWindow::SaveConstructionData() {
  const texts::Language l = model_.Language;
  const auto chosen = ui_.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveConstruction, l),
      texts::TitleText(29, l), "");
  if (!chosen) return;
  app::WriteSettingsFile(*chosen, model_, ui_);
}

void MainWindow::LoadConstructionData() {
  const texts::Language l = model_.Language;
  const auto chosen = ui_.ChooseOpenFile(
      texts::CaptionPairText(texts::CaptionPair::kLoadConstruction, l),
      texts::TitleText(46, l));
  if (!chosen) return;
  CloseAllOrCancel();
  const std::filesystem::path file = *chosen;
  app::ReadSettingsFile(file, app::SettingsSourceOf(file), model_, ui_);
  ApplyLanguage();
}

void MainWindow::SaveDateLines() {
  app::SaveDateLinesFile(app::DateLinesPath(), model_, ui_);
}

void MainWindow::LoadDateLines() {
  app::LoadDateLinesFile(app::DateLinesPath(), model_, ui_);
  if (OpenWindowOf(WindowRole::kParameters)) Reopen(WindowRole::kParameters);
}

void MainWindow::SetScreenFormat(bool a4) {
  screen_format_a4_ = a4;
  items_[20]->setChecked(a4);
  items_[21]->setChecked(!a4);
  if (model_.window.PrintLikeScreen == a4) return;
  model_.window.PrintLikeScreen = a4;
  if (auto* c = qobject_cast<ConstructionWindow*>(
          OpenWindowOf(WindowRole::kConstruction)))
    c->SetPrintLikeScreen(a4);
}

void MainWindow::ShowAbout() {
  const texts::Language l = model_.Language;
  QDialog about(this);
  about.setWindowTitle(Q(texts::MenuCaption(45, l)).remove('&'));
  auto* text = new QLabel(&about);
  text->setText(QString("<h2>Lumtar</h2><p>Version%1</p><p>%2</p>")
                    .arg(kVersionText)
                    .arg(Q(texts::RawText(1622, l))));
  auto* ok = new QPushButton("O&K", &about);
  connect(ok, &QPushButton::clicked, &about, &QDialog::accept);
  auto* layout = new QVBoxLayout(&about);
  layout->addWidget(text);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  about.exec();
}

}  // namespace lumtar::gui
