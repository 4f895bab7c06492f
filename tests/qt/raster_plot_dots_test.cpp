// The raster surface's runs of dots against the same dots drawn one PSet and Line at
// a time: every pixel the same, for random walks that cross the edges, jump far out,
// change colour and pen width, with loose and joined dots on one or two branches.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "plot/plotter.h"
#include "plot/recording_surface.h"
#include "render/raster_surface.h"

namespace quorvel {
namespace {

struct WalkCase {
  int penWidth;
  bool twoBranches;
  bool antialiased;
  unsigned seed;
};

// A random walk of small steps (a pixel or two, as a fine replay gives), now and then
// a jump across the picture, far out (1e30) or to infinity or NaN.
std::vector<PlotDot> randomWalk(std::mt19937& random, bool twoBranches, int count) {
  std::uniform_real_distribution<float> step(-25, 25);
  std::uniform_real_distribution<float> anywhere(-4200, 4200);
  std::uniform_int_distribution<int> event(0, 99);
  std::vector<PlotDot> dots;
  float x[2] = {0, 100};
  float y[2] = {0, -100};
  bool joined[2] = {false, false};
  for (int i = 0; i < count; ++i) {
    const int b = twoBranches ? i % 2 : 0;
    PlotDot d;
    d.fromX = x[b];
    d.fromY = y[b];
    d.joined = joined[b];
    const int e = event(random);
    if (e < 3) {
      d.x = anywhere(random);
      d.y = anywhere(random);
    } else if (e < 4) {
      d.x = 1e30f;
      d.y = anywhere(random);
    } else if (e < 5) {
      d.x = anywhere(random);
      d.y =
          e % 2 ? std::numeric_limits<float>::infinity() : std::numeric_limits<float>::quiet_NaN();
    } else {
      d.x = x[b] + step(random);
      d.y = y[b] + step(random);
    }
    if (e >= 95) d.joined = false;  // a break in the line
    x[b] = d.x;
    y[b] = d.y;
    joined[b] = true;
    dots.push_back(d);
  }
  return dots;
}

class RasterPlotDots : public ::testing::TestWithParam<WalkCase> {};

TEST_P(RasterPlotDots, RunsDrawThePixelsOfOneCallAtATime) {
  const WalkCase& c = GetParam();
  std::mt19937 random(c.seed);
  // 302 × 202 with a border: the centred view below puts the walk across every edge.
  RasterSurface plain(302, 202, 1);
  RasterSurface runs(302, 202, 1);
  for (RasterSurface* s : {&plain, &runs}) {
    s->setAntialiasing(c.antialiased);
    s->Scale(-2250, 1500, 2250, -1500);
    s->setDrawWidth(c.penWidth);
  }
  const std::int32_t colours[] = {rgbOf(255, 0, 0), rgbOf(0, 128, 255), rgbOf(10, 20, 30)};
  std::uniform_int_distribution<int> runLength(0, 40);
  for (int round = 0; round < 12; ++round) {
    const std::int32_t colour = colours[round % 3];
    plain.setForeColor(colour);
    runs.setForeColor(colour);
    if (round == 6) {  // a width change between runs
      plain.setDrawWidth(c.penWidth % 5 + 1);
      runs.setDrawWidth(c.penWidth % 5 + 1);
    }
    const std::vector<PlotDot> walk = randomWalk(random, c.twoBranches, 400);
    for (const PlotDot& d : walk) {
      plain.PSet(d.x, d.y);
      if (d.joined) plain.Line(d.fromX, d.fromY, d.x, d.y);
    }
    // The same dots in runs of random lengths, with one loose call between two runs.
    std::size_t at = 0;
    while (at < walk.size()) {
      const std::size_t n = std::min(walk.size() - at, static_cast<std::size_t>(runLength(random)));
      runs.PlotDots(walk.data() + at, n);
      at += n;
      if (at < walk.size() && n % 7 == 0) {
        const PlotDot& d = walk[at];
        runs.PSet(d.x, d.y);
        if (d.joined) runs.Line(d.fromX, d.fromY, d.x, d.y);
        ++at;
      }
    }
    // Bit for bit: the last point may be NaN.
    ASSERT_EQ(std::bit_cast<std::uint32_t>(runs.CurrentX()),
              std::bit_cast<std::uint32_t>(plain.CurrentX()));
    ASSERT_EQ(std::bit_cast<std::uint32_t>(runs.CurrentY()),
              std::bit_cast<std::uint32_t>(plain.CurrentY()));
    ASSERT_TRUE(runs.image() == plain.image()) << "round " << round;
  }
  // The walks drew something: a comparison of two white pictures proves nothing.
  int coloured = 0;
  const QImage& image = plain.image();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) coloured += image.pixel(x, y) != 0xFFFFFFFFu;
  }
  EXPECT_GT(coloured, 1000);
}

