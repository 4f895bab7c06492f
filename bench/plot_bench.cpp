// What one curve costs the plotter at the finest level (10000 steps): the user
// curve 'sin(x)*x^2', evaluated by the expression evaluator at every step, drawn on
// the recording surface (the computation alone) and on a 1600 × 1000-pixel raster
// surface with pen width 2 (what a replay pays per curve). A linear curve, whose
// formula is native, shows how much of the time is the evaluator's.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "eval/curve_formulas.h"
#include "eval/epc.h"
#include "plot/plotter.h"
#include "plot/recording_surface.h"
#include "plot/view.h"
#include "render/raster_surface.h"

namespace {

using namespace quorvel;

constexpr int kAreaWidth = 1600;
constexpr int kAreaHeight = 1000;
constexpr int kLevel = 10000;

// Everything one draw needs, on the centred view of a surface of that area.
struct Scene {
  explicit Scene(Surface& s) : surface(s) {
    centreView(view, surface.Width(), surface.Height());
    surface.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                  static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
    surface.setDrawWidth(2);
  }

  void draw() {
    PlotContext ctx{surface,      view,  curve, eval,     points,  view.viewRight,
                    view.viewTop, false, 0,     penColor, progress};
    quorvel::draw(ctx, options, range, false);
  }

  Surface& surface;
  ViewState view;
  CurveParams curve;
  EvalState eval;
  CurvePoints points;
  std::int32_t penColor = 0;
  PlotProgress progress;  // nobody watches
  PlotOptions options{kLevel, true, true, true, true, false};
  PlotRange range;
};

void useUserCurve(CurveParams& c) {
  c.funcFamily = 13;
  c.funcForm = 0;
  c.expression = "sin(x)*x^2";
}

void useLinear(CurveParams& c) {
  c.funcFamily = 0;
  c.funcForm = 0;
  c.paramK = 0.5f;
  c.paramB = 1;
}

template <void (*Use)(CurveParams&)>
void BM_DrawOnRecording(benchmark::State& state) {
  RecordingSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  Scene scene(surface);
  Use(scene.curve);
  for (auto _ : state) {
    surface.clearCalls();
    scene.draw();
    benchmark::DoNotOptimize(surface.calls().data());
  }
  state.counters["dots"] = static_cast<double>(surface.count(SurfaceCallKind::PSet));
  state.SetLabel("one curve, 10000 steps");
}

template <void (*Use)(CurveParams&)>
void BM_DrawOnRaster(benchmark::State& state) {
  RasterSurface surface(kAreaWidth + 2, kAreaHeight + 2, 1);
  Scene scene(surface);
  Use(scene.curve);
  for (auto _ : state) {
    surface.Cls();
    scene.draw();
    benchmark::DoNotOptimize(surface.image().constBits());  // the painter has finished
  }
  state.SetLabel("one curve, 10000 steps, 1600 x 1000 pixels, pen width 2");
}

BENCHMARK(BM_DrawOnRecording<useUserCurve>)
    ->Name("UserCurveOnRecording")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnRaster<useUserCurve>)->Name("UserCurveOnRaster")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnRecording<useLinear>)->Name("LinearOnRecording")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnRaster<useLinear>)->Name("LinearOnRaster")->Unit(benchmark::kMillisecond);

}  // namespace
