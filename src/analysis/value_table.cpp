#include "analysis/value_table.h"

#include <cmath>

#include "analysis/analysis_text.h"
#include "catalogue/curve_rules.h"

namespace quorvel {

namespace {

// Steps that land a hair short of the end still reach it: (1 − 0) / 0.1 is
// 9.999999999999998 in double.
constexpr double kStepSlack = 1e-9;

}  // namespace

std::optional<ValueTable> valueTable(const AnalysedCurve& curve, double from, double to,
                                     double step, std::string& reason) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
    reason = kMessageDataError;
    return std::nullopt;
  }
  if (!(step > 0)) {
    reason = kMessageStepNotPositive;
    return std::nullopt;
  }
  if (to < from) {
    reason = kMessageEndBeforeStart;
    return std::nullopt;
  }
  const double steps = (to - from) / step;
  if (!(steps + kStepSlack < kMostTableRows)) {
    reason = kMessageTooManyRows;
    return std::nullopt;
  }
  const int count = static_cast<int>(std::floor(steps + kStepSlack)) + 1;
  ValueTable table;
  // A curve along y (a vertical line) has no y for a given x.
  table.columns = curve.alongX() ? curve.branches() : 1;
  table.rows.reserve(static_cast<std::size_t>(count));
  const Region& own = curve.own();
  for (int i = 0; i < count; ++i) {
    ValueRow row;
    row.x = from + i * step;
    if (curve.alongX() && own.x.contains(row.x)) {
      for (int b = 0; b < table.columns; ++b) {
        const std::optional<double> y = curve.valueAt(b, row.x);
        if (y && own.y.contains(*y)) row.y[static_cast<std::size_t>(b)] = *y;
      }
    }
    table.rows.push_back(row);
  }
  return table;
}

std::string valueTableText(const ValueTable& table, bool csv) {
  const char separator = csv ? ',' : '\t';
  std::string out;
  if (csv) out = table.columns == 2 ? "x,y1,y2\n" : "x,y\n";
  for (const ValueRow& row : table.rows) {
    out += decimalText(row.x);
    for (int b = 0; b < table.columns; ++b) {
      out += separator;
      if (const std::optional<double>& y = row.y[static_cast<std::size_t>(b)]) {
        out += decimalText(*y);
      }
    }
    out += '\n';
  }
  return out;
}

}  // namespace quorvel
