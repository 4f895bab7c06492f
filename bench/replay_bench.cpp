// What a replay costs: every pan, zoom, resize, tick and delete clears the surface and
// draws every ticked entry again through the draw command (axes, then the curve).
// The list is built the way `quorvel add` builds it, by typing into the headless
// program's control panel and pressing 绘制; the timed call is the panel's own
// redraw, so the list file is read and every entry's checks run as in the window.
//
// Full: 15 entries of mixed families at 10000 steps on a 1600 × 1000 raster, pen 2,
// aliased (the window's) and antialiased. Window: the same list at the initial
// 2000 steps on a window-sized 1000 × 700 raster, the replay a user starts by
// dragging or zooming.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mixed_list.h"
#include "render/raster_surface.h"
#include "shell/frm_control.h"
#include "testing/headless_program.h"

namespace {

using namespace quorvel;

// A headless program on a raster surface holding the mixed list, ready to replay.
struct ReplayScene {
  ReplayScene(int areaWidth, int areaHeight, int level, bool antialiasing)
      : surface(areaWidth, areaHeight, 0), headless(surface) {
    surface.setAntialiasing(antialiasing);
    frmControl& panel = headless.panel();
    panel.sldLevel.setValue(level);
    panel.sldPenWidth.setValue(2);
    // A refused entry would make the figure cover fewer curves than it says.
    if (!bench::drawMixedList(panel) || !headless.messages().empty()) std::exit(1);
  }

  void replay() {
    headless.panel().cmdRedraw_Click();
    benchmark::DoNotOptimize(surface.image().constBits());  // the painter has finished
  }

  RasterSurface surface;
  HeadlessProgram headless;
};

void BM_Replay15(benchmark::State& state, int width, int height, int level, bool antialiasing) {
  ReplayScene scene(width, height, level, antialiasing);
  for (auto _ : state) scene.replay();
  state.SetLabel(std::to_string(bench::kMixedListSize) + " entries + axes, level " +
                 std::to_string(level) + ", " + std::to_string(width) + " x " +
                 std::to_string(height) + ", pen 2" + (antialiasing ? ", antialiased" : ""));
}

BENCHMARK_CAPTURE(BM_Replay15, Full_Aliased, 1600, 1000, 10000, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay15, Full_Antialiased, 1600, 1000, 10000, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay15, Window_Level2000, 1000, 700, 2000, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay15, Window_Level2000_Antialiased, 1000, 700, 2000, true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
