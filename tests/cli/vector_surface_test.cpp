// The vector surface: which strokes it joins into polylines, which dots it leaves
// out, where it cuts far strokes, and where the shapes land in pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <limits>

#include "render/vector_surface.h"

namespace quorvel {
namespace {

using Kind = VectorSurface::Shape::Kind;

constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kRed = 0xFFFF0000u;

// 800 × 800 pixels in the centred view of 12000 × 12000 twips: 15 units a pixel,
// the origin at pixel (400, 400), y upward.
class VectorSurfaceTest : public ::testing::Test {
 protected:
  VectorSurfaceTest() {
    surface.Scale(-6000, 6000, 6000, -6000);
    pen(rgbOf(0, 0, 255), 2);
  }
  void pen(std::int32_t rgb, int width) {
    surface.setForeColor(rgb);
    surface.setDrawWidth(width);
  }
  // One step of the plotter: the dot, then the line from the previous dot.
  void plot(float x0, float y0, float x1, float y1) {
    surface.PSet(x1, y1);
    surface.Line(x0, y0, x1, y1);
  }
  static std::vector<QPointF> points(std::initializer_list<std::pair<double, double>> list) {
    std::vector<QPointF> out;
    for (const auto& [x, y] : list) out.emplace_back(x, y);
    return out;
  }
  VectorSurface surface{800, 800, 0};
};

TEST_F(VectorSurfaceTest, APlottedCurveIsOnePolylineWithoutItsDots) {
  surface.PSet(0, 0);
  plot(0, 0, 150, 150);
  plot(150, 150, 300, 0);
  plot(300, 0, 450, -150);
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].kind, Kind::Polyline);
  EXPECT_EQ(shapes[0].colour, kBlue);
  EXPECT_EQ(shapes[0].width, 2);
  EXPECT_EQ(shapes[0].points, points({{400, 400}, {410, 390}, {420, 400}, {430, 410}}));
}

TEST_F(VectorSurfaceTest, TwoBranchesTakingTurnsGiveTwoPolylines) {
  // A circle's upper and lower branch, as the two-valued sweep draws them.
  surface.PSet(0, 150);
  surface.PSet(0, -150);
  plot(0, 150, 150, 300);
  plot(0, -150, 150, -300);
  plot(150, 300, 300, 150);
  plot(150, -300, 300, -150);
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].points, points({{400, 390}, {410, 380}, {420, 390}}));
  EXPECT_EQ(shapes[1].points, points({{400, 410}, {410, 420}, {420, 410}}));
}

TEST_F(VectorSurfaceTest, ABreakInTheCurveLeavesItsDotsAlone) {
  surface.PSet(1500, 750);  // a lone dot
  surface.PSet(0, 0);
  surface.PSet(150, 0);          // not joined: the plotter broke the line here
  surface.Line(150, 0, 150, 0);  // a line of no length is a dot too
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 4u);
  const QPointF expected[] = {{500, 350}, {400, 400}, {410, 400}, {410, 400}};
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    EXPECT_EQ(shapes[i].kind, Kind::Dot) << i;
    ASSERT_EQ(shapes[i].points.size(), 1u);
    EXPECT_EQ(shapes[i].points[0], expected[i]) << i;
  }
}

TEST_F(VectorSurfaceTest, AnotherPenInBetweenKeepsThePaintingOrder) {
  surface.Line(0, 0, 150, 0);
  pen(rgbOf(255, 0, 0), 2);
  surface.Line(150, 0, 300, 0);  // continues the blue line, but red
  pen(rgbOf(0, 0, 255), 2);
  surface.Line(300, 0, 450, 0);
  pen(rgbOf(0, 0, 255), 3);
  surface.Line(450, 0, 600, 0);  // same colour, wider
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 4u);
  const QRgb colours[] = {kBlue, kRed, kBlue, kBlue};
  const int widths[] = {2, 2, 2, 3};
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    EXPECT_EQ(shapes[i].kind, Kind::Polyline) << i;
    EXPECT_EQ(shapes[i].colour, colours[i]) << i;
    EXPECT_EQ(shapes[i].width, widths[i]) << i;
    EXPECT_EQ(shapes[i].points.size(), 2u) << i;
  }
}

