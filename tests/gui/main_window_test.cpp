#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/settings_file.h"
#include "gui/gallery.h"
#include "gui/help.h"
#include "gui_fakes.h"
#include "platform/scripted_ui.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"

namespace lumtar::gui {
namespace {

using testing_fakes::FakeDialog;
using testing_fakes::Fakes;

// A main window on fake step windows, with its program directory in a
// fresh temporary folder.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest()
      : home_(std::filesystem::path(::testing::TempDir()) /
              ("lumtar_main_" + std::to_string(::getpid()))),
        help_(model_, [](const QUrl&) { return true; }) {
    std::filesystem::create_directories(home_);
    setenv("LUMTAR_HOME", home_.c_str(), 1);
    window_ = std::make_unique<MainWindow>(model_, ui_,
                                           fakes_.Factories(model_), help_);
  }
  ~MainWindowTest() override {
    window_.reset();
    std::filesystem::remove_all(home_);
  }

  FakeDialog* Step() const {
    return dynamic_cast<FakeDialog*>(window_->wizard().current_window());
  }
  // Lets deferred deletions of closed windows run.
  static void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  QString Caption(int item) const { return window_->MenuAction(item)->text(); }

  std::filesystem::path home_;
  model::Model model_;
  platform::ScriptedUi ui_;
  Fakes fakes_;
  Help help_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, WizardLeadsFromTheSiteDialogToTheConstructionWindow) {
  window_->wizard_action()->trigger();
  EXPECT_EQ(model_.WizardState, 1);
  ASSERT_NE(Step(), nullptr);
  EXPECT_EQ(window_->OpenWindowOf(WindowRole::kSite), Step());
  // "Generate Sundial, part " and the step number, in German at start.
  EXPECT_EQ(Step()->windowTitle().toStdString(),
            std::string(texts::TitleText(12, texts::Language::kGerman)) + "1");

  Step()->accept();
  Settle();
  EXPECT_EQ(model_.WizardState, 3);
  EXPECT_EQ(window_->OpenWindowOf(WindowRole::kSite), nullptr);
  ASSERT_EQ(window_->OpenWindowOf(WindowRole::kKind), Step());
  EXPECT_TRUE(Step()->windowTitle().endsWith("2"));

  Step()->accept();
  Settle();
  EXPECT_EQ(model_.WizardState, 5);
  ASSERT_EQ(window_->OpenWindowOf(WindowRole::kParameters), Step());

  Step()->accept();
  Settle();
  EXPECT_EQ(model_.WizardState, 0);
  QWidget* construction = window_->OpenWindowOf(WindowRole::kConstruction);
  ASSERT_NE(construction, nullptr);
  EXPECT_EQ(window_->work_area()->subWindowList().size(), 1);
  EXPECT_EQ(fakes_.made[WindowRole::kSite], 1);
  EXPECT_EQ(fakes_.made[WindowRole::kKind], 1);
  EXPECT_EQ(fakes_.made[WindowRole::kParameters], 1);
  // The wizard's items are enabled again; a child window enables
  // "Close all Windows" and "Print Window".
  EXPECT_TRUE(window_->wizard_action()->isEnabled());
  EXPECT_TRUE(window_->MenuAction(8)->isEnabled());
  EXPECT_TRUE(window_->MenuAction(3)->isEnabled());
  EXPECT_TRUE(window_->MenuAction(6)->isEnabled());
}

TEST_F(MainWindowTest, StartingTheWizardTwiceIsImpossible) {
  window_->StartWizard();
  QWidget* first = Step();
  EXPECT_FALSE(window_->wizard_action()->isEnabled());
  EXPECT_FALSE(window_->MenuAction(39)->isEnabled());
  EXPECT_FALSE(window_->MenuAction(8)->isEnabled());   // Options
  EXPECT_FALSE(window_->MenuAction(23)->isEnabled());  // Calculations
  EXPECT_FALSE(window_->MenuAction(18)->isEnabled());  // Drawing
  window_->wizard_action()->trigger();
  EXPECT_FALSE(window_->wizard().Start());
  Settle();
  EXPECT_EQ(fakes_.made[WindowRole::kSite], 1);
  EXPECT_EQ(Step(), first);
  EXPECT_EQ(model_.WizardState, 1);
}

TEST_F(MainWindowTest, CancelAtAnyStepEndsTheWizardAndClosesItsWindows) {
  enum class How { kCloseBox, kPopupCancel, kCloseAllWindows };
  for (int steps = 0; steps < 3; ++steps) {
    for (How how : {How::kCloseBox, How::kPopupCancel, How::kCloseAllWindows}) {
      SCOPED_TRACE(::testing::Message() << "after " << steps << " steps, way "
                                        << static_cast<int>(how));
      window_->StartWizard();
      for (int i = 0; i < steps; ++i) {
        Step()->accept();
        Settle();
      }
      ASSERT_NE(Step(), nullptr);
      switch (how) {
        case How::kCloseBox:
          Step()->close();
          break;
        case How::kPopupCancel:
          window_->CurrentPopup()->actions()[1]->trigger();
          break;
        case How::kCloseAllWindows:
          window_->MenuAction(3)->trigger();
          break;
      }
      Settle();
      EXPECT_EQ(model_.WizardState, 0);
      EXPECT_FALSE(window_->AnyWindowOpen());
      EXPECT_EQ(fakes_.made[WindowRole::kConstruction], 0);
      EXPECT_TRUE(window_->wizard_action()->isEnabled());
      EXPECT_FALSE(window_->MenuAction(3)->isEnabled());
    }
  }
}

TEST_F(MainWindowTest, WizardPopupOffersNextCancelAndHelp) {
  const auto texts_of = [](QMenu* menu) {
    QStringList t;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) t << a->text();
    return t;
  };
  model_.Language = texts::Language::kEnglish;
  window_->ApplyLanguage();
  // The normal popup while no wizard runs.
  EXPECT_TRUE(texts_of(window_->CurrentPopup()).contains("  Close"));
  window_->StartWizard();
  EXPECT_EQ(texts_of(window_->CurrentPopup()),
            QStringList({"&Next... >", "&Cancel", "&Help"}));
  window_->CurrentPopup()->actions()[0]->trigger();  // Next
  Settle();
  EXPECT_EQ(model_.WizardState, 3);
}

