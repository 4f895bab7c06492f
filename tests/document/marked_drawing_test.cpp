// Piecewise functions and points as the one drawing function draws them: the ends
// marked filled or hollow where the pieces hold them or not, no line across a jump,
// the points as filled marks with their names beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/draw_list.h"
#include "document/marked_painting.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

constexpr std::int32_t kColour = 0x00C000;

struct Drawn {
  std::vector<SurfaceCall> curveCalls;  // the calls made in the entry's colour
  double scale = 1;
  std::vector<SurfaceCall> all;
};

Drawn drawAlone(const EntryContent& content, PictureStyle style = {}) {
  FunctionList list;
  list.add(ListEntry{content, true, "", ""});
  EXPECT_TRUE(readLines(list, seededRandom(1)).empty());
  RecordingSurface surface(400, 300, 1);
  ListPicture picture;
  picture.settings.style = style;
  picture.random = seededRandom(1);
  DrawState state;
  state.scale = 20;
  EXPECT_EQ(drawList(surface, list, picture, state).drawn, 1u);
  Drawn out;
  out.scale = state.view.zoomScale;
  out.all = surface.calls();
  std::int32_t colour = 0;
  for (const SurfaceCall& call : surface.calls()) {
    if (call.kind == SurfaceCallKind::ForeColor) colour = call.value;
    if (colour == kColour && call.kind != SurfaceCallKind::ForeColor)
      out.curveCalls.push_back(call);
  }
  return out;
}

Piece piece(std::string f, std::string from, std::string to, bool fromIn, bool toIn) {
  return Piece{std::move(f), std::move(from), std::move(to), fromIn, toIn};
}

struct Mark {
  double x, y;
  bool filled;
  bool operator==(const Mark&) const = default;
};

std::vector<Mark> marksOf(const Drawn& d) {
  std::vector<Mark> out;
  for (const SurfaceCall& c : d.curveCalls) {
    if (c.kind != SurfaceCallKind::Circle) continue;
    out.push_back({std::round(c.args[0] / d.scale * 1000) / 1000,
                   std::round(c.args[1] / d.scale * 1000) / 1000, c.value == 1});
  }
  return out;
}

struct EndsCase {
  std::string what;
  std::vector<Piece> pieces;
  std::vector<Mark> marks;
};

TEST(MarkedDrawing, EveryFiniteEndIsMarkedFilledWhenHeldAndHollowWhenNot) {
  const std::vector<EndsCase> cases = {
      {"the textbook's example",
       {piece("x+1", "-inf", "0", false, false), piece("x^2", "0", "inf", true, false)},
       {{0, 1, false}, {0, 0, true}}},
      {"closed and open ends of one piece",
       {piece("2", "-1", "3", true, false)},
       {{-1, 2, true}, {3, 2, false}}},
      {"open then closed, gapped",
       {piece("x", "-2", "-1", false, true), piece("1-x", "1", "2", false, true)},
       {{-2, -2, false}, {-1, -1, true}, {1, 0, false}, {2, -1, true}}},
      {"an end where the expression has no value gets no mark",
       {piece("1/x", "0", "1", false, true)},
       {{1, 1, true}}},
  };
  for (const EndsCase& c : cases) {
    const Drawn d = drawAlone(PiecewiseCurve{c.pieces, kColour});
    EXPECT_EQ(marksOf(d), c.marks) << c.what;
  }
}

TEST(MarkedDrawing, NoLineJoinsOnePieceToTheNext) {
  const Drawn d = drawAlone(PiecewiseCurve{
      {piece("x+1", "-inf", "0", false, false), piece("x^2", "0", "inf", true, false)}, kColour});
  std::size_t lines = 0, left = 0, right = 0;
  for (const SurfaceCall& c : d.curveCalls) {
    if (c.kind != SurfaceCallKind::Line) continue;
    ++lines;
    const double x1 = c.args[0] / d.scale, x2 = c.args[2] / d.scale;
    EXPECT_FALSE(x1 < 0 && x2 > 0) << c;
    EXPECT_FALSE(x2 < 0 && x1 > 0) << c;
    // Each line lies on the piece of its side.
    const double y1 = c.args[1] / d.scale;
    if (x1 < 0) {
      ++left;
      EXPECT_NEAR(y1, x1 + 1, 1e-3) << c;
    } else if (x1 > 0) {
      ++right;
      EXPECT_NEAR(y1, x1 * x1, 1e-2 * std::max(1.0, x1 * x1)) << c;
    }
  }
  EXPECT_GT(left, 10u);
  EXPECT_GT(right, 10u);
  EXPECT_GT(lines, left);  // the marks are drawn after the lines, over their ends
  EXPECT_EQ(d.curveCalls.back().kind, SurfaceCallKind::Circle);
}

TEST(MarkedDrawing, MarksGrowWithThePen) {
  EXPECT_LT(markRadius(1), markRadius(4));
  EXPECT_GT(markRadius(1), 1.0);  // a hollow ring of the thinnest pen still has a hole
}

TEST(MarkedDrawing, PointsAreFilledMarksWithTheirNames) {
  for (const bool modern : {false, true}) {
    PictureStyle style;
    style.modern = modern;
    const Drawn d = drawAlone(PointList{"A(1, 2) B(3, -1) (0, 0)", kColour}, style);
    EXPECT_EQ(marksOf(d), (std::vector<Mark>{{1, 2, true}, {3, -1, true}, {0, 0, true}}));
    std::vector<std::string> names;
    for (const SurfaceCall& c : d.curveCalls) {
      if (c.kind == SurfaceCallKind::Print) names.push_back(c.text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"})) << "modern " << modern;
  }
}

}  // namespace
}  // namespace quorvel
