// Equations drawn by the one drawing function onto a recording surface, at the zooms
// of the scale slider: every drawn point lies within a pixel of the true curve, a
// closed curve has no gap, each curve has the right number of pieces, and nothing is
// drawn across a pole.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "document/draw_list.h"
#include "document/equation_entry.h"
#include "plot/plane_geometry.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

constexpr int kWidth = 400, kHeight = 300;

// F with its gradient, in curve units.
struct Truth {
  std::function<double(double, double)> f;
  std::function<double(double, double)> fx;
  std::function<double(double, double)> fy;
};

struct EquationCase {
  std::string name;
  std::string text;  // as typed
  Truth truth;
  PlanePoint onCurve;                // where the close views are centred
  int pieces;                        // in the view round the origin at scale 125
  bool closed;                       // one closed run there
  std::vector<PlanePoint> singular;  // where the gradient vanishes (the folium's node)
  bool poleOnAxes;                   // F jumps across x = 0 (and y = 0)
};

std::vector<EquationCase> cases() {
  return {
      {"ellipse",
       "x²/4 + y² = 1",
       {[](double x, double y) { return x * x / 4 + y * y - 1; },
        [](double x, double) { return x / 2; }, [](double, double y) { return 2 * y; }},
       {2 * std::cos(0.7), std::sin(0.7)},
       1,
       true,
       {},
       false},
      {"circle off the origin",
       "(x-1)^2+(y+2)^2=4",
       {[](double x, double y) { return (x - 1) * (x - 1) + (y + 2) * (y + 2) - 4; },
        [](double x, double) { return 2 * (x - 1); }, [](double, double y) { return 2 * (y + 2); }},
       {1 + 2 * std::cos(2.0), -2 + 2 * std::sin(2.0)},
       1,
       true,
       {},
       false},
      {"hyperbola",
       "x^2-y^2=1",
       {[](double x, double y) { return x * x - y * y - 1; },
        [](double x, double) { return 2 * x; }, [](double, double y) { return -2 * y; }},
       {std::cosh(0.5), std::sinh(0.5)},
       2,
       false,
       {},
       false},
      {"x*y=1",
       "x*y=1",
       {[](double x, double y) { return x * y - 1; }, [](double, double y) { return y; },
        [](double x, double) { return x; }},
       {0.8, 1.25},
       2,
       false,
       {},
       true},
      {"parabola",
       "y²=4x",
       {[](double x, double y) { return y * y - 4 * x; }, [](double, double) { return -4.0; },
        [](double, double y) { return 2 * y; }},
       {0.25, 1},
       1,
       false,
       {},
       false},
      {"folium",
       "x³+y³=3xy",
       {[](double x, double y) { return x * x * x + y * y * y - 3 * x * y; },
        [](double x, double y) { return 3 * x * x - 3 * y; },
        [](double x, double y) { return 3 * y * y - 3 * x; }},
       {1.5, 1.5},
       1,
       false,
       {{0, 0}},
       false},
      {"1/x=y",
       "1/x=y",
       {[](double x, double y) { return 1 / x - y; }, [](double x, double) { return -1 / (x * x); },
        [](double, double) { return -1.0; }},
       {0.5, 2},
       2,
       false,
       {},
       true},
  };
}

struct Drawing {
  std::vector<PlanePolyline> runs;  // the joined lines, in curve units
  PixelFrame frame;
};

// The equation typed into an entry and drawn alone, smooth, in a view centred on
// `centre`; runs of Line calls each starting where the last ended.
Drawing drawEquation(const std::string& typed, std::int32_t scale, PlanePoint centre) {
  const TypedCurveReading reading = readTypedEquation(EquationCurve{typed, 0x00C000});
  EXPECT_TRUE(reading.entry.has_value()) << typed << ": " << reading.reading.refusal.message;
  FunctionList list;
  if (reading.entry) list.add(*reading.entry);
  EXPECT_TRUE(readLines(list, seededRandom(1)).empty());
  RecordingSurface surface(kWidth, kHeight, 1);
  ListPicture picture;
  picture.settings.style.smooth = true;
  picture.random = seededRandom(1);
  DrawState state;
  state.scale = scale;
  centreView(state.view, surface.Width(), surface.Height());
  const auto dx = static_cast<std::int32_t>(std::lround(centre.x * scale));
  const auto dy = static_cast<std::int32_t>(std::lround(centre.y * scale));
  state.view.viewLeft += dx;
  state.view.viewRight += dx;
  state.view.viewTop += dy;
  state.view.viewBottom += dy;
  state.view.graphOnScreen = true;
  const ListDrawn drawn = drawList(surface, list, picture, state);
  EXPECT_EQ(drawn.drawn, 1u);
  Drawing out;
  out.frame = frameOfView(state.view, surface.AreaWidthPixels(), surface.AreaHeightPixels());
  const double s = state.view.zoomScale;
  bool curve = false;
  for (const SurfaceCall& call : surface.calls()) {
    if (call.kind == SurfaceCallKind::ForeColor) curve = call.value == 0x00C000;
    if (!curve || call.kind != SurfaceCallKind::Line) continue;
    const PlanePoint a{call.args[0] / s, call.args[1] / s};
    const PlanePoint b{call.args[2] / s, call.args[3] / s};
    if (out.runs.empty() || out.runs.back().points.back() != a) {
      out.runs.push_back(PlanePolyline{{a}, false});
    }
    out.runs.back().points.push_back(b);
  }
  return out;
}

