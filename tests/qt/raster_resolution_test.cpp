// The raster surface at other resolutions: a high-density screen's pixel ratio, a
// print resolution of an exact size, the font size, the resolution a file states and
// the filled box.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "render/raster_surface.h"

namespace quorvel {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// 498 × 498 pixels inside the border, 15 view units a pixel, the origin in the middle.
void centredView(RasterSurface& s) { s.Scale(-3735, 3735, 3735, -3735); }
float userX(double column) { return static_cast<float>(column * 15 - 3735); }
float userY(double row) { return static_cast<float>(3735 - row * 15); }

// The rows (or columns) of the image that hold ink within a band of the other axis.
struct Extent {
  int first = -1;
  int last = -1;
  int size() const { return first < 0 ? 0 : last - first + 1; }
};
Extent inkRows(const QImage& image, int x0, int x1) {
  Extent e;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x) {
      if (image.pixel(x, y) == kWhite) continue;
      if (e.first < 0) e.first = y;
      e.last = y;
      break;
    }
  }
  return e;
}

class HighDensity : public ::testing::TestWithParam<double> {};

TEST_P(HighDensity, ASmoothPictureIsDrawnAtTheDevicesResolutionInPixelsOfTheArea) {
  const double ratio = GetParam();
  auto draw = [](double r) {
    auto s = std::make_unique<RasterSurface>();
    s->setSmooth(true);
    s->setPixelRatio(r);
    centredView(*s);
    s->setDrawWidth(2);
    s->Line(userX(20), userY(100), userX(200), userY(100));  // ink in columns 20..200
    s->setCurrentX(userX(300));
    s->setCurrentY(userY(300));
    s->Print("函数 8");  // ink in columns 300 and on
    return s;
  };
  const auto plain = draw(1);
  const auto dense = draw(ratio);
  const QImage& image = dense->image();
  EXPECT_TRUE(dense->antialiasing());
  EXPECT_EQ(image.width(), std::lround(498 * ratio));
  EXPECT_EQ(image.height(), std::lround(498 * ratio));
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ratio);
  EXPECT_EQ(dense->AreaWidthPixels(), 498);  // positions stay in pixels of the area

  // The line: at row 100 of the area, its pen 2 pixels of the area thick.
  const auto d = [ratio](double logical) { return static_cast<int>(logical * ratio); };
  const Extent line = inkRows(image, d(40), d(180));
  EXPECT_NEAR((line.first + line.last + 1) / 2.0, 100 * ratio, 1.0);
  EXPECT_NEAR(line.size(), 2 * ratio, 1.5);
  // The text: as tall as on the area's pixels times the ratio, drawn from a font of
  // that many device pixels.
  const Extent text = inkRows(image, d(300), image.width() - 1);
  const Extent plainText = inkRows(plain->image(), 300, 497);
  ASSERT_GT(plainText.size(), 5);
  EXPECT_NEAR(text.size(), plainText.size() * ratio, 2.5);
  EXPECT_NEAR(text.first, plainText.first * ratio, 2.5);
  if (ratio == 2) {
    // Not the picture of the area blown up: some 2 × 2 blocks of the text differ within.
    int mixed = 0;
    for (int y = text.first - text.first % 2; y + 1 <= text.last; y += 2) {
      for (int x = d(300); x + 1 < image.width(); x += 2) {
        const QRgb p = image.pixel(x, y);
        mixed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                 p != image.pixel(x + 1, y + 1);
      }
    }
    EXPECT_GT(mixed, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, HighDensity, ::testing::Values(1.25, 1.5, 2.0));

TEST(PrintResolution, AnExactImageSizeAndTheResolutionTheFilesState) {
  // 10 cm at 300 dpi: 378 pixels of the area in a 1181-pixel image.
  RasterSurface s(380, 380, 1);
  s.setPixelRatio(300.0 / 96, 1181, 1181);
  s.setFileDotsPerInch(300);
  s.Scale(0, 0, 378 * 15, 378 * 15);
  s.setForeColor(rgbOf(255, 0, 0));
  s.PSet(377.5f * 15, 377.5f * 15);  // the area's last pixel
  ASSERT_EQ(s.image().size(), QSize(1181, 1181));
  EXPECT_NE(s.image().pixel(1179, 1179), kWhite);
  QTemporaryDir dir;
  for (const char* name : {"p.png", "p.bmp"}) {
    const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
    ASSERT_TRUE(std::string(name).ends_with("png") ? s.savePng(path) : s.saveBmp(path));
    const QImage read(QString::fromStdString(path));
    EXPECT_EQ(read.size(), QSize(1181, 1181)) << name;
    EXPECT_EQ(read.dotsPerMeterX(), 11811) << name;  // 300 dots to the inch
    EXPECT_EQ(read.dotsPerMeterY(), 11811) << name;
  }
}

TEST(RasterFontSize, TextGrowsWithThePointsAndIsMeasuredAsWritten) {
  for (const bool smooth : {false, true}) {
    RasterSurface s;
    s.setSmooth(smooth);
    centredView(s);
    const double small = s.TextHeightPixels();
    const double narrow = s.TextWidthPixels("-3π/2");
    s.setFontSize(18);
    EXPECT_NEAR(s.TextHeightPixels(), 2 * small, 3) << smooth;
    EXPECT_NEAR(s.TextWidthPixels("-3π/2"), 2 * narrow, 3) << smooth;
    s.setCurrentX(userX(10));
    s.setCurrentY(userY(10));
    s.Print("8");
    const Extent ink = inkRows(s.image(), 0, 100);
    EXPECT_GT(ink.size(), 16) << smooth;  // a digit of 24 pixels
    EXPECT_LT(ink.last, 10 + static_cast<int>(s.TextHeightPixels())) << smooth;
  }
}

TEST(RasterFillBox, FillsThePixelsOfBothCornersAndThoseBetween) {
  RasterSurface s;
  centredView(s);
  s.setForeColor(rgbOf(0, 0, 255));
  s.FillBox(userX(14.5), userY(22.5), userX(10.5), userY(20.5));
  const QImage& image = s.image();
  int blue = 0, other = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool inside = x >= 10 && x <= 14 && y >= 20 && y <= 22;
      const QRgb p = image.pixel(x, y);
      blue += inside && p == qRgb(0, 0, 255);
      other += !inside && p != kWhite;
    }
  }
  EXPECT_EQ(blue, 15);
  EXPECT_EQ(other, 0);
  EXPECT_EQ(s.CurrentX(), userX(10.5));
}

}  // namespace
}  // namespace quorvel
