#pragma once
// Derived curves as list entries: read into the curve to draw (the source read as the
// entry it was, the numbers evaluated as a value box evaluates them), and the line the
// list shows: "y = f′(x), f(x) = x³ − 3x", "切线 x₀ = 1: y = 2x − 1", "面积 [0, π] = 2",
// "面积 [0, 1]: y = x 与 y = x² 之间 = 0.1666667".
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/read_entry.h"

namespace quorvel {

// The family number a derived curve is drawn under (after the piecewise functions' and
// the points'); no family of the panel.
inline constexpr int kDerivedFamily = 20;

// Short: the analysis window shows it on a line of its own.
inline constexpr const char* kMessageDerivedSource = "只能由函数ｙ＝ｆ（ｘ）的图像得出";
inline constexpr const char* kMessageDerivedNoSource = "缺少原来的函数";
inline constexpr const char* kMessageDerivedNumber = "切点或积分区间的端点不是数值";

// Whether an entry of this content can be the source of a derived curve: a curve of the
// fourteen families or another form, or a piecewise function.
bool derivableContent(const EntryContent& content);

// The name a document gives the kind ("tangent", "normal", "derivative", "second",
// "area"), and back.
const char* derivedKindName(DerivedKind kind);
std::optional<DerivedKind> derivedKindNamed(const std::string& name);

// A derived entry read as readEntry reads it: refused when its source is of another
// kind or refused itself, or when a number does not evaluate.
EntryReading readDerived(const DerivedCurve& curve, const RandomNumbers& random);

// The list's line of a derived curve whose source prints as `sourcePrinted` (and an
// area's second curve as `withPrinted`).
std::string derivedLine(const DerivedCurve& curve, const std::string& sourcePrinted,
                        const std::string& withPrinted = {});

}  // namespace quorvel