std::vector<WalkCase> walkCases() {
  std::vector<WalkCase> cases;
  for (int width = 1; width <= 5; ++width) {
    cases.push_back({width, false, false, 11u + static_cast<unsigned>(width)});
    cases.push_back({width, true, false, 23u + static_cast<unsigned>(width)});
  }
  cases.push_back({2, true, true, 5u});
  cases.push_back({3, false, true, 6u});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Walks, RasterPlotDots, ::testing::ValuesIn(walkCases()),
                         [](const auto& testInfo) {
                           const WalkCase& c = testInfo.param;
                           return "Pen" + std::to_string(c.penWidth) +
                                  (c.twoBranches ? "TwoBranches" : "OneBranch") +
                                  (c.antialiased ? "Antialiased" : "");
                         });

TEST(RasterPlotDots, ASurfaceWithoutPixelsTakesARunAndMovesThePosition) {
  RasterSurface s(2, 2, 1);  // the border takes everything
  s.setDrawWidth(2);
  const PlotDot dots[] = {{10, 20, 0, 0, false}, {30, 40, 10, 20, true}};
  s.PlotDots(dots, 2);
  EXPECT_EQ(s.CurrentX(), 30);
  EXPECT_EQ(s.CurrentY(), 40);
  EXPECT_TRUE(s.image().isNull());
}

// Whole curves through the plotter: the raster drawn by draw() against a raster that
// gets the recorded PSet and Line calls of the same draw one at a time.
struct CurveCase {
  const char* name;
  std::int16_t family, form;
  float a, b;
  const char* expression;
};

class RasterPlottedCurve : public ::testing::TestWithParam<CurveCase> {};

TEST_P(RasterPlottedCurve, IsThePictureOfItsRecordedCalls) {
  const CurveCase& c = GetParam();
  for (int pen = 1; pen <= 3; ++pen) {
    RasterSurface drawn(402, 302, 1);
    RecordingSurface recorded(402, 302, 1);
    Surface* const surfaces[] = {&drawn, &recorded};
    for (Surface* s : surfaces) {
      s->Scale(-3000, 2250, 3000, -2250);
      s->setDrawWidth(pen);
      ViewState view{-3000, 3000, -2250, 2250, 500};
      CurveParams curve;
      curve.funcFamily = c.family;
      curve.funcForm = c.form;
      curve.paramA = curve.paramK = curve.paramP = curve.paramR = c.a;
      curve.paramB = c.b;
      curve.paramOmega = 1;
      curve.expression = c.expression;
      EvalState eval;
      CurvePoints points;
      std::int32_t colour = 0;
      PlotProgress progress;  // nobody watches
      PlotContext ctx{*s, view, curve, eval, points, 3000, 2250, false, pen, colour, progress};
      draw(ctx, PlotOptions{3000, true, true, true, true, false}, PlotRange{}, false);
    }
    RasterSurface replayed(402, 302, 1);
    replayed.Scale(-3000, 2250, 3000, -2250);
    replayed.setDrawWidth(pen);
    std::size_t drawing = 0;
    for (const SurfaceCall& call : recorded.calls()) {
      const auto& v = call.args;
      if (call.kind == SurfaceCallKind::ForeColor) replayed.setForeColor(call.value);
      if (call.kind == SurfaceCallKind::PSet) replayed.PSet(v[0], v[1]);
      if (call.kind == SurfaceCallKind::Line) replayed.Line(v[0], v[1], v[2], v[3]);
      drawing += call.kind == SurfaceCallKind::PSet || call.kind == SurfaceCallKind::Line;
    }
    EXPECT_GT(drawing, 100u) << "pen " << pen;
    EXPECT_TRUE(drawn.image() == replayed.image()) << "pen " << pen;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, RasterPlottedCurve,
                         ::testing::Values(CurveCase{"InverseProportion", 2, 0, 6, 0, ""},
                                           CurveCase{"Exponential", 3, 0, 2, 0, ""},
                                           CurveCase{"Tangent", 7, 0, 1, 1, ""},
                                           CurveCase{"Circle", 8, 0, 3, 0, ""},
                                           CurveCase{"Hyperbola", 10, 0, 2, 1, ""},
                                           CurveCase{"SidewaysParabola", 11, 0, 1, 0, ""},
                                           CurveCase{"Expression", 13, 0, 0, 0, "sin(x)*x^2"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
}  // namespace quorvel
