#include "analysis/numeric_derivative.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace quorvel {

namespace {

// The tableau: quotients at kRows steps, each kShrink times smaller than the one before;
// the extrapolation stops once its results drift apart by kSafe times the best error.
constexpr int kRows = 10;
constexpr double kShrink = 1.4;
constexpr double kSafe = 2.0;
// The first step is this share of the scale of x; when that tableau fails or is poor,
// up to kStarts first steps are tried, each a tenth of the one before.
constexpr double kFirstStep = 0.1;
constexpr int kStarts = 8;
constexpr double kStartShrink = 10.0;
// An estimate whose error is this share of its size ends the search for a better one;
// one within kTrust stands for the derivative.
constexpr double kAccept = 1e-10;
constexpr double kTrust = 1e-6;

using Quotient = std::function<std::optional<double>(double)>;

double scaleOf(double x) { return std::max(std::fabs(x), 1.0); }

double magnitude(const DerivativeEstimate& d, double fx, double x, int order) {
  return std::max(
      {std::fabs(d.value), d.quotientSize, std::fabs(fx) / std::pow(scaleOf(x), order), DBL_MIN});
}

// The quotients q(h), q(h/1.4), … extrapolated to h = 0, where q's error runs in powers
// of h^power; the entry of the tableau with the smallest estimated error.
std::optional<DerivativeEstimate> extrapolate(const Quotient& q, double h, int power) {
  const double ratio = power == 2 ? kShrink * kShrink : kShrink;
  std::array<std::array<double, kRows>, kRows> a{};
  const std::optional<double> first = q(h);
  if (!first || !std::isfinite(*first)) return std::nullopt;
  a[0][0] = *first;
  const double size = std::fabs(*first);
  DerivativeEstimate best{*first, std::numeric_limits<double>::infinity(), size};
  for (int i = 1; i < kRows; ++i) {
    h /= kShrink;
    const std::optional<double> v = q(h);
    if (!v || !std::isfinite(*v)) break;
    a[0][i] = *v;
    double factor = ratio;
    for (int j = 1; j <= i; ++j) {
      a[j][i] = (a[j - 1][i] * factor - a[j - 1][i - 1]) / (factor - 1);
      factor *= ratio;
      const double error =
          std::max(std::fabs(a[j][i] - a[j - 1][i]), std::fabs(a[j][i] - a[j - 1][i - 1]));
      if (error <= best.error) best = {a[j][i], error, size};
    }
    if (std::fabs(a[i][i] - a[i - 1][i - 1]) >= kSafe * best.error) break;
  }
  return best;
}

// The best of the tableaux started at ever smaller first steps, until one is accepted.
std::optional<DerivativeEstimate> bestOverStarts(
    const Quotient& q, double x, int power,
    const std::function<bool(const DerivativeEstimate&)>& accepted) {
  std::optional<DerivativeEstimate> best;
  double h = kFirstStep * scaleOf(x);
  for (int k = 0; k < kStarts; ++k, h /= kStartShrink) {
    const std::optional<DerivativeEstimate> e = extrapolate(q, h, power);
    if (e && (!best || e->error < best->error)) best = e;
    if (best && accepted(*best)) break;
  }
  return best;
}

}  // namespace

std::optional<DerivativeEstimate> derivativeAt(const ScalarFunction& f, double x, int order) {
  const std::optional<double> fx = f(x);
  if (!fx || !std::isfinite(*fx)) return std::nullopt;
  // The steps actually taken are the differences of the doubles x ± h.
  const Quotient first = [&f, x](double h) -> std::optional<double> {
    const double right = x + h, left = x - h;
    const std::optional<double> fr = f(right), fl = f(left);
    if (!fr || !fl) return std::nullopt;
    return (*fr - *fl) / (right - left);
  };
  const Quotient second = [&f, x, fx0 = *fx](double h) -> std::optional<double> {
    const double right = x + h, left = x - h;
    const std::optional<double> fr = f(right), fl = f(left);
    if (!fr || !fl) return std::nullopt;
    const double hr = right - x, hl = x - left;
    return 2 * ((*fr - fx0) / hr - (fx0 - *fl) / hl) / (hr + hl);
  };
  const int n = order == 2 ? 2 : 1;
  return bestOverStarts(n == 2 ? second : first, x, 2, [&](const DerivativeEstimate& d) {
    return d.error <= kAccept * magnitude(d, *fx, x, n);
  });
}

std::optional<DerivativeEstimate> oneSidedSlope(const ScalarFunction& f, double x, int side) {
  const std::optional<double> fx = f(x);
  if (!fx || !std::isfinite(*fx)) return std::nullopt;
  const double s = side < 0 ? -1.0 : 1.0;
  const Quotient q = [&f, x, s, fx0 = *fx](double h) -> std::optional<double> {
    const double there = x + s * h;
    const std::optional<double> v = f(there);
    if (!v) return std::nullopt;
    return (*v - fx0) / (there - x);
  };
  return bestOverStarts(q, x, 1, [&](const DerivativeEstimate& d) {
    return d.error <= kAccept * magnitude(d, *fx, x, 1);
  });
}

bool trustworthy(const DerivativeEstimate& d, double fx, double x, int order) {
  return d.error <= kTrust * magnitude(d, fx, x, order);
}

ScalarFunction derivativeFunction(ScalarFunction f, int order) {
  return [f = std::move(f), order](double x) -> std::optional<double> {
    const std::optional<double> fx = f(x);
    if (!fx) return std::nullopt;
    const std::optional<DerivativeEstimate> d = derivativeAt(f, x, order);
    if (!d || !trustworthy(*d, *fx, x, order)) return std::nullopt;
    return d->value;
  };
}

}  // namespace quorvel
