#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <filesystem>
#include <span>
#include <vector>

#include "model/model.h"

namespace lumtar::gui {

class SlideShow;

// A picture of the gallery: a sample dial drawn by our own constructions,
// stored as a JPEG under resources/gallery, and the dial-kind list entry
// whose text is its caption.
struct GalleryPicture {
  const char* file;  // file name in resources/gallery
  int kind_entry;    // entry of the dial kind list
};

// Every picture in gallery order; the first two are the front pictures.
std::span<const GalleryPicture> GalleryPictures();

// The picture decoded with libjpeg (kept after the first call); a null
// image when it is missing or cannot be decoded.
QImage GalleryImage(const GalleryPicture& picture);
// A JPEG file decoded with libjpeg; a null image when it cannot be read.
QImage DecodeJpegFile(const QString& path);

// The caption of a picture: the kind's name in `language`.
QString GalleryCaption(const GalleryPicture& picture, texts::Language language);

// The empty work area of the main window: the front picture, the strip of
// thumbnail buttons and the button of the slide show; a thumbnail opens
// its picture in a 600 x 600 panel (Escape or "X" closes it).
class GalleryPanel : public QWidget {
  Q_OBJECT

 public:
  explicit GalleryPanel(const model::Model& model, QWidget* parent = nullptr);

  void Retranslate();

  // Clicking the front picture switches between the two front pictures.
  void SwitchFront();
  int front_index() const { return front_index_; }
  bool own_front_picture() const { return own_front_; }

  void ShowPicture(int index);
  // The first picture of kind-list entry `entry`; the front page when
  // there is none.
  void ShowPictureOfKind(int entry);
  void ClosePicture();
  bool picture_open() const;
  int shown_picture() const { return shown_; }
  QString picture_caption() const { return caption_->text(); }

  void StartSlideShow();
  void StopSlideShow();
  SlideShow* slide_show() const { return show_; }

  const std::vector<QToolButton*>& thumbnails() const { return thumbs_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFront();

  const model::Model& model_;
  QStackedWidget* pages_;
  QLabel* front_;
  QImage own_front_image_;
  bool own_front_ = false;
  int front_index_ = 0;
  std::vector<QToolButton*> thumbs_;
  QPushButton* start_;
  QLabel* picture_;
  QLabel* caption_;
  QToolButton* close_;
  int shown_ = -1;
  SlideShow* show_;
};

}  // namespace lumtar::gui
