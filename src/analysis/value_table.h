#pragma once
// A table of values of a curve: x from a start to an end in equal steps, and the
// curve's y at each (one column per branch of a two-branch curve), blank where the
// curve has no point. For a parametric curve the steps are of t and the columns x and
// y; for a polar curve of θ, with ρ, x and y.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysed_curve.h"

namespace quorvel {

inline constexpr int kMostTableRows = 10000;

inline constexpr const char* kMessageStepNotPositive = "步长必须大于０";
inline constexpr const char* kMessageEndBeforeStart = "终点不能小于起点";
inline constexpr const char* kMessageTooManyRows = "函数值表超过 10000 行，请加大步长或缩小范围";

struct ValueRow {
  double x = 0;                            // x, or the parameter t (θ)
  std::array<std::optional<double>, 3> y;  // the columns after the first, in order
};

struct ValueTable {
  int columns = 1;  // the number of columns after the first
  // Every column's name: "x", "y"; "x", "y1", "y2"; "t", "x", "y"; "θ", "ρ", "x", "y".
  std::vector<std::string> captions;
  std::vector<ValueRow> rows;
};

// x_i = from + i × step (never added up) while x_i does not pass `to`, and y from the
// curve's formula in double precision, within its own ranges. nullopt with the reason
// for a step that is not positive, an end before the start, more than kMostTableRows
// rows, or a number that is not finite.
std::optional<ValueTable> valueTable(const AnalysedCurve& curve, double from, double to,
                                     double step, std::string& reason);

// One line per row: x and the y columns as decimal texts, joined by tabs, or for CSV
// by commas after a header line of the captions ("x,y", "t,x,y"); a missing value is
// empty.
std::string valueTableText(const ValueTable& table, bool csv);

}  // namespace quorvel
