#include "gui/qt_ui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace lumtar::gui {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Caption;

TEST(QtUi, ButtonSetsAndAnswers) {
  struct Case {
    Buttons buttons;
    QMessageBox::StandardButtons shown;
    QMessageBox::StandardButton pressed;
    Answer answer;
  };
  const Case cases[] = {
      {Buttons::kOk, QMessageBox::Ok, QMessageBox::Ok, Answer::kOk},
      {Buttons::kOkCancel, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Cancel, Answer::kCancel},
      {Buttons::kYesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
       Answer::kNo},
      {Buttons::kYesNoCancel,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       QMessageBox::Yes, Answer::kYes},
      // Closed without a button: Cancel where there is one, else No.
      {Buttons::kYesNo, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::NoButton, Answer::kNo},
      {Buttons::kYesNoCancel,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       QMessageBox::NoButton, Answer::kCancel},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StandardButtonsOf(c.buttons), c.shown);
    EXPECT_EQ(AnswerOf(c.pressed, c.buttons), c.answer);
  }
}

TEST(QtUi, IconsByCaption) {
  EXPECT_EQ(IconOf(Caption::kWarning), QMessageBox::Warning);
  EXPECT_EQ(IconOf(Caption::kError), QMessageBox::Critical);
  EXPECT_EQ(IconOf(Caption::kProblem), QMessageBox::Critical);
  EXPECT_EQ(IconOf(Caption::kInformation), QMessageBox::Information);
  EXPECT_EQ(IconOf(Caption::kQuestion), QMessageBox::Question);
}

TEST(QtUi, FiltersOfTheLanguageTablesBecomeQtFilters) {
  EXPECT_EQ(QtFilterOf("Text file (*.TXT)|*.TXT|Excel file (*.CSV)|*.CSV"),
            "Text file (*.TXT *.txt);;Excel file (*.CSV *.csv)");
  EXPECT_EQ(QtFilterOf("Start Configuration (*.ini,*.lum)|*.ini;*.lum|All "
                       "Files (*.*)|*.*"),
            "Start Configuration (*.ini *.lum);;All Files (*.*)");
  EXPECT_EQ(QtFilterOf("HPGL files (*.plt)"), "HPGL files (*.plt)");
  EXPECT_EQ(DefaultExtensionOf("Text file (*.TXT)|*.TXT"), "txt");
  EXPECT_EQ(DefaultExtensionOf("All Files (*.*)"), "");
  EXPECT_EQ(WithDefaultExtension("/tmp/dial", "lum"), "/tmp/dial.lum");
  EXPECT_EQ(WithDefaultExtension("/tmp/dial.plt", "lum"), "/tmp/dial.plt");
  EXPECT_EQ(WithDefaultExtension("/tmp/a.b/dial", "lum"), "/tmp/a.b/dial.lum");
}

TEST(QtUi, MessageBoxCarriesTheCaptionOfTheCurrentLanguage) {
  model::Model model;
  QtUi ui(model);
  QString title, text, no_label;
  QMessageBox::StandardButtons buttons;
  // Answers the box as soon as it is shown.
  const auto answer_no = [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    buttons = box->standardButtons();
    no_label = box->button(QMessageBox::No)->text();
    box->button(QMessageBox::No)->click();
  };
  QTimer::singleShot(0, answer_no);
  EXPECT_EQ(ui.Message(Caption::kWarning, "one\r\ntwo", Buttons::kYesNo),
            Answer::kNo);
  EXPECT_EQ(title, "LUMTAR.EXE - Warnung!");
  EXPECT_EQ(text, "one\ntwo");
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(no_label, "&Nein");  // the buttons speak the program's language

  model.Language = texts::Language::kEnglish;
  QTimer::singleShot(0, answer_no);
  ui.Message(Caption::kQuestion, "?", Buttons::kYesNoCancel);
  EXPECT_EQ(title, "LUMTAR.EXE - Question");
  EXPECT_EQ(no_label, "&No");
}

}  // namespace
}  // namespace lumtar::gui
