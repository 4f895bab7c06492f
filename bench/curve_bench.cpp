// What the curves that are not y = f(x) cost at window size (1000 × 700 pixels, scale
// 500): a parametric and a polar curve of 10 000 steps, an implicit conic and the
// folium, the shading of a region (by blocks, and pixel by pixel for comparison).
//
// The functions run as the program will run them: typed expressions compiled once and
// run in double precision at every point (runProgramInDouble). The evaluator knows one
// variable, x, so a parametric curve's t is passed as x (the cost is the same). An
// equation needs x and y, which the evaluator does not have yet: its benchmarks
// evaluate F natively and, at every point, also run the compiled program of the same
// text with y written as x (the same operations, the same cost); the native-only
// benchmark beside each shows how much of the time is the evaluator's.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "plot/implicit_tracer.h"
#include "plot/parametric_sampler.h"
#include "plot/region_mask.h"

namespace {

using namespace quorvel;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

PixelFrame windowFrame(double scale = 500) {
  PixelFrame frame;
  frame.width = kWidth;
  frame.height = kHeight;
  frame.pixelsPerUnitX = frame.pixelsPerUnitY = scale / 15.0;
  frame.left = -kWidth / 2.0 / frame.pixelsPerUnitX;
  frame.top = kHeight / 2.0 / frame.pixelsPerUnitY;
  return frame;
}

// A typed expression of one variable as the sampler calls it.
CurveFunction compiled(const CompiledExpression& e) {
  return [&e](double t) -> std::optional<double> {
    const DoubleOutcome outcome = runProgramInDouble(e.program(), t);
    if (outcome.status != kOk) return std::nullopt;
    return outcome.value;
  };
}

void countPoints(benchmark::State& state, const std::vector<PlanePolyline>& lines,
                 std::int64_t evaluations) {
  std::size_t points = 0;
  for (const PlanePolyline& line : lines) points += line.points.size();
  state.counters["points"] = static_cast<double>(points);
  state.counters["evaluations"] = static_cast<double>(evaluations);
}

void BM_ParametricCircle10000(benchmark::State& state) {
  const CompiledExpression x("3*cos(x)"), y("3*sin(x)");
  const CurveFunction fx = compiled(x), fy = compiled(y);
  const PixelFrame frame = windowFrame();
  CurveSampling sampling;
  sampling.steps = 10000;
  SampledCurve curve;
  for (auto _ : state) {
    curve = sampleParametric(fx, fy, {}, frame, sampling);
    benchmark::DoNotOptimize(curve.polylines.data());
  }
  countPoints(state, curve.polylines, curve.evaluations);
  state.SetLabel("x = 3cos t, y = 3sin t, compiled");
}
BENCHMARK(BM_ParametricCircle10000)->Unit(benchmark::kMillisecond);

void BM_PolarRose10000(benchmark::State& state) {
  const CompiledExpression rho("2*sin(3*x)");
  const CurveFunction f = compiled(rho);
  const PixelFrame frame = windowFrame();
  CurveSampling sampling;
  sampling.steps = 10000;
  SampledCurve curve;
  for (auto _ : state) {
    curve = samplePolar(f, {}, frame, sampling);
    benchmark::DoNotOptimize(curve.polylines.data());
  }
  countPoints(state, curve.polylines, curve.evaluations);
  state.SetLabel("rho = 2sin 3theta, compiled");
}
BENCHMARK(BM_PolarRose10000)->Unit(benchmark::kMillisecond);

// An equation: F natively, and with `evaluatorText` the compiled program of the same
// text (y written as x) run at every point as well.
void traceEquation(benchmark::State& state, const PlaneFunction& native,
                   const char* evaluatorText) {
  const CompiledExpression program(evaluatorText == nullptr ? "" : evaluatorText);
  double sink = 0;
  PlaneFunction f = native;
  if (evaluatorText != nullptr) {
    f = [&](double x, double y) -> std::optional<double> {
      sink += runProgramInDouble(program.program(), x).value;
      return native(x, y);
    };
  }
  const PixelFrame frame = windowFrame();
  TracedCurve curve;
  for (auto _ : state) {
    curve = traceImplicit(f, frame);
    benchmark::DoNotOptimize(curve.polylines.data());
  }
  benchmark::DoNotOptimize(sink);
  countPoints(state, curve.polylines, curve.evaluations);
}

double ellipse(double x, double y) { return x * x / 4 + y * y - 1; }
double folium(double x, double y) { return x * x * x + y * y * y - 3 * x * y; }

void BM_ImplicitConic(benchmark::State& state) {
  traceEquation(state, ellipse, "x^2/4+x^2-1");
  state.SetLabel("x^2/4+y^2=1, with the evaluator");
}
BENCHMARK(BM_ImplicitConic)->Unit(benchmark::kMillisecond);

void BM_ImplicitConicNative(benchmark::State& state) {
  traceEquation(state, ellipse, nullptr);
  state.SetLabel("x^2/4+y^2=1, native F");
}
BENCHMARK(BM_ImplicitConicNative)->Unit(benchmark::kMillisecond);

void BM_ImplicitFolium(benchmark::State& state) {
  traceEquation(state, folium, "x^3+x^3-3*x*x");
  state.SetLabel("x^3+y^3=3xy, with the evaluator");
}
BENCHMARK(BM_ImplicitFolium)->Unit(benchmark::kMillisecond);

void BM_ImplicitFoliumNative(benchmark::State& state) {
  traceEquation(state, folium, nullptr);
  state.SetLabel("x^3+y^3=3xy, native F");
}
BENCHMARK(BM_ImplicitFoliumNative)->Unit(benchmark::kMillisecond);

// The disc x^2 + y^2 <= 4 shaded at window size, with the evaluator's run beside F.
void maskDisc(benchmark::State& state,
              RegionMask (*make)(const std::vector<Inequality>&, const PixelFrame&)) {
  const CompiledExpression program("x^2+x^2-4");
  double sink = 0;
  const std::vector<Inequality> disc = {{[&](double x, double y) -> std::optional<double> {
                                           sink += runProgramInDouble(program.program(), x).value;
                                           return x * x + y * y - 4;
                                         },
                                         Relation::LessOrEqual}};
  const PixelFrame frame = windowFrame();
  RegionMask mask;
  for (auto _ : state) {
    mask = make(disc, frame);
    benchmark::DoNotOptimize(mask.inside.data());
  }
  benchmark::DoNotOptimize(sink);
  state.counters["evaluations"] = static_cast<double>(mask.evaluations);
}

void BM_RegionMaskDisc(benchmark::State& state) {
  maskDisc(state, regionMask);
  state.SetLabel("x^2+y^2<=4, blocks, with the evaluator");
}
BENCHMARK(BM_RegionMaskDisc)->Unit(benchmark::kMillisecond);

void BM_RegionMaskDiscPerPixel(benchmark::State& state) {
  maskDisc(state, regionMaskPerPixel);
  state.SetLabel("x^2+y^2<=4, every pixel, with the evaluator");
}
BENCHMARK(BM_RegionMaskDiscPerPixel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
