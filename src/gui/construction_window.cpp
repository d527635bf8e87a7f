#include "gui/construction_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

#include "app/construction_lists.h"
#include "app/construction_view.h"
#include "dials/planar_construction.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

// A menu text without its accelerator and surrounding blanks.
QString Plain(int id, texts::Language lang) {
  return Q(texts::TextById(id, lang)).trimmed();
}

QPushButton* AddButton(QWidget* parent, QVBoxLayout* layout, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

}  // namespace

ConstructionWindow::ConstructionWindow(model::Model& model, platform::Ui& ui,
                                       QWidget* parent)
    : QWidget(parent), model_(model), ui_(ui) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(2, 2, 2, 2);
  auto* row = new QHBoxLayout;
  outer->addLayout(row, 1);

  stack_ = new QStackedWidget(this);
  image_ = new ConstructionImage(stack_);
  angle_panel_ = new AngleTablePanel(model_, stack_);
  style_panel_ = new StyleInfoPanel(model_, stack_);
  stack_->addWidget(image_);
  stack_->addWidget(angle_panel_);
  stack_->addWidget(style_panel_);
  row->addWidget(stack_, 1);

  auto* column = new QWidget(this);
  column->setFixedWidth(216);
  BuildButtons(column);
  row->addWidget(column);

  warning_ = new QLabel(this);
  warning_->setStyleSheet("color: #800000");
  outer->addWidget(warning_);

  BuildMenu();

  image_->SetOverlay([this](QPainter& p) { PaintOverlay(p); });
  connect(image_, &ConstructionImage::Clicked, this,
          &ConstructionWindow::OnClick);
  connect(image_, &ConstructionImage::Wheel, this,
          &ConstructionWindow::OnWheel);
  connect(image_, &ConstructionImage::Resized, this,
          &ConstructionWindow::Redraw);
  connect(angle_panel_, &AngleTablePanel::LongitudeCorrectionToggled, this,
          &ConstructionWindow::ShowAngleTable);
  connect(angle_panel_, &AngleTablePanel::PrintRequested, this,
          &ConstructionWindow::Print);
  connect(angle_panel_, &AngleTablePanel::CloseRequested, this,
          [this] { ShowPage(image_); });
  connect(style_panel_, &StyleInfoPanel::PrintRequested, this, [this] {
    if (auto printer = MakePrinter(false))
      app::PrintStyleInformation(style_panel_->lines(), *printer, ui_,
                                 model_.Language);
  });
  connect(style_panel_, &StyleInfoPanel::CloseRequested, this,
          [this] { ShowPage(image_); });
  connect(save_panel_, &SavePanel::ContinueRequested, this,
          &ConstructionWindow::OnSave);
  connect(shadow_, &ShadowPreview::MomentChanged, this, [this] {
    UpdateShadow();
    image_->update();
  });

  resize(1200, 800);
  app::PlaceOnOpening(model_, image_->width(), image_->height());
  Retranslate();
  Redraw();
}

ConstructionWindow::~ConstructionWindow() = default;

