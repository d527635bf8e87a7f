#include "gui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "gui/qt_printer.h"
#include "platform/canvas.h"

namespace lumtar::gui {
namespace {

using platform::Pen;
using platform::PenMode;

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(QtCanvas, ColoursKeepTheDrawingCodesByteOrder) {
  EXPECT_EQ(ToQColor(platform::kRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(FromQColor(QColor(10, 20, 30)), 0x1E140Au);
}

TEST(QtCanvas, LinesAndFilledBoxesLandOnTheirPixels) {
  QImage image = WhiteImage(40, 40);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    canvas.SetPen(Pen{platform::kRed, 1});
    canvas.MoveTo(2, 5);
    canvas.LineTo(30, 5);
    canvas.SetBrush({platform::BrushStyle::kSolid, 0xFF0000});
    canvas.SetPen(Pen{0xFF0000, 1});
    canvas.Rectangle(10, 20, 20, 30);
  }
  EXPECT_EQ(image.pixelColor(15, 5), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(15, 25), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::white));
}

TEST(QtCanvas, NotXorDrawnTwiceRestoresThePicture) {
  QImage image = WhiteImage(30, 30);
  QImage before;
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    canvas.SetPen(Pen{platform::kBlack, 1});
    canvas.MoveTo(0, 10);
    canvas.LineTo(29, 10);
    painter.end();
    before = image.copy();
    painter.begin(&image);
    QtCanvas xor_canvas(painter);
    xor_canvas.SetPen(Pen{platform::kRed, 1, PenMode::kNotXor});
    for (int pass = 0; pass < 2; ++pass) {
      xor_canvas.MoveTo(5, 0);
      xor_canvas.LineTo(5, 29);
    }
  }
  EXPECT_EQ(image, before);
}

TEST(QtCanvas, RotatedTextTurnsAnticlockwiseAboutItsCorner) {
  // Text turned by 90 degrees runs upwards from its corner: ink above the
  // corner, none to its right.
  QImage image = WhiteImage(200, 200);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    platform::Font font;
    font.height = 30;
    font.escapement = 900;
    canvas.SetFont(font);
    canvas.Text(100, 100, "HHHH");
  }
  auto ink = [&](QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (image.pixelColor(x, y) != QColor(Qt::white)) ++n;
    return n;
  };
  EXPECT_GT(ink(QRect(100, 10, 40, 90)), 50);
  EXPECT_EQ(ink(QRect(145, 60, 50, 40)), 0);
  EXPECT_EQ(ink(QRect(100, 105, 40, 90)), 0);
}

TEST(QtPrinter, PrintsALandscapePdfWithNoPrinterInstalled) {
  const QString path =
      QString::fromStdString(testing::TempDir() + "lumtar_qt_printer_test.pdf");
  QFile::remove(path);
  {
    QtPrinter printer(path);
    printer.SetOrientation(platform::Orientation::kLandscape);
    ASSERT_TRUE(printer.BeginDocument("test"));
    EXPECT_GT(printer.page_width(), printer.page_height());
    // A4 landscape printable area: a little under 297 x 210 mm.
    EXPECT_GT(printer.page_width(), 2500);
    EXPECT_LE(printer.page_width(), 2970);
    printer.canvas().MoveTo(0, 0);
    printer.canvas().LineTo(1000, 1000);
    EXPECT_TRUE(printer.WriteText("line 1\nline 2\f page 2\n"));
    EXPECT_TRUE(printer.EndDocument());
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                pdf.count("/Type /Page "),
            2);
}

}  // namespace
}  // namespace lumtar::gui

namespace lumtar::gui {
namespace {

TEST(QtPrinter, EveryWindowSharesTheProgramsPrinter) {
  // A printer chosen in one print dialog is the one the next print uses;
  // it is deleted with the application (the test binary's exit runs that).
  QPrinter& first = ProgramQPrinter();
  first.setPageOrientation(QPageLayout::Landscape);
  EXPECT_EQ(&ProgramQPrinter(), &first);
  EXPECT_EQ(ProgramQPrinter().pageLayout().orientation(),
            QPageLayout::Landscape);
  EXPECT_EQ(first.resolution(),
            QPrinter(QPrinter::HighResolution).resolution());
}

}  // namespace
}  // namespace lumtar::gui
