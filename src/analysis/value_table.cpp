#include "analysis/value_table.h"

#include <cmath>

#include "analysis/analysis_text.h"
#include "catalogue/curve_rules.h"

namespace quorvel {

namespace {

// Steps that land a hair short of the end still reach it: (1 − 0) / 0.1 is
// 9.999999999999998 in double, and typed numbers have seven digits, so that 2π over
// π/12 comes to 23.999996.
constexpr double kStepSlack = 1e-9;
constexpr double kRelativeStepSlack = 1e-6;

// The row of a parametric (polar) curve at t (θ): x and y (ρ, x and y) where the curve
// has its point, within the parameter's range.
ValueRow planeRow(const AnalysedCurve& curve, double t) {
  ValueRow row;
  row.x = t;
  const std::optional<PlanePoint> p = curve.pointOfParameter(t);
  if (!p) return row;
  if (curve.plane()->kind == PlaneKind::kPolar) {
    row.y = {curve.radiusAt(t), p->x, p->y};
  } else {
    row.y = {p->x, p->y, std::nullopt};
  }
  return row;
}

}  // namespace

std::optional<ValueTable> valueTable(const AnalysedCurve& curve, double from, double to,
                                     double step, std::string& reason) {
  if (curve.equation()) {
    reason = kMessageEquationNoTable;
    return std::nullopt;
  }
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
  const double steps = (to - from) / step * (1 + kRelativeStepSlack);
  if (!(steps + kStepSlack < kMostTableRows)) {
    reason = kMessageTooManyRows;
    return std::nullopt;
  }
  const int count = static_cast<int>(std::floor(steps + kStepSlack)) + 1;
  ValueTable table;
  table.rows.reserve(static_cast<std::size_t>(count));
  if (const PlaneCurveShape* plane = curve.plane()) {
    const bool polar = plane->kind == PlaneKind::kPolar;
    table.columns = polar ? 3 : 2;
    table.captions = polar ? std::vector<std::string>{"θ", "ρ", "x", "y"}
                           : std::vector<std::string>{"t", "x", "y"};
    for (int i = 0; i < count; ++i) table.rows.push_back(planeRow(curve, from + i * step));
    return table;
  }
  // A curve along y (a vertical line) has no y for a given x.
  table.columns = curve.alongX() ? curve.branches() : 1;
  table.captions = table.columns == 2 ? std::vector<std::string>{"x", "y1", "y2"}
                                      : std::vector<std::string>{"x", "y"};
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
  if (csv) {
    for (std::size_t i = 0; i < table.captions.size(); ++i) {
      out += (i > 0 ? "," : "") + table.captions[i];
    }
    out += '\n';
  }
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