TEST_F(MainWindowTest, LanguageSwitchRewritesMenusAndOpenWindows) {
  window_->OpenActivity(WindowRole::kSite);
  auto* site =
      dynamic_cast<FakeDialog*>(window_->OpenWindowOf(WindowRole::kSite));
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(Caption(1), "  &Dateien  ");
  EXPECT_EQ(site->label->text(), "Eingabe von Bezugsjahr und Standort");
  EXPECT_TRUE(window_->MenuAction(42)->isChecked());

  window_->MenuAction(43)->trigger();  // Ctrl+E
  EXPECT_EQ(model_.Language, texts::Language::kEnglish);
  // The menu captions of the language tables, in menu order.
  EXPECT_EQ(Caption(1), "  &Files  ");
  EXPECT_EQ(Caption(38), "Show &Help File");
  EXPECT_EQ(Caption(45), "&About");
  EXPECT_TRUE(Caption(39).startsWith("&Generate Dial (Wizard)"));
  EXPECT_TRUE(window_->MenuAction(43)->isChecked());
  EXPECT_FALSE(window_->MenuAction(42)->isChecked());
  EXPECT_EQ(site->label->text(), "Input of Reference Year and Location");

  window_->MenuAction(42)->trigger();  // Ctrl+D
  EXPECT_EQ(Caption(1), "  &Dateien  ");
  EXPECT_EQ(site->label->text(), "Eingabe von Bezugsjahr und Standort");
}

TEST_F(MainWindowTest, LanguageSwitchReopensTheKindDialog) {
  window_->OpenActivity(WindowRole::kKind);
  window_->SetLanguage(texts::Language::kEnglish);
  Settle();
  EXPECT_EQ(fakes_.made[WindowRole::kKind], 2);
  EXPECT_NE(window_->OpenWindowOf(WindowRole::kKind), nullptr);
}