// |F| / |∇F| in pixels of the frame: the distance to the curve to first order.
double pixelsOff(const Truth& t, const PixelFrame& frame, const PlanePoint& p) {
  const double gx = t.fx(p.x, p.y) / frame.pixelsPerUnitX;
  const double gy = t.fy(p.x, p.y) / frame.pixelsPerUnitY;
  return std::fabs(t.f(p.x, p.y)) / std::hypot(gx, gy);
}

bool nearAny(const PixelFrame& frame, const PlanePoint& p, const std::vector<PlanePoint>& points,
             double pixels) {
  for (const PlanePoint& q : points) {
    if (frame.pixelDistance(p, q) <= pixels) return true;
  }
  return false;
}

bool isClosed(const PlanePolyline& run) { return run.points.front() == run.points.back(); }

constexpr std::int32_t kScales[] = {125, 500, 2000, 16000};

TEST(EquationDrawing, EveryDrawnPointLiesWithinAPixelOfTheCurve) {
  for (const EquationCase& c : cases()) {
    for (const std::int32_t scale : kScales) {
      for (const PlanePoint centre : {PlanePoint{0, 0}, c.onCurve}) {
        const Drawing d = drawEquation(c.text, scale, centre);
        if (centre == c.onCurve) {
          EXPECT_FALSE(d.runs.empty()) << c.name << " at " << scale;
        }
        int far = 0;
        for (const PlanePolyline& run : d.runs) {
          for (std::size_t i = 0; i < run.points.size(); ++i) {
            const PlanePoint& a = run.points[i];
            const PlanePoint& b = run.points[i == 0 ? 0 : i - 1];
            for (const PlanePoint& p : {a, PlanePoint{(a.x + b.x) / 2, (a.y + b.y) / 2}}) {
              if (nearAny(d.frame, p, c.singular, 1.0)) continue;
              if (!(pixelsOff(c.truth, d.frame, p) <= 1.0)) ++far;
            }
          }
        }
        EXPECT_EQ(far, 0) << c.name << " at scale " << scale;
      }
    }
  }
}

TEST(EquationDrawing, RunsCloseOrLeaveThePictureWithNoGap) {
  for (const EquationCase& c : cases()) {
    for (const std::int32_t scale : kScales) {
      const Drawing d = drawEquation(c.text, scale, c.onCurve);
      for (const PlanePolyline& run : d.runs) {
        if (isClosed(run)) continue;
        // An open run ends outside the picture (or within a pixel of its edge), or at
        // the node where the curve crosses itself.
        for (const PlanePoint& end : {run.points.front(), run.points.back()}) {
          EXPECT_TRUE(!testing::insideFrame(d.frame, end, 1.0) ||
                      nearAny(d.frame, end, c.singular, 2.0))
              << c.name << " at " << scale << ": a run ends at (" << end.x << ", " << end.y << ")";
        }
      }
    }
  }
}

TEST(EquationDrawing, EachCurveHasItsPiecesAndAClosedCurveSeenWholeIsOneClosedRun) {
  for (const EquationCase& c : cases()) {
    for (const std::int32_t scale : {125, 500}) {
      const Drawing d = drawEquation(c.text, scale, {0, 0});
      EXPECT_EQ(testing::piecesOf(d.frame, d.runs, 1.0), c.pieces) << c.name << " at " << scale;
      if (c.closed) {
        ASSERT_EQ(d.runs.size(), 1u) << c.name << " at " << scale;
        EXPECT_TRUE(isClosed(d.runs.front())) << c.name;
      }
    }
  }
}

TEST(EquationDrawing, NothingIsDrawnAcrossThePolesOnTheAxes) {
  for (const EquationCase& c : cases()) {
    if (!c.poleOnAxes) continue;
    for (const std::int32_t scale : kScales) {
      for (const PlanePoint centre : {PlanePoint{0, 0}, PlanePoint{0.01, 0.02}}) {
        const Drawing d = drawEquation(c.text, scale, centre);
        int across = 0;
        for (const PlanePolyline& run : d.runs) {
          for (std::size_t i = 1; i < run.points.size(); ++i) {
            const PlanePoint& a = run.points[i - 1];
            const PlanePoint& b = run.points[i];
            if (a.x * b.x <= 0 || a.y * b.y <= 0) ++across;
          }
        }
        EXPECT_EQ(across, 0) << c.name << " at " << scale;
      }
    }
  }
}

}  // namespace
}  // namespace quorvel
