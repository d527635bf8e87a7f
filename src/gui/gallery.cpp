#include "gui/gallery.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/program_directory.h"
#include "gui/slide_show.h"
#include "model/catalogue.h"
#include "output/jpeg_image.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

constexpr GalleryPicture kPictures[] = {
    {"vertical_declining.jpg", 1},
    {"horizontal.jpg", 0},
    {"vertical_south.jpg", 1},
    {"vertical_east.jpg", 1},
    {"vertical_west_mean_time.jpg", 1},
    {"reclining.jpg", 2},
    {"horizontal_altitude_lines.jpg", 0},
    {"horizontal_temporal.jpg", 0},
    {"horizontal_sydney.jpg", 0},
    {"umbrella_horizontal.jpg", model::kUmbrellaEntry},
    {"umbrella_vertical.jpg", model::kUmbrellaEntry},
};

constexpr int kThumbSize = 84;
constexpr int kFrontSize = 420;
constexpr int kPanelSize = 600;

QImage ToQImage(const output::RgbImage& rgb) {
  QImage image(rgb.rgb.data(), rgb.width, rgb.height, rgb.width * 3,
               QImage::Format_RGB888);
  return image.copy();  // own the pixels
}

QImage DecodeBytes(const QByteArray& bytes) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  const auto rgb =
      output::DecodeJpeg({data, static_cast<std::size_t>(bytes.size())});
  return rgb ? ToQImage(*rgb) : QImage();
}

QPixmap Fitted(const QImage& image, int side) {
  if (image.isNull()) return QPixmap();
  return QPixmap::fromImage(
      image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

std::span<const GalleryPicture> GalleryPictures() { return kPictures; }

QImage DecodeJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  return DecodeBytes(file.readAll());
}

QImage GalleryImage(const GalleryPicture& picture) {
  static QHash<QString, QImage> decoded;
  const QString name = picture.file;
  auto it = decoded.find(name);
  if (it == decoded.end())
    it = decoded.insert(name, DecodeJpegFile(":/gallery/" + name));
  return *it;
}

QString GalleryCaption(const GalleryPicture& picture,
                       texts::Language language) {
  const int id = model::kKindEntries[picture.kind_entry].text_id;
  return QString::fromStdString(texts::TextById(id, language)).trimmed();
}

GalleryPanel::GalleryPanel(const model::Model& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName("GalleryPanel");
  setFocusPolicy(Qt::StrongFocus);
  pages_ = new QStackedWidget(this);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(pages_);

  // Front page: the front picture at a quarter of the free height, the
  // thumbnail strip and the slide-show button below it.
  auto* front_page = new QWidget;
  auto* front_layout = new QVBoxLayout(front_page);
  front_ = new QLabel;
  front_->setObjectName("FrontPicture");
  front_->setAlignment(Qt::AlignCenter);
  front_->setCursor(Qt::PointingHandCursor);
  front_->installEventFilter(this);
  auto* strip = new QWidget;
  strip->setObjectName("ThumbnailStrip");
  auto* strip_layout = new QHBoxLayout(strip);
  strip_layout->setContentsMargins(2, 2, 2, 2);
  for (std::size_t i = 0; i < std::size(kPictures); ++i) {
    auto* b = new QToolButton;
    b->setIcon(Fitted(GalleryImage(kPictures[i]), kThumbSize));
    b->setIconSize(QSize(kThumbSize, kThumbSize));
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this,
            [this, i] { ShowPicture(static_cast<int>(i)); });
    strip_layout->addWidget(b);
    thumbs_.push_back(b);
  }
  auto* scroll = new QScrollArea;
  scroll->setWidget(strip);
  scroll->setFixedHeight(kThumbSize + 30);
  strip->adjustSize();
  scroll->setMinimumWidth(std::min(strip->width() + 4, 1100));
  scroll->setMaximumWidth(strip->width() + 4);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setFrameShape(QFrame::NoFrame);
  start_ = new QPushButton;
  start_->setObjectName("StartSlideShow");
  connect(start_, &QPushButton::clicked, this, &GalleryPanel::StartSlideShow);
  front_layout->addStretch(1);
  front_layout->addWidget(front_, 0, Qt::AlignHCenter);
  front_layout->addStretch(3);
  front_layout->addWidget(scroll, 0, Qt::AlignHCenter);
  front_layout->addWidget(start_, 0, Qt::AlignHCenter);
  pages_->addWidget(front_page);

  // Picture page: one picture in 600 x 600 with its caption and "X".
  auto* picture_page = new QWidget;
  auto* picture_layout = new QVBoxLayout(picture_page);
  auto* title_row = new QHBoxLayout;
  caption_ = new QLabel;
  caption_->setObjectName("PictureCaption");
  close_ = new QToolButton;
  close_->setText("X");
  connect(close_, &QToolButton::clicked, this, &GalleryPanel::ClosePicture);
  title_row->addWidget(caption_, 1);
  title_row->addWidget(close_);
  picture_ = new QLabel;
  picture_->setFixedSize(kPanelSize, kPanelSize);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setStyleSheet("background: white");
  auto* panel = new QWidget;
  panel->setFixedWidth(kPanelSize);
  auto* panel_layout = new QVBoxLayout(panel);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->addLayout(title_row);
  panel_layout->addWidget(picture_);
  picture_layout->addStretch(1);
  picture_layout->addWidget(panel, 0, Qt::AlignHCenter);
  picture_layout->addStretch(2);
  pages_->addWidget(picture_page);

  show_ = new SlideShow(model_);
  connect(show_, &SlideShow::Stopped, this, [this] { ShowFront(); });
  pages_->addWidget(show_);

  // The program directory's own "lumtar.jpg" is the front picture when it
  // can be read; otherwise the first built-in one six times in ten.
  const auto own = app::ProgramDirectory() / "lumtar.jpg";
  own_front_image_ = DecodeJpegFile(QString::fromStdString(own.string()));
  own_front_ = !own_front_image_.isNull();
  front_index_ = QRandomGenerator::global()->bounded(10) < 6 ? 0 : 1;
  ShowFront();
  Retranslate();
}

