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

#include "render/raster_surface.h"
#include "shell/frm_control.h"
#include "shell/headless_program.h"

namespace {

using namespace quorvel;

// One entry as the panel takes it: family, form, the three parameter boxes (or the
// expression of family 13).
struct Entry {
  int family;
  int form;
  const char* p1;
  const char* p2;
  const char* p3;
};

// Lines, parabolas, k/x, exponential, logarithm, sine, tangent, the conics, the
// tick function and two expressions of one's own.
const std::vector<Entry> kMixedList = {
    {0, 0, "0.5", "1", ""},
    {0, 2, "1", "2", "3"},
    {1, 0, "1", "-2", "1"},
    {1, 2, "-0.5", "1", "3"},
    {2, 0, "6", "", ""},
    {3, 0, "2", "", ""},
    {4, 0, "2", "", ""},
    {5, 0, "2", "1", "0"},
    {7, 0, "1", "1", "0"},
    {9, 0, "4", "3", ""},
    {10, 0, "2", "1", ""},
    {11, 0, "1", "", ""},
    {12, 0, "1", "4", ""},
    {13, 0, "sin(x)*x^2", "", ""},
    {13, 0, "(x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x", "", ""},
};

constexpr int kFamilyExpression = 13;

// A headless program on a raster surface holding the mixed list, ready to replay.
struct ReplayScene {
  ReplayScene(int areaWidth, int areaHeight, int level, bool antialiasing)
      : surface(areaWidth, areaHeight, 0), headless(surface) {
    surface.setAntialiasing(antialiasing);
    frmControl& panel = headless.panel();
    panel.sldLevel.setValue(level);
    panel.sldPenWidth.setValue(2);
    for (const Entry& e : kMixedList) {
      headless.chooseFamily(e.family, e.form);
      if (e.family == kFamilyExpression) {
        panel.txtExpression.setText(e.p1);
      } else {
        panel.txtParameter[1].setText(e.p1);
        panel.txtParameter[2].setText(e.p2);
        panel.txtParameter[3].setText(e.p3);
      }
      panel.cmdDraw.click();
    }
    // A refused entry would make the figure cover fewer curves than it says.
    if (panel.lstExist.ListCount() != static_cast<int>(kMixedList.size()) ||
        !headless.messages().empty()) {
      std::fprintf(stderr, "replay_bench: the list holds %d of %zu entries\n",
                   panel.lstExist.ListCount(), kMixedList.size());
      std::exit(1);
    }
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
  state.SetLabel(std::to_string(kMixedList.size()) + " entries + axes, level " +
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
