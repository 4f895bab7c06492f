// The picture's options in the windows: the settings page's button, the two dialogs
// and the window's surface on a high-density screen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "qt/picture_dialogs.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

int blendedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += qRed(p) != qGreen(p) || (qRed(p) != 0 && qRed(p) != 255);
    }
  }
  return n;
}

using PictureOptionsWindows = DesktopTest;

TEST_F(PictureOptionsWindows, TheSettingsPageButtonOpensTheDialogAndTheWindowDrawsSmooth) {
  drawInverse();
  EXPECT_EQ(blendedPixels(desktop->surface.image()), 0);  // the picture box's picture
  auto* button = panelWidget<QPushButton>("cmdPictureOptions");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("图像选项…"));
  PictureStyle smooth;  // 经典外观 turned off, 平滑曲线 on
  smooth.modern = true;
  smooth.smooth = true;
  kit.pictureOptions->answers.push_back(smooth);
  panel.tbsControl.select(3);
  QTest::mouseClick(button, Qt::LeftButton);
  settle();
  ASSERT_EQ(kit.pictureOptions->shown.size(), 1u);
  EXPECT_EQ(kit.pictureOptions->shown[0], PictureStyle{});
  EXPECT_TRUE(desktop->surface.antialiasing());
  EXPECT_GT(blendedPixels(desktop->surface.image()), 100);
}

TEST(PictureOptionsDialog, ShowsTheStyleAndGivesTheEditedOne) {
  PictureStyle style;
  style.modern = true;
  style.grid = true;
  style.labels = CurveLabels::Legend;
  style.labelPoints = 12;
  PictureOptionsDialog dialog(style, nullptr);
  dialog.show();  // laid out, so that a click lands on a box
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像选项"));
  EXPECT_EQ(dialog.style(), style);
  auto* smooth = dialog.findChild<QCheckBox*>(QStringLiteral("chkSmooth"));
  auto* grid = dialog.findChild<QCheckBox*>(QStringLiteral("chkGrid"));
  auto* labels = dialog.findChild<QComboBox*>(QStringLiteral("cboLabels"));
  auto* points = dialog.findChild<QSpinBox*>(QStringLiteral("spnLabelPoints"));
  ASSERT_TRUE(smooth && grid && labels && points);
  EXPECT_EQ(smooth->text(), QStringLiteral("平滑曲线"));
  EXPECT_EQ(labels->itemText(1), QStringLiteral("标在曲线旁"));
  // On the box itself (the row is wider than its text).
  for (QCheckBox* box : {smooth, grid}) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
  labels->setCurrentIndex(1);
  points->setValue(16);
  PictureStyle edited;
  edited.modern = true;
  edited.smooth = true;
  edited.labels = CurveLabels::Beside;
  edited.labelPoints = 16;
  EXPECT_EQ(dialog.style(), edited);
  EXPECT_EQ(points->maximum(), kMaxLabelPoints);
}

TEST(PictureOptionsDialog, TheClassicLookLeavesTheOtherOptionsShownButUnused) {
  PictureStyle style;
  style.modern = true;
  style.smooth = true;
  style.piTicks = true;
  PictureOptionsDialog dialog(style, nullptr);
  dialog.show();
  auto* classic = dialog.findChild<QCheckBox*>(QStringLiteral("chkClassic"));
  auto* smooth = dialog.findChild<QCheckBox*>(QStringLiteral("chkSmooth"));
  auto* labels = dialog.findChild<QComboBox*>(QStringLiteral("cboLabels"));
  auto* points = dialog.findChild<QSpinBox*>(QStringLiteral("spnLabelPoints"));
  ASSERT_TRUE(classic && smooth && labels && points);
  EXPECT_EQ(classic->text(), QStringLiteral("经典外观"));
  EXPECT_FALSE(classic->isChecked());
  EXPECT_TRUE(smooth->isEnabled());
  QTest::mouseClick(classic, Qt::LeftButton, {}, QPoint(8, classic->height() / 2));
  for (QWidget* w : std::initializer_list<QWidget*>{smooth, labels, points}) {
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  }
  // The options stay as they were, for the day the classic look is turned off again.
  PictureStyle chosen = style;
  chosen.modern = false;
  EXPECT_EQ(dialog.style(), chosen);
  QTest::mouseClick(classic, Qt::LeftButton, {}, QPoint(8, classic->height() / 2));
  EXPECT_TRUE(points->isEnabled());
  EXPECT_EQ(dialog.style(), style);
}

