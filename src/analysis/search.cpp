#include "analysis/search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>
#include <utility>

namespace quorvel {

namespace {

constexpr int kBisections = 200;
constexpr int kGoldenSteps = 200;
// Checks of a refined point against the samples around it:
// - at a crossing the values shrink to nothing; at a pole they grow, at a jump they stay;
constexpr double kCrossingShrink = 1e-6;
// - a turn that touches zero comes this close to it, against its neighbours' values;
constexpr double kTouchShrink = 1e-9;
// - an end of the domain lies on zero when its value is this small against the
//   values a few steps inside.
constexpr double kEdgeShrink = 1e-5;
constexpr std::size_t kEdgeReach = 3;
// A turn is checked for poles and jumps at this many points across its bracket.
constexpr int kContinuityPoints = 32;
// A break between two samples is followed by halving toward the larger change of f:
// - after this many halvings a continuous f has shrunk its change with the bracket;
constexpr int kBreakQuickSteps = 9;
// - at the end a jump or a pole still changes by this share of the first change, a
//   continuous f by next to nothing;
constexpr double kBreakShare = 1e-3;
// - a step this small against the values is rounding, not a jump;
constexpr double kRoundingStep = 1e-9;
// - at a pole |f| at 2^-kPoleNear of the sample step from it is this many times |f|
//   at 2^-kPoleFar (a jump keeps its values).
constexpr double kPoleGrowth = 1e3;
constexpr int kPoleFar = 10;
constexpr int kPoleNear = 40;
// A place is tidied to this many decimal places below the leading digit of its scale.
constexpr int kTidyDigits = 12;
constexpr int kMostDecimals = 300;

int sign(double v) { return (v > 0) - (v < 0); }

bool strictlyBetween(double m, double a, double b) {
  return a < b ? (a < m && m < b) : (b < m && m < a);
}

// A sign change between a and b (fa, fb nonzero, of opposite signs) halved down to
// neighbouring doubles. nullopt when f fails on the way, or when the change is a pole
// or a jump.
std::optional<double> bisect(const ScalarFunction& f, double a, double fa, double b, double fb) {
  const double scale = std::max(std::fabs(fa), std::fabs(fb));
  for (int i = 0; i < kBisections; ++i) {
    const double m = a + (b - a) / 2;
    if (!strictlyBetween(m, a, b)) break;
    const std::optional<double> fm = f(m);
    if (!fm) return std::nullopt;
    if (*fm == 0) return m;
    if (sign(*fm) == sign(fa)) {
      a = m;
      fa = *fm;
    } else {
      b = m;
      fb = *fm;
    }
  }
  if (std::min(std::fabs(fa), std::fabs(fb)) > kCrossingShrink * scale) return std::nullopt;
  return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

struct Least {
  double t = 0;
  double value = 0;  // f(t), not multiplied by the direction
};

// The t in [a, b] where direction · f is least (direction 1 for a minimum, −1 for a
// maximum) by golden-section search; nullopt when f fails on the way.
std::optional<Least> goldenSearch(const ScalarFunction& f, double a, double b, double direction) {
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double c = b - ratio * (b - a);
  double d = a + ratio * (b - a);
  std::optional<double> fc = f(c);
  std::optional<double> fd = f(d);
  if (!fc || !fd) return std::nullopt;
  for (int i = 0; i < kGoldenSteps; ++i) {
    if (!strictlyBetween(c, a, b) || !strictlyBetween(d, a, b) || c >= d) break;
    if (direction * *fc < direction * *fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = f(c);
      if (!fc) return std::nullopt;
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = f(d);
      if (!fd) return std::nullopt;
    }
  }
  return direction * *fc < direction * *fd ? Least{c, *fc} : Least{d, *fd};
}

// f across [a, b] changes by no more than `allowed` from one point to the next: no
// pole or jump hides between the samples.
bool continuousAcross(const ScalarFunction& f, double a, double b, double allowed) {
  std::optional<double> previous = f(a);
  if (!previous) return false;
  for (int i = 1; i <= kContinuityPoints; ++i) {
    const std::optional<double> v = f(a + (b - a) * i / kContinuityPoints);
    if (!v || std::fabs(*v - *previous) > allowed) return false;
    previous = v;
  }
  return true;
}

void addCrossing(std::vector<double>& zeros, const std::optional<double>& t) {
  if (t) zeros.push_back(*t);
}

// A change of definedness between samples i and j (= i ± 1): the domain ends there,
// on zero when its last value is tiny against the values a few steps inside.
void addEdgeZero(const ScalarFunction& f, const Samples& s, std::size_t inside, std::size_t outside,
                 std::vector<double>& zeros) {
  const DomainEdge found = domainEdge(f, s.t[inside], *s.value[inside], s.t[outside]);
  const double edge = found.inside;
  const double value = found.value;
  double scale = 0;
  for (std::size_t k = 0; k < kEdgeReach; ++k) {
    const std::ptrdiff_t step = inside < outside ? -1 : 1;
    const std::ptrdiff_t at =
        static_cast<std::ptrdiff_t>(inside) + step * static_cast<std::ptrdiff_t>(k);
    if (at < 0 || at >= static_cast<std::ptrdiff_t>(s.t.size())) break;
    const std::optional<double>& v = s.value[static_cast<std::size_t>(at)];
    if (!v) break;
    scale = std::max(scale, std::fabs(*v));
  }
  if (value == 0 || std::fabs(value) <= kEdgeShrink * scale) zeros.push_back(edge);
}

// Three defined samples around i, the middle one nearest zero without reaching it,
// all on one side: f may touch zero between its neighbours, or cross it twice.
void addTouchingZeros(const ScalarFunction& f, const Samples& s, std::size_t i,
                      std::vector<double>& zeros) {
  const double before = *s.value[i - 1], middle = *s.value[i], after = *s.value[i + 1];
  const int side = sign(middle);
  const Least least = [&] {
    const std::optional<Least> l = goldenSearch(f, s.t[i - 1], s.t[i + 1], side);
    return l.value_or(Least{s.t[i], middle});
  }();
  if (least.value == 0) {
    zeros.push_back(least.t);
  } else if (sign(least.value) != side) {
    addCrossing(zeros, bisect(f, s.t[i - 1], before, least.t, least.value));
    addCrossing(zeros, bisect(f, least.t, least.value, s.t[i + 1], after));
  } else if (std::fabs(least.value) <=
             kTouchShrink * std::max(std::fabs(before), std::fabs(after))) {
    zeros.push_back(least.t);
  }
}

// The larger |f| just left and right of t, at `distance`; infinite where f fails.
double largestBeside(const ScalarFunction& f, double t, double distance) {
  double largest = 0;
  for (const double x : {t - distance, t + distance}) {
    const std::optional<double> v = f(x);
    largest = std::max(largest, v ? std::fabs(*v) : std::numeric_limits<double>::infinity());
  }
  return largest;
}

// The break of f between the defined samples a and b, if any. The bracket is halved
// toward the break: toward the change of sign (a pole with one, or a jump across
// zero); toward the larger |f| when f is largest in the middle (a pole without a
// change of sign); else toward the larger change of f (a jump). Where f is
// continuous the change across the bracket shrinks with it; a jump keeps its step and
// a pole grows.
std::optional<Break> breakBetween(const ScalarFunction& f, double a, double fa, double b,
                                  double fb) {
  const double step = b - a;
  double reference = std::fabs(fb - fa);
  auto failsAt = [&f](double t, double& v) {
    const std::optional<double> ft = f(t);
    if (!ft || !std::isfinite(*ft)) return true;
    v = *ft;
    return false;
  };
  for (int i = 0; i < kBisections; ++i) {
    const double m = a + (b - a) / 2;
    if (!strictlyBetween(m, a, b)) break;
    double fm = 0;
    if (failsAt(m, fm)) return Break{m, poleAt(f, m, step)};
    bool keepLeft = false;
    if (sign(fa) * sign(fb) < 0) {
      if (fm == 0) return std::nullopt;  // a crossing
      keepLeft = sign(fm) != sign(fa);
    } else if (std::fabs(fm) > std::max(std::fabs(fa), std::fabs(fb))) {
      const double q1 = a + (m - a) / 2, q2 = m + (b - m) / 2;
      double f1 = 0, f2 = 0;
      if (failsAt(q1, f1)) return Break{q1, poleAt(f, q1, step)};
      if (failsAt(q2, f2)) return Break{q2, poleAt(f, q2, step)};
      keepLeft = std::fabs(f1) >= std::fabs(f2);
    } else {
      keepLeft = std::fabs(fm - fa) >= std::fabs(fb - fm);
    }
    if (i == 0) reference = std::max({reference, std::fabs(fm - fa), std::fabs(fb - fm)});
    if (keepLeft) {
      b = m;
      fb = fm;
    } else {
      a = m;
      fa = fm;
    }
    if (i == kBreakQuickSteps &&
        std::fabs(fb - fa) <= std::ldexp(reference, 2 - kBreakQuickSteps)) {
      return std::nullopt;
    }
  }
  const double change = std::fabs(fb - fa);
  const double near = std::max(std::fabs(fa), std::fabs(fb));
  if (change <= kBreakShare * reference || change <= kRoundingStep * near) return std::nullopt;
  const double t = std::fabs(fa) >= std::fabs(fb) ? a : b;
  return Break{t, poleAt(f, t, step)};
}

}  // namespace

double tidied(double v, double scale) {
  if (!std::isfinite(v) || !(scale > 0) || !std::isfinite(scale)) return v;
  const int decimals =
      std::clamp(kTidyDigits - static_cast<int>(std::floor(std::log10(scale))), 0, kMostDecimals);
  // Through the decimal text, so the value read back is the double nearest it.
  char buffer[400];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  if (written.ec != std::errc()) return v;
  double rounded = v;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded == 0 ? 0.0 : rounded;
}

bool poleAt(const ScalarFunction& f, double t, double step) {
  const double far = largestBeside(f, t, std::ldexp(step, -kPoleFar));
  const double near = largestBeside(f, t, std::ldexp(step, -kPoleNear));
  return std::isfinite(far) && near > kPoleGrowth * far;
}

DomainEdge domainEdge(const ScalarFunction& f, double inside, double insideValue, double outside) {
  for (int i = 0; i < kBisections; ++i) {
    const double m = inside + (outside - inside) / 2;
    if (!strictlyBetween(m, inside, outside)) break;
    if (const std::optional<double> fm = f(m)) {
      inside = m;
      insideValue = *fm;
    } else {
      outside = m;
    }
  }
  return {inside, insideValue, outside};
}

Samples sampleFunction(const ScalarFunction& f, double lo, double hi, int steps) {
  Samples s;
  const int n = std::max(steps, 1);
  s.t.reserve(static_cast<std::size_t>(n) + 1);
  s.value.reserve(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) {
    const double t = i == n ? hi : lo + (hi - lo) * i / n;
    s.t.push_back(t);
    s.value.push_back(f(t));
  }
  return s;
}

Samples shiftedSamples(const Samples& samples, double c) {
  Samples s = samples;
  for (std::optional<double>& v : s.value) {
    if (v) *v -= c;
  }
  return s;
}

std::vector<double> zerosOf(const ScalarFunction& f, const Samples& s) {
  std::vector<double> zeros;
  const std::size_t n = s.t.size();
  auto isZero = [&s, n](std::size_t i) { return i < n && s.value[i] && *s.value[i] == 0; };
  for (std::size_t i = 0; i < n; ++i) {
    const std::optional<double>& v = s.value[i];
    // A run of zero samples is the curve lying along the line, not a point of it.
    if (isZero(i) && !(i > 0 && isZero(i - 1)) && !isZero(i + 1)) zeros.push_back(s.t[i]);
    if (i + 1 >= n) continue;
    const std::optional<double>& next = s.value[i + 1];
    if (v && next) {
      if (sign(*v) * sign(*next) < 0) addCrossing(zeros, bisect(f, s.t[i], *v, s.t[i + 1], *next));
    } else if (v) {
      addEdgeZero(f, s, i, i + 1, zeros);
    } else if (next) {
      addEdgeZero(f, s, i + 1, i, zeros);
    }
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (!s.value[i - 1] || !s.value[i] || !s.value[i + 1]) continue;
    const double before = *s.value[i - 1], middle = *s.value[i], after = *s.value[i + 1];
    const int side = sign(middle);
    if (side == 0 || sign(before) != side || sign(after) != side) continue;
    const double m = std::fabs(middle);
    if (m <= std::fabs(before) && m <= std::fabs(after) &&
        (m < std::fabs(before) || m < std::fabs(after))) {
      addTouchingZeros(f, s, i, zeros);
    }
  }
  std::sort(zeros.begin(), zeros.end());
  return zeros;
}

std::vector<Turn> turnsOf(const ScalarFunction& f, const Samples& s) {
  std::vector<Turn> turns;
  for (std::size_t i = 1; i + 1 < s.t.size(); ++i) {
    if (!s.value[i - 1] || !s.value[i] || !s.value[i + 1]) continue;
    const double before = *s.value[i - 1], middle = *s.value[i], after = *s.value[i + 1];
    const bool maximum = middle >= before && middle >= after && (middle > before || middle > after);
    const bool minimum = middle <= before && middle <= after && (middle < before || middle < after);
    if (!maximum && !minimum) continue;
    const double direction = maximum ? -1 : 1;
    Least best{s.t[i], middle};
    if (const std::optional<Least> refined = goldenSearch(f, s.t[i - 1], s.t[i + 1], direction)) {
      if (direction * refined->value < direction * middle) best = *refined;
    }
    // Beyond a pole the refined value runs away from the samples; a smooth turn or a
    // corner rises (falls) from the best sample by a fraction of its neighbours' steps.
    const double steps = std::fabs(before - middle) + std::fabs(after - middle);
    if (std::fabs(best.value - middle) > steps / 2) continue;
    if (!continuousAcross(f, s.t[i - 1], s.t[i + 1], steps)) continue;
    // A turn, not the edge of a flat stretch: half a step to either side is worse.
    const double half = (s.t[i + 1] - s.t[i - 1]) / 4;
    const std::optional<double> left = f(best.t - half);
    const std::optional<double> right = f(best.t + half);
    if (!left || !right || !(direction * *left > direction * best.value) ||
        !(direction * *right > direction * best.value)) {
      continue;
    }
    turns.push_back({best.t, best.value, maximum});
  }
  return turns;
}

std::vector<Break> breaksOf(const ScalarFunction& f, const Samples& s) {
  std::vector<Break> breaks;
  for (std::size_t i = 0; i + 1 < s.t.size(); ++i) {
    if (!s.value[i] || !s.value[i + 1]) continue;
    if (const std::optional<Break> b =
            breakBetween(f, s.t[i], *s.value[i], s.t[i + 1], *s.value[i + 1])) {
      breaks.push_back(*b);
    }
  }
  return breaks;
}

}  // namespace quorvel
