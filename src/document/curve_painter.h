#pragma once
// Curves drawn on a canvas, each the way the draw command draws one: the canvas
// prepared (the picture's style, pen width, persistent image, the view with a pending
// zoom applied to the scale), the axes in black, then the curve. The draw command
// paints its new curve with it; drawList paints whole pictures with it.
#include <cstdint>
#include <optional>
#include <vector>

#include "document/derived_painting.h"
#include "document/marked_painting.h"
#include "document/read_entry.h"
#include "plot/axes.h"
#include "plot/curve_labels.h"
#include "plot/label_space.h"
#include "plot/nice_axes.h"
#include "plot/picture_style.h"
#include "plot/picture_texts.h"
#include "plot/plotter.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// What the canvas and the plotter read besides the curves: the settings page's
// sliders and boxes, and the picture's style.
struct DrawSettings {
  int level = 2000;        // 精度: steps per curve
  int penWidth = 2;        // 笔宽, in pixels
  bool autoRedraw = true;  // 自动重绘: the surface keeps its picture
  PictureStyle style;
  PlotProgress progress;  // the sweep's progress, when someone shows it
};

// The view a drawing starts from and leaves, and the scale (缩放): the first curve
// drawn on a blank picture starts from the centred view, a pending zoom doubles or
// halves the scale before the next curve.
struct DrawState {
  CanvasView view;
  std::int32_t scale = 500;
};

// The drawing area as the last curve's canvas measured it (view units), for Smart Skip.
struct CanvasSize {
  std::int32_t height = 0, width = 0, halfHeight = 0, halfWidth = 0;
};

// How one curve is drawn: the plotter's options and its colour, the entry's own or,
// with options.autoColor, the automatic colour (of list line `listIndex`, or in the
// modern look the readable palette's least used among `tickedColours`).
struct CurveDrawing {
  PlotOptions options;
  bool ownColour = true;
  int listIndex = -1;
  std::vector<std::int32_t> tickedColours;
  // Drawn over a picture kept with its axes (a live parameter's step): the modern
  // look's axes are not drawn again.
  bool overKeptPicture = false;
};

// The options a stored entry is drawn with: its family's defaults as 默认值 sets them,
// 连线 off for whole numbers, the sweep a line needs, the picture's style, and the
// entry's own colour.
CurveDrawing storedEntryDrawing(const EntryCurve& curve, int level, const PictureStyle& style);

class CurvePainter {
 public:
  CurvePainter(Surface& canvas, const DrawSettings& settings, DrawState& state);

  // A whole picture: the grid (and the modern look's axes) go under the first curve,
  // and finishPicture writes the picture's texts over the last.
  void startPicture();
  // Draws the curve; returns the colour it was drawn in.
  std::int32_t draw(const EntryCurve& curve, const CurveDrawing& how);
  // Names the curves (or adds the legend); in the modern look every text of the
  // picture, each clear of the others, and the space they take, for what is written
  // over them afterwards (nullptr in the classic look). The space lives as long as
  // the painter.
  LabelSpace* finishPicture();
  // The axes (and the grid) alone, as the first curve would draw them: a picture
  // with no curve. Nothing is counted as drawn.
  void drawAxesAlone();

  const CanvasSize& canvasSize() const { return size_; }
  // What derived curves (f′, f″, areas) are drawn from; without it only tangents and
  // normals are.
  void setDerivedFunctions(DerivedFunctions functions) { derivedFunctions_ = std::move(functions); }

 private:
  void prepareCanvas();
  void drawModernAxes(bool overKeptPicture);

  Surface& canvas_;
  const DrawSettings& settings_;
  DrawState& state_;
  CanvasSize size_;
  bool picture_ = false;  // a whole picture is being drawn
  bool gridPending_ = false;
  bool axesPending_ = false;
  bool labelling_ = false;
  std::vector<LabelledCurve> labelled_;
  std::vector<PixelBox> axisLabels_;
  std::vector<PlacedText> axisTexts_;  // the modern axes' labels, written at the end
  std::optional<LabelSpace> texts_;
  // Piecewise functions and marked points (marked_painting.cpp): their lines and
  // marks, and the points' names written at the picture's end.
  std::int32_t drawMarked(const EntryCurve& curve, const CurveDrawing& how);
  std::vector<PointLabel> pointLabels_;
  // Curves derived from another entry (derived_painting.cpp).
  std::int32_t drawDerived(const EntryCurve& curve, const CurveDrawing& how);
  DerivedFunctions derivedFunctions_;
};

}  // namespace quorvel
