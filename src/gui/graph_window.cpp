#include "gui/graph_window.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "app/graph_view.h"
#include "astro/field_readers.h"
#include "astro/format.h"
#include "gui/qt_canvas.h"
#include "gui/qt_printer.h"
#include "gui/qt_text.h"
#include "texts/captions.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

QString MenuText(int item, texts::Language lang) {
  return Q(texts::MenuCaption(item, lang)).trimmed();
}

constexpr int kIntervals[] = {60, 30, 20, 15};

// The window's image: paints the graph drawn last.
class GraphImage : public QWidget {
 public:
  GraphImage(const QImage& image, QWidget* parent)
      : QWidget(parent), image_(image) {
    setObjectName("GraphImage");
    setMinimumSize(320, 240);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, image_);
  }

 private:
  const QImage& image_;
};

}  // namespace

GraphWindow::GraphWindow(model::Model& model, platform::Ui& ui, QWidget* parent,
                         tables::GraphKind kind)
    : QWidget(parent), model_(model), ui_(ui) {
  setObjectName("GraphWindow");
  request_.kind = kind;
  request_.sun_path.plane.latitude = model_.parameters.Latitude;
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  image_view_ = new GraphImage(image_, this);
  image_view_->installEventFilter(this);
  row->addWidget(image_view_, 1);
  auto* column = new QWidget(this);
  column->setFixedWidth(280);
  BuildPanel(column);
  row->addWidget(column);

  auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(f3, &QShortcut::activated, this, &GraphWindow::Print);
  resize(1200, 760);
  Retranslate();
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::BuildPanel(QWidget* column) {
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto checkbox = [this](QWidget* parent, QLayout* l, const char* name) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(name);
    l->addWidget(c);
    connect(c, &QCheckBox::toggled, this, [this] {
      if (!updating_) Redraw();
    });
    return c;
  };
  const auto combo = [this](QWidget* parent, const char* name, int items) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    for (int i = 0; i < items; ++i) c->addItem(QString());
    connect(c, &QComboBox::currentIndexChanged, this, [this] {
      if (!updating_) Redraw();
    });
    return c;
  };

  // The equation of time: the options of its plot file.
  file_box_ = new QGroupBox(column);
  auto* file_layout = new QVBoxLayout(file_box_);
  checkbox(file_box_, file_layout, "CheckSpiegeln");
  QCheckBox* correction = checkbox(file_box_, file_layout, "CheckLaenge");
  correction->setStyleSheet("QCheckBox { spacing: 4px; }");
  y_factor_label_ = new QLabel(file_box_);
  y_factor_ = new QLineEdit(file_box_);
  y_factor_->setObjectName("EditYFaktor");
  y_factor_->installEventFilter(this);
  y_factor_label_->setBuddy(y_factor_);
  auto* factor_row = new QHBoxLayout;
  factor_row->addWidget(y_factor_label_, 1);
  factor_row->addWidget(y_factor_);
  y_factor_->setMaximumWidth(60);
  file_layout->addLayout(factor_row);
  layout->addWidget(file_box_);

  // The sun path diagrams.
  path_box_ = new QGroupBox(column);
  auto* path_layout = new QFormLayout(path_box_);
  dates_label_ = new QLabel(path_box_);
  path_layout->addRow(dates_label_, combo(path_box_, "ComboDaten", 3));
  hours_label_ = new QLabel(path_box_);
  path_layout->addRow(hours_label_, combo(path_box_, "ComboStunden", 4));
  period_label_ = new QLabel(path_box_);
  path_layout->addRow(period_label_, combo(path_box_, "ComboZeitraum", 3));
  auto* mean = new QVBoxLayout;
  checkbox(path_box_, mean, "CheckMittlereZeit");
  path_layout->addRow(mean);
  shapes_ = new QButtonGroup(this);
  for (int s = 0; s < 2; ++s) {
    auto* r = new QRadioButton(path_box_);
    r->setObjectName(s == 0 ? "RadioKartesisch" : "RadioPolar");
    shapes_->addButton(r, s);
    path_layout->addRow(r);
  }
  connect(shapes_, &QButtonGroup::idClicked, this, [this](int s) {
    if (updating_) return;
    SetKind(s == 0 ? tables::GraphKind::kSunPathRect
                   : tables::GraphKind::kSunPathPolar);
  });
  layout->addWidget(path_box_);

  plane_box_ = new QGroupBox(column);
  plane_box_->setObjectName("GroupEbene");
  plane_box_->setCheckable(true);
  plane_box_->setChecked(false);
  connect(plane_box_, &QGroupBox::toggled, this, [this] {
    if (!updating_) Redraw();
  });
  auto* plane_layout = new QFormLayout(plane_box_);
  QLineEdit** fields[] = {&plane_latitude_, &plane_declination_,
                          &plane_inclination_};
  const char* names[] = {"EditEbeneBreite", "EditEbeneAbweichung",
                         "EditEbeneNeigung"};
  for (int i = 0; i < 3; ++i) {
    plane_labels_[i] = new QLabel(plane_box_);
    *fields[i] = new QLineEdit(plane_box_);
    (*fields[i])->setObjectName(names[i]);
    connect(*fields[i], &QLineEdit::editingFinished, this, [this] {
      if (!updating_) Redraw();
    });
    plane_layout->addRow(plane_labels_[i], *fields[i]);
  }
  layout->addWidget(plane_box_);

  const auto add = [&](const char* name) {
    auto* b = new QPushButton(column);
    b->setObjectName(name);
    layout->addWidget(b);
    return b;
  };
  connect(add("BtnZeichnen"), &QPushButton::clicked, this,
          &GraphWindow::Redraw);
  connect(add("BtnHpgl"), &QPushButton::clicked, this, &GraphWindow::SaveHpgl);
  connect(add("BtnDxf"), &QPushButton::clicked, this, &GraphWindow::SaveDxf);
  connect(add("BtnDrucken"), &QPushButton::clicked, this, &GraphWindow::Print);
  layout->addStretch();
  connect(add("BtnSchliessen"), &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* GraphWindow::button(const char* name) const {
  return findChild<QPushButton*>(name);
}

QCheckBox* GraphWindow::check(const char* name) const {
  return findChild<QCheckBox*>(name);
}

QComboBox* GraphWindow::combo(const char* name) const {
  return findChild<QComboBox*>(name);
}

QRadioButton* GraphWindow::shape_button(int polar) const {
  return qobject_cast<QRadioButton*>(shapes_->button(polar));
}

int GraphWindow::HelpContext() const {
  return app::GraphHelpContext(request_.kind);
}

void GraphWindow::SetKind(tables::GraphKind kind) {
  request_.kind = kind;
  UpdateControls();
  setWindowTitle(MenuText(app::GraphTitleMenuItem(kind), model_.Language));
  Redraw();
}

void GraphWindow::UpdateControls() {
  updating_ = true;
  const bool eot = request_.kind == tables::GraphKind::kEot;
  file_box_->setVisible(eot);
  path_box_->setVisible(!eot);
  plane_box_->setVisible(!eot);
  check("CheckSpiegeln")->setChecked(request_.eot.mirror);
  check("CheckLaenge")->setChecked(request_.eot.longitude_correction);
  y_factor_->setText(Q(app::YFactorText(request_.eot.y_factor)));
  const tables::SunPathOptions& s = request_.sun_path;
  combo("ComboDaten")->setCurrentIndex(s.dates_per_month - 1);
  int interval = 0;
  for (int i = 0; i < 4; ++i)
    if (kIntervals[i] == s.hour_interval_min) interval = i;
  combo("ComboStunden")->setCurrentIndex(interval);
  combo("ComboZeitraum")->setCurrentIndex(static_cast<int>(s.period));
  check("CheckMittlereZeit")->setChecked(s.mean_time);
  if (!eot)
    shapes_->button(request_.kind == tables::GraphKind::kSunPathPolar ? 1 : 0)
        ->setChecked(true);
  plane_box_->setChecked(s.plane.enabled);
  plane_latitude_->setText(Q(astro::FormatFixed(6, 2, s.plane.latitude)));
  plane_declination_->setText(Q(astro::FormatFixed(6, 1, s.plane.declination)));
  plane_inclination_->setText(Q(astro::FormatFixed(6, 1, s.plane.inclination)));
  updating_ = false;
}

void GraphWindow::ReadOptions() {
  request_.eot.mirror = check("CheckSpiegeln")->isChecked();
  request_.eot.longitude_correction = check("CheckLaenge")->isChecked();
  tables::SunPathOptions& s = request_.sun_path;
  s.dates_per_month = combo("ComboDaten")->currentIndex() + 1;
  s.hour_interval_min = kIntervals[combo("ComboStunden")->currentIndex()];
  s.period = static_cast<tables::SunPathPeriod>(
      combo("ComboZeitraum")->currentIndex());
  s.mean_time = check("CheckMittlereZeit")->isChecked();
  s.plane.enabled = plane_box_->isChecked();
  // The plane's fields: a value out of its range keeps the previous one.
  const auto read = [](QLineEdit* e, double& value, double lo, double hi) {
    QString t = e->text().trimmed();
    t.replace(',', '.');
    const auto v = astro::ParseDecimal(t.toStdString());
    if (v && *v >= lo && *v <= hi) value = *v;
  };
  read(plane_latitude_, s.plane.latitude, -90, 90);
  read(plane_declination_, s.plane.declination, -180, 180);
  read(plane_inclination_, s.plane.inclination, 0, 180);
}

void GraphWindow::Redraw() {
  ReadOptions();
  UpdateControls();
  const QSize size = image_view_->size();
  image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image_.fill(Qt::white);
  {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter);
    // The axis labels stand left of the frame and the title above it.
    const int left = std::min(60, size.width() / 8);
    const int top = std::min(50, size.height() / 8);
    const int width = std::max(1, size.width() - left - 30);
    int height = std::max(1, size.height() - top - 20);
    // The texts of the equation-of-time graph grow with its height; a
    // graph higher than 0.6 of its width would push its title out.
    if (request_.kind == tables::GraphKind::kEot)
      height = std::min(height, width * 6 / 10);
    tables::DrawGraph(canvas, model_, request_, left, top, true, height, width);
  }
  image_view_->update();
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_view_ && event->type() == QEvent::Resize) Redraw();
  if (watched == y_factor_ && event->type() == QEvent::FocusOut && !updating_) {
    std::string text = y_factor_->text().toStdString();
    app::ReadYFactor(text, request_.eot.y_factor, ui_, model_.Language);
    updating_ = true;
    y_factor_->setText(Q(text));
    updating_ = false;
  }
  return QWidget::eventFilter(watched, event);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
}