void ConstructionWindow::BuildButtons(QWidget* column) {
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* display = AddButton(column, layout, "bitBtnZeichne");
  auto* grid = AddButton(column, layout, "BitBtnNetz");
  auto* zoom = new QHBoxLayout;
  auto* zoom_in = new QPushButton("+", column);
  zoom_in->setObjectName("BBtnZoomIn");
  auto* zoom_out = new QPushButton("\u2212", column);
  zoom_out->setObjectName("BitBtnOut");
  zoom->addWidget(zoom_in);
  zoom->addWidget(zoom_out);
  layout->addLayout(zoom);
  auto* print = AddButton(column, layout, "BitBtn3");
  auto* saves = new QHBoxLayout;
  auto* hpgl = new QPushButton("HPGL", column);
  hpgl->setObjectName("BitBtn2");
  auto* dxf = new QPushButton("DXF", column);
  dxf->setObjectName("BitBtn1");
  auto* coords = new QPushButton("x, y", column);
  coords->setObjectName("BitBtn5");
  saves->addWidget(hpgl);
  saves->addWidget(dxf);
  saves->addWidget(coords);
  layout->addLayout(saves);
  // One above the other: the German captions need the whole width.
  auto* data = new QVBoxLayout;
  auto* save_data = new QPushButton(column);
  save_data->setObjectName("BtnSaveC");
  save_data->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  auto* load_data = new QPushButton(column);
  load_data->setObjectName("BtnLoadC");
  load_data->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  data->addWidget(save_data);
  data->addWidget(load_data);
  layout->addLayout(data);
  auto* angles = AddButton(column, layout, "BitBtnWinkel");
  auto* style_info = AddButton(column, layout, "BitBtnStabInfo");
  auto* parameters = AddButton(column, layout, "BtBtnParms");
  auto* photo = AddButton(column, layout, "BtBtnZeigen");
  auto* colours = AddButton(column, layout, "BtnColours");

  coastlines_ = new QCheckBox(column);
  borders_ = new QCheckBox(column);
  layout->addWidget(coastlines_);
  layout->addWidget(borders_);
  map_scale_ = new QSlider(Qt::Horizontal, column);
  map_scale_->setRange(16, 180);
  map_scale_label_ = new QLabel(column);
  layout->addWidget(map_scale_);
  layout->addWidget(map_scale_label_);

  save_panel_ = new SavePanel(model_, column);
  layout->addWidget(save_panel_);
  layout->addStretch();
  shadow_ = new ShadowPreview(model_, column);
  layout->addWidget(shadow_);

  connect(display, &QPushButton::clicked, this, &ConstructionWindow::Display);
  connect(grid, &QPushButton::clicked, this,
          &ConstructionWindow::DisplayWithGrid);
  connect(zoom_in, &QPushButton::clicked, this, &ConstructionWindow::ZoomIn);
  connect(zoom_out, &QPushButton::clicked, this, &ConstructionWindow::ZoomOut);
  connect(print, &QPushButton::clicked, this, &ConstructionWindow::Print);
  connect(hpgl, &QPushButton::clicked, this, &ConstructionWindow::SaveHpgl);
  connect(dxf, &QPushButton::clicked, this, &ConstructionWindow::SaveDxf);
  connect(coords, &QPushButton::clicked, this,
          &ConstructionWindow::SaveCoordinates);
  connect(save_data, &QPushButton::clicked, this,
          &ConstructionWindow::SaveConstructionData);
  connect(load_data, &QPushButton::clicked, this,
          &ConstructionWindow::LoadConstructionData);
  connect(angles, &QPushButton::clicked, this,
          &ConstructionWindow::ShowAngleTable);
  connect(style_info, &QPushButton::clicked, this,
          &ConstructionWindow::ShowStyleInformation);
  connect(parameters, &QPushButton::clicked, this,
          &ConstructionWindow::ParametersRequested);
  connect(photo, &QPushButton::clicked, this,
          &ConstructionWindow::ImageRequested);
  connect(colours, &QPushButton::clicked, this,
          &ConstructionWindow::ColoursRequested);
  connect(coastlines_, &QCheckBox::toggled, this, [this](bool on) {
    model_.ShowCoastlines = on;
    Redraw();
  });
  connect(borders_, &QCheckBox::toggled, this, [this](bool on) {
    model_.ShowBorders = on;
    Redraw();
  });
  connect(map_scale_, &QSlider::valueChanged, this, [this](int position) {
    model_.values.MapScale =
        static_cast<std::int32_t>(std::lround(std::exp(position / 10.0)));
    map_scale_label_->setText(QString::number(model_.values.MapScale));
    Redraw();
  });
}

