#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "render/raster_surface.h"

namespace quorvel {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

QRgb qtColour(std::int32_t rgb) { return qRgb(redOf(rgb), greenOf(rgb), blueOf(rgb)); }

// The default box with the centred view: 498 × 498 pixels, 15 view units per pixel,
// the origin at the corner between pixels 248 and 249 (column/row 249.0).
void centredView(RasterSurface& s) { s.Scale(-3735, 3735, 3735, -3735); }

// A user point at the middle of pixel (column, row) of the centred view.
float userX(int column) { return static_cast<float>((column + 0.5) * 15 - 3735); }
float userY(int row) { return static_cast<float>(3735 - (row + 0.5) * 15); }

int countPixels(const QImage& image, QRgb colour, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y) {
    for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x) {
      if (image.pixel(x, y) == colour) ++n;
    }
  }
  return n;
}

int countNonWhite(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kWhite) ++n;
    }
  }
  return n;
}

TEST(RasterSurface, ImageIsTheDrawingAreaAndStartsWhite) {
  RasterSurface s;
  EXPECT_EQ(s.image().width(), 498);
  EXPECT_EQ(s.image().height(), 498);
  EXPECT_EQ(countNonWhite(s.image()), 0);
  RasterSurface wide(802, 602, 1);
  EXPECT_EQ(wide.image().size(), QSize(800, 600));
}

TEST(RasterSurface, ClsPaintsEverythingWhiteAgain) {
  RasterSurface s;
  centredView(s);
  s.setDrawWidth(5);
  s.Line(-3735, 0, 3735, 0);
  s.setCurrentX(0);
  s.setCurrentY(0);
  s.Print("坐标 123");
  ASSERT_GT(countNonWhite(s.image()), 0);
  s.Cls();
  EXPECT_EQ(countNonWhite(s.image()), 0);
}

struct DotCase {
  std::int32_t colour;
  int width;
};

class RasterDot : public ::testing::TestWithParam<DotCase> {};

// The pixel under the point carries the pen colour (red in the low byte of the
// colour value), and the dot is DrawWidth pixels across, nothing more.
TEST_P(RasterDot, ColoursThePixelUnderThePointAndIsDrawWidthAcross) {
  const DotCase& c = GetParam();
  RasterSurface s;
  centredView(s);
  s.setForeColor(c.colour);
  s.setDrawWidth(c.width);
  // Points anywhere inside their pixel, not only at its middle.
  const struct {
    float x, y;
    int column, row;
  } points[] = {{userX(100), userY(200), 100, 200},
                {userX(300) - 7.0f, userY(50) + 7.0f, 300, 50},
                {userX(420) + 7.0f, userY(400) - 7.0f, 420, 400},
                {0.0f, 0.0f, 249, 249}};
  for (const auto& p : points) {
    s.PSet(p.x, p.y);
    EXPECT_EQ(s.image().pixel(p.column, p.row), qtColour(c.colour))
        << "width " << c.width << " at " << p.column << "," << p.row;
    const int w = c.width;
    const QRgb pen = qtColour(c.colour);
    // w pixels across through the dot's middle, none outside a (w+1)-box around it.
    EXPECT_EQ(countPixels(s.image(), pen, p.column - w, p.row, p.column + w, p.row), w);
    EXPECT_EQ(countPixels(s.image(), pen, p.column, p.row - w, p.column, p.row + w), w);
    EXPECT_EQ(countPixels(s.image(), pen, p.column - w - 2, p.row - w - 2, p.column + w + 2,
                          p.row + w + 2),
              countPixels(s.image(), pen, p.column - w, p.row - w, p.column + w, p.row + w));
  }
}

INSTANTIATE_TEST_SUITE_P(ColoursAndWidths, RasterDot,
                         ::testing::Values(DotCase{rgbOf(255, 0, 0), 1},
                                           DotCase{rgbOf(255, 0, 0), 2},
                                           DotCase{rgbOf(0, 0, 255), 3},
                                           DotCase{rgbOf(0, 160, 0), 4},
                                           DotCase{rgbOf(12, 34, 56), 5}, DotCase{0, 2},
                                           DotCase{rgbOf(255, 128, 0), 1}));