void GraphWindow::Retranslate() {
  const texts::Language lang = model_.Language;
  updating_ = true;
  setWindowTitle(MenuText(app::GraphTitleMenuItem(request_.kind), lang));
  file_box_->setTitle(Text(1820, lang));
  check("CheckSpiegeln")->setText(Text(1821, lang).trimmed());
  // The long caption of the correction wraps over two lines.
  QString correction = Text(1822, lang).trimmed();
  const int middle = correction.indexOf(' ', correction.size() / 2);
  if (middle > 0) correction[middle] = '\n';
  check("CheckLaenge")->setText(correction);
  y_factor_label_->setText(Text(1823, lang).trimmed());
  path_box_->setTitle(Text(1843, lang));
  dates_label_->setText(Text(1824, lang));
  for (int i = 0; i < 3; ++i)
    combo("ComboDaten")->setItemText(i, Text(1825 + i, lang).trimmed());
  hours_label_->setText(Text(1844, lang).trimmed());
  for (int i = 0; i < 4; ++i)
    combo("ComboStunden")
        ->setItemText(i, QString::number(kIntervals[i]) + " min");
  period_label_->setText(Text(1845, lang).trimmed());
  for (int i = 0; i < 3; ++i)
    combo("ComboZeitraum")->setItemText(i, Text(1829 + i, lang).trimmed());
  check("CheckMittlereZeit")->setText(Text(1828, lang));
  shapes_->button(0)->setText(Text(1832, lang));
  shapes_->button(1)->setText(Text(1833, lang));
  plane_box_->setTitle(Text(1846, lang));
  plane_labels_[0]->setText(Text(1767, lang));
  plane_labels_[1]->setText(Text(1847, lang));
  plane_labels_[2]->setText(Text(1848, lang));
  button("BtnZeichnen")->setText(Text(1849, lang));
  button("BtnHpgl")->setText(Text(1835, lang));
  button("BtnDxf")->setText(Text(1836, lang));
  button("BtnDrucken")->setText(Text(1512, lang));
  button("BtnSchliessen")->setText(Text(1610, lang).trimmed());
  updating_ = false;
  UpdateControls();
  Redraw();  // the month names and texts of the graph
}

void GraphWindow::Save(output::HpglMode mode) {
  ReadOptions();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  app::SaveGraphAs(model_, request_, mode, ui_);
  QGuiApplication::restoreOverrideCursor();
}

void GraphWindow::SaveHpgl() { Save(output::HpglMode::kHpgl); }
void GraphWindow::SaveDxf() { Save(output::HpglMode::kForDxf); }

std::unique_ptr<platform::Printer> GraphWindow::MakePrinter() {
  if (printer_source_) return printer_source_();
  return ChoosePrinter(ProgramQPrinter(), platform::Orientation::kLandscape,
                       this);
}

void GraphWindow::Print() {
  ReadOptions();
  if (auto printer = MakePrinter())
    app::PrintGraph(model_, request_, *printer, ui_);
}

void GraphWindow::closeEvent(QCloseEvent* event) {
  emit Closing();
  event->accept();
}

}  // namespace lumtar::gui
