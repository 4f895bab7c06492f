// Evaluations per second of the expression evaluator, one fresh pass over the text
// per point as the plotter does, at x texts spread over [-10, 10].
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "eval/curve_formulas.h"
#include "eval/epc.h"
#include "eval/number_text.h"

namespace {

const std::vector<std::string>& xTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int i = 0; i <= 2000; ++i)
      t.push_back(quorvel::singleText(-10.0f + 0.01f * static_cast<float>(i)));
    return t;
  }();
  return texts;
}

void evaluateAcrossX(benchmark::State& state, const char* expression) {
  const auto& texts = xTexts();
  quorvel::EvalState eval;
  std::size_t i = 0;
  for (auto _ : state) {
    quorvel::Epc(eval, expression, texts[i]);
    benchmark::DoNotOptimize(eval.evalResult.text().data());
    if (++i == texts.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// What the plotter pays per point of a user curve: x to text, the evaluation, and
// the result text back to a number.
void userCurvePoint(benchmark::State& state) {
  quorvel::CurveParams c;
  c.funcFamily = 13;
  c.expression = "sin(x)*x^2";
  quorvel::EvalState eval;
  float x = -10.0f;
  for (auto _ : state) {
    float y = 0.0f;
    quorvel::f(c, eval, x, y);
    benchmark::DoNotOptimize(y);
    x = x >= 10.0f ? -10.0f : x + 0.01f;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// The same curve written by hand, for scale.
void nativeFormula(benchmark::State& state) {
  float x = -10.0f;
  for (auto _ : state) {
    const float y = static_cast<float>(std::sin(static_cast<double>(x))) * (x * x);
    benchmark::DoNotOptimize(y);
    x = x >= 10.0f ? -10.0f : x + 0.01f;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

}  // namespace

BENCHMARK_CAPTURE(evaluateAcrossX, x, "x");
BENCHMARK_CAPTURE(evaluateAcrossX, linear, "2*x+1");
BENCHMARK_CAPTURE(evaluateAcrossX, sine_times_square, "sin(x)*x^2");
BENCHMARK_CAPTURE(evaluateAcrossX, root_and_logs, "sqr(abs(x))+ln(abs(x)+1)/ln(10)");
BENCHMARK(userCurvePoint);
BENCHMARK(nativeFormula);
