#include "plot/plotter.h"

#include "plot/palette.h"
#include "plot/sweep_rules.h"
#include "plot/sweeps.h"

namespace quorvel {

std::int32_t autoColor(int listIndex) {
  switch (listIndex % 6) {
    case 0: return rgbOf(255, 0, 0);      // red
    case 1: return rgbOf(0, 255, 0);      // green
    case 2: return rgbOf(255, 255, 0);    // yellow
    case 3: return rgbOf(255, 0, 255);    // magenta
    case 4: return rgbOf(0, 0, 255);      // blue
    case 5: return rgbOf(128, 255, 255);  // light cyan
    default: return rgbOf(0, 0, 255);     // no current line (−1): blue
  }
}

void draw(PlotContext& ctx, const PlotOptions& options, const PlotRange& range, bool intOnly) {
  // A replayed entry keeps the colour it was stored with.
  if (!ctx.redrawing && options.autoColor) {
    ctx.penColor = options.readablePalette
                       ? leastUsedColour(ctx.tickedColours != nullptr ? *ctx.tickedColours
                                                                      : std::vector<std::int32_t>{})
                       : autoColor(ctx.listIndex);
  }
  ctx.canvas.setForeColor(ctx.penColor);
  // The colour is all a plot leaves that outlasts it (it is stored with a new curve).
  if (ctx.canvas.DrawsNothing()) return;

  const SweepKind kind = selectSweep(ctx.curve.funcFamily, ctx.curve.funcForm, options.yDriven);
  SweepPlan plan =
      planSweep(kind, ctx.view, range, options.level, intOnly, ctx.halfWidth, ctx.halfHeight);
  // Smooth curves refine the lines between the steps: not the dots of whole numbers
  // or of a curve drawn without lines, nor the running sum of "Ｓｘ＝", whose value
  // between two steps is no point of it.
  const bool runningSum = ctx.curve.funcFamily == 13 && ctx.curve.funcForm == 1;
  const bool joined = options.link && !intOnly && !runningSum;
  plan.refine = options.smooth && joined;
  plan.toEdges = options.toEdges && joined;
  runSweep(ctx, options, plan);
}

}  // namespace quorvel
