#include "document/derived_entry.h"

#include <cmath>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/textbook_expression.h"
#include "document/typed_record.h"
#include "eval/status.h"

namespace quorvel {

namespace {

// "y = x³ − 3x" is named f: "f(x) = x³ − 3x"; a piecewise function already is.
std::string namedSource(const std::string& printed) {
  if (printed.starts_with("y = ")) return "f(x) = " + printed.substr(4);
  if (printed.starts_with("f(x)")) return printed;
  return "f(x): " + printed;
}

// A number as the analysis window's boxes read it (in double precision: "pi" is π);
// nullopt when it is no finite number.
std::optional<double> valueOf(const std::string& text) {
  double out = 0;
  if (typedNumber(text, out) != kOk || !std::isfinite(out)) return std::nullopt;
  return out;
}

EntryReading refused(const char* message, std::string line) {
  EntryReading out;
  out.refusal = Refusal{kTitleError, message};
  out.line = std::move(line);
  return out;
}

}  // namespace

bool derivableContent(const EntryContent& content) {
  return std::holds_alternative<ClassicCurve>(content) ||
         std::holds_alternative<FormCurve>(content) ||
         std::holds_alternative<PiecewiseCurve>(content);
}

const char* derivedKindName(DerivedKind kind) {
  switch (kind) {
    case DerivedKind::kTangent: return "tangent";
    case DerivedKind::kNormal: return "normal";
    case DerivedKind::kDerivative: return "derivative";
    case DerivedKind::kSecondDerivative: return "second";
    case DerivedKind::kArea: return "area";
  }
  return "";
}

std::optional<DerivedKind> derivedKindNamed(const std::string& name) {
  for (const DerivedKind kind :
       {DerivedKind::kTangent, DerivedKind::kNormal, DerivedKind::kDerivative,
        DerivedKind::kSecondDerivative, DerivedKind::kArea}) {
    if (name == derivedKindName(kind)) return kind;
  }
  return std::nullopt;
}

std::string derivedLine(const DerivedCurve& curve, const std::string& sourcePrinted,
                        const std::string& withPrinted) {
  switch (curve.kind) {
    case DerivedKind::kTangent:
      return "切线 x₀ = " + textbookExpression(curve.at) + ": " + curve.result;
    case DerivedKind::kNormal:
      return "法线 x₀ = " + textbookExpression(curve.at) + ": " + curve.result;
    case DerivedKind::kDerivative: return "y = f′(x), " + namedSource(sourcePrinted);
    case DerivedKind::kSecondDerivative: return "y = f″(x), " + namedSource(sourcePrinted);
    case DerivedKind::kArea: {
      const std::string interval =
          "面积 [" + textbookExpression(curve.from) + ", " + textbookExpression(curve.to) + "]";
      if (curve.with.get() == nullptr) return interval + " = " + curve.result;
      return interval + ": " + sourcePrinted + " 与 " + withPrinted + " 之间 = " + curve.result;
    }
  }
  return {};
}

namespace {

// A source box read as the entry it was; nullopt with the refusal in `refusal`.
std::optional<EntryCurve> readSource(const BoxedContent* source, const RandomNumbers& random,
                                     EntryReading& refusal) {
  if (source == nullptr) {
    refusal = refused(kMessageDerivedNoSource, "");
    return std::nullopt;
  }
  if (!derivableContent(source->content)) {
    refusal = refused(kMessageDerivedSource, "");
    return std::nullopt;
  }
  EntryReading read = readEntry(ListEntry{source->content, true, {}}, random);
  if (!read.curve) {
    refusal = std::move(read);
    return std::nullopt;
  }
  return std::move(read.curve);
}

}  // namespace

EntryReading readDerived(const DerivedCurve& curve, const RandomNumbers& random) {
  EntryReading refusal;
  std::optional<EntryCurve> source = readSource(curve.source.get(), random, refusal);
  if (!source) {
    refusal.line = derivedLine(curve, refusal.line);
    return refusal;
  }
  std::optional<EntryCurve> with;
  if (curve.with.get() != nullptr) {
    with = readSource(curve.with.get(), random, refusal);
    if (!with) {
      refusal.line = derivedLine(curve, source->printed, refusal.line);
      return refusal;
    }
  }
  const std::string line = derivedLine(curve, source->printed, with ? with->printed : "");
  DerivedShape shape;
  shape.kind = curve.kind;
  shape.line = curve.line;
  const bool tangent = curve.kind == DerivedKind::kTangent || curve.kind == DerivedKind::kNormal;
  if (tangent) {
    const std::optional<double> at = valueOf(curve.at);
    if (!at) return refused(kMessageDerivedNumber, line);
    shape.at = *at;
  }
  if (curve.kind == DerivedKind::kArea) {
    const std::optional<double> from = valueOf(curve.from), to = valueOf(curve.to);
    if (!from || !to) return refused(kMessageDerivedNumber, line);
    shape.from = *from;
    shape.to = *to;
  }
  shape.source = std::make_shared<const EntryCurve>(std::move(*source));
  if (with) shape.with = std::make_shared<const EntryCurve>(std::move(*with));
  EntryReading out;
  out.line = line;
  CurveParams params;
  params.funcFamily = static_cast<std::int16_t>(kDerivedFamily);
  out.curve = EntryCurve{.params = std::move(params),
                         .range = {},
                         .wholeNumbers = false,
                         .colour = curve.colour,
                         .sweepAlongY = std::nullopt,
                         .text = line,
                         .printed = line,
                         .derived = std::move(shape)};
  return out;
}

}  // namespace quorvel
