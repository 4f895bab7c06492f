#include "analysis/monotonic.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "analysis/analysis_text.h"

namespace quorvel {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// A step of f within this many ulps of its values is level; a level stretch spans at
// least kLevelRun sample steps and all its values lie within kLevelSpreadUlps: the
// rounding of a constant computed in several operations (|x − 1| + |x + 1| between
// −1 and 1). A curve that only changes slowly (x⁵ + 100 near 0) moves farther.
constexpr double kLevelUlps = 4;
constexpr std::size_t kLevelRun = 8;
constexpr double kLevelSpreadUlps = 4;
// A segment with fewer points than this between its cuts is looked at in quarters.
constexpr std::size_t kFewestPoints = 3;
constexpr int kEdgeHalvings = 200;

enum Class { kFalling = -1, kLevel = 0, kRising = 1, kNone = 2 };

// A place where intervals end: a turn or the range's end (included), a pole, a jump or
// the end of the domain (included when f is defined there).
struct Cut {
  double t = 0;
  bool included = true;
};

struct Point {
  double t = 0;
  double v = 0;
};

double levelTolerance(double v, double ulps) { return ulps * kEpsilon * std::fabs(v); }

int stepClass(double a, double b) {
  const double d = b - a;
  if (std::fabs(d) <= levelTolerance(std::max(std::fabs(a), std::fabs(b)), kLevelUlps)) {
    return kLevel;
  }
  return d > 0 ? kRising : kFalling;
}

Trend trendOf(int c) {
  return c == kRising ? Trend::Rising : c == kFalling ? Trend::Falling : Trend::Constant;
}

std::optional<double> valueAt(const ScalarFunction& f, double t) {
  const std::optional<double> v = f(t);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

// Where the domain ends between a defined sample and an undefined one, tidied to the
// range's width: included when f is defined at the tidied place (√x at 0, not ln x).
Cut domainEnd(const ScalarFunction& f, double inside, double insideValue, double outside,
              double width) {
  const DomainEdge edge = domainEdge(f, inside, insideValue, outside);
  const double t = tidied(edge.inside, width);
  return {t, valueAt(f, t).has_value()};
}

// The place between a (on the level L) and b (off it) where f leaves the level.
double levelEdge(const ScalarFunction& f, double a, double b, double level) {
  const double tolerance = levelTolerance(level, kLevelSpreadUlps);
  for (int i = 0; i < kEdgeHalvings; ++i) {
    const double m = a + (b - a) / 2;
    if (m == a || m == b) break;
    const std::optional<double> v = valueAt(f, m);
    if (v && std::fabs(*v - level) <= tolerance) {
      a = m;
    } else {
      b = m;
    }
  }
  return a;
}

// The classes of the steps between the points: level steps count only in a long,
// even stretch; elsewhere they say nothing (kNone).
std::vector<int> stepClasses(const std::vector<Point>& points) {
  std::vector<int> classes;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    classes.push_back(stepClass(points[k].v, points[k + 1].v));
  }
  for (std::size_t k = 0; k < classes.size();) {
    if (classes[k] != kLevel) {
      ++k;
      continue;
    }
    std::size_t end = k;
    double least = points[k].v, most = points[k].v;
    while (end < classes.size() && classes[end] == kLevel) {
      least = std::min(least, points[end + 1].v);
      most = std::max(most, points[end + 1].v);
      ++end;
    }
    const bool even = most - least <=
                      levelTolerance(std::max(std::fabs(least), std::fabs(most)), kLevelSpreadUlps);
    if (end - k < kLevelRun || !even) std::fill(classes.begin() + k, classes.begin() + end, kNone);
    k = end;
  }
  return classes;
}

// The intervals between the cuts p and q, where f breaks nowhere and the search found
// no turn: mostly one trend; a level stretch (a piecewise constant part) is an
// interval of its own, and a turn too flat for the search (x¹⁰ + 1, equal to 1 in
// double near 0) is put halfway across the steps that could not tell, and added to the
// extrema.
void addSegment(const ScalarFunction& f, const Samples& s, const Cut& p, const Cut& q,
                Monotonicity& out) {
  std::vector<Point> points;
  auto add = [&f, &points](double t) {
    if (const std::optional<double> v = valueAt(f, t)) points.push_back({t, *v});
  };
  if (p.included) add(p.t);
  for (std::size_t i = 0; i < s.t.size(); ++i) {
    if (p.t < s.t[i] && s.t[i] < q.t && s.value[i] && std::isfinite(*s.value[i])) {
      points.push_back({s.t[i], *s.value[i]});
    }
  }
  if (q.included) add(q.t);
  if (points.size() < kFewestPoints) {
    points.clear();
    for (int k = 1; k <= 3; ++k) add(p.t + (q.t - p.t) * k / 4);
  }
  const std::vector<int> classes = stepClasses(points);
  // Runs of one class; steps that say nothing join the run they are in.
  struct Run {
    int c;
    std::size_t first, last;  // steps
  };
  std::vector<Run> runs;
  for (std::size_t k = 0; k < classes.size(); ++k) {
    if (classes[k] == kNone) continue;
    if (runs.empty() || runs.back().c != classes[k]) {
      runs.push_back({classes[k], k, k});
    } else {
      runs.back().last = k;
    }
  }
  if (runs.empty()) {
    out.intervals.push_back({p.t, q.t, p.included, q.included, Trend::Constant});
    return;
  }
  Cut start = p;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    Cut end = q;
    if (r + 1 < runs.size()) {
      // The change lies at the point where the next run starts, or, beside a level
      // stretch, where f leaves (or reaches) its level.
      const std::size_t at = runs[r + 1].first;
      double t = points[at].t;
      if (runs[r].c == kLevel) {
        t = levelEdge(f, points[at].t, points[at + 1].t, points[at].v);
      } else if (runs[r + 1].c == kLevel) {
        t = levelEdge(f, points[at].t, points[at - 1].t, points[at].v);
      } else {
        t = tidied(points[runs[r].last + 1].t + (points[at].t - points[runs[r].last + 1].t) / 2,
                   q.t - p.t);
        if (const std::optional<double> v = valueAt(f, t)) {
          out.extrema.push_back({t, *v, runs[r].c == kRising});
        }
      }
      end = {t, true};
    }
    out.intervals.push_back({start.t, end.t, start.included, end.included, trendOf(runs[r].c)});
    start = end;
  }
}

}  // namespace