TEST_F(VectorSurfaceTest, FarStrokesAreCutAtTheEdgeOfThePicture) {
  // In, out to 1e30 and back in: two polylines that end 4 pixels (pen 2 + 2) past the
  // edge, the part inside unchanged.
  surface.Line(-3000, 0, 0, 0);
  surface.Line(0, 0, 1e30f, 0);
  surface.Line(1e30f, 0, 0, 1500);
  surface.Line(0, 1500, -3000, 1500);
  surface.Line(5e29f, 9e29f, 9e29f, 5e29f);  // wholly outside
  surface.PSet(-1e30f, 0);
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].points, points({{200, 400}, {400, 400}, {804, 400}}));
  ASSERT_EQ(shapes[1].points.size(), 3u);
  EXPECT_EQ(shapes[1].points[0].x(), 804);
  EXPECT_NEAR(shapes[1].points[0].y(), 300, 1e-9);
  EXPECT_EQ(shapes[1].points[1], QPointF(400, 300));
  EXPECT_EQ(shapes[1].points[2], QPointF(200, 300));
}

TEST_F(VectorSurfaceTest, PointsWithoutAPixelAreLeftOut) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  surface.Line(0, 0, inf, 0);
  surface.Line(nan, 0, 0, 0);
  surface.PSet(0, -inf);
  surface.setCurrentX(nan);
  surface.Print("1");
  EXPECT_TRUE(surface.shapes().empty());
}

TEST_F(VectorSurfaceTest, TextKeepsItsTopLeftCornerAndClsForgetsEverything) {
  surface.setCurrentX(-120);
  surface.setCurrentY(-120);
  surface.Print("-1");
  surface.setCurrentX(6000);  // the right edge: nothing of it shows
  surface.Print("12");
  surface.setCurrentX(-6150);  // starts left of the edge and reaches into the picture
  surface.Print("-12");
  const auto shapes = surface.shapes();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].kind, Kind::Text);
  EXPECT_EQ(shapes[0].text, QString("-1"));
  EXPECT_EQ(shapes[0].points[0], QPointF(392, 408));
  EXPECT_EQ(shapes[1].text, QString("-12"));
  surface.Cls();
  EXPECT_TRUE(surface.shapes().empty());
}

TEST_F(VectorSurfaceTest, PaintsOnWhiteWhereTheShapesAre) {
  surface.PSet(0, 0);
  plot(0, 0, 3000, 0);         // a line from the middle to pixel 600
  surface.PSet(-3000, -3000);  // a lone dot at (200, 600)
  pen(rgbOf(255, 0, 0), 1);
  surface.setCurrentX(-4500);
  surface.setCurrentY(4500);
  surface.Print("O");  // from (100, 100)
  QImage image(800, 800, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  surface.paint(painter);
  painter.end();
  EXPECT_EQ(image.pixel(500, 400), kBlue);
  // Smoothed edges: the dot's quarter in this pixel is mostly blue.
  const QRgb dot = image.pixel(199, 599);
  EXPECT_TRUE(qBlue(dot) == 255 && qRed(dot) < 128 && qGreen(dot) < 128) << std::hex << dot;
  EXPECT_EQ(image.pixel(500, 420), 0xFFFFFFFFu);  // the background is painted white
  EXPECT_EQ(image.pixel(700, 700), 0xFFFFFFFFu);
  int reddish = 0;
  for (int y = 100; y < 116; ++y) {
    for (int x = 100; x < 112; ++x)
      reddish += qRed(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) < 128;
  }
  EXPECT_GT(reddish, 5);
}

}  // namespace
}  // namespace quorvel