void GalleryPanel::Retranslate() {
  const texts::Language l = model_.Language;
  start_->setText(QString::fromUtf8(texts::RawText(1619, l)));
  for (std::size_t i = 0; i < thumbs_.size(); ++i)
    thumbs_[i]->setToolTip(GalleryCaption(kPictures[i], l));
  if (shown_ >= 0) caption_->setText(GalleryCaption(kPictures[shown_], l));
  show_->Retranslate();
}

void GalleryPanel::ShowFront() {
  const QImage image =
      own_front_ ? own_front_image_ : GalleryImage(kPictures[front_index_]);
  front_->setPixmap(Fitted(image, kFrontSize));
  pages_->setCurrentIndex(0);
}

void GalleryPanel::SwitchFront() {
  own_front_ = false;
  front_index_ = 1 - front_index_;
  ShowFront();
}

void GalleryPanel::ShowPicture(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kPictures))) return;
  show_->Stop();
  shown_ = index;
  picture_->setPixmap(Fitted(GalleryImage(kPictures[index]), kPanelSize));
  caption_->setText(GalleryCaption(kPictures[index], model_.Language));
  pages_->setCurrentIndex(1);
  setFocus();
}

void GalleryPanel::ShowPictureOfKind(int entry) {
  for (std::size_t i = 0; i < std::size(kPictures); ++i) {
    if (kPictures[i].kind_entry == entry) {
      ShowPicture(static_cast<int>(i));
      return;
    }
  }
  ClosePicture();
}

void GalleryPanel::ClosePicture() {
  shown_ = -1;
  ShowFront();
}

bool GalleryPanel::picture_open() const { return pages_->currentIndex() == 1; }

void GalleryPanel::StartSlideShow() {
  pages_->setCurrentIndex(2);
  show_->Start();
}

void GalleryPanel::StopSlideShow() {
  if (show_->running()) show_->Stop();
}

void GalleryPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && picture_open()) {
    ClosePicture();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool GalleryPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == front_ && event->type() == QEvent::MouseButtonRelease) {
    SwitchFront();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumtar::gui
