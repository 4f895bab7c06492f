#pragma once
// The curve plotter: sweeps x (or y) in equal steps across the range, computes the
// other coordinate with the curve formulas, and draws every point strictly inside
// the limits as a dot, joined to the previous dot of its branch when asked.
#include <cstdint>
#include <functional>
#include <vector>

#include "eval/curve_formulas.h"
#include "eval/epc.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// The plotting options of the settings page at the time of the call.
struct PlotOptions {
  int level = 2000;       // sldLevel: number of steps
  bool link = true;       // chkLink: join the dots
  bool skip = true;       // chkSkip: Smart Skip
  bool fixx = true;       // chkfixx: snap the sweep variable to multiples of the step
  bool autoColor = true;  // chkAutoColor
  bool yDriven = false;   // chky: sweep along y
  bool smooth = false;    // 平滑曲线: points added where the joined curve turns steep
  // The modern look: a joined branch runs on to the limit where it leaves the picture
  // (an asymptote, the end of a conic), and the automatic colour is the readable
  // palette's least used among the ticked curves.
  bool toEdges = false;
  bool readablePalette = false;
};

// The range ends as the draw command parsed them; an open end (its combo shows the
// open marker) leaves 0 in its value and the view's edge is used instead.
struct PlotRange {
  float xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
  bool xFromOpen = true, xToOpen = true, yFromOpen = true, yToOpen = true;
};

// Told where the sweep is, in hundredths of its range (0 to 100), for a progress bar.
using PlotProgress = std::function<void(int)>;

// Everything else the plotter reads and writes.
struct PlotContext {
  Surface& canvas;
  const ViewState& view;
  const CurveParams& curve;
  EvalState& eval;             // evalStatus of family 13
  CurvePoints& points;         // pointX1..pointY2: the last point, in view units
  std::int32_t halfWidth = 0;  // half the drawing area in view units (Smart Skip)
  std::int32_t halfHeight = 0;
  bool redrawing = false;  // a stored entry is replayed: keep its colour
  int listIndex = -1;      // lstExist.ListIndex, for the automatic colour
  std::int32_t& penColor;  // may be replaced by the automatic colour
  PlotProgress progress;   // may be empty
  // When given, receives every dot drawn, in order (the curve's labels go beside them).
  std::vector<PlotDot>* drawnDots = nullptr;
  // The colours of the ticked curves, for the readable palette's automatic colour.
  const std::vector<std::int32_t>* tickedColours = nullptr;
};

// The automatic colour for the current list line (index Mod 6, sign kept; −1 blue).
std::int32_t autoColor(int listIndex);

// Plots the current curve. Never throws; a failing step is skipped.
void draw(PlotContext& ctx, const PlotOptions& options, const PlotRange& range, bool intOnly);

}  // namespace quorvel
