#include "gui/gallery.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "gui/slide_show.h"

namespace lumtar::gui {
namespace {

TEST(Gallery, EveryPictureDecodesWithinThePanel) {
  ASSERT_GE(GalleryPictures().size(), 2u);
  for (const GalleryPicture& p : GalleryPictures()) {
    const QImage image = GalleryImage(p);
    ASSERT_FALSE(image.isNull()) << p.file;
    EXPECT_LE(image.width(), 600) << p.file;
    EXPECT_LE(image.height(), 600) << p.file;
    EXPECT_GE(std::max(image.width(), image.height()), 500) << p.file;
  }
}

class GalleryPanelTest : public ::testing::Test {
 protected:
  GalleryPanelTest() { setenv("LUMTAR_HOME", ::testing::TempDir().c_str(), 1); }
  model::Model model_;
};

TEST_F(GalleryPanelTest, ThumbnailOpensItsPictureAndEscapeClosesIt) {
  GalleryPanel panel(model_);
  ASSERT_EQ(panel.thumbnails().size(), GalleryPictures().size());
  panel.thumbnails()[1]->click();
  EXPECT_TRUE(panel.picture_open());
  EXPECT_EQ(panel.shown_picture(), 1);
  // The caption names the kind: picture 1 is the horizontal dial.
  EXPECT_EQ(panel.picture_caption(), "Horizontale Sonnenuhr");
  QTest::keyClick(&panel, Qt::Key_Escape);
  EXPECT_FALSE(panel.picture_open());
}

TEST_F(GalleryPanelTest, FrontPictureSwitchesBetweenTheTwoFrontPictures) {
  GalleryPanel panel(model_);
  const int first = panel.front_index();
  panel.SwitchFront();
  EXPECT_EQ(panel.front_index(), 1 - first);
  panel.SwitchFront();
  EXPECT_EQ(panel.front_index(), first);
}

TEST_F(GalleryPanelTest, SlideShowCyclesWithTheSliderInterval) {
  GalleryPanel panel(model_);
  SlideShow* show = panel.slide_show();
  EXPECT_EQ(show->interval_ms(), 2200);
  EXPECT_EQ(show->interval_text(), "2.2 s");
  show->slider()->setValue(35);
  EXPECT_EQ(show->interval_ms(), 3500);
  EXPECT_EQ(show->interval_text(), "3.5 s");

  panel.StartSlideShow();
  EXPECT_TRUE(show->running());
  EXPECT_EQ(show->current(), 0);
  const int n = static_cast<int>(GalleryPictures().size());
  for (int i = 1; i < n; ++i) show->Advance();
  EXPECT_EQ(show->current(), n - 1);
  show->Advance();
  EXPECT_EQ(show->current(), 0);  // round again
  EXPECT_EQ(show->caption(),
            GalleryCaption(GalleryPictures()[0], texts::Language::kGerman));
  panel.StopSlideShow();
  EXPECT_FALSE(show->running());
}

TEST_F(GalleryPanelTest, ProgramDirectoryPictureIsTheFrontPicture) {
  // A JPEG named lumtar.jpg in the program directory wins; copy one of
  // ours there.
  QFile::remove(QString::fromStdString(::testing::TempDir() + "lumtar.jpg"));
  QFile::copy(":/gallery/horizontal.jpg",
              QString::fromStdString(::testing::TempDir() + "lumtar.jpg"));
  GalleryPanel panel(model_);
  EXPECT_TRUE(panel.own_front_picture());
  panel.SwitchFront();  // a click returns to the built-in pictures
  EXPECT_FALSE(panel.own_front_picture());
  QFile::remove(QString::fromStdString(::testing::TempDir() + "lumtar.jpg"));
}

}  // namespace
}  // namespace lumtar::gui
