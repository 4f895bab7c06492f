// Differential fuzz target: the compiled evaluator against the reference Epc.
// Input: the x text, a newline, the expression text (no newline: x text "1"). Both
// evaluators run; any difference in status or result text aborts. When the x text
// reads as a single, the single is also handed over as f does (its text read back).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "eval/compiled_expression.h"
#include "eval/epc.h"
#include "eval/number_text.h"

namespace {

void expectSame(const quorvel::EvalState& want, const quorvel::EvalState& got,
                const std::string& expression, const std::string& xText, const char* how) {
  if (want.evalStatus == got.evalStatus && want.evalResult == got.evalResult) return;
  std::fprintf(stderr, "difference (%s) for '%s' at x text '%s': Epc %d '%s', compiled %d '%s'\n",
               how, expression.c_str(), xText.c_str(), static_cast<int>(want.evalStatus),
               want.evalResult.c_str(), static_cast<int>(got.evalStatus), got.evalResult.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::string xText(newline == std::string_view::npos ? "1" : input.substr(0, newline));
  const std::string expression(newline == std::string_view::npos ? input
                                                                 : input.substr(newline + 1));

  const quorvel::CompiledExpression compiled(expression);

  quorvel::EvalState want;
  quorvel::Epc(want, expression, xText);
  quorvel::EvalState got;
  compiled.evaluate(got, quorvel::XValue::fromText(xText));
  expectSame(want, got, expression, xText, "x text");

  float x = 0.0f;
  if (quorvel::textToSingle(xText, x) == quorvel::kOk) {
    const std::string text = quorvel::singleText(x);
    quorvel::Epc(want, expression, text);
    compiled.evaluate(got, quorvel::XValue::fromSingle(x));
    expectSame(want, got, expression, text, "single");
  }
  return 0;
}
