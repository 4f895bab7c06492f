// The picture's style on the recording surface: π ticks, measured labels, the grid,
// the curves' labels and legend, and the sizes of a picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "plot/axes.h"
#include "plot/curve_labels.h"
#include "plot/picture.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

using Calls = std::vector<SurfaceCall>;

// 400 × 300 pixels, the view centred at 500 view units per curve unit.
struct Picture {
  RecordingSurface surface{402, 302, 1};
  ViewState view{-3015, 3015, -2265, 2265, 500};
  Picture() {
    surface.Scale(-3015, 2265, 3015, -2265);
    surface.clearCalls();
  }
  std::vector<std::string> printed() const {
    std::vector<std::string> out;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) out.push_back(c.text);
    return out;
  }
};

TEST(PiTicks, SpacingIsAPowerOfTwoOfHalfPiAndLabelsAreReducedFractions) {
  struct Case {
    std::int32_t scale;
    std::vector<std::string> labels;  // k = 1, 2, 3, 4, -1
  };
  const Case cases[] = {
      {500, {"π/2", "π", "3π/2", "2π", "-π/2"}},
      {1000, {"π/4", "π/2", "3π/4", "π", "-π/4"}},
      {250, {"π", "2π", "3π", "4π", "-π"}},
      {16000, {"π/64", "π/32", "3π/64", "π/16", "-π/64"}},
      {1, {"256π", "512π", "768π", "1024π", "-256π"}},
      {0, {"256π", "512π", "768π", "1024π", "-256π"}},
  };
  for (const Case& c : cases) {
    const PiSpacing spacing = piSpacing(c.scale);
    EXPECT_GE(spacing.viewUnits, 500) << c.scale;
    EXPECT_LT(spacing.viewUnits, 1000) << c.scale;
    const std::int64_t ks[] = {1, 2, 3, 4, -1};
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(piLabel(ks[i], spacing), c.labels[i]) << "scale " << c.scale << " k " << ks[i];
    }
  }
}

TEST(PiTicks, TheXAxisIsTickedAtMultiplesOfHalfPiAndTheYAxisAsBefore) {
  Picture p;
  PictureStyle style;
  style.piTicks = true;
  coordinate(p.surface, p.view, style, nullptr);
  const std::vector<std::string> expected = {"-3π/2", "-π", "-π/2", "π/2", "π", "3π/2", "-4", "-3",
                                             "-2",    "-1", "1",    "2",   "3", "4",    "O"};
  EXPECT_EQ(p.printed(), expected);
  // Each x tick stands at k × π/2 × 500 view units.
  const Calls lines = p.surface.callsOf(SurfaceCallKind::Line);
  EXPECT_FLOAT_EQ(lines[2].args[0], static_cast<float>(-3 * std::numbers::pi / 2 * 500));
  EXPECT_FLOAT_EQ(lines[5].args[0], static_cast<float>(std::numbers::pi / 2 * 500));
}

TEST(MeasuredLabels, CentredUnderTheirTickAndRightOfTheYAxisBeforeIt) {
  Picture p;
  p.surface.setFontSize(16);
  PictureStyle style;
  style.labelPoints = 16;
  std::vector<PixelBox> boxes;
  coordinate(p.surface, p.view, style, &boxes);
  const Calls prints = p.surface.callsOf(SurfaceCallKind::Print);
  ASSERT_EQ(boxes.size(), prints.size());
  const PixelPoint origin = p.surface.toPixels(0, 0);
  for (std::size_t i = 0; i < prints.size(); ++i) {
    const PixelBox& box = boxes[i];
    const std::string& text = prints[i].text;
    if (text == "O") continue;
    if (i < 12) {  // the x axis: -6 .. 6 but 0
      const double tick = p.surface.toPixels(std::stof(text) * 500, 0).column;
      EXPECT_NEAR((box.left + box.right) / 2, tick, 0.01) << text;
      EXPECT_GT(box.top, origin.row) << text;
    } else {  // the y axis: ends a gap left of it, its middle on the tick
      const double tick = p.surface.toPixels(0, std::stof(text) * 500).row;
      EXPECT_LT(box.right, origin.column) << text;
      EXPECT_GT(box.right, origin.column - 6) << text;
      EXPECT_NEAR((box.top + box.bottom) / 2, tick, 0.01) << text;
    }
  }
}