TEST(RasterSurface, ColourValueHasRedInTheLowByte) {
  RasterSurface s;
  centredView(s);
  s.setForeColor(0x0000FF);
  s.PSet(userX(10), userY(10));
  s.setForeColor(0xFF0000);
  s.PSet(userX(20), userY(10));
  EXPECT_EQ(s.image().pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(s.image().pixel(20, 10), qRgb(0, 0, 255));
}

TEST(RasterSurface, SingleDotsTouchOnlyTheirPixel) {
  RasterSurface s;
  centredView(s);
  s.PSet(userX(0), userY(0));
  s.PSet(userX(497), userY(497));
  s.PSet(3734.9f, -3734.9f);  // just inside the bottom-right corner
  EXPECT_EQ(countNonWhite(s.image()), 2);
  EXPECT_EQ(s.image().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(s.image().pixel(497, 497), qRgb(0, 0, 0));
}

class RasterLineWidth : public ::testing::TestWithParam<int> {};

TEST_P(RasterLineWidth, HorizontalLineIsDrawWidthRowsWithRoundEnds) {
  const int w = GetParam();
  RasterSurface s;
  centredView(s);
  s.setForeColor(rgbOf(0, 0, 200));
  s.setDrawWidth(w);
  s.Line(userX(100), userY(250), userX(300), userY(250));
  const QImage& image = s.image();
  const QRgb pen = qRgb(0, 0, 200);
  EXPECT_EQ(countPixels(image, pen, 200, 240, 200, 260), w);  // w rows thick
  EXPECT_EQ(image.pixel(100, 250), pen);
  EXPECT_EQ(image.pixel(300, 250), pen);
  // The round end reaches half the width beyond the end point, no further.
  const int reach = (w - 1) / 2;
  EXPECT_EQ(image.pixel(300 + reach, 250), pen);
  EXPECT_EQ(image.pixel(301 + w / 2, 250), kWhite);
  EXPECT_EQ(image.pixel(99 - w / 2, 250), kWhite);
  if (w >= 4) {
    // Round, not square: the outer corners of the end stay white.
    const int top = 250 - w / 2;
    EXPECT_EQ(image.pixel(300 + reach, top), kWhite);
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, RasterLineWidth, ::testing::Range(1, 6));

TEST(RasterSurface, DiagonalLineJoinsThePixelsOfItsEnds) {
  RasterSurface s;
  centredView(s);
  s.Line(userX(10), userY(20), userX(110), userY(70));
  const QImage& image = s.image();
  EXPECT_EQ(image.pixel(10, 20), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(110, 70), qRgb(0, 0, 0));
  // One pixel per column along the flat direction, each column exactly once.
  for (int x = 10; x <= 110; ++x) {
    EXPECT_EQ(countPixels(image, qRgb(0, 0, 0), x, 0, x, 497), 1) << "column " << x;
  }
}

TEST(RasterSurface, LinesFarOutsideAreCutToTheVisiblePart) {
  RasterSurface s;
  centredView(s);
  s.Line(-1e30f, 0, 1e30f, 0);  // the x axis of an absurd view
  EXPECT_EQ(countPixels(s.image(), qRgb(0, 0, 0), 0, 249, 497, 249), 498);
  s.Cls();
  s.Line(1e30f, 1e30f, 2e30f, -1e30f);  // wholly outside
  s.Line(std::nanf(""), 0, 0, 0);
  s.Line(0, 0, std::numeric_limits<float>::infinity(), 0);
  s.PSet(std::nanf(""), 1);
  s.PSet(-1e38f, 1e38f);
  EXPECT_EQ(countNonWhite(s.image()), 0);
}

TEST(RasterSurface, AnAbsurdPenWidthIsBoundedNotHung) {
  RasterSurface s;
  centredView(s);
  s.setDrawWidth(1000000);
  s.PSet(0, 0);
  s.Line(-3735, 3735, 3735, -3735);
  // A dot kMaxStampWidth across: it covers the middle but not the corners.
  EXPECT_EQ(s.image().pixel(249, 249 - 120), qRgb(0, 0, 0));
  EXPECT_EQ(s.image().pixel(0, 497), kWhite);
}

TEST(RasterSurface, LineCrossingTheBorderKeepsItsSlope) {
  RasterSurface s;
  centredView(s);
  // From a thousand pixels up and left of the area to its middle, at 45°.
  s.Line(userX(-1000), userY(-1000), userX(249), userY(249));
  for (int i = 0; i <= 249; ++i) EXPECT_EQ(s.image().pixel(i, i), qRgb(0, 0, 0)) << i;
}

TEST(RasterSurface, PrintPutsTheTopLeftOfTheTextAtThePosition) {
  RasterSurface s;
  centredView(s);
  s.setForeColor(rgbOf(200, 0, 0));
  s.setCurrentX(userX(100));
  s.setCurrentY(userY(300));
  s.Print("反比例函数 -0.5");
  const QImage& image = s.image();
  const QRgb pen = qRgb(200, 0, 0);
  // Aliased text is drawn in the pen colour only, below and right of the position,
  // within a line of the 9-point font.
  EXPECT_GT(countPixels(image, pen, 100, 300, 100 + 120, 300 + 16), 40);
  EXPECT_EQ(countNonWhite(image), countPixels(image, pen, 100, 300, 497, 300 + 16));
  EXPECT_EQ(countPixels(image, pen, 0, 0, 99, 497), 0);
  EXPECT_EQ(countPixels(image, pen, 0, 0, 497, 299), 0);
  // Print leaves the position alone.
  EXPECT_EQ(s.CurrentX(), userX(100));
}

TEST(RasterSurface, TextPartlyOutsideIsClippedTextFarOutsideIsLeftOut) {
  RasterSurface s;
  centredView(s);
  s.setCurrentX(-3735.0f - 15.0f * 3);  // three pixels left of the area
  s.setCurrentY(0);
  s.Print("123456");
  EXPECT_GT(countNonWhite(s.image()), 0);
  s.Cls();
  for (const float far : {-1e30f, 1e30f, -5e9f, 5e9f}) {
    s.setCurrentX(far);
    s.setCurrentY(0);
    s.Print("500");
    s.setCurrentX(0);
    s.setCurrentY(far);
    s.Print("500");
  }
  EXPECT_EQ(countNonWhite(s.image()), 0);
}

TEST(RasterSurface, FontWritesSimplifiedChinese) {
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  if (chinese.isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs on this system";
  RasterSurface s;
  EXPECT_TRUE(
      QFontDatabase::writingSystems(s.fontFamily()).contains(QFontDatabase::SimplifiedChinese))
      << s.fontFamily().toStdString();
}

TEST(RasterSurface, ResizeKeepsTheOverlapAndWhitensTheRest) {
  RasterSurface s(12, 12, 1);  // 10 × 10 area
  s.Scale(0, 0, 10, 10);
  s.PSet(2.5f, 3.5f);
  s.Resize(20 * 15, 8 * 15);  // 18 × 6 area
  ASSERT_EQ(s.image().size(), QSize(18, 6));
  EXPECT_EQ(s.image().pixel(2, 3), qRgb(0, 0, 0));
  EXPECT_EQ(countNonWhite(s.image()), 1);
  EXPECT_EQ(s.ScaleWidth(), 18.0f * 15);  // the scale is back to twips
}

TEST(RasterSurface, ResizeToNothingDrawsNothingAndDoesNotFail) {
  RasterSurface s;
  s.Resize(0, 0);
  EXPECT_TRUE(s.image().isNull());
  s.Line(0, 0, 100, 100);
  s.PSet(1, 1);
  s.Print("x");
  s.Cls();
  s.Resize(300, 300);
  EXPECT_EQ(s.image().size(), QSize(18, 18));
  EXPECT_EQ(countNonWhite(s.image()), 0);
}

TEST(RasterSurface, CopiesOfTheImageDoNotChangeWithLaterDrawing) {
  RasterSurface s;
  centredView(s);
  s.PSet(userX(5), userY(5));
  const QImage before = s.image();
  s.PSet(userX(6), userY(5));  // aliased: written straight into the pixels
  s.setAntialiasing(true);
  s.Line(userX(7), userY(5), userX(9), userY(5));  // through the painter
  EXPECT_EQ(countNonWhite(before), 1);
  EXPECT_EQ(s.image().pixel(6, 5), qRgb(0, 0, 0));
  EXPECT_NE(s.image().pixel(8, 5), kWhite);
}

// The aliased path leaves out a dot stamped again on one of the last two anchors.
// The plain path is had by switching antialiasing off again before every call, which
// forgets the stamps; both must give the same pixels over a plotter-like walk of
// dots and short joins with far jumps across the edges, colour changes (white too),
// width changes, text and clearing.
TEST(RasterSurface, LeavingOutRepeatedDotsDrawsTheSamePixelsAsStampingEveryOne) {
  RasterSurface fast(202, 152, 1);
  RasterSurface plain(202, 152, 1);
  const std::int32_t colours[] = {rgbOf(255, 0, 0), rgbOf(0, 0, 255), rgbOf(255, 255, 255)};
  std::mt19937 random(12345);
  auto below = [&random](std::uint32_t n) { return static_cast<int>(random() % n); };
  float x = 0;
  float y = 0;
  for (RasterSurface* s : {&fast, &plain}) s->Scale(-1500, 1125, 1500, -1125);
  int differences = 0;
  for (int step = 0; step < 20000; ++step) {
    const int what = below(1000);
    const float prevX = x;
    const float prevY = y;
    if (what < 5) {
      x = static_cast<float>(below(2) == 0 ? 1e7 : -1e7);  // far out: the join is cut
    } else if (what < 30) {
      x = static_cast<float>(below(3000) - 1500);
      y = static_cast<float>(below(2250) - 1125);
    } else {
      // Mostly under a pixel (15 units), sometimes a few pixels.
      x = std::clamp(x + static_cast<float>(below(61) - 30) * (below(10) == 0 ? 3.0f : 0.5f),
                     -2000.0f, 2000.0f);
      y = std::clamp(y + static_cast<float>(below(61) - 30) * 0.5f, -1500.0f, 1500.0f);
    }
    const std::int32_t colour = colours[below(3)];
    const int width = 1 + below(5);
    for (RasterSurface* s : {&fast, &plain}) {
      if (what < 40) s->setForeColor(colour);
      if (what >= 40 && what < 50) s->setDrawWidth(width);
      if (what == 50) {
        s->setCurrentX(x);
        s->setCurrentY(y);
        s->Print("12");
      }
      if (what == 51) s->Cls();
      if (s == &plain) s->setAntialiasing(false);  // forget every stamp
      s->PSet(x, y);
      if (s == &plain) s->setAntialiasing(false);
      s->Line(prevX, prevY, x, y);
    }
    if (step % 1000 == 999 && fast.image() != plain.image()) ++differences;
  }
  EXPECT_EQ(differences, 0);
  EXPECT_TRUE(fast.image() == plain.image());
  EXPECT_GT(countNonWhite(fast.image()), 1000);  // the walk did draw
}

// Aliased text is written from a mask drawn once per text. Against the painter
// writing the same text straight into an image: the same pixels, for labels at
// many places, partly outside each edge too, and in two colours.
TEST(RasterSurface, AliasedTextFromItsMaskIsWhatThePainterWrites) {
  RasterSurface s(82, 62, 1);  // 80 × 60
  s.Scale(0, 0, 80, 60);       // one unit a pixel
  QImage expected(80, 60, QImage::Format_RGB32);
  expected.fill(kWhite);
  QPainter painter(&expected);
  painter.setFont(s.font());
  const char* texts[] = {"-12", "0.5", "O", "坐标", "1.234", "Wj"};
  int written = 0;
  for (int y = -14; y <= 62; y += 9) {
    for (int x = -30; x <= 82; x += 13) {
      const char* text = texts[written % 6];
      const std::int32_t colour = written % 2 == 0 ? rgbOf(200, 0, 0) : rgbOf(0, 0, 90);
      s.setForeColor(colour);
      s.setCurrentX(static_cast<float>(x) + 0.75f);  // floored to whole pixels
      s.setCurrentY(static_cast<float>(y) + 0.25f);
      s.Print(text);
      painter.setPen(QColor::fromRgb(qtColour(colour)));
      painter.drawText(QPointF(x, y + QFontMetrics(s.font()).ascent()), QString::fromUtf8(text));
      ++written;
    }
  }
  painter.end();
  EXPECT_TRUE(s.image() == expected);
  EXPECT_GT(countNonWhite(expected), 500);
}

TEST(RasterSurface, AntialiasedDotsCentredOnAPixelFillIt) {
  RasterSurface s;
  s.setAntialiasing(true);
  centredView(s);
  s.setForeColor(rgbOf(0, 128, 255));
  for (int w = 1; w <= 5; ++w) {
    s.setDrawWidth(w);
    s.PSet(userX(50 * w), userY(60));
    EXPECT_EQ(s.image().pixel(50 * w, 60), qRgb(0, 128, 255)) << "width " << w;
  }
}

TEST(RasterSurface, AntialiasingBlendsEdgesAliasedDoesNot) {
  auto colours = [](bool smooth) {
    RasterSurface s;
    s.setAntialiasing(smooth);
    centredView(s);
    s.setDrawWidth(2);
    s.Line(userX(10), userY(10), userX(200), userY(77));
    s.setCurrentX(userX(20));
    s.setCurrentY(userY(300));
    s.Print("函数 2.5");
    int mixed = 0;
    const QImage& image = s.image();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (p != kWhite && p != qRgb(0, 0, 0)) ++mixed;
      }
    }
    return mixed;
  };
  EXPECT_EQ(colours(false), 0);
  EXPECT_GT(colours(true), 100);
}

// Little-endian fields of the bitmap file.
std::uint32_t u32(const QByteArray& b, int at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t u16(const QByteArray& b, int at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

TEST(RasterSurface, SavesA24BitWindowsBitmapOfTheImage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RasterSurface s(103, 52, 1);  // 101 × 50: rows of 303 bytes padded to 304
  s.Scale(0, 0, 101, 50);
  s.setDrawWidth(3);
  s.setForeColor(rgbOf(250, 20, 10));
  s.Line(3, 4, 90, 40);
  s.setForeColor(rgbOf(0, 100, 255));
  s.PSet(100.5f, 0.5f);  // top-right corner pixel: checks the row order
  s.setCurrentX(5);
  s.setCurrentY(30);
  s.Print("图");
  const std::string path = dir.filePath(QStringLiteral("图像.bmp")).toStdString();
  ASSERT_TRUE(s.saveBmp(path));

  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray b = file.readAll();
  ASSERT_GE(b.size(), 54);
  EXPECT_EQ(b.left(2), QByteArray("BM"));
  EXPECT_EQ(u32(b, 2), static_cast<std::uint32_t>(b.size()));  // file size
  const std::uint32_t offset = u32(b, 10);
  EXPECT_GE(u32(b, 14), 40u);   // info header size
  EXPECT_EQ(u32(b, 18), 101u);  // width
  EXPECT_EQ(u32(b, 22), 50u);   // height, positive: bottom row first
  EXPECT_EQ(u16(b, 26), 1u);    // planes
  EXPECT_EQ(u16(b, 28), 24u);   // bits per pixel
  EXPECT_EQ(u32(b, 30), 0u);    // no compression
  const int stride = 304;
  ASSERT_EQ(static_cast<qsizetype>(offset) + stride * 50, b.size());

  const QImage& image = s.image();
  int mismatches = 0;
  for (int y = 0; y < 50; ++y) {
    const int row = static_cast<int>(offset) + (49 - y) * stride;
    for (int x = 0; x < 101; ++x) {
      const QRgb p = image.pixel(x, y);
      const int at = row + 3 * x;
      if (static_cast<unsigned char>(b[at]) != qBlue(p) ||
          static_cast<unsigned char>(b[at + 1]) != qGreen(p) ||
          static_cast<unsigned char>(b[at + 2]) != qRed(p)) {
        ++mismatches;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(image.pixel(100, 0), qRgb(0, 100, 255));
}

// PNG: a picture of up to 256 colours is written with a palette, a richer one as
// RGB; both read back as the very pixels of the image.
struct PngCase {
  const char* name;
  int colours;  // distinct dot colours besides the white paper
  bool antialiased;
  bool palette;  // written as 8-bit indexes
};

class RasterPng : public ::testing::TestWithParam<PngCase> {};

TEST_P(RasterPng, ReadsBackAsTheSamePixels) {
  const PngCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RasterSurface s(42, 42, 1);
  s.Scale(0, 0, 40, 40);
  s.setAntialiasing(c.antialiased);
  for (int i = 0; i < c.colours; ++i) {
    s.setForeColor(rgbOf(i % 256, i / 256, 200));
    s.PSet(static_cast<float>(i % 40) + 0.5f, static_cast<float>(i / 40) + 0.5f);
  }
  s.setForeColor(rgbOf(0, 0, 0));
  s.setDrawWidth(3);
  s.Line(2, 38, 38, 30);
  s.setCurrentX(1);
  s.setCurrentY(20);
  s.Print("图2");
  const QString path = dir.filePath(QStringLiteral("图像.png"));
  ASSERT_TRUE(s.savePng(path.toStdString()));
  const QImage back(path);
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.format() == QImage::Format_Indexed8, c.palette);
  EXPECT_TRUE(back.convertToFormat(QImage::Format_RGB32) == s.image());
}

INSTANTIATE_TEST_SUITE_P(Cases, RasterPng,
                         ::testing::Values(PngCase{"AliasedFewColours", 3, false, true},
                                           // White, black and 254 dot colours: 256 exactly.
                                           PngCase{"Exactly256Colours", 254, false, true},
                                           PngCase{"Over256Colours", 255, false, false},
                                           // The blended greys of a black stroke and its text.
                                           PngCase{"AntialiasedGreys", 0, true, true}),
                         [](const ::testing::TestParamInfo<PngCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(RasterSurface, PngToAMissingFolderFails) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RasterSurface s;
  EXPECT_FALSE(s.savePng(dir.filePath(QStringLiteral("no/such/folder/x.png")).toStdString()));
}

TEST(RasterSurface, SavingToAMissingFolderFails) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RasterSurface s;
  EXPECT_FALSE(s.saveBmp(dir.filePath(QStringLiteral("no/such/folder/x.bmp")).toStdString()));
}

}  // namespace
}  // namespace quorvel
