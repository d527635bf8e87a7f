#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/graph_save.h"

namespace lumtar::gui {

// The graph window: the equation-of-time graph or a sun path diagram
// (rectangular or polar) of the model's site and Year, drawn on the window
// image with the options of its panel, printed on a landscape page, and
// saved as an HPGL plot or a DXF drawing. The drawing and the files come
// from tables/; the window holds the options and shows the image.
class GraphWindow : public QWidget {
  Q_OBJECT

 public:
  GraphWindow(model::Model& model, platform::Ui& ui, QWidget* parent = nullptr,
              tables::GraphKind kind = tables::GraphKind::kEot);
  ~GraphWindow() override;

  void Retranslate();
  int HelpContext() const;

  void SetKind(tables::GraphKind kind);
  void Redraw();  // "&Draw" and every option change
  void SaveHpgl();
  void SaveDxf();
  void Print();  // "&Print" and F3

  using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;
  void SetPrinterSource(PrinterSource source) {
    printer_source_ = std::move(source);
  }

  const tables::GraphRequest& request() const { return request_; }
  const QImage& image() const { return image_; }
  QWidget* image_widget() const { return image_view_; }
  QPushButton* button(const char* name) const;
  QCheckBox* check(const char* name) const;
  QLineEdit* y_factor_field() const { return y_factor_; }
  QComboBox* combo(const char* name) const;
  QRadioButton* shape_button(int polar) const;

 signals:
  void Closing();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPanel(QWidget* column);
  void ReadOptions();
  void UpdateControls();
  void Save(output::HpglMode mode);
  std::unique_ptr<platform::Printer> MakePrinter();

  model::Model& model_;
  platform::Ui& ui_;
  tables::GraphRequest request_;
  PrinterSource printer_source_;
  QImage image_;
  bool updating_ = false;

  QWidget* image_view_;
  QGroupBox* file_box_;
  QGroupBox* path_box_;
  QGroupBox* plane_box_;
  QLabel* y_factor_label_;
  QLineEdit* y_factor_;
  QLabel* dates_label_;
  QLabel* hours_label_;
  QLabel* period_label_;
  QButtonGroup* shapes_;
  QLineEdit* plane_latitude_;
  QLineEdit* plane_declination_;
  QLineEdit* plane_inclination_;
  QLabel* plane_labels_[3];
};

}  // namespace lumtar::gui