TEST(Grid, LightLinesThroughEveryTickUnderEverythingElseAndThePenBack) {
  for (const bool pi : {false, true}) {
    Picture p;
    p.surface.setForeColor(rgbOf(1, 2, 3));
    p.surface.setDrawWidth(3);
    p.surface.clearCalls();
    PictureStyle style;
    style.piTicks = pi;
    drawGrid(p.surface, p.view, style);
    const Calls& calls = p.surface.calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], SurfaceCall::foreColor(rgbOf(204, 204, 204)));
    EXPECT_EQ(calls[1], SurfaceCall::drawWidth(1));
    EXPECT_EQ(calls[calls.size() - 2], SurfaceCall::foreColor(rgbOf(1, 2, 3)));
    EXPECT_EQ(calls.back(), SurfaceCall::drawWidth(3));
    int vertical = 0, horizontal = 0;
    for (const SurfaceCall& c : p.surface.callsOf(SurfaceCallKind::Line)) {
      if (c.args[0] == c.args[2]) {
        EXPECT_EQ(c.args[1], -2265);  // across the whole view
        EXPECT_EQ(c.args[3], 2265);
        ++vertical;
      } else {
        EXPECT_EQ(c.args[0], -3015);
        EXPECT_EQ(c.args[2], 3015);
        ++horizontal;
      }
    }
    EXPECT_EQ(vertical, pi ? 6 : 12);  // ±3000 in steps of 500, or of π/2 × 500
    EXPECT_EQ(horizontal, 8);
  }
}

// A straight curve from (x1, y1) to (x2, y2) curve units as the plotter would leave it.
LabelledCurve straight(const std::string& text, std::int32_t colour, float x1, float y1, float x2,
                       float y2) {
  LabelledCurve curve{text, colour, {}};
  for (int i = 0; i <= 100; ++i) {
    const float f = static_cast<float>(i) / 100;
    PlotDot d{(x1 + (x2 - x1) * f) * 500, (y1 + (y2 - y1) * f) * 500, 0, 0, i > 0};
    if (i > 0) {
      d.fromX = curve.dots.back().x;
      d.fromY = curve.dots.back().y;
    }
    curve.dots.push_back(d);
  }
  return curve;
}

TEST(CurveLabels, EachTextBesideItsCurveInItsColourClearOfTheOthers) {
  Picture p;
  const std::vector<LabelledCurve> curves = {
      straight("y=x", rgbOf(255, 0, 0), -6, -6, 6, 6),
      straight("y=-x", rgbOf(0, 0, 255), -6, 6, 6, -6),
      straight("y=2", rgbOf(0, 128, 0), -6, 2, 6, 2),
      straight("x=50", rgbOf(0, 0, 0), 50, -1, 50, 1),  // not in the picture
  };
  const std::vector<PixelBox> taken = {{300, 100, 360, 116}};  // an axis label
  drawCurveLabels(p.surface, curves, taken, CurveLabels::Beside);
  const Calls& calls = p.surface.calls();
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind != SurfaceCallKind::Print) continue;
    texts.push_back(calls[i].text);
    const LabelledCurve& curve = curves[texts.size() - 1];
    EXPECT_EQ(calls[i - 1], SurfaceCall::foreColor(curve.colour));
    const PixelBox box = textBox(p.surface, calls[i].args[0], calls[i].args[1], calls[i].text);
    EXPECT_FALSE(box.overlaps(taken[0])) << curve.text;
    // Beside its own curve: a dot of it within a few pixels of the box.
    double nearest = 1e9;
    for (const PlotDot& d : curve.dots) {
      const PixelPoint at = p.surface.toPixels(d.x, d.y);
      const double dx = std::max({box.left - at.column, 0.0, at.column - box.right});
      const double dy = std::max({box.top - at.row, 0.0, at.row - box.bottom});
      nearest = std::min(nearest, std::hypot(dx, dy));
    }
    EXPECT_LE(nearest, 6) << curve.text;
    // No other curve runs through it.
    for (const LabelledCurve& other : curves) {
      if (&other == &curve) continue;
      for (const PlotDot& d : other.dots) {
        const PixelPoint at = p.surface.toPixels(d.x, d.y);
        EXPECT_FALSE(at.column > box.left && at.column < box.right && at.row > box.top &&
                     at.row < box.bottom)
            << curve.text << " covers " << other.text;
      }
    }
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"y=x", "y=-x", "y=2"}));
  EXPECT_EQ(p.surface.calls().back(), SurfaceCall::foreColor(0));  // the pen as it was
}

