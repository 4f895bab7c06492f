// Piecewise functions read from their pieces: every combination of held and open ends,
// adjacent and gapped intervals, the refusals that name the piece, and the printed text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/document_format.h"
#include "document/piecewise_entry.h"

namespace quorvel {
namespace {

Piece piece(std::string f, std::string from, std::string to, bool fromIn, bool toIn) {
  return Piece{std::move(f), std::move(from), std::move(to), fromIn, toIn};
}

struct ValueCase {
  double x;
  std::optional<int> piece;  // index of the piece that holds x, or none
};

struct EndsCase {
  std::string what;
  std::vector<Piece> pieces;
  std::vector<ValueCase> values;
};

TEST(PiecewiseEntry, EachXBelongsToThePieceWhoseIntervalHoldsIt) {
  const std::vector<EndsCase> cases = {
      {"closed-open, adjacent",
       {piece("x", "-1", "0", true, false), piece("x^2", "0", "1", true, false)},
       {{-1, 0}, {-0.5, 0}, {0, 1}, {0.5, 1}, {1, std::nullopt}, {-1.01, std::nullopt}}},
      {"open-closed, adjacent",
       {piece("x", "-1", "0", false, true), piece("x^2", "0", "1", false, true)},
       {{-1, std::nullopt}, {0, 0}, {1, 1}, {0.0001, 1}}},
      {"both open, adjacent: the shared end is in neither",
       {piece("x", "-1", "0", false, false), piece("x^2", "0", "1", false, false)},
       {{0, std::nullopt}, {-0.999, 0}, {0.999, 1}}},
      {"both closed, gapped",
       {piece("1", "-3", "-1", true, true), piece("2", "1", "3", true, true)},
       {{-3, 0}, {-1, 0}, {0, std::nullopt}, {1, 1}, {3, 1}}},
      {"infinite outer ends",
       {piece("x+1", "-inf", "0", true, false), piece("x^2", "0", "∞", true, true)},
       {{-1e6, 0}, {0, 1}, {1e6, 1}}},
  };
  for (const EndsCase& c : cases) {
    const EntryReading reading = readPiecewise(PiecewiseCurve{c.pieces, 0}, nullptr);
    ASSERT_TRUE(reading.curve) << c.what << ": " << reading.refusal.message;
    const PiecewiseShape& shape = *reading.curve->piecewise;
    for (const ValueCase& v : c.values) {
      const PieceShape* found = shape.pieceAt(v.x);
      const std::optional<int> index =
          found == nullptr ? std::nullopt
                           : std::optional<int>(static_cast<int>(found - shape.pieces.data()));
      EXPECT_EQ(index, v.piece) << c.what << " at x = " << v.x;
    }
  }
}

TEST(PiecewiseEntry, AnInfiniteEndIsNeverHeld) {
  const EntryReading reading =
      readPiecewise(PiecewiseCurve{{piece("x", "-inf", "inf", true, true)}, 0}, nullptr);
  ASSERT_TRUE(reading.curve);
  const PieceShape& p = reading.curve->piecewise->pieces.front();
  EXPECT_FALSE(p.fromIncluded);
  EXPECT_FALSE(p.toIncluded);
  EXPECT_EQ(p.from, -std::numeric_limits<double>::infinity());
}

struct RefusalCase {
  std::vector<Piece> pieces;
  std::string message;
  std::size_t piece;
  PieceBox box;
};

TEST(PiecewiseEntry, RefusalsNameThePiece) {
  const std::vector<RefusalCase> cases = {
      {{piece("x", "0", "2", true, true), piece("x^2", "1", "3", true, true)},
       "第 1 段与第 2 段的区间重叠",
       1,
       PieceBox::kFrom},
      {{piece("x", "0", "1", true, true), piece("x^2", "1", "3", true, true)},
       "第 1 段与第 2 段的区间重叠",
       1,
       PieceBox::kFrom},
      {{piece("x", "2", "3", true, true), piece("1", "-1", "0", true, true),
        piece("x^2", "-inf", "2.5", false, false)},
       "第 1 段与第 3 段的区间重叠",
       2,
       PieceBox::kFrom},
      {{piece("x", "0", "1", true, true), piece("", "1", "3", false, true)},
       "第 2 段的式子不能为空",
       1,
       PieceBox::kExpression},
      {{piece("x", "1", "0", true, true)}, "第 1 段的左端点必须小于右端点", 0, PieceBox::kFrom},
      {{piece("x", "0", "-inf", true, false)},
       "−∞ 只能作左端点，+∞ 只能作右端点",
       0,
       PieceBox::kTo},
      {{piece("x", "inf", "1", true, false)},
       "−∞ 只能作左端点，+∞ 只能作右端点",
       0,
       PieceBox::kFrom},
      {{piece("x", "0", "a+", true, false)}, "第 1 段的右端点不是一个数", 0, PieceBox::kTo},
      {{piece("x", "0", "2x", true, false)}, "第 1 段的右端点不是一个数", 0, PieceBox::kTo},
      {{piece("x+(1", "0", "1", true, false)}, "括号错误", 0, PieceBox::kExpression},
      {{piece("x+q", "0", "1", true, false)}, "字符未定义", 0, PieceBox::kExpression},
      {{}, "分段函数至少要有一段", 0, PieceBox::kExpression},
  };
  for (const RefusalCase& c : cases) {
    std::optional<PieceFault> fault;
    const EntryReading reading = readPiecewise(PiecewiseCurve{c.pieces, 0}, &fault);
    EXPECT_FALSE(reading.curve) << c.message;
    EXPECT_EQ(reading.refusal.message, c.message);
    ASSERT_TRUE(fault) << c.message;
    EXPECT_EQ(fault->piece, c.piece) << c.message;
    EXPECT_EQ(fault->box, c.box) << c.message;
  }
  std::vector<Piece> seven;
  for (int i = 0; i < 7; ++i) {
    seven.push_back(piece("x", std::to_string(i), std::to_string(i + 1), true, false));
  }
  EXPECT_EQ(readPiecewise(PiecewiseCurve{seven, 0}, nullptr).refusal.message, "分段函数最多六段");
}

TEST(PiecewiseEntry, TypedTextbookNotationIsRewrittenAndPrinted) {
  const TypedPiecewiseReading typed = readTypedPiecewise(PiecewiseCurve{
      {piece("x + 1", "−∞", "0", false, false), piece("x²", "0", "+∞", true, false)}, 0x0000FF});
  ASSERT_TRUE(typed.entry) << typed.reading.refusal.message;
  const auto& stored = std::get<PiecewiseCurve>(typed.entry->content);
  EXPECT_EQ(stored.pieces[0].from, "-inf");
  EXPECT_EQ(stored.pieces[1].to, "inf");
  EXPECT_EQ(stored.pieces[1].expression, "x^2");
  EXPECT_EQ(typed.entry->printed, "f(x) = {x + 1, x < 0; x², x ≥ 0}");
  EXPECT_EQ(typed.entry->line, "y={x + 1, x<0; x^2, x>=0}");
  EXPECT_EQ(stored.colour, 0x0000FF);
}

TEST(PiecewiseEntry, TheFaultOfATypedBoxIsShownInItsOwnText) {
  const TypedPiecewiseReading typed = readTypedPiecewise(PiecewiseCurve{
      {piece("x", "0", "1", true, false), piece("2x + q", "1", "2", true, false)}, 0});
  ASSERT_FALSE(typed.entry);
  ASSERT_TRUE(typed.place);
  EXPECT_EQ(typed.place->character, 5u);
  EXPECT_NE(typed.detail.find("第 2 段的式子"), std::string::npos) << typed.detail;
}

TEST(PiecewiseEntry, InfinityIsReadInEveryTypedForm) {
  for (const char* minus : {"-inf", "−∞", "-∞", " - inf ", "－∞"})
    EXPECT_EQ(infinityOf(minus), -1) << minus;
  for (const char* plus : {"inf", "∞", "+∞", "+inf", "INF"}) EXPECT_EQ(infinityOf(plus), 1) << plus;
  for (const char* other : {"0", "info", "1e9", ""}) EXPECT_EQ(infinityOf(other), 0) << other;
}

TEST(PiecewiseEntry, SurvivesTheListDocument) {
  FunctionList list;
  const PiecewiseCurve curve{
      {piece("x+1", "-inf", "0", false, false), piece("x^2", "0", "inf", true, false)}, 0x123456};
  list.add(ListEntry{curve, false, "", ""});
  list.add(ListEntry{PointList{"A(1, 2) B(3, -1)", 0xFF}, true, "", ""});
  const DocumentReading again = readDocument(documentBytes(list));
  ASSERT_TRUE(again.list) << again.fault;
  ASSERT_EQ(again.list->size(), 2u);
  EXPECT_EQ(again.list->at(0).content, EntryContent(curve));
  EXPECT_FALSE(again.list->at(0).ticked);
  EXPECT_EQ(again.list->at(1).content, EntryContent(PointList{"A(1, 2) B(3, -1)", 0xFF}));
  // A damaged piece is refused with the document, naming the entry.
  const DocumentReading damaged = readDocument(
      R"({"format": "quorvel-list", "version": 1, "entries": [{"kind": "piecewise",
          "pieces": [{"f": "x", "from": 0}]}]})");
  EXPECT_FALSE(damaged.list);
  EXPECT_NE(damaged.fault.find("第 1 条曲线"), std::string::npos) << damaged.fault;
}

}  // namespace
}  // namespace quorvel