Monotonicity monotonicity(const ScalarFunction& f, double lo, double hi) {
  Monotonicity result;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !(lo < hi)) return result;
  const double width = hi - lo;
  const Samples s = sampleFunction(f, lo, hi);
  const std::vector<Turn> turns = turnsOf(f, s);
  result.extrema = turns;
  const std::vector<Break> breaks = breaksOf(f, s);
  const std::size_t n = s.t.size();
  auto defined = [&s](std::size_t i) { return s.value[i] && std::isfinite(*s.value[i]); };
  for (std::size_t i = 0; i < n;) {
    if (!defined(i)) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j + 1 < n && defined(j + 1)) ++j;
    const Cut start = i == 0 ? Cut{lo, true} : domainEnd(f, s.t[i], *s.value[i], s.t[i - 1], width);
    const Cut end =
        j == n - 1 ? Cut{hi, true} : domainEnd(f, s.t[j], *s.value[j], s.t[j + 1], width);
    if (j > i && start.t < end.t) {
      std::vector<Cut> cuts;
      for (const Turn& turn : turns) {
        if (start.t < turn.t && turn.t < end.t) cuts.push_back({turn.t, true});
      }
      for (const Break& b : breaks) {
        const double t = tidied(b.t, width);
        if (start.t < t && t < end.t) cuts.push_back({t, false});
      }
      std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.t < b.t; });
      cuts.insert(cuts.begin(), start);
      cuts.push_back(end);
      for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        addSegment(f, s, cuts[k], cuts[k + 1], result);
      }
    }
    i = j + 1;
  }
  std::sort(result.extrema.begin(), result.extrema.end(),
            [](const Turn& a, const Turn& b) { return a.t < b.t; });
  return result;
}

const char* trendCaption(Trend trend) {
  switch (trend) {
    case Trend::Rising: return "单调递增";
    case Trend::Falling: return "单调递减";
    case Trend::Constant: return "常数";
  }
  return "";
}

std::string intervalText(const MonotonicInterval& interval) {
  return std::string(interval.loIncluded ? "[" : "(") + textbookNumber(interval.lo) + ", " +
         textbookNumber(interval.hi) + (interval.hiIncluded ? "]" : ")");
}

}  // namespace quorvel
