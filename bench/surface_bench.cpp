// What one curve costs on the raster surface: the plotter's worst case is sldLevel =
// 10000 steps, each a short line joining the dots plus the dot itself, and a replay
// repeats that for every ticked curve. Compared with the same curve painted through
// QPainter with a round-capped pen, the obvious way to do it. Also what writing such
// a picture as PNG costs (the export's last step).
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "render/raster_surface.h"

namespace {

using quorvel::RasterSurface;

constexpr int kAreaWidth = 1600;
constexpr int kAreaHeight = 1000;
constexpr int kSteps = 10000;
// The centred view of that area: 15 view units per pixel.
constexpr float kHalfWidth = kAreaWidth * 15 / 2.0f;
constexpr float kHalfHeight = kAreaHeight * 15 / 2.0f;

struct Point {
  float x, y;
};

// A sine across the whole width, three periods, amplitude 40% of the height.
std::vector<Point> sineCurve() {
  std::vector<Point> points;
  points.reserve(kSteps + 1);
  for (int i = 0; i <= kSteps; ++i) {
    const double x = -kHalfWidth + 2.0 * kHalfWidth * i / kSteps;
    const double y = 0.8 * kHalfHeight * std::sin(6 * M_PI * i / kSteps);
    points.push_back({static_cast<float>(x), static_cast<float>(y)});
  }
  return points;
}

void plotCurve(benchmark::State& state, bool antialiasing) {
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  surface.setAntialiasing(antialiasing);
  surface.Scale(-kHalfWidth, kHalfHeight, kHalfWidth, -kHalfHeight);
  surface.setDrawWidth(2);
  surface.setForeColor(quorvel::rgbOf(255, 0, 0));
  const std::vector<Point> points = sineCurve();
  for (auto _ : state) {
    for (int i = 1; i <= kSteps; ++i) {
      surface.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
      surface.PSet(points[i].x, points[i].y);
    }
    benchmark::DoNotOptimize(surface.image().constBits());  // the painter has finished
  }
  state.SetLabel("one curve: 10000 lines + 10000 dots, width 2");
}

void BM_CurveAliased(benchmark::State& state) { plotCurve(state, false); }

// The same dots in the order the plotter gives them (dot, then the join to it), as
// runs of 512 through PlotDots, the way a sweep hands them over.
void BM_CurveAliasedInRuns(benchmark::State& state) {
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  surface.Scale(-kHalfWidth, kHalfHeight, kHalfWidth, -kHalfHeight);
  surface.setDrawWidth(2);
  surface.setForeColor(quorvel::rgbOf(255, 0, 0));
  const std::vector<Point> points = sineCurve();
  std::vector<quorvel::PlotDot> dots;
  for (int i = 0; i <= kSteps; ++i) {
    const Point from = points[i == 0 ? 0 : i - 1];
    dots.push_back({points[i].x, points[i].y, from.x, from.y, i > 0});
  }
  constexpr std::size_t kRun = 512;
  for (auto _ : state) {
    for (std::size_t at = 0; at < dots.size(); at += kRun) {
      surface.PlotDots(dots.data() + at, std::min(kRun, dots.size() - at));
    }
    benchmark::DoNotOptimize(surface.image().constBits());
  }
  state.SetLabel("one curve: 10001 dots + 10000 joins in runs of 512, width 2");
}
void BM_CurveAntialiased(benchmark::State& state) { plotCurve(state, true); }

// The same curve straight through QPainter, aliased, round-capped pen of width 2.
void BM_CurveQPainterRoundPenReference(benchmark::State& state) {
  QImage image(kAreaWidth, kAreaHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPen pen(QColor(255, 0, 0));
  pen.setWidth(2);
  pen.setCapStyle(Qt::RoundCap);
  std::vector<QPointF> pixels;
  for (const Point& p : sineCurve()) {
    pixels.emplace_back((p.x + kHalfWidth) / 15.0, (kHalfHeight - p.y) / 15.0);
  }
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setPen(pen);
    for (int i = 1; i <= kSteps; ++i) {
      painter.drawLine(pixels[i - 1], pixels[i]);
      painter.drawPoint(pixels[i]);
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

// The axes of that view as coordinate() draws them: two axis lines, a tick and a label
// every 500 view units (about 80 of each), the origin mark.
void drawAxes(benchmark::State& state, bool antialiasing) {
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  surface.setAntialiasing(antialiasing);
  surface.Scale(-kHalfWidth, kHalfHeight, kHalfWidth, -kHalfHeight);
  surface.setDrawWidth(2);
  const int tick = 1602 * 15 / 100;
  for (auto _ : state) {
    surface.Line(-kHalfWidth, 0, kHalfWidth, 0);
    surface.Line(0, -kHalfHeight, 0, kHalfHeight);
    for (int i = -12000; i <= 12000; i += 500) {
      if (i == 0) continue;
      surface.Line(static_cast<float>(i), 0, static_cast<float>(i), static_cast<float>(tick));
      surface.setCurrentX(static_cast<float>(i - tick));
      surface.setCurrentY(static_cast<float>(-tick));
      surface.Print(std::to_string(i / 500));
    }
    for (int i = -7500; i <= 7500; i += 500) {
      if (i == 0) continue;
      surface.Line(0, static_cast<float>(i), static_cast<float>(tick), static_cast<float>(i));
      surface.setCurrentX(-500);
      surface.setCurrentY(static_cast<float>(i));
      surface.Print(std::to_string(i / 500));
    }
    surface.setCurrentX(static_cast<float>(tick));
    surface.setCurrentY(static_cast<float>(-tick));
    surface.Print("O");
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}

void BM_AxesAliased(benchmark::State& state) { drawAxes(state, false); }
void BM_AxesAntialiased(benchmark::State& state) { drawAxes(state, true); }

void BM_Cls(benchmark::State& state) {
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  for (auto _ : state) {
    surface.Cls();
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}

// Writing that curve's picture as PNG: the image as it is (32-bit RGB, which the
// encoder filters and compresses as 24-bit) against savePng (a palette image).
void writePng(benchmark::State& state, bool palette) {
  QTemporaryDir dir;
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  surface.Scale(-kHalfWidth, kHalfHeight, kHalfWidth, -kHalfHeight);
  surface.setDrawWidth(2);
  surface.Line(-kHalfWidth, 0, kHalfWidth, 0);
  surface.Line(0, -kHalfHeight, 0, kHalfHeight);
  surface.setForeColor(quorvel::rgbOf(255, 0, 0));
  const std::vector<Point> points = sineCurve();
  for (int i = 1; i <= kSteps; ++i) {
    surface.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
  }
  const std::string path = dir.filePath(QStringLiteral("curve.png")).toStdString();
  for (auto _ : state) {
    const bool ok =
        palette ? surface.savePng(path) : surface.image().save(QString::fromStdString(path), "PNG");
    if (!ok) state.SkipWithError("cannot write the PNG file");
  }
  // A label, not a counter: the CSV output of bench/run.sh wants the same counters
  // in every benchmark.
  state.SetLabel(std::to_string(QFileInfo(QString::fromStdString(path)).size()) + " bytes");
}

void BM_PngOfTheImageAsItIs(benchmark::State& state) { writePng(state, false); }
void BM_PngWithPalette(benchmark::State& state) { writePng(state, true); }

BENCHMARK(BM_CurveAliased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveAliasedInRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveAntialiased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveQPainterRoundPenReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AxesAliased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AxesAntialiased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngOfTheImageAsItIs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngWithPalette)->Unit(benchmark::kMillisecond);

}  // namespace
