#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "gui/qt_canvas.h"
#include "platform/printer.h"

namespace lumtar::gui {

// The printer interface on a QPrinter: a real printer chosen in the print
// dialog, or a PDF file, which works with no printer installed. The page is
// drawn in 0.1 mm with y down from the top-left of the printable area; the
// text channel prints in a fixed-pitch face, "\f" starting a new page.
class QtPrinter : public platform::Printer {
 public:
  // Prints on `printer`, which the caller configured (dialog or file).
  explicit QtPrinter(QPrinter& printer);
  // Prints into the PDF file `pdf_path` (A4).
  explicit QtPrinter(const QString& pdf_path);
  ~QtPrinter() override;

  void SetOrientation(platform::Orientation orientation) override;
  bool BeginDocument(std::string_view title) override;
  void NewPage() override;
  bool EndDocument() override;

  platform::Canvas& canvas() override;
  int page_width() const override;
  int page_height() const override;

  bool WriteText(std::string_view text) override;

  QPrinter& qprinter() { return printer_; }

 private:
  void ApplyPageTransform();
  void TextLine(const QString& line);

  std::unique_ptr<QPrinter> owned_;
  QPrinter& printer_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
  bool active_ = false;
  int text_y_ = 0;  // next text line's top, 0.1 mm
};

// The program's printer: the one "Printer setup" configures and every
// window prints on, so a printer chosen once stays chosen. Deleted with the
// application.
QPrinter& ProgramQPrinter();

// The print dialog for `printer`, preset to `orientation` when given; a
// QtPrinter on it when the user accepts, nullptr when cancelled.
std::unique_ptr<platform::Printer> ChoosePrinter(
    QPrinter& printer, std::optional<platform::Orientation> orientation,
    QWidget* parent);

}  // namespace lumtar::gui