TEST(CurveLabels, TheLegendListsEveryCurveOnPaperInTheEmptiestCorner) {
  Picture p;
  // Both curves keep to the top right: the legend goes to the top left.
  const std::vector<LabelledCurve> curves = {
      straight("y=1", rgbOf(255, 0, 0), 0.5f, 4, 6, 4),
      straight("y=sin(x)*2", rgbOf(0, 0, 255), 0.5f, 3, 6, 2.5f),
  };
  drawCurveLabels(p.surface, curves, {}, CurveLabels::Legend);
  const Calls boxes = p.surface.callsOf(SurfaceCallKind::FillBox);
  ASSERT_EQ(boxes.size(), 1u);
  const PixelPoint corner = p.surface.toPixels(boxes[0].args[0], boxes[0].args[1]);
  EXPECT_NEAR(corner.column, 8, 1e-3);
  EXPECT_NEAR(corner.row, 8, 1e-3);
  EXPECT_EQ(p.surface.callsOf(SurfaceCallKind::Line).size(), 4u + 2u);  // frame, swatches
  EXPECT_EQ(p.printed(), (std::vector<std::string>{"y=1", "y=sin(x)*2"}));
  // Each text follows its swatch in its colour, the paper under both.
  const Calls& calls = p.surface.calls();
  EXPECT_EQ(calls[0], SurfaceCall::foreColor(rgbOf(255, 255, 255)));
  std::size_t prints = 0;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind != SurfaceCallKind::Print) continue;
    EXPECT_EQ(calls[i - 1].kind, SurfaceCallKind::Line);
    EXPECT_EQ(calls[i - 2], SurfaceCall::foreColor(curves[prints++].colour));
  }
}

TEST(PictureSizes, WindowPixelsAndCentimetresAtAResolution) {
  struct Case {
    PictureSize size;
    int width, height;            // the picture as the screen would show it
    int imageWidth, imageHeight;  // the raster file's pixels (0: the same)
    double ratio;
  };
  const Case cases[] = {
      {PictureSize{}, 1000, 700, 0, 0, 1},
      {PictureSize{SizeUnit::Pixels, 1600, 900}, 1600, 900, 0, 0, 1},
      {PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 300}, 378, 378, 1181, 1181, 3.125},
      {PictureSize{SizeUnit::Centimetres, 0, 0, 15, 7.5, 600}, 567, 284, 3543, 1772, 6.25},
      {PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 96}, 378, 378, 378, 378, 1},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(drawable(c.size));
    const PictureSpec pictureSpec = pictureSpecFor(PictureFormat::Png, c.size, 1000, 700, 1);
    EXPECT_EQ(pictureSpec.widthPixels, c.width);
    EXPECT_EQ(pictureSpec.heightPixels, c.height);
    EXPECT_EQ(pictureSpec.imageWidthPixels, c.imageWidth);
    EXPECT_EQ(pictureSpec.imageHeightPixels, c.imageHeight);
    EXPECT_DOUBLE_EQ(pictureSpec.pixelRatio, c.ratio);
    EXPECT_EQ(pictureSpec.borderPixels, 1);
  }
  EXPECT_FALSE(drawable(PictureSize{SizeUnit::Pixels, 8001, 10}));
  EXPECT_FALSE(drawable(PictureSize{SizeUnit::Centimetres, 0, 0, 80, 10, 300}));  // 9449
  EXPECT_FALSE(drawable(PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 71}));
  EXPECT_FALSE(drawable(PictureSize{SizeUnit::Centimetres, 0, 0, 1e300, 10, 300}));
}

