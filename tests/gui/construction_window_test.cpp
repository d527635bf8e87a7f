#include "gui/construction_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/qt_printer.h"
#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Pixels of the image that are not white.
int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

class ConstructionWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_cw_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    model_.Language = texts::Language::kEnglish;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<ConstructionWindow> Open() {
    auto w = std::make_unique<ConstructionWindow>(model_, ui_);
    w->resize(1200, 800);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->Redraw();
    return w;
  }

  void Click(ConstructionWindow& w, const char* name) {
    QTest::mouseClick(w.button(name), Qt::LeftButton);
  }

  void Wheel(ConstructionWindow& w, int delta) {
    QWidget* image = w.image_widget();
    const QPointF at(image->width() / 2.0, image->height() / 2.0);
    QWheelEvent e(at, image->mapToGlobal(at), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(image, &e);
  }

  // The PDF's first page box: width and height in points.
  static std::pair<double, double> PageSize(const fs::path& pdf) {
    const QString text = QString::fromLatin1(ReadFile(pdf));
    const QRegularExpression box(
        R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
    const auto m = box.match(text);
    if (!m.hasMatch()) return {0, 0};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
  }

  void PrintInto(ConstructionWindow& w, const fs::path& pdf) {
    const QString path = QString::fromStdString(pdf.string());
    w.SetPrinterSource([path] { return std::make_unique<QtPrinter>(path); });
  }

  fs::path dir_;
  model::Model model_;
  platform::ScriptedUi ui_;
};

TEST_F(ConstructionWindowTest, DrawsTheDefaultDial) {
  auto w = Open();
  EXPECT_EQ(w->last_status(), app::ConstructionStatus::kDone);
  EXPECT_EQ(w->image().size(), w->image_widget()->size());
  EXPECT_EQ(model_.window.ImageWidth, w->image().width());
  // A dial is lines and text: far more than a frame, far less than a fill.
  const int inked = InkedPixels(w->image());
  const int all = (w->image().width() / 2) * (w->image().height() / 2);
  EXPECT_GT(inked, all / 100);
  EXPECT_LT(inked, all / 2);
  EXPECT_EQ(w->windowTitle(), "Construction of a Vertical Sundial");
  EXPECT_EQ(w->HelpContext(), 11);
}

TEST_F(ConstructionWindowTest, EightZoomStepsDoubleAndDisplayResets) {
  auto w = Open();
  const QImage before = w->image();
  for (int i = 0; i < 8; ++i) Click(*w, "BBtnZoomIn");
  EXPECT_NEAR(model_.window.Zoom, 2.0, 1e-12);
  EXPECT_NE(w->image(), before);  // redrawn larger
  Click(*w, "BitBtnNetz");
  EXPECT_TRUE(model_.window.DrawGrid);
  Click(*w, "bitBtnZeichne");
  EXPECT_EQ(model_.window.Zoom, 1.0);
  EXPECT_FALSE(model_.window.DrawGrid);
  EXPECT_EQ(w->image(), before);
}

TEST_F(ConstructionWindowTest, MouseWheelRule) {
  auto w = Open();
  model_.window.Zoom = 1.0;
  Wheel(*w, -300);
  EXPECT_EQ(model_.window.Zoom, 1.0);
  Wheel(*w, 120);
  EXPECT_NEAR(model_.window.Zoom, 1.06, 1e-12);
}

TEST_F(ConstructionWindowTest, ClicksPlaceTheFootAndTheTextBox) {
  auto w = Open();
  const QImage before = w->image();
  QTest::mouseClick(w->image_widget(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(300, 200));
  EXPECT_TRUE(model_.window.OriginPicked);
  EXPECT_EQ(model_.window.OriginPoint.x, 300);
  EXPECT_EQ(model_.window.OriginPoint.y, 200);
  EXPECT_NE(w->image(), before);
  QTest::mouseClick(w->image_widget(), Qt::LeftButton, Qt::AltModifier,
                    QPoint(50, 600));
  EXPECT_TRUE(model_.window.LabelBoxPicked);
  EXPECT_EQ(model_.window.LabelBoxPoint.x, 50);
  EXPECT_EQ(model_.window.OriginPoint.x, 300);  // the foot stays
}

// The window and the command-line tool share the dispatch: the same model
// gives the same plot and DXF bytes.
TEST_F(ConstructionWindowTest, SavedFilesEqualTheCommandLineTool) {
  model_.Language = texts::Language::kGerman;  // the tool's built-in model
  auto w = Open();
  for (const char* format : {"hpgl", "dxf"}) {
    const bool hpgl = std::string(format) == "hpgl";
    const fs::path cli = dir_ / (std::string("cli.") + (hpgl ? "plt" : "dxf"));
    const std::string command = std::string(LUMTAR_CLI_PATH) +
                                " draw --format " + format + " -o " +
                                cli.string() + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const fs::path mine = dir_ / (std::string("win.") + (hpgl ? "plt" : "dxf"));
    ui_.files = {mine.string()};
    ui_.answers = {Answer::kNo};  // no grid of coordinates
    if (hpgl)
      w->SaveHpgl();
    else
      w->SaveDxf();
    ASSERT_TRUE(w->save_panel()->isVisible());
    QTest::mouseClick(w->save_panel()->continue_button(), Qt::LeftButton);
    EXPECT_FALSE(w->save_panel()->isVisible());
    ASSERT_TRUE(fs::exists(mine)) << format;
    const std::string expected = ReadFile(cli);
    ASSERT_FALSE(expected.empty());
    const std::string written = ReadFile(mine);
    std::size_t at = 0;
    while (at < written.size() && at < expected.size() &&
           written[at] == expected[at])
      ++at;
    EXPECT_TRUE(written == expected)
        << format << ": first difference at byte " << at << ": window \""
        << written.substr(at > 40 ? at - 40 : 0, 100) << "\" tool \""
        << expected.substr(at > 40 ? at - 40 : 0, 100) << "\"";
  }
  // No temporary plot is left behind.
  EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
}

TEST_F(ConstructionWindowTest, CancelledSaveDialogWritesNothing) {
  auto w = Open();
  ui_.files = {std::nullopt};
  w->SaveHpgl();
  QTest::mouseClick(w->save_panel()->continue_button(), Qt::LeftButton);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ConstructionWindowTest, CoordinateButtonWritesTheListBesideTheDxf) {
  auto w = Open();
  const fs::path dxf = dir_ / "dial.dxf";
  ui_.files = {dxf.string()};
  ui_.answers = {Answer::kNo};
  w->SaveCoordinates();
  EXPECT_TRUE(w->save_panel()
                  ->coordinate_button(app::CoordinateOutput::kFile)
                  ->isChecked());
  QTest::mouseClick(w->save_panel()->continue_button(), Qt::LeftButton);
  EXPECT_TRUE(fs::exists(dxf));
  EXPECT_GT(fs::file_size(dir_ / "dial.txt"), 100u);
}

TEST_F(ConstructionWindowTest, PrintsALandscapePdf) {
  auto w = Open();
  const fs::path pdf = dir_ / "dial.pdf";
  PrintInto(*w, pdf);
  Click(*w, "BitBtn3");
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
  EXPECT_GT(fs::file_size(pdf), 2000u);
  const auto [width, height] = PageSize(pdf);
  EXPECT_GT(width, height);
  EXPECT_GT(height, 0);
}

TEST_F(ConstructionWindowTest, FootOutsideTheImageAsksBeforePrinting) {
  auto w = Open();
  model_.window.OriginPicked = true;
  model_.window.OriginPoint = {-50, 10};
  const fs::path pdf = dir_ / "dial.pdf";
  PrintInto(*w, pdf);
  ui_.answers = {Answer::kYes};  // "Do you wish to cancel?"
  w->Print();
  EXPECT_FALSE(fs::exists(pdf));
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_NE(ui_.shown.back().text.find("outside"), std::string::npos);
}

TEST_F(ConstructionWindowTest, AngleTableShowsAndPrintsItsList) {
  auto w = Open();
  Click(*w, "BitBtnWinkel");
  ASSERT_TRUE(w->angle_table_shown());
  // 8..19 h in 30-minute steps: one row per hour, two columns used.
  QTableWidget* grid = w->angle_table_panel()->grid();
  EXPECT_EQ(grid->rowCount(), 12);
  EXPECT_EQ(grid->item(4, 0)->text(), "12:00");
  EXPECT_EQ(grid->item(4, 3)->text(), "12:30");
  const fs::path pdf = dir_ / "angles.pdf";
  PrintInto(*w, pdf);
  w->Print();
  ASSERT_TRUE(fs::exists(pdf));
  const auto [width, height] = PageSize(pdf);
  EXPECT_LT(width, height);  // the list prints upright
  Click(*w, "bitBtnZeichne");
  EXPECT_FALSE(w->angle_table_shown());
}

TEST_F(ConstructionWindowTest, StyleInformationPanel) {
  auto w = Open();
  Click(*w, "BitBtnStabInfo");
  const QString memo = w->style_info_panel()->memo()->toPlainText();
  EXPECT_TRUE(memo.contains("Angle of sub-style in S"));
  EXPECT_TRUE(memo.contains("35.00 mm"));
}

TEST_F(ConstructionWindowTest, ShadowPreviewIsDrawnOverTheImageOnly) {
  auto w = Open();
  const QImage before = w->image();
  w->shadow_preview()->SetMoment(QDate(2020, 6, 21), QTime(14, 0));
  EXPECT_TRUE(w->shadow_point().valid);
  EXPECT_TRUE(w->shadow_point().sun_up);
  EXPECT_EQ(w->image(), before);  // the construction image is untouched
  const QPixmap shown = w->image_widget()->grab();
  EXPECT_NE(shown.toImage().convertToFormat(QImage::Format_RGB32),
            before.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ConstructionWindowTest, ParameterAndImageButtonsSignal) {
  auto w = Open();
  QSignalSpy parameters(w.get(), &ConstructionWindow::ParametersRequested);
  QSignalSpy image(w.get(), &ConstructionWindow::ImageRequested);
  Click(*w, "BtBtnParms");
  Click(*w, "BtBtnZeigen");
  EXPECT_EQ(parameters.count(), 1);
  EXPECT_EQ(image.count(), 1);
}

TEST_F(ConstructionWindowTest, KindWithoutConstructionDisablesPlanarControls) {
  model_.DialKind = 'a';
  auto w = Open();
  EXPECT_EQ(w->last_status(), app::ConstructionStatus::kNotAvailable);
  EXPECT_FALSE(w->button("BBtnZoomIn")->isEnabled());
  EXPECT_FALSE(w->button("BitBtnWinkel")->isEnabled());
  model_.window.Zoom = 1.0;
  Wheel(*w, 120);
  EXPECT_EQ(model_.window.Zoom, 1.0);
}

}  // namespace
}  // namespace lumtar::gui
