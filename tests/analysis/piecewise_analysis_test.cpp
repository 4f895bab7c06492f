// A piecewise function in the analysis is one function of x: no value where no piece
// is, its turns at a piece's end found as well as inside a piece.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/key_points.h"
#include "analysis/value_table.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"

namespace quorvel {
namespace {

Piece piece(std::string f, std::string from, std::string to, bool fromIn, bool toIn) {
  return Piece{std::move(f), std::move(from), std::move(to), fromIn, toIn};
}

AnalysedCurve analysed(std::vector<Piece> pieces) {
  const EntryReading reading = readPiecewise(PiecewiseCurve{std::move(pieces), 0}, nullptr);
  EXPECT_TRUE(reading.curve) << reading.refusal.message;
  std::string reason;
  std::optional<AnalysedCurve> curve = AnalysedCurve::fromCurve(*reading.curve, reason);
  EXPECT_TRUE(curve) << reason;
  return *curve;
}

std::vector<KeyPoint> turns(const AnalysedCurve& curve) {
  KeyPointQuery query;
  query.region = Region{{-10, 10}, {-10, 10}};
  std::vector<KeyPoint> out;
  for (const KeyPoint& p : findKeyPoints(curve, query)) {
    if (p.kind == KeyKind::Minimum || p.kind == KeyKind::Maximum) out.push_back(p);
  }
  return out;
}

TEST(PiecewiseAnalysis, TheValueIsThePieceHoldingX) {
  const AnalysedCurve f =
      analysed({piece("x+1", "-inf", "0", false, false), piece("x^2", "1", "inf", true, false)});
  EXPECT_TRUE(f.functionOfX());
  EXPECT_EQ(f.valueAt(0, -2), -1.0);
  EXPECT_EQ(f.valueAt(0, 0), std::nullopt);    // the open end of the first piece
  EXPECT_EQ(f.valueAt(0, 0.5), std::nullopt);  // the gap
  EXPECT_EQ(f.valueAt(0, 1), 1.0);
  EXPECT_EQ(f.valueAt(0, 3), 9.0);
}

TEST(PiecewiseAnalysis, MinimumAtTheHeldEndBelowAJump) {
  const std::vector<KeyPoint> found = turns(
      analysed({piece("x+1", "-inf", "0", false, false), piece("x^2", "0", "inf", true, false)}));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, KeyKind::Minimum);
  EXPECT_NEAR(found[0].x, 0, 1e-9);
  EXPECT_NEAR(found[0].y, 0, 1e-9);
}

TEST(PiecewiseAnalysis, MinimumAtTheCornerOfAbsoluteValuePieces) {
  const std::vector<KeyPoint> found = turns(
      analysed({piece("-x", "-inf", "0", false, false), piece("x", "0", "inf", true, false)}));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, KeyKind::Minimum);
  EXPECT_NEAR(found[0].x, 0, 1e-6);
  EXPECT_NEAR(found[0].y, 0, 1e-6);
}

TEST(PiecewiseAnalysis, AnOpenEndIsNoExtremumAndAMaximumAtAHeldEndIsFound) {
  // 1 − x² on [−1, 1) then 3 on (1, 2]: the end at x = 1 is not held (no point there);
  // 3 is flat; the top of the parabola at 0 is a maximum.
  const std::vector<KeyPoint> found =
      turns(analysed({piece("1-x^2", "-1", "1", false, false), piece("3", "1", "2", false, true)}));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, KeyKind::Maximum);
  EXPECT_NEAR(found[0].x, 0, 1e-6);
  // A held end above both sides: −|x| built of two pieces meeting at a held 1.
  const std::vector<KeyPoint> peak = turns(
      analysed({piece("x", "-inf", "1", false, true), piece("2-x", "1", "inf", false, false)}));
  ASSERT_EQ(peak.size(), 1u);
  EXPECT_EQ(peak[0].kind, KeyKind::Maximum);
  EXPECT_NEAR(peak[0].x, 1, 1e-6);
  EXPECT_NEAR(peak[0].y, 1, 1e-6);
}

TEST(PiecewiseAnalysis, TheTableIsBlankWhereNoPieceIs) {
  std::string reason;
  const std::optional<ValueTable> table =
      valueTable(analysed({piece("x", "-2", "-1", true, true), piece("x^2", "1", "2", true, true)}),
                 -2, 2, 1, reason);
  ASSERT_TRUE(table) << reason;
  ASSERT_EQ(table->rows.size(), 5u);
  std::vector<bool> blank;
  for (const ValueRow& row : table->rows) blank.push_back(!row.y[0].has_value());
  EXPECT_EQ(blank, (std::vector<bool>{false, false, true, false, false}));
}

TEST(PiecewiseAnalysis, PointsAreNoCurveToAnalyse) {
  const EntryReading reading = readPointList(PointList{"A(1, 2)", 0});
  ASSERT_TRUE(reading.curve);
  std::string reason;
  EXPECT_FALSE(AnalysedCurve::fromCurve(*reading.curve, reason));
  EXPECT_EQ(reason, kMessagePointsNotAnalysed);
}

}  // namespace
}  // namespace quorvel