TEST_F(MainWindowTest, ExpertModeOffTurnsACompressedDialIntoAHorizontalOne) {
  model_.ExpertMode = 1;
  model_.DialKind = 'c';
  model_.selectors.CylinderVariant = 2;
  model_.values.RingHoleOffset = 5;
  window_->ToggleExpertMode();
  EXPECT_EQ(model_.ExpertMode, 0);
  EXPECT_EQ(model_.DialKind, 'h');
  EXPECT_EQ(model_.selectors.CylinderVariant, 0);
  EXPECT_EQ(model_.values.RingHoleOffset, 0);
  EXPECT_DOUBLE_EQ(model_.values.RingHoleOffset2, model_.values.Obliquity / 2);
  EXPECT_FALSE(window_->MenuAction(40)->isChecked());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text,
            texts::MessageText(67, texts::Language::kGerman));

  // On again: the mean-time kind stays, the message says " ein!".
  model_.DialKind = 'm';
  window_->ToggleExpertMode();
  EXPECT_EQ(model_.DialKind, 'm');
  EXPECT_TRUE(window_->MenuAction(40)->isChecked());
  EXPECT_EQ(
      ui_.shown.back().text,
      std::string(texts::MessageText(68, texts::Language::kGerman)) + " ein!");
}

TEST_F(MainWindowTest, ExpertModeClosesTheConstructionOrReopensTheKindDialog) {
  window_->OpenActivity(WindowRole::kKind);
  window_->ToggleExpertMode();
  Settle();
  EXPECT_EQ(fakes_.made[WindowRole::kKind], 2);
  EXPECT_NE(window_->OpenWindowOf(WindowRole::kKind), nullptr);

  window_->OpenActivity(WindowRole::kConstruction);
  Settle();
  ASSERT_NE(window_->OpenWindowOf(WindowRole::kConstruction), nullptr);
  window_->ToggleExpertMode();
  Settle();
  EXPECT_FALSE(window_->AnyWindowOpen());
}

TEST_F(MainWindowTest, OneActivityWindowAtATimeAndTheGalleryWhenNone) {
  auto* stack = window_->gallery()->parentWidget();
  ASSERT_NE(stack, nullptr);
  EXPECT_TRUE(window_->gallery()->isVisibleTo(window_.get()));
  window_->OpenActivity(WindowRole::kSite);
  window_->OpenActivity(WindowRole::kConstruction);
  Settle();
  EXPECT_EQ(window_->OpenWindowOf(WindowRole::kSite), nullptr);
  EXPECT_NE(window_->OpenWindowOf(WindowRole::kConstruction), nullptr);
  EXPECT_FALSE(window_->gallery()->isVisibleTo(window_.get()));
  window_->CloseAllOrCancel();
  Settle();
  EXPECT_FALSE(window_->AnyWindowOpen());
  EXPECT_TRUE(window_->gallery()->isVisibleTo(window_.get()));
  EXPECT_FALSE(window_->MenuAction(6)->isEnabled());
}

TEST_F(MainWindowTest, F3PrintsTheActiveWindowAndDoesNothingWithoutOne) {
  window_->PrintActive();
  EXPECT_EQ(fakes_.printed, 0);
  EXPECT_FALSE(window_->MenuAction(5)->isEnabled());
  window_->OpenActivity(WindowRole::kConstruction);
  EXPECT_TRUE(window_->MenuAction(5)->isEnabled());
  window_->PrintActive();
  EXPECT_EQ(fakes_.printed, 1);
}

TEST_F(MainWindowTest, TheConstructionWindowNeedsAcceptedParameters) {
  model_.ParametersValid = false;
  window_->OpenActivity(WindowRole::kConstruction);
  EXPECT_EQ(fakes_.made[WindowRole::kConstruction], 0);
  model_.ParametersValid = true;
  model_.DialogsValid = false;
  window_->OpenActivity(WindowRole::kSite);
  EXPECT_EQ(fakes_.made[WindowRole::kSite], 0);
}

