#pragma once
// Where y = f(x) rises and falls over a range, and its extrema: the range is sampled
// as for the key points, cut at the turns the search finds (each turn closes the
// interval before it and opens the one after), at the poles and jumps (open on both
// sides) and where the domain ends; the trend between two cuts is read off the
// samples. The intervals cover the part of the range where f is defined, from the
// range's own numbers.
#include <string>
#include <vector>

#include "analysis/search.h"

namespace quorvel {

enum class Trend { Rising, Falling, Constant };

struct MonotonicInterval {
  double lo = 0;
  double hi = 0;
  bool loIncluded = true;
  bool hiIncluded = true;
  Trend trend = Trend::Rising;
  bool operator==(const MonotonicInterval&) const = default;
};

struct Monotonicity {
  // Ascending; neighbours share an end (a turn) or meet at a point left out.
  std::vector<MonotonicInterval> intervals;
  // The local maxima and minima strictly inside the range (极大值, 极小值).
  std::vector<Turn> extrema;
};

// Over [lo, hi] (finite, lo < hi; nothing otherwise).
Monotonicity monotonicity(const ScalarFunction& f, double lo, double hi);

// "单调递增", "单调递减", "常数".
const char* trendCaption(Trend trend);
// "[−3, −1]", "(0, 1]": the ends as textbookNumber writes them.
std::string intervalText(const MonotonicInterval& interval);

}  // namespace quorvel
