#include "gui/qt_printer.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>

namespace lumtar::gui {
namespace {

// Text channel: 10-point Liberation Mono, as a line printer would give.
constexpr int kTextHeight = 35;   // 0.1 mm: 10 pt em height
constexpr int kTextLeading = 42;  // 0.1 mm between line tops
constexpr int kTextMargin = 0;

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::QtPrinter(const QString& pdf_path)
    : owned_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(*owned_) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(pdf_path);
  printer_.setPageSize(QPageSize(QPageSize::A4));
}

QtPrinter::~QtPrinter() {
  if (active_) painter_.end();
}

void QtPrinter::SetOrientation(platform::Orientation orientation) {
  printer_.setPageOrientation(orientation == platform::Orientation::kLandscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
}

bool QtPrinter::BeginDocument(std::string_view title) {
  if (active_) return true;
  printer_.setDocName(
      QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  if (!painter_.begin(&printer_)) return false;
  active_ = true;
  ApplyPageTransform();
  canvas_.emplace(painter_);
  text_y_ = kTextMargin;
  return true;
}

// The painter's origin is the printable area's corner; one unit is 0.1 mm.
void QtPrinter::ApplyPageTransform() {
  const double dots_per_unit = printer_.resolution() / 254.0;
  painter_.resetTransform();
  painter_.scale(dots_per_unit, dots_per_unit);
}

void QtPrinter::NewPage() {
  if (!active_) return;
  printer_.newPage();
  ApplyPageTransform();
  text_y_ = kTextMargin;
}

bool QtPrinter::EndDocument() {
  if (!active_) return false;
  canvas_.reset();
  active_ = false;
  return painter_.end();
}

platform::Canvas& QtPrinter::canvas() {
  if (!canvas_) canvas_.emplace(painter_);
  return *canvas_;
}

int QtPrinter::page_width() const {
  const QRectF area = printer_.pageLayout().paintRect(QPageLayout::Millimeter);
  return static_cast<int>(area.width() * 10.0);
}

int QtPrinter::page_height() const {
  const QRectF area = printer_.pageLayout().paintRect(QPageLayout::Millimeter);
  return static_cast<int>(area.height() * 10.0);
}

void QtPrinter::TextLine(const QString& line) {
  if (text_y_ + kTextLeading > page_height()) NewPage();
  platform::Font font;
  font.name = "Courier New";
  font.height = kTextHeight;
  canvas().SetFont(font);
  const QByteArray utf8 = line.toUtf8();
  canvas().Text(kTextMargin, text_y_,
                std::string_view(utf8.constData(),
                                 static_cast<std::size_t>(utf8.size())));
  text_y_ += kTextLeading;
}

bool QtPrinter::WriteText(std::string_view text) {
  if (!active_ && !BeginDocument("Lumtar")) return false;
  const QString all =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QString line;
  for (const QChar c : all) {
    if (c == QLatin1Char('\f')) {
      if (!line.isEmpty()) TextLine(line);
      line.clear();
      NewPage();
    } else if (c == QLatin1Char('\n')) {
      TextLine(line);
      line.clear();
    } else if (c != QLatin1Char('\r')) {
      line += c;
    }
  }
  if (!line.isEmpty()) TextLine(line);
  return true;
}

QPrinter& ProgramQPrinter() {
  static QPrinter* printer = nullptr;
  if (printer == nullptr) {
    printer = new QPrinter(QPrinter::HighResolution);
    // Gone before the application, whose printing support it needs.
    qAddPostRoutine([] {
      delete printer;
      printer = nullptr;
    });
  }
  return *printer;
}

std::unique_ptr<platform::Printer> ChoosePrinter(
    QPrinter& printer, std::optional<platform::Orientation> orientation,
    QWidget* parent) {
  if (orientation)
    printer.setPageOrientation(*orientation == platform::Orientation::kLandscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QtPrinter>(printer);
}

}  // namespace lumtar::gui
