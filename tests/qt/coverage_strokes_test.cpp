// The smooth path's own rasterising against plain references: the gathered strokes
// against each segment covered on its own, the stamped texts against the painter.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "render/coverage_strokes.h"
#include "render/text_stamps.h"

namespace quorvel {
namespace {

QImage white(int w = 120, int h = 90) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(qRgb(255, 255, 255));
  return image;
}

// The largest difference of a channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return worst;
}

// How many pixels differ by more than `levels` in a channel.
int pixelsDiffering(const QImage& a, const QImage& b, int levels) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                    std::abs(qBlue(p) - qBlue(q))}) > levels) {
        ++count;
      }
    }
  }
  return count;
}

// An arc and a straight run cut into short segments, as the plotter hands them over.
std::vector<QPointF> polyline() {
  std::vector<QPointF> points;
  for (int i = 0; i <= 120; ++i) points.emplace_back(10 + i * 0.5, 20 + 0.25 * i);
  for (int i = 1; i <= 200; ++i) {
    const double t = i * 0.015;
    points.emplace_back(70 + 35 * std::sin(t), 50 - 35 * std::cos(t) + 15);
  }
  return points;
}

TEST(CoverageStrokes, ACurveOfShortSegmentsIsTheDarkestOfItsSegmentsWithoutSeams) {
  for (const double width : {1.0, 2.0, 3.5}) {
    for (const bool smooth : {true, false}) {
      const std::vector<QPointF> points = polyline();
      QImage gathered = white();
      CoverageStrokes strokes;
      strokes.setPen(width, smooth);
      for (std::size_t i = 1; i < points.size(); ++i) {
        strokes.dot(gathered, points[i]);
        strokes.line(gathered, points[i - 1], points[i]);
      }
      strokes.flush(gathered, qRgb(0, 0, 0));
      // The reference: each segment and dot covered alone, the darkest pixel kept.
      QImage reference = white();
      for (std::size_t i = 1; i < points.size(); ++i) {
        QImage alone = white();
        CoverageStrokes one;
        one.setPen(width, smooth);
        one.line(alone, points[i - 1], points[i]);
        one.flush(alone, qRgb(0, 0, 0));
        for (int y = 0; y < alone.height(); ++y) {
          for (int x = 0; x < alone.width(); ++x) {
            if (qRed(alone.pixel(x, y)) < qRed(reference.pixel(x, y))) {
              reference.setPixel(x, y, alone.pixel(x, y));
            }
          }
        }
      }
      EXPECT_NE(reference, white()) << width;
      if (smooth) {
        // A straight run is covered as one capsule: off by at most 1/32 of a pixel.
        EXPECT_LE(largestDifference(gathered, reference), 10) << "width " << width;
        continue;
      }
      for (int y = 0; y < gathered.height(); ++y) {
        for (int x = 0; x < gathered.width(); ++x) {
          const QRgb p = gathered.pixel(x, y);
          ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
        }
      }
    }
  }
}

TEST(CoverageStrokes, StrokesGatheredForAnotherSizeAreDroppedNotWritten) {
  QImage small = white(40, 30);
  CoverageStrokes strokes;
  strokes.line(small, QPointF(0, 0), QPointF(39, 29));
  QImage larger = white(80, 60);
  strokes.flush(larger, qRgb(0, 0, 0));
  EXPECT_EQ(larger, white(80, 60));
  // Through the middles of row 10's pixels, reaching past both sides.
  strokes.line(larger, QPointF(-500, 10.5), QPointF(500, 10.5));
  strokes.flush(larger, qRgb(0, 0, 0));
  EXPECT_EQ(qRed(larger.pixel(79, 10)), 0);
  EXPECT_EQ(qRed(larger.pixel(0, 10)), 0);
  EXPECT_EQ(qRed(larger.pixel(0, 11)), 255);
}

TEST(TextStamps, AStampedTextIsThePaintersText) {
  // Ratios where the baseline falls on a device pixel's edge for both (at 1.5 a
  // half-pixel baseline may be rounded either way by the painter).
  for (const double ratio : {1.0, 2.0}) {
    for (const bool smooth : {true, false}) {
      QFont font("Sans");
      font.setPixelSize(13);
      if (!smooth) font.setStyleStrategy(QFont::NoAntialias);
      const int ascent = QFontMetrics(font).ascent();
      TextStamps stamps;
      stamps.setLook(TextLook{font, ascent, ratio, smooth});
      QImage stamped = white(160, 60);
      // Cut by the left edge too: the stamp keeps only what falls inside.
      for (const QPoint at : {QPoint(12, 8), QPoint(-9, 30)}) {
        stamps.stamp(stamped, at.x(), at.y(), "-3π/2  y=x²", qRgb(200, 0, 40));
      }
      QImage painted = white(160, 60);
      painted.setDevicePixelRatio(ratio);
      {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        painter.setPen(QColor(200, 0, 40));
        painter.setFont(font);
        for (const QPoint at : {QPoint(12, 8), QPoint(-9, 30)}) {
          painter.drawText(QPointF(at.x() / ratio, at.y() / ratio + ascent), "-3π/2  y=x²");
        }
      }
      painted.setDevicePixelRatio(1);
      EXPECT_NE(stamped, white(160, 60));
      EXPECT_LE(pixelsDiffering(stamped, painted, 24), 3)
          << "ratio " << ratio << (smooth ? " smooth" : " aliased");
    }
  }
}

}  // namespace
}  // namespace quorvel
