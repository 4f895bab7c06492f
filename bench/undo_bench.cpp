// What one undo step costs with 100 curves in the list: the list as it was before the
// last command is put back (the list box, the working list on disk) and the picture
// is drawn again, in a headless program on a window-sized raster (1000 × 700 pixels).
// The list holds y = k/x for k = 1 … 100, drawn with 绘制 as a user does; each timed
// step undoes the last curve (the redo that brings it back is not timed). At the
// initial 2000 steps per curve, and at 100 steps, where the list's own handling is
// most of the cost.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "render/raster_surface.h"
#include "shell/frm_control.h"
#include "testing/headless_program.h"

namespace {

using namespace quorvel;

constexpr int kEntries = 100;

struct UndoScene {
  explicit UndoScene(int level) : surface(1000, 700, 0), headless(surface) {
    frmControl& panel = headless.panel();
    panel.sldLevel.setValue(level);
    headless.chooseFamily(2, 0);
    for (int k = 1; k <= kEntries; ++k) {
      panel.txtParameter[1].setText(std::to_string(k));
      panel.cmdDraw.click();
    }
    // Undo redraws only while a line is current, as the window does.
    if (panel.lstExist.ListCount() != kEntries || !headless.messages().empty()) std::exit(1);
  }
  RasterSurface surface;
  HeadlessProgram headless;
};

void BM_UndoStep(benchmark::State& state, int level) {
  UndoScene scene(level);
  frmControl& panel = scene.headless.panel();
  for (auto _ : state) {
    panel.undo();
    benchmark::DoNotOptimize(scene.surface.image().constBits());
    state.PauseTiming();
    panel.redo();
    state.ResumeTiming();
  }
  state.SetLabel(std::to_string(kEntries) + " entries, level " + std::to_string(level) +
                 ", 1000 x 700");
}

BENCHMARK_CAPTURE(BM_UndoStep, List100_Level2000, 2000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoStep, List100_Level100, 100)->Unit(benchmark::kMillisecond);

}  // namespace