TEST_F(MainWindowTest, StartUpReadsLumIniAndAppliesItsLanguage) {
  // lum.ini of the defaults with the language switched to English.
  model::Model english;
  english.Language = texts::Language::kEnglish;
  platform::ScriptedUi quiet;
  ASSERT_TRUE(app::WriteSettingsFile(home_ / "lum.ini", english, quiet));
  model_.TwilightKind = 0;
  window_->StartUp();
  EXPECT_EQ(model_.Language, texts::Language::kEnglish);
  EXPECT_EQ(Caption(1), "  &Files  ");
  EXPECT_EQ(model_.TwilightKind, 2);  // astronomical
}

TEST_F(MainWindowTest, HintsSwitchBothCheckMarks) {
  EXPECT_FALSE(window_->hints_on());
  window_->MenuAction(44)->trigger();
  EXPECT_TRUE(window_->hints_on());
  EXPECT_TRUE(window_->MenuAction(44)->isChecked());
  window_->SetHints(false);
  EXPECT_FALSE(window_->MenuAction(44)->isChecked());
}

// The program's own windows: the same walk, each dialog closed by its
// default button with the values it opened with.
TEST_F(MainWindowTest, WizardWalksThroughTheProgramsOwnWindows) {
  MainWindow window(model_, ui_, DefaultWindowFactories(model_, ui_), help_);
  const auto press_default = [&] {
    auto* dialog = qobject_cast<QDialog*>(window.wizard().current_window());
    ASSERT_NE(dialog, nullptr);
    dialog->accept();
    Settle();
  };
  window.StartWizard();
  ASSERT_NE(window.OpenWindowOf(WindowRole::kSite), nullptr);
  press_default();
  ASSERT_NE(window.OpenWindowOf(WindowRole::kKind), nullptr);
  press_default();
  ASSERT_NE(window.OpenWindowOf(WindowRole::kParameters), nullptr);
  press_default();
  EXPECT_EQ(model_.WizardState, 0);
  EXPECT_NE(window.OpenWindowOf(WindowRole::kConstruction), nullptr);
  EXPECT_TRUE(ui_.shown.empty()) << ui_.shown.front().text;
}

TEST_F(MainWindowTest, LanguageSwitchRetranslatesTheOpenSiteDialog) {
  MainWindow window(model_, ui_, DefaultWindowFactories(model_, ui_), help_);
  window.OpenActivity(WindowRole::kSite);
  QWidget* site = window.OpenWindowOf(WindowRole::kSite);
  ASSERT_NE(site, nullptr);
  const auto has_label = [site](const QString& text) {
    for (const QLabel* label : site->findChildren<QLabel*>())
      if (label->text() == text) return true;
    return false;
  };
  EXPECT_TRUE(has_label("(Süd ist neg.)"));
  window.MenuAction(43)->trigger();
  EXPECT_TRUE(has_label("(South is neg.)"));
  EXPECT_FALSE(has_label("(Süd ist neg.)"));
}

TEST_F(MainWindowTest, F1ShowsTheHelpPageOfTheActiveWindow) {
  std::vector<QUrl> opened;
  Help help(model_, [&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  MainWindow window(model_, ui_, fakes_.Factories(model_), help);
  window.MenuAction(38)->trigger();  // no window: the index
  window.OpenActivity(WindowRole::kConstruction);
  window.ShowHelp();  // the fake construction window gives context 11
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_TRUE(opened[0].toLocalFile().endsWith("/de/index.html"));
  EXPECT_TRUE(opened[1].toLocalFile().endsWith("/de/planar.html"));
}

TEST_F(MainWindowTest, ExpertModeDuringTheKindStepReopensItAndTheWizardGoesOn) {
  window_->StartWizard();
  Step()->accept();
  Settle();
  ASSERT_EQ(window_->OpenWindowOf(WindowRole::kKind), Step());
  window_->ToggleExpertMode();
  Settle();
  EXPECT_EQ(fakes_.made[WindowRole::kKind], 2);
  EXPECT_EQ(model_.WizardState, 3);
  ASSERT_EQ(window_->OpenWindowOf(WindowRole::kKind), Step());
  Step()->accept();
  Settle();
  EXPECT_EQ(model_.WizardState, 5);
  EXPECT_NE(window_->OpenWindowOf(WindowRole::kParameters), nullptr);
}

}  // namespace
}  // namespace lumtar::gui