TEST(ExportSizeDialog, OffersTheWindowPixelsOrCentimetresAndSaysWhatTheFileHolds) {
  PictureSize last;
  last.unit = SizeUnit::Centimetres;
  ExportSizeDialog dialog(last, 1000, 700, nullptr);
  dialog.show();
  auto* window = dialog.findChild<QRadioButton*>(QStringLiteral("optWindow"));
  auto* pixels = dialog.findChild<QRadioButton*>(QStringLiteral("optPixels"));
  auto* widthCm = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spnWidthCm"));
  auto* dpi = dialog.findChild<QSpinBox*>(QStringLiteral("spnDotsPerInch"));
  auto* widthPixels = dialog.findChild<QSpinBox*>(QStringLiteral("spnWidthPixels"));
  auto* outcome = dialog.findChild<QLabel*>(QStringLiteral("lblOutcome"));
  ASSERT_TRUE(window && pixels && widthCm && dpi && widthPixels && outcome);
  EXPECT_EQ(window->text(), QStringLiteral("与窗口相同（1000 × 700 像素）"));
  EXPECT_EQ(dialog.size(), last);
  EXPECT_EQ(outcome->text(), QStringLiteral("位图为 1181 × 1181 像素"));
  EXPECT_FALSE(widthPixels->isEnabled());
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  EXPECT_EQ(ok->text(), QStringLiteral("确定"));
  // Too large for a picture file: said, and not to be accepted.
  widthCm->setValue(80);
  EXPECT_TRUE(outcome->text().startsWith(QStringLiteral("图像过大")));
  EXPECT_FALSE(ok->isEnabled());
  dpi->setValue(96);
  EXPECT_EQ(outcome->text(), QStringLiteral("位图为 3024 × 378 像素"));
  EXPECT_TRUE(ok->isEnabled());
  QTest::mouseClick(pixels, Qt::LeftButton, {}, QPoint(8, pixels->height() / 2));
  EXPECT_TRUE(widthPixels->isEnabled());
  EXPECT_FALSE(dpi->isEnabled());
  widthPixels->setValue(640);
  EXPECT_EQ(dialog.size().unit, SizeUnit::Pixels);
  EXPECT_EQ(dialog.size().widthPixels, 640);
  EXPECT_EQ(outcome->text(), QStringLiteral("位图为 640 × 1000 像素"));
}

TEST(WindowSurface, OnlyASmoothPictureTakesTheScreensResolution) {
  WindowSurface surface(302, 202, 1);
  EXPECT_FALSE(surface.setScreenRatio(2));  // aliased: one pixel per pixel as before
  EXPECT_EQ(surface.image().size(), QSize(300, 200));
  surface.setSmooth(true);
  EXPECT_EQ(surface.image().size(), QSize(600, 400));
  EXPECT_DOUBLE_EQ(surface.image().devicePixelRatio(), 2);
  EXPECT_TRUE(surface.setScreenRatio(1.5));  // the picture must be drawn again
  EXPECT_EQ(surface.image().size(), QSize(450, 300));
  surface.setSmooth(false);
  EXPECT_EQ(surface.image().size(), QSize(300, 200));
  EXPECT_DOUBLE_EQ(surface.pixelRatio(), 1);
}

}  // namespace
}  // namespace quorvel::test
