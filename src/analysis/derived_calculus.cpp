#include "analysis/derived_calculus.h"

#include <cmath>
#include <memory>
#include <utility>

#include "analysis/analysed_curve.h"
#include "analysis/analysis_text.h"
#include "analysis/curve_calculus.h"
#include "analysis/straight_line.h"
#include "analysis/tangent_line.h"
#include "document/derived_entry.h"
#include "document/typed_record.h"
#include "eval/notation.h"
#include "eval/status.h"

namespace quorvel {

namespace {

// f of a source curve, keeping its analysed curve alive with it.
std::optional<CurveFunction> sourceFunction(const EntryCurve& source, std::string& reason) {
  std::optional<AnalysedCurve> analysed = AnalysedCurve::fromCurve(source, reason);
  if (!analysed) return std::nullopt;
  auto kept = std::make_shared<const AnalysedCurve>(std::move(*analysed));
  const std::optional<ScalarFunction> f = curveFunction(*kept, reason);
  if (!f) return std::nullopt;
  return CurveFunction([kept, f = *f](double x) { return f(x); });
}

// A typed number rewritten as a value box's text, blanks around it dropped.
std::string storedNumber(const std::string& typed) {
  std::string text = rewriteNotation(typed, NotationBox::kValue).text;
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> numberOf(const std::string& text) {
  double value = 0;
  if (typedNumber(text, value) != kOk || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The second curve of an area read as its first is; the reason it cannot be, or empty.
std::string secondCurve(const ListEntry& entry, const RandomNumbers& random,
                        std::optional<CurveFunction>& out) {
  if (!derivableContent(entry.content)) return kMessageDerivedSource;
  const EntryReading read = readEntry(entry, random);
  if (!read.curve) return read.refusal.message;
  std::string reason;
  out = sourceFunction(*read.curve, reason);
  return out ? std::string() : reason;
}

DerivedMaking refusedWith(std::string reason) {
  DerivedMaking out;
  out.reason = std::move(reason);
  return out;
}

}  // namespace

DerivedMaking makeDerivedEntry(const ListEntry& source, const DerivedRequest& request,
                               const RandomNumbers& random) {
  if (!derivableContent(source.content)) return refusedWith(kMessageDerivedSource);
  EntryReading read = readEntry(source, random);
  if (!read.curve) return refusedWith(read.refusal.message);
  std::string reason;
  const std::optional<CurveFunction> f = sourceFunction(*read.curve, reason);
  if (!f) return refusedWith(reason);

  DerivedCurve curve;
  curve.kind = request.kind;
  curve.colour = request.colour.value_or(read.curve->colour);
  curve.source = SourceBox(BoxedContent{source.content});
  DerivedMaking out;
  switch (request.kind) {
    case DerivedKind::kTangent:
    case DerivedKind::kNormal: {
      curve.at = storedNumber(request.at);
      const std::optional<double> at = numberOf(curve.at);
      if (!at) return refusedWith(kMessageDerivedNumber);
      const TangentOutcome outcome = tangentOfFunction(*f, *at);
      if (!outcome.tangent) return refusedWith(outcome.reason);
      const StraightLine& line = request.kind == DerivedKind::kTangent ? outcome.tangent->tangent
                                                                       : outcome.tangent->normal;
      curve.line = DerivedLine{line.vertical, line.slope, line.intercept, line.x};
      curve.result = equationText(line);
      break;
    }
    case DerivedKind::kArea: {
      curve.from = storedNumber(request.from);
      curve.to = storedNumber(request.to);
      const std::optional<double> a = numberOf(curve.from), b = numberOf(curve.to);
      if (!a || !b) return refusedWith(kMessageDerivedNumber);
      IntegralOutcome integral;
      if (request.with) {
        std::optional<CurveFunction> g;
        if (std::string why = secondCurve(*request.with, random, g); !why.empty()) {
          return refusedWith(std::move(why));
        }
        integral = integrateBetween(*f, *g, *a, *b);
        curve.with = SourceBox(BoxedContent{request.with->content});
      } else {
        integral = integrate(*f, *a, *b);
      }
      if (!integral.result) return refusedWith(integral.reason);
      curve.integral = integral.result->integral;
      curve.area = integral.result->area;
      curve.result = textbookNumber(curve.area);
      out.integral = std::move(integral.result);
      break;
    }
    case DerivedKind::kDerivative:
    case DerivedKind::kSecondDerivative: break;
  }
  ListEntry entry{std::move(curve), true, {}};
  const EntryReading derived = readEntry(entry, random);
  if (!derived.curve) return refusedWith(derived.refusal.message);
  entry.line = derived.line;
  entry.printed = derived.curve->printed;
  out.entry = std::move(entry);
  return out;
}

DerivedFunctions derivedFunctions() {
  return [](const EntryCurve& source, int order) -> std::optional<CurveFunction> {
    std::string reason;
    std::optional<CurveFunction> f = sourceFunction(source, reason);
    if (!f || order == 0) return f;
    return derivativeOfCurve(*f, order);
  };
}

}  // namespace quorvel
