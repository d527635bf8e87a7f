#include "gui/qt_ui.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QRegularExpression>
#include <QStringList>

#include "gui/qt_text.h"
#include "platform/captions.h"
#include "texts/text_table.h"

namespace lumtar::gui {

using platform::Answer;
using platform::Buttons;
using platform::Caption;

namespace {

// The core writes line breaks as CR LF or LF CR; a message box wants LF.
QString MessageText(std::string_view text) {
  QString s = Q(text);
  s.replace("\r\n", "\n");
  s.replace("\n\r", "\n");
  s.replace('\r', '\n');
  return s;
}

}  // namespace

QMessageBox::StandardButtons StandardButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return QMessageBox::Ok;
    case Buttons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButtonOf(Buttons buttons) {
  return buttons == Buttons::kOk || buttons == Buttons::kOkCancel
             ? QMessageBox::Ok
             : QMessageBox::Yes;
}

QMessageBox::Icon IconOf(Caption caption) {
  switch (caption) {
    case Caption::kWarning:
      return QMessageBox::Warning;
    case Caption::kError:
    case Caption::kProblem:
      return QMessageBox::Critical;
    case Caption::kInformation:
      return QMessageBox::Information;
    case Caption::kQuestion:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

Answer AnswerOf(QMessageBox::StandardButton pressed, Buttons buttons) {
  switch (pressed) {
    case QMessageBox::Ok:
      return Answer::kOk;
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    default:
      break;
  }
  switch (buttons) {
    case Buttons::kOk:
      return Answer::kOk;
    case Buttons::kYesNo:
      return Answer::kNo;
    case Buttons::kOkCancel:
    case Buttons::kYesNoCancel:
      return Answer::kCancel;
  }
  return Answer::kCancel;
}

QString QtFilterOf(std::string_view filter) {
  const QString f = Q(filter);
  if (!f.contains('|')) return f;
  // Pairs of "description|patterns"; the patterns are offered in both
  // cases, as file names on Linux are case-sensitive.
  const QStringList parts = f.split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      const QString t = p.trimmed();
      if (!patterns.contains(t)) patterns << t;
      if (!patterns.contains(t.toLower())) patterns << t.toLower();
    }
    QString description = parts[i].trimmed();
    description.remove(QRegularExpression(R"(\s*\([^)]*\)\s*$)"));
    entries << description + " (" + patterns.join(' ') + ")";
  }
  return entries.join(";;");
}

QString DefaultExtensionOf(std::string_view filter) {
  static const QRegularExpression kPattern(R"(\*\.([A-Za-z0-9$_]+))");
  const QRegularExpressionMatch m = kPattern.match(Q(filter));
  return m.hasMatch() ? m.captured(1).toLower() : QString();
}

QString WithDefaultExtension(const QString& path, const QString& extension) {
  if (extension.isEmpty() || QFileInfo(path).fileName().contains('.'))
    return path;
  return path + "." + extension;
}

namespace {

// Qt labels its standard buttons in English unless a translation is
// installed; the program labels them in its own language.
void LabelButtons(QMessageBox& box, texts::Language language) {
  const bool german = language == texts::Language::kGerman;
  const struct {
    QMessageBox::StandardButton button;
    const char* german;
    const char* english;
  } kLabels[] = {{QMessageBox::Ok, "OK", "OK"},
                 {QMessageBox::Cancel, "Abbrechen", "Cancel"},
                 {QMessageBox::Yes, "&Ja", "&Yes"},
                 {QMessageBox::No, "&Nein", "&No"}};
  for (const auto& l : kLabels)
    if (QAbstractButton* b = box.button(l.button))
      b->setText(QString::fromUtf8(german ? l.german : l.english));
}

}  // namespace

QString CaptionOf(Caption caption, const model::Model& model) {
  return Q(platform::CaptionText(caption, model.Language));
}

QtUi::QtUi(const model::Model& model, QWidget* parent)
    : model_(model), parent_(parent) {}

Answer QtUi::Message(Caption caption, std::string_view text, Buttons buttons) {
  QMessageBox box(IconOf(caption), CaptionOf(caption, model_),
                  MessageText(text), StandardButtonsOf(buttons), parent_);
  box.setDefaultButton(DefaultButtonOf(buttons));
  LabelButtons(box, model_.Language);
  const int pressed = box.exec();
  return AnswerOf(static_cast<QMessageBox::StandardButton>(pressed), buttons);
}

std::optional<std::string> QtUi::Input(std::string_view title,
                                       std::string_view prompt,
                                       std::string_view initial) {
  bool ok = false;
  const QString value =
      QInputDialog::getText(parent_, Q(title), MessageText(prompt),
                            QLineEdit::Normal, Q(initial), &ok);
  if (!ok) return std::nullopt;
  return value.toStdString();
}

std::optional<std::string> QtUi::ChooseOpenFile(std::string_view title,
                                                std::string_view filter) {
  const QString path = QFileDialog::getOpenFileName(
      parent_, Q(title), QString(), QtFilterOf(filter));
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtUi::ChooseSaveFile(
    std::string_view title, std::string_view filter,
    std::string_view suggested_name) {
  const QString qt_filter = QtFilterOf(filter);
  QString selected;
  QString path = QFileDialog::getSaveFileName(
      parent_, Q(title), Q(suggested_name), qt_filter, &selected,
      QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return std::nullopt;
  const std::string chosen_filter =
      selected.isEmpty() ? std::string(filter) : selected.toStdString();
  const QString extension = DefaultExtensionOf(chosen_filter);
  path = WithDefaultExtension(path, extension);
  if (QFileInfo::exists(path)) {
    const std::string question =
        path.toStdString() + std::string(texts::RawText(1621, model_.Language));
    if (Message(Caption::kQuestion, question, Buttons::kYesNo) != Answer::kYes)
      return std::nullopt;
  }
  return QFile::encodeName(path).toStdString();
}

}  // namespace lumtar::gui
