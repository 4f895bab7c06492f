#pragma once
// Tangents and normals: at x₀ of y = f(x), at t₀ of a parametric curve (x(t), y(t)),
// and at a point of an implicit curve F(x, y) = 0 or of a conic. Computed in double
// precision from the curve's own formulas; a point where the curve has no derivative
// is refused with the reason.
#include <functional>
#include <optional>
#include <string>

#include "analysis/analysed_curve.h"
#include "analysis/conic.h"
#include "analysis/search.h"
#include "analysis/straight_line.h"

namespace quorvel {

inline constexpr const char* kMessageTangentOpenEnd =
    "该点是曲线这一段的开端点，不在曲线上，没有切线";
inline constexpr const char* kMessageTangentOutsideDomain = "该点不在函数的定义域内，没有切线";
inline constexpr const char* kMessageTangentPole = "该点是函数的间断点（极点），没有切线";
inline constexpr const char* kMessageTangentOneSided =
    "函数只在该点的一侧有定义，在该点不可导，没有切线";
inline constexpr const char* kMessageTangentJump = "函数在该点不连续，没有切线";
inline constexpr const char* kMessageTangentCorner =
    "该点是曲线的折点（左、右导数不相等），没有切线";
inline constexpr const char* kMessageTangentCusp =
    "该点是曲线的尖点（曲线从两侧竖直地折回），没有切线";
inline constexpr const char* kMessageTangentNoDerivative = "函数在该点不可导，没有切线";
inline constexpr const char* kMessageTangentStill = "曲线在该点的切向量为零，切线方向不确定";
inline constexpr const char* kMessageTangentNotOnCurve = "该点不在曲线上";
inline constexpr const char* kMessageTangentSingular = "该点是曲线的奇点（梯度为零），切线不确定";

struct Tangent {
  PlanePoint point;  // the point of contact
  StraightLine tangent;
  StraightLine normal;
};

// A tangent, or the reason there is none.
struct TangentOutcome {
  std::optional<Tangent> tangent;
  std::string reason;
};

// At x₀ of y = f(x). `openEnd`: x₀ is an end of the piece the curve is drawn on that
// the piece leaves out. A vertical tangent (both sides rising or both falling without
// bound, as ∛x at 0) is x = x₀ with the normal y = f(x₀).
TangentOutcome tangentOfFunction(const ScalarFunction& f, double x0, bool openEnd = false);

// At t₀ of (x(t), y(t)), along the velocity (x′(t₀), y′(t₀)).
TangentOutcome tangentOfParametric(const ScalarFunction& x, const ScalarFunction& y, double t0,
                                   bool openEnd = false);

using ImplicitFunction = std::function<std::optional<double>(double, double)>;

// At the point of F(x, y) = 0 found from `near` along ∇F (a point picked on the
// picture need not lie exactly on the curve); refused when that point is farther than
// `reach` from `near`. The tangent is perpendicular to ∇F there.
TangentOutcome tangentOfImplicit(const ImplicitFunction& F, PlanePoint near, double reach);
TangentOutcome tangentOfConic(const Conic& conic, PlanePoint near, double reach);

}  // namespace quorvel
