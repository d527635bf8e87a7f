#include "gui/graph_window.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
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
using platform::Caption;
using tables::GraphKind;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

class GraphWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_graph_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "home");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<GraphWindow> Open(GraphKind kind) {
    auto w = std::make_unique<GraphWindow>(model_, ui_, nullptr, kind);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
  }

  // The command-line tool's graph file for its built-in settings.
  fs::path Cli(const std::string& args, const std::string& name) {
    const fs::path out = dir_ / name;
    const std::string command = "LUMTAR_HOME=" + (dir_ / "home").string() +
                                " " + LUMTAR_CLI_PATH + " graph " + args +
                                " -o " + out.string() + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return out;
  }

  fs::path dir_;
  model::Model model_;  // the built-in settings, as the tool has them
  platform::ScriptedUi ui_;
};

TEST_F(GraphWindowTest, DrawsEachGraph) {
  for (GraphKind kind :
       {GraphKind::kEot, GraphKind::kSunPathRect, GraphKind::kSunPathPolar}) {
    auto w = Open(kind);
    const QImage& image = w->image();
    EXPECT_EQ(image.size(), w->image_widget()->size());
    const int all = (image.width() / 2) * (image.height() / 2);
    const int inked = InkedPixels(image);
    EXPECT_GT(inked, all / 100) << static_cast<int>(kind);
    EXPECT_LT(inked, all / 2) << static_cast<int>(kind);
  }
}

// The window saves what the command-line tool writes for the same model and
// options; the messages are the save's own, the temporary plot is gone.
TEST_F(GraphWindowTest, SavesHpglAndDxfLikeTheCommandLineTool) {
  struct Case {
    GraphKind kind;
    const char* cli_args;
    bool dxf;
    const char* chosen;  // the name typed in the save dialog
    const char* written;
  };
  const Case cases[] = {
      {GraphKind::kEot, "eot --format hpgl --mirror", false, "zgl.txt",
       "zgl.plt"},
      {GraphKind::kEot, "eot --format dxf --mirror", true, "zgl", "zgl.dxf"},
      {GraphKind::kSunPathRect, "sunpath-rect --format hpgl --interval 30",
       false, "bahn.plt", "bahn.plt"},
      {GraphKind::kSunPathPolar, "sunpath-polar --format dxf --interval 30",
       true, "kreis.dxf", "kreis.dxf"},
  };
  for (const Case& c : cases) {
    auto w = Open(c.kind);
    if (c.kind == GraphKind::kEot) {
      QTest::mouseClick(w->check("CheckSpiegeln"), Qt::LeftButton,
                        Qt::NoModifier, QPoint(8, 8));
      ASSERT_TRUE(w->request().eot.mirror);
    } else {
      w->combo("ComboStunden")->setCurrentIndex(1);
      ASSERT_EQ(w->request().sun_path.hour_interval_min, 30);
    }
    ui_.shown.clear();
    ui_.files = {(dir_ / c.chosen).string()};
    QTest::mouseClick(w->button(c.dxf ? "BtnDxf" : "BtnHpgl"), Qt::LeftButton);
    const fs::path mine = dir_ / c.written;
    ASSERT_TRUE(fs::exists(mine)) << c.cli_args;
    const std::string expected = ReadFile(Cli(c.cli_args, "cli.out"));
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_TRUE(ReadFile(mine) == expected) << c.cli_args;
    ASSERT_FALSE(ui_.shown.empty());
    EXPECT_EQ(ui_.shown.back().caption, Caption::kInformation);
    EXPECT_NE(ui_.shown.back().text.find(" saved!"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
  }
}

TEST_F(GraphWindowTest, UnwritableTargetSaysOnceAndLeavesNothing) {
  model_.Language = texts::Language::kEnglish;
  auto w = Open(GraphKind::kEot);
  ui_.files = {(dir_ / "missing" / "zgl.plt").string()};
  w->SaveHpgl();
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].caption, Caption::kError);
  EXPECT_NE(ui_.shown[0].text.find("Unable to save file!"), std::string::npos)
      << ui_.shown[0].text;
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
  ui_.shown.clear();
  ui_.files = {std::nullopt};  // a cancelled dialog says nothing
  w->SaveDxf();
  EXPECT_TRUE(ui_.shown.empty());
}

// The y factor takes 0.05 and 20 and refuses 0.04 with the interval
// message, keeping the previous factor.
TEST_F(GraphWindowTest, YFactorRange) {
  model_.Language = texts::Language::kEnglish;
  auto w = Open(GraphKind::kEot);
  const struct {
    const char* text;
    double factor;
    bool message;
  } cases[] = {{"0.05", 0.05, false}, {"20", 20, false}, {"0.04", 20, true}};
  for (const auto& c : cases) {
    ui_.shown.clear();
    w->y_factor_field()->setFocus();
    w->y_factor_field()->setText(c.text);
    w->button("BtnZeichnen")->setFocus();
    EXPECT_DOUBLE_EQ(w->request().eot.y_factor, c.factor) << c.text;
    EXPECT_EQ(!ui_.shown.empty(), c.message) << c.text;
  }
  EXPECT_EQ(w->y_factor_field()->text().toStdString(), "20.00");
}

TEST_F(GraphWindowTest, PrintsOnALandscapePdf) {
  auto w = Open(GraphKind::kSunPathPolar);
  const fs::path pdf = dir_ / "graph.pdf";
  w->SetPrinterSource([&] {
    return std::make_unique<QtPrinter>(QString::fromStdString(pdf.string()));
  });
  QTest::keyClick(w.get(), Qt::Key_F3);
  ASSERT_TRUE(fs::exists(pdf));
  const std::string bytes = ReadFile(pdf);
  EXPECT_GT(bytes.size(), 5000u);
  const QRegularExpression box(
      R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
  const auto m = box.match(QString::fromLatin1(bytes));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble());
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(GraphWindowTest, OptionsFollowTheGraphAndTheLanguage) {
  auto w = Open(GraphKind::kEot);
  EXPECT_TRUE(w->check("CheckSpiegeln")->isVisible());
  EXPECT_FALSE(w->combo("ComboStunden")->isVisible());
  EXPECT_EQ(w->HelpContext(), 30);
  EXPECT_EQ(w->windowTitle(), "Diagramm der Zeitgleichung");
  QTest::mouseClick(w->shape_button(1), Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, 8));  // hidden with the equation of time
  w->SetKind(GraphKind::kSunPathRect);
  EXPECT_FALSE(w->check("CheckSpiegeln")->isVisible());
  EXPECT_TRUE(w->shape_button(0)->isChecked());
  QTest::mouseClick(w->shape_button(1), Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, 8));
  EXPECT_EQ(w->request().kind, GraphKind::kSunPathPolar);
  EXPECT_EQ(w->HelpContext(), 29);
  model_.Language = texts::Language::kEnglish;
  w->Retranslate();
  EXPECT_EQ(w->windowTitle(), "Circular Diagram");
  EXPECT_EQ(w->button("BtnHpgl")->text(), "save as &HPGL ...");
}

}  // namespace
}  // namespace lumtar::gui
