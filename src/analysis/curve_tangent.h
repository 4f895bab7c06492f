#pragma once
// The tangent (and normal) of any curve of the list, at the place its kind is given
// by: a curve y = f(x) at x₀, a parametric or polar curve at its parameter t₀ (θ₀), an
// equation, a conic of the families or a vertical line at a point on it. A point given
// beside the curve (typed, or picked with the trace) is first moved onto it. One core
// for the analysis window and the command line.
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/analysed_curve.h"
#include "analysis/tangent_line.h"

namespace quorvel {

inline constexpr const char* kMessageTangentNoParameter =
    "这条曲线没有参数ｔ（θ），在曲线上的一点处作切线";
inline constexpr const char* kMessageTangentParameterOutside =
    "参数的值不在曲线的参数范围内，没有切线";
inline constexpr const char* kMessageTangentNotAnalysed = "这种曲线不作切线";
inline constexpr const char* kMessageTangentPointText = "切点要写成“ｘ, ｙ”，如 3, 4";

// How the point of contact of a curve is given.
enum class TangentPlace : std::uint8_t {
  kX,          // y = f(x): x₀
  kParameter,  // parametric or polar: t₀ or θ₀
  kPoint,      // the others: a point (x₀, y₀) on the curve
};
TangentPlace tangentPlaceOf(const AnalysedCurve& curve);

// How far from the curve a given point may lie and still be taken for the point of the
// curve nearby: a hundredth of its size (at least of 1), so that a point typed to two
// or three decimals is found, while a point off the curve is refused.
double pointReach(const PlanePoint& p);

// At x₀ of a curve y = f(x); any other curve is refused with kMessageNotFunctionOfX.
TangentOutcome curveTangentAtX(const AnalysedCurve& curve, double x0);

// At the parameter t₀ (θ₀) of a parametric (polar) curve, which must lie in its range.
// The curve's functions are differentiated beyond the range too: a closed curve has its
// tangent where its range starts and ends.
TangentOutcome curveTangentAtParameter(const AnalysedCurve& curve, double t0);

// At the point of the curve found from `near`, refused when that point is farther than
// `reach` from it: a curve y = f(x) at near.x, a parametric or polar curve at its
// nearest point, an equation, conic or vertical line at the point Newton's steps
// along the gradient reach from `near`.
TangentOutcome curveTangentNear(const AnalysedCurve& curve, PlanePoint near, double reach);

// A point typed as "3, 4" or "(3, 4)" (a full-width comma or brackets too; each number
// as the analysis window's boxes take it, "π/2", "2√3"); nullopt for anything else.
std::optional<PlanePoint> typedPoint(const std::string& text);

}  // namespace quorvel
