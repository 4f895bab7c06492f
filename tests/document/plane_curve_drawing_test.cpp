// Parametric and polar entries drawn by the one drawing function onto a recording
// surface: every drawn line lies within a pixel of the true curve at several zooms,
// a closed curve seen whole is drawn as one closed run, and a curve with a pole is not
// joined across it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "document/draw_list.h"
#include "document/parametric_entry.h"
#include "plot/plane_geometry.h"
#include "plot/recording_surface.h"
#include "support/plane_curve_entries.h"

namespace quorvel {
namespace {

using test::parametric;
using test::polarCurve;

using testing::densePoints;
using testing::SegmentIndex;

constexpr double kPi = std::numbers::pi;
constexpr int kWidth = 400, kHeight = 300;

struct DrawnCase {
  std::string name;
  EntryContent content;
  std::function<std::optional<PlanePoint>(double)> truth;
  double from, to;
  bool closes;
};

std::vector<DrawnCase> cases() {
  const auto polar = [](std::function<double(double)> rho) {
    return [rho](double t) -> std::optional<PlanePoint> {
      return PlanePoint{rho(t) * std::cos(t), rho(t) * std::sin(t)};
    };
  };
  return {
      {"circle", parametric("3cos t", "3sin t"),
       [](double t) -> std::optional<PlanePoint> {
         return PlanePoint{3 * std::cos(t), 3 * std::sin(t)};
       },
       0, 2 * kPi, true},
      {"ellipse", parametric("4cos(t)", "2*sin(t)", "-pi", "pi"),
       [](double t) -> std::optional<PlanePoint> {
         return PlanePoint{4 * std::cos(t), 2 * std::sin(t)};
       },
       -kPi, kPi, true},
      {"rose", polarCurve("2sin(3theta)"), polar([](double t) { return 2 * std::sin(3 * t); }), 0,
       2 * kPi, true},
      {"cardioid", polarCurve("1+cos θ"), polar([](double t) { return 1 + std::cos(t); }), 0,
       2 * kPi, true},
      {"spiral", polarCurve("theta/4", "0", "6pi"), polar([](double t) { return t / 4; }), 0,
       6 * kPi, false},
      {"tangent, broken at its poles", parametric("t", "tan t", "-3", "3"),
       [](double t) -> std::optional<PlanePoint> {
         return PlanePoint{t, std::tan(t)};
       },
       -3, 3, false},
  };
}

struct Drawing {
  std::vector<PlanePolyline> runs;  // the joined lines, in curve units
  PixelFrame frame;
};

// The entry drawn alone; runs of Line calls each starting where the last ended.
Drawing drawEntry(const EntryContent& content, std::int32_t scale) {
  FunctionList list;
  ListEntry entry{.content = content, .ticked = true, .line = {}, .printed = {}};
  setPlaneColour(entry, 0x00C000);  // not black, to tell the curve from the axes
  list.add(std::move(entry));
  EXPECT_TRUE(readLines(list, seededRandom(1)).empty());
  RecordingSurface surface(kWidth, kHeight, 1);
  ListPicture picture;
  picture.settings.level = 2000;
  picture.random = seededRandom(1);
  DrawState state;
  state.scale = scale;
  const ListDrawn drawn = drawList(surface, list, picture, state);
  EXPECT_EQ(drawn.drawn, 1u);
  Drawing out;
  out.frame = frameOfView(state.view, surface.AreaWidthPixels(), surface.AreaHeightPixels());
  const double s = state.view.zoomScale;
  bool axesDone = false;
  for (const SurfaceCall& call : surface.calls()) {
    if (call.kind == SurfaceCallKind::ForeColor) axesDone = call.value != 0;
    if (!axesDone || call.kind != SurfaceCallKind::Line) continue;
    const PlanePoint a{call.args[0] / s, call.args[1] / s};
    const PlanePoint b{call.args[2] / s, call.args[3] / s};
    if (out.runs.empty() || out.runs.back().points.back().x != a.x ||
        out.runs.back().points.back().y != a.y) {
      out.runs.push_back(PlanePolyline{{a}, false});
    }
    out.runs.back().points.push_back(b);
  }
  return out;
}

TEST(PlaneCurveDrawing, EveryDrawnLineLiesWithinAPixelOfTheCurve) {
  for (const DrawnCase& c : cases()) {
    for (const std::int32_t scale : {250, 500, 900, 1500, 6000}) {
      const Drawing d = drawEntry(c.content, scale);
      const std::vector<std::vector<PlanePoint>> truth =
          densePoints(c.truth, c.from, c.to, d.frame, 0.25);
      // Drawn exactly when some of it is in the picture.
      bool seen = false;
      for (const auto& run : truth) {
        for (const PlanePoint& p : run) seen = seen || testing::insideFrame(d.frame, p, 2);
      }
      EXPECT_EQ(!d.runs.empty(), seen) << c.name << " at " << scale;
      std::vector<PlanePolyline> truthLines;
      for (const auto& run : truth) truthLines.push_back(PlanePolyline{run, false});
      const SegmentIndex index(d.frame, truthLines);
      int far = 0;
      for (const PlanePolyline& run : d.runs) {
        for (std::size_t i = 1; i < run.points.size(); ++i) {
          const PlanePoint& a = run.points[i - 1];
          const PlanePoint& b = run.points[i];
          const PlanePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
          for (const PlanePoint& p : {a, b, middle}) {
            if (index.distance(p) > 1.0) ++far;
          }
        }
      }
      EXPECT_EQ(far, 0) << c.name << " at scale " << scale;
    }
  }
}

TEST(PlaneCurveDrawing, ClosedCurvesSeenWholeCloseAndOthersDoNot) {
  for (const DrawnCase& c : cases()) {
    const Drawing d = drawEntry(c.content, 250);
    if (c.closes) {
      ASSERT_EQ(d.runs.size(), 1u) << c.name;
      const PlanePolyline& run = d.runs.front();
      EXPECT_EQ(run.points.front().x, run.points.back().x) << c.name;
      EXPECT_EQ(run.points.front().y, run.points.back().y) << c.name;
    } else {
      for (const PlanePolyline& run : d.runs) {
        const bool closed = run.points.front().x == run.points.back().x &&
                            run.points.front().y == run.points.back().y;
        EXPECT_FALSE(closed) << c.name;
      }
    }
  }
  // tan t for t in [-3, 3] has poles at ±π/2: three branches, none joined to another.
  EXPECT_EQ(drawEntry(cases().back().content, 250).runs.size(), 3u);
}

TEST(PlaneCurveDrawing, TheCurveIsDrawnInItsColourAndNamedByItsTextbookText) {
  FunctionList list;
  list.add(ListEntry{.content = polarCurve("2sin 3theta", "0", "2pi", 0x0000FF),
                     .ticked = true,
                     .line = {},
                     .printed = {}});
  readLines(list, seededRandom(1));
  RecordingSurface surface(kWidth, kHeight, 1);
  ListPicture picture;
  picture.random = seededRandom(1);
  picture.settings.style.labels = CurveLabels::Legend;
  DrawState state;
  drawList(surface, list, picture, state);
  bool red = false, named = false;
  for (const SurfaceCall& call : surface.calls()) {
    red = red || (call.kind == SurfaceCallKind::ForeColor && call.value == 0x0000FF);
    named = named || (call.kind == SurfaceCallKind::Print && call.text == "ρ = 2sin 3θ");
  }
  EXPECT_TRUE(red);
  EXPECT_TRUE(named);
}

}  // namespace
}  // namespace quorvel
