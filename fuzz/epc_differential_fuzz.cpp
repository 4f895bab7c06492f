// Differential fuzz target: the compiled evaluator against the reference Epc.
// Input: the x text, a newline, the expression text (no newline: x text "1"). The x
// line may go on after ";" with the texts of t, θ, n and y in that order: each one
// given is accepted, so "1;2;;" accepts t and θ (θ with the empty text, which does
// not convert). Both evaluators run; any difference in status or result text
// aborts. When the x text reads as a single, the single is also handed over as f does
// (its text read back).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "eval/compiled_expression.h"
#include "eval/epc.h"
#include "eval/number_text.h"
#include "eval/variables.h"

namespace {

void expectSame(const quorvel::EvalState& want, const quorvel::EvalState& got,
                const std::string& expression, const std::string& xText, const char* how) {
  if (want.evalStatus == got.evalStatus && want.evalResult == got.evalResult) return;
  std::fprintf(stderr, "difference (%s) for '%s' at x text '%s': Epc %d '%s', compiled %d '%s'\n",
               how, expression.c_str(), xText.c_str(), static_cast<int>(want.evalStatus),
               want.evalResult.c_str(), static_cast<int>(got.evalStatus), got.evalResult.c_str());
  std::abort();
}

// The x text and the variables' texts of the first line.
struct Inputs {
  std::string xText;
  quorvel::VariableTexts variables;
};

Inputs readInputs(std::string_view line) {
  Inputs in;
  const std::size_t semicolon = line.find(';');
  in.xText = std::string(line.substr(0, semicolon));
  if (semicolon == std::string_view::npos) return in;
  std::string_view rest = line.substr(semicolon + 1);
  for (std::size_t i = 0; i < quorvel::kVariableCount; ++i) {
    const std::size_t end = rest.find(';');
    in.variables.texts[i] = std::string(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest = rest.substr(end + 1);
  }
  return in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const Inputs in =
      newline == std::string_view::npos ? Inputs{"1", {}} : readInputs(input.substr(0, newline));
  const std::string expression(newline == std::string_view::npos ? input
                                                                 : input.substr(newline + 1));
  const std::string& xText = in.xText;

  const quorvel::CompiledExpression compiled(expression, in.variables.accepted());
  quorvel::VariableValues values = quorvel::kNoVariableValues;
  for (std::size_t i = 0; i < quorvel::kVariableCount; ++i) {
    if (in.variables.texts[i]) values[i] = quorvel::XValue::fromText(*in.variables.texts[i]);
  }

  quorvel::EvalState want;
  quorvel::EpcLocated(want, expression, xText, in.variables);
  quorvel::EvalState got;
  compiled.evaluate(got, quorvel::XValue::fromText(xText), values);
  expectSame(want, got, expression, xText, "x text");

  if (in.variables.accepted().empty()) {
    // The plain Epc reads exactly what the one with no variables reads.
    quorvel::EvalState plain;
    quorvel::Epc(plain, expression, xText);
    expectSame(want, plain, expression, xText, "Epc without variables");
  }

  float x = 0.0f;
  if (quorvel::textToSingle(xText, x) == quorvel::kOk) {
    const std::string text = quorvel::singleText(x);
    quorvel::EpcLocated(want, expression, text, in.variables);
    compiled.evaluate(got, quorvel::XValue::fromSingle(x), values);
    expectSame(want, got, expression, text, "single");
  }
  return 0;
}