// The window's picture in another size: the window's region fitted, the drawing the
// window's size along the side that fits, the file the size asked.
TEST(PictureSizes, TheWindowsPictureFittedIntoAnotherSize) {
  struct Case {
    PictureSize size;
    int width, height;            // the drawing
    int imageWidth, imageHeight;  // the file's pixels
    double ratio;                 // the fit factor
    double vectorScale;           // a vector picture's size over the drawing's
  };
  const Case cases[] = {
      {PictureSize{}, 1000, 700, 0, 0, 1, 1},
      {PictureSize{SizeUnit::Pixels, 2000, 1400}, 1000, 700, 2000, 1400, 2, 2},
      {PictureSize{SizeUnit::Pixels, 1600, 900}, 1244, 700, 1600, 900, 9.0 / 7, 9.0 / 7},
      {PictureSize{SizeUnit::Pixels, 500, 700}, 1000, 1400, 500, 700, 0.5, 0.5},
      {PictureSize{SizeUnit::Pixels, 700, 1400}, 1000, 2000, 700, 1400, 0.7, 0.7},
      // 10 cm at 300 dpi: 1181 pixels, 0.4 of an inch per 96 drawing pixels on paper.
      {PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 300}, 1000, 1000, 1181, 1181, 1.181,
       1.181 * 96 / 300},
  };
  for (const Case& c : cases) {
    const PictureSpec fitted = fittedPictureSpecFor(PictureFormat::Svg, c.size, 1000, 700, 1);
    EXPECT_EQ(fitted.widthPixels, c.width);
    EXPECT_EQ(fitted.heightPixels, c.height);
    EXPECT_EQ(fitted.imageWidthPixels, c.imageWidth);
    EXPECT_EQ(fitted.imageHeightPixels, c.imageHeight);
    EXPECT_DOUBLE_EQ(fitted.pixelRatio, c.ratio);
    EXPECT_DOUBLE_EQ(vectorOutputScale(fitted), c.vectorScale);
    EXPECT_EQ(fitted.borderPixels, 1);
  }
  // quorvel export's own sizes are drawn at their size: a vector picture as drawn.
  EXPECT_DOUBLE_EQ(
      vectorOutputScale(pictureSpecFor(
          PictureFormat::Pdf, PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 300}, 1000, 700, 0)),
      1);
}

TEST(RecentreView, AnotherSizeAroundTheSameMiddleAtTheSameScale) {
  ViewState view{1000, 16000, -2000, 8000, 700};
  ASSERT_EQ(recentreView(view, 5670, 3000), kOk);
  EXPECT_EQ(view.viewLeft, 8500 - 2835);
  EXPECT_EQ(view.viewRight, 8500 + 2835);
  EXPECT_EQ(view.viewBottom, 3000 - 1500);
  EXPECT_EQ(view.viewTop, 3000 + 1500);
  EXPECT_EQ(view.zoomScale, 700);
  ViewState far{2'000'000'000, 2'100'000'000, 0, 10, 500};
  EXPECT_EQ(recentreView(far, 1e9f, 100), kOverflow);
  EXPECT_EQ(far.viewLeft, 2'000'000'000);
}

}  // namespace
}  // namespace quorvel
