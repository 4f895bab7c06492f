// Points per second of a user curve, four ways, over the same 10000 x values in
// [-10, 10]: the reference Epc on the text of x, the compiled form through f (x as
// the float the plotter hands over), muparser (when it is installed) and the formula
// written by hand in single precision. bench/compare.sh prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "eval/compiled_expression.h"
#include "eval/curve_formulas.h"
#include "eval/epc.h"
#include "eval/number_text.h"
#include "eval/seven_digit_text.h"

#ifdef QUORVEL_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

constexpr int kPoints = 10000;

struct Formula {
  const char* name;
  const char* text;        // as typed into the expression box
  const char* muparser;    // the same in muparser's syntax
  float (*native)(float);  // by hand, single precision
  bool arithmetic;         // no function or power: the compiled form should be close to native
};

// Called through a pointer, once per point, as an evaluator is.
float nativeX(float x) { return x; }
float nativeLinear(float x) { return 2.0f * x + 1.0f; }
float nativeSineTimesSquare(float x) { return std::sin(x) * (x * x); }
float nativeRootAndLogs(float x) {
  return std::sqrt(std::fabs(x)) + std::log(std::fabs(x) + 1.0f) / std::log(10.0f);
}
float nativeRational(float x) {
  return (x - 1.0f) * (x + 1.0f) / (x * x + 1.0f) + std::cos(3.0f * x + 1.0f) * std::pow(2.0f, x);
}

const Formula kFormulas[] = {
    {"x", "x", "x", nativeX, true},
    {"linear", "2*x+1", "2*x+1", nativeLinear, true},
    {"sine_times_square", "sin(x)*x^2", "sin(x)*x^2", nativeSineTimesSquare, false},
    {"root_and_logs", "sqr(abs(x))+ln(abs(x)+1)/ln(10)", "sqrt(abs(x))+ln(abs(x)+1)/ln(10)",
     nativeRootAndLogs, false},
    {"rational_and_wave", "(x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x",
     "(x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x", nativeRational, false},
};

const std::vector<float>& xValues() {
  static const std::vector<float> values = [] {
    std::vector<float> v;
    for (int i = 0; i < kPoints; ++i) {
      v.push_back(-10.0f + 20.0f * static_cast<float>(i) / static_cast<float>(kPoints - 1));
    }
    return v;
  }();
  return values;
}

void reportPoints(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kPoints);
}

void referenceEpc(benchmark::State& state, const Formula& formula) {
  std::vector<std::string> texts;
  for (const float x : xValues()) texts.push_back(quorvel::singleText(x));
  quorvel::EvalState eval;
  for (auto _ : state) {
    for (const std::string& xText : texts) {
      quorvel::Epc(eval, formula.text, xText);
      benchmark::DoNotOptimize(eval.evalResult.text().data());
    }
  }
  reportPoints(state);
}

void compiledThroughF(benchmark::State& state, const Formula& formula) {
  quorvel::CurveParams curve;
  curve.funcFamily = 13;
  curve.expression = formula.text;
  quorvel::EvalState eval;
  for (auto _ : state) {
    for (float x : xValues()) {
      float y = 0.0f;
      quorvel::f(curve, eval, x, y);
      benchmark::DoNotOptimize(y);
      benchmark::DoNotOptimize(eval.evalStatus);
    }
  }
  reportPoints(state);
}

// The compiled form alone, x read back, the program run and its result read back:
// f without its dispatch, cache lookup and state (f leaves the result text unwritten
// until someone reads it, so neither writes it).
void compiledValueOnly(benchmark::State& state, const Formula& formula) {
  const quorvel::CompiledExpression compiled(formula.text);
  for (auto _ : state) {
    for (float x : xValues()) {
      const quorvel::EvalOutcome outcome = compiled.evaluate(quorvel::XValue::fromSingle(x));
      const float y =
          outcome.status == quorvel::kOk ? quorvel::singleTextValue(outcome.value) : 0.0f;
      benchmark::DoNotOptimize(y);
    }
  }
  reportPoints(state);
}

void nativeFormula(benchmark::State& state, const Formula& formula) {
  float (*volatile native)(float) = formula.native;  // not inlined into the loop
  for (auto _ : state) {
    for (const float x : xValues()) {
      const float y = native(x);
      benchmark::DoNotOptimize(y);
    }
  }
  reportPoints(state);
}

#ifdef QUORVEL_HAVE_MUPARSER
void muparserFormula(benchmark::State& state, const Formula& formula) {
  double x = 0.0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.SetExpr(formula.muparser);
  for (auto _ : state) {
    for (const float value : xValues()) {
      x = static_cast<double>(value);
      const double y = parser.Eval();
      benchmark::DoNotOptimize(y);
    }
  }
  reportPoints(state);
}
#endif

int registerAll() {
  for (const Formula& formula : kFormulas) {
    const std::string name = formula.name;
    benchmark::RegisterBenchmark(("Epc/" + name).c_str(), referenceEpc, formula);
    benchmark::RegisterBenchmark(("CompiledF/" + name).c_str(), compiledThroughF, formula);
    benchmark::RegisterBenchmark(("CompiledValue/" + name).c_str(), compiledValueOnly, formula);
#ifdef QUORVEL_HAVE_MUPARSER
    benchmark::RegisterBenchmark(("Muparser/" + name).c_str(), muparserFormula, formula);
#endif
    benchmark::RegisterBenchmark(
        ((formula.arithmetic ? "NativeArithmetic/" : "Native/") + name).c_str(), nativeFormula,
        formula);
  }
  return 0;
}

const int kRegistered = registerAll();

}  // namespace