void ConstructionWindow::BuildMenu() {
  menu_ = new QMenu(this);
  const auto add = [this](auto slot) {
    QAction* a = menu_->addAction(QString());
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  redraw_action_ = add(&ConstructionWindow::Display);
  grid_action_ = add(&ConstructionWindow::DisplayWithGrid);
  zoom_in_action_ = add(&ConstructionWindow::ZoomIn);
  zoom_out_action_ = add(&ConstructionWindow::ZoomOut);
  menu_->addSeparator();
  auto* scale = new QActionGroup(this);
  print_like_action_ = menu_->addAction(QString());
  a3_action_ = menu_->addAction(QString());
  for (QAction* a : {print_like_action_, a3_action_}) {
    a->setCheckable(true);
    scale->addAction(a);
  }
  connect(print_like_action_, &QAction::triggered, this,
          [this] { SetPrintLikeScreen(true); });
  connect(a3_action_, &QAction::triggered, this,
          [this] { SetPrintLikeScreen(false); });
  menu_->addSeparator();
  print_action_ = add(&ConstructionWindow::Print);
  hpgl_action_ = add(&ConstructionWindow::SaveHpgl);
  dxf_action_ = add(&ConstructionWindow::SaveDxf);
  save_data_action_ = add(&ConstructionWindow::SaveConstructionData);
  load_data_action_ = add(&ConstructionWindow::LoadConstructionData);
  menu_->addSeparator();
  style_action_ = add(&ConstructionWindow::ShowStyleInformation);
  pole_action_ = add(&ConstructionWindow::TogglePoleTriangle);
  foot_action_ = add(&ConstructionWindow::ToggleFootPointLines);
  pole_action_->setCheckable(true);
  foot_action_->setCheckable(true);
}

QPushButton* ConstructionWindow::button(const char* name) const {
  return findChild<QPushButton*>(name);
}

void ConstructionWindow::Retranslate() {
  const texts::Language lang = model_.Language;
  setWindowTitle(Q(app::ConstructionCaption(model_)));
  button("bitBtnZeichne")->setText(Text(1504, lang));
  button("BitBtnNetz")->setText(Text(1502, lang));
  button("BBtnZoomIn")->setToolTip(Plain(1514, lang));
  button("BitBtnOut")->setToolTip(Plain(1515, lang));
  button("BitBtn3")->setText(Text(1512, lang));
  button("BitBtn2")->setToolTip(Plain(1516, lang));
  button("BitBtn1")->setToolTip(Plain(1517, lang));
  button("BitBtn5")->setToolTip(Plain(1554, lang));
  const QString data_hint = Plain(1546, lang);
  button("BtnSaveC")->setText(Plain(1518, lang).section(' ', 0, 1));
  button("BtnSaveC")->setToolTip(Plain(1518, lang) + "\n" + data_hint);
  button("BtnLoadC")->setText(Plain(1519, lang).section(' ', 0, 1));
  button("BtnLoadC")->setToolTip(Plain(1519, lang) + "\n" + data_hint);
  button("BitBtnWinkel")->setText(Text(1520, lang));
  button("BitBtnStabInfo")->setText(Text(1523, lang));
  button("BtBtnParms")->setText(Text(1527, lang));
  button("BtBtnZeigen")->setText(Text(1528, lang));
  button("BtnColours")->setText(Text(1569, lang));
  coastlines_->setText(Text(1983, lang));
  borders_->setText(Text(1984, lang));

  redraw_action_->setText(Text(1505, lang));
  grid_action_->setText(Text(1503, lang));
  zoom_in_action_->setText(Text(1514, lang));
  zoom_out_action_->setText(Text(1515, lang));
  print_like_action_->setText(Text(1500, lang));
  a3_action_->setText(Text(1501, lang));
  print_action_->setText(Text(1512, lang));
  hpgl_action_->setText(Text(1516, lang));
  dxf_action_->setText(Text(1517, lang));
  save_data_action_->setText(Text(1518, lang));
  load_data_action_->setText(Text(1519, lang));
  style_action_->setText(Text(1524, lang));
  pole_action_->setText(Text(1525, lang));
  foot_action_->setText(Text(1526, lang));

  image_->setToolTip(Q(app::ImageHint(model_)));
  angle_panel_->Retranslate();
  style_panel_->Retranslate();
  save_panel_->Retranslate();
  shadow_->Retranslate();
  UpdateControls();
}

void ConstructionWindow::UpdateControls() {
  const app::ConstructionControls c = app::ControlsFor(model_);
  for (const char* name : {"BitBtnNetz", "BBtnZoomIn", "BitBtnOut"})
    button(name)->setEnabled(c.zoom_and_grid);
  grid_action_->setEnabled(c.zoom_and_grid);
  zoom_in_action_->setEnabled(c.zoom_and_grid);
  zoom_out_action_->setEnabled(c.zoom_and_grid);
  button("BitBtnStabInfo")->setEnabled(c.style_info);
  style_action_->setEnabled(c.style_info);
  button("BitBtnWinkel")->setEnabled(c.angle_table);
  pole_action_->setEnabled(c.pole_triangle);
  foot_action_->setEnabled(c.pole_triangle);
  pole_action_->setChecked(model_.options.ShowPoleTriangle);
  foot_action_->setChecked(model_.options.HourLinesToFootPoint);
  button("BitBtn5")->setEnabled(c.coordinates);
  print_like_action_->setChecked(model_.window.PrintLikeScreen);
  a3_action_->setChecked(!model_.window.PrintLikeScreen);
  coastlines_->setVisible(c.expert_panel);
  borders_->setVisible(c.expert_panel);
  {
    const QSignalBlocker b1(coastlines_), b2(borders_);
    coastlines_->setChecked(model_.ShowCoastlines);
    borders_->setChecked(model_.ShowBorders);
  }
  const bool map = model_.DialKind == 'c';
  map_scale_->setVisible(map);
  map_scale_label_->setVisible(map);
  if (map) {
    const QSignalBlocker block(map_scale_);
    map_scale_->setValue(static_cast<int>(std::lround(
        10 * std::log(std::max<std::int32_t>(model_.values.MapScale, 1)))));
    map_scale_label_->setText(QString::number(model_.values.MapScale));
  }
  shadow_->setVisible(c.shadow_preview);
  const texts::Language lang = model_.Language;
  warning_->setText(c.origin_question || c.pick_origin
                        ? (placing_hint_ ? Text(1545, lang) : QString())
                        : Q(app::ImageHint(model_)));
}

int ConstructionWindow::HelpContext() const {
  return app::ConstructionHelpContext(model_);
}

void ConstructionWindow::Redraw() {
  const int w = image_->width();
  const int h = image_->height();
  app::SetImageSize(model_, w, h);
  QImage& image = image_->image();
  if (w < 1 || h < 1) {
    image = QImage();
    last_status_ = app::ConstructionStatus::kRefused;
    image_->update();
    return;
  }
  if (image.size() != QSize(w, h)) image = QImage(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  ClearVectorUpperState();
  {
    QPainter painter(&image);
    QtCanvas qt_canvas(painter);
    VectorStateCanvas canvas(qt_canvas);
    last_status_ = app::DrawConstruction(canvas, model_, {true, w, h}, ui_);
    if (last_status_ == app::ConstructionStatus::kNotAvailable) {
      painter.setPen(Qt::darkGray);
      painter.drawText(QRect(0, 0, w, h), Qt::AlignCenter,
                       Q(app::NotAvailableText(model_)));
    }
  }
  UpdateShadow();
  image_->update();
}

void ConstructionWindow::UpdateShadow() {
  shadow_point_ = {};
  if (!app::ControlsFor(model_).shadow_preview) return;
  if (last_status_ != app::ConstructionStatus::kDone) return;
  if (const auto moment = shadow_->Moment())
    shadow_point_ = dials::ComputeShadowPoint(
        model_, {true, image_->width(), image_->height()}, *moment);
}

void ConstructionWindow::PaintOverlay(QPainter& painter) {
  const app::ConstructionControls c = app::ControlsFor(model_);
  if (c.shadow_preview) PaintShadow(painter, shadow_point_);
  if (model_.window.LabelBoxPicked && c.pick_label_box) {
    // The corner of the text box, dotted so it reads as a marker.
    const QPoint p(model_.window.LabelBoxPoint.x,
                   model_.window.LabelBoxPoint.y);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.drawLine(p, p + QPoint(40, 0));
    painter.drawLine(p, p + QPoint(0, 25));
  }
  if (placing_hint_ && c.pick_origin && model_.DialKind != '\0' &&
      last_status_ == app::ConstructionStatus::kDone) {
    const dials::Point o =
        model_.window.OriginPicked
            ? dials::Point{static_cast<double>(model_.window.OriginPoint.x),
                           static_cast<double>(model_.window.OriginPoint.y)}
            : dials::DefaultOrigin(model_.DialKind, model_.parameters.Latitude,
                                   image_->width(), image_->height());
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(
        QPointF(o.x - 130, o.y + 30 + painter.fontMetrics().ascent()),
        Text(1544, model_.Language));
  }
}

void ConstructionWindow::OnClick(QPoint position, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers) {
  const app::ConstructionControls c = app::ControlsFor(model_);
  if (button == Qt::RightButton) {
    menu_->popup(image_->mapToGlobal(position));
    return;
  }
  if (button != Qt::LeftButton) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  if (modifiers & Qt::AltModifier) {
    if (c.pick_label_box) {
      app::PickLabelBox(model_, position.x(), position.y());
      Redraw();
    }
  } else if (c.pick_origin) {
    app::PickOrigin(model_, position.x(), position.y());
    placing_hint_ = false;
    UpdateControls();
    Redraw();
  }
  QGuiApplication::restoreOverrideCursor();
}

void ConstructionWindow::OnWheel(int delta) {
  if (!app::ControlsFor(model_).zoom_and_grid) return;
  if (app::WheelZoom(model_, delta)) Redraw();
}

void ConstructionWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  setWindowTitle(Q(app::ConstructionCaption(model_)));
}

void ConstructionWindow::closeEvent(QCloseEvent* event) {
  angle_table_shown_ = false;
  emit Closing();
  event->accept();
}

void ConstructionWindow::ShowPage(QWidget* page) {
  stack_->setCurrentWidget(page);
  angle_table_shown_ = page == angle_panel_;
}

}  // namespace lumtar::gui
