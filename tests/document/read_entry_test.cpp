// The one reader of the list's entries, on a table of records: every text evaluated as
// the draw command evaluates its boxes, the checks in their order with their messages,
// the sweep a line needs, and the line the list shows for an entry it refuses.
#include "document/read_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/families.h"

namespace quorvel {
namespace {

FuncRecord record(int family, int form, std::string p1, std::string p2 = "", std::string p3 = "") {
  FuncRecord r;
  r.family = static_cast<std::int16_t>(family);
  r.form = static_cast<std::int16_t>(form);
  r.para1 = std::move(p1);
  if (family == kCustomFamily) {
    r.zeroPara23 = true;
  } else {
    r.para2 = std::move(p2);
    r.para3 = std::move(p3);
  }
  r.color = 0x00FF00;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  return r;
}

FuncRecord withRanges(FuncRecord r, std::string x1, std::string x2, std::string y1 = kOpenLow,
                      std::string y2 = kOpenHigh) {
  r.rangeX1 = std::move(x1);
  r.rangeX2 = std::move(x2);
  r.rangeY1 = std::move(y1);
  r.rangeY2 = std::move(y2);
  return r;
}

// Random numbers that count how many were drawn.
struct CountedRandom {
  int drawn = 0;
  RandomNumbers numbers() {
    return [this] {
      ++drawn;
      return 0.375f;
    };
  }
};

const Refusal kDataError{"错误", "数据错误"};

struct Case {
  const char* what;
  FuncRecord record;
  std::string line;  // the list's line
  Refusal refusal;   // empty: drawn
};

TEST(ReadEntry, ReadsEveryTextAsTheDrawCommandDoes) {
  const Case cases[] = {
      {"an expression in a parameter", record(2, 0, "2*3"), "y=6/x", {}},
      {"pi/2", record(5, 0, "pi/2", "1", "0"), "y=1.570795sin(1x+0)", {}},
      {"an empty parameter is 0", record(0, 0, "2", ""), "y=2x+0", {}},
      {"a negative range end", withRanges(record(2, 0, "6"), "-2*2", "3"), "y=6/x", {}},
      {"an x in a parameter", record(2, 0, "2x"), "2x", kDataError},
      {"not a number", record(2, 0, "abc"), "abc", kDataError},
      {"the open marker without its blank", withRanges(record(2, 0, "6"), "-∞", kOpenHigh), "y=6/x",
       kDataError},
      {"an empty range end", withRanges(record(2, 0, "6"), "", kOpenHigh), "y=6/x", kDataError},
      {"ends in the wrong order", withRanges(record(2, 0, "6"), "3", "1"), "y=6/x", kDataError},
      {"equal ends", withRanges(record(2, 0, "6"), kOpenLow, kOpenHigh, "1", "1"), "y=6/x",
       kDataError},
      {"h beyond 32 bits", record(1, 2, "3000000000", "0", "1"), "3000000000", kDataError},
      {"the family's rule", record(2, 0, "0"), "y=0/x", {"参数错误", "ｋ≠０"}},
      {"2p beyond single precision", record(11, 0, "3*10^38"), "3*10^38", {"参数错误", "参数过大"}},
      {"brackets", record(13, 0, "(X+1))"), "y=(x+1))", {"错误", "括号错误"}},
      {"an undefined character", record(13, 0, "x$2"), "y=x$2", {"错误", "字符未定义"}},
      {"a malformed expression", record(13, 0, "x+"), "y=x+", {"错误", "表达式错误，请检查"}},
      {"a running sum", record(13, 1, "1/X"), "Sx=1/x", {}},
  };
  for (const Case& c : cases) {
    CountedRandom random;
    const EntryReading r = readRecord(c.record, random.numbers());
    EXPECT_EQ(r.line, c.line) << c.what;
    EXPECT_EQ(r.curve.has_value(), c.refusal.message.empty()) << c.what;
    if (r.curve) {
      EXPECT_EQ(r.curve->text, c.line) << c.what;
    } else {
      EXPECT_EQ(r.refusal, c.refusal) << c.what;
    }
    // Only an expression of one's own is tried at random points, eleven times when
    // it passes.
    const bool tried = c.record.family == kCustomFamily && c.refusal.message != "括号错误";
    if (!tried) {
      EXPECT_EQ(random.drawn, 0) << c.what;
    } else if (r.curve) {
      EXPECT_EQ(random.drawn, 11) << c.what;
    }
  }
}

TEST(ReadEntry, TheTextsAreLeftAsTheBoxesShowThem) {
  FuncRecord r = withRanges(record(1, 2, "5/2", "pi", ""), "-1-1", " +∞", "2x", "3");
  const EntryReading reading = readRecord(r, seededRandom(1));
  EXPECT_FALSE(reading.curve);
  EXPECT_EQ(reading.texts.para1, "2.5");
  EXPECT_EQ(reading.texts.para2, "3.14159");
  EXPECT_EQ(reading.texts.para3, "0");
  // Every range end is read even after one has failed.
  EXPECT_EQ(reading.texts.rangeX1, "-2");
  EXPECT_EQ(reading.texts.rangeY1, "2x");
  EXPECT_EQ(reading.texts.rangeY2, "3");
  // A parameter that fails stops the reading before the ranges.
  r = withRanges(record(2, 0, "2x", "1+1"), "1+1", " +∞");
  const EntryReading stopped = readRecord(r, seededRandom(1));
  EXPECT_EQ(stopped.texts.para1, "2x");
  EXPECT_EQ(stopped.texts.rangeX1, "1+1");
  // An expression keeps its case; the curve's is lower-cased.
  const EntryReading custom = readRecord(record(13, 0, "SIN(X)"), seededRandom(1));
  EXPECT_EQ(custom.texts.para1, "SIN(X)");
  ASSERT_TRUE(custom.curve);
  EXPECT_EQ(custom.curve->params.expression, "sin(x)");
}

TEST(ReadEntry, TheCurveCarriesWhatTheDrawingNeeds) {
  // y = a(x − h)² + k from the boxes h, k, a.
  FuncRecord r = withRanges(record(1, 2, "3.5", "1", "-0.5"), "-1", " +∞", " -∞", "4");
  r.intX = 1;
  r.color = 0x123456;
  const EntryReading reading = readRecord(r, seededRandom(1));
  ASSERT_TRUE(reading.curve);
  const EntryCurve& c = *reading.curve;
  EXPECT_EQ(c.params.paramA, -0.5f);
  EXPECT_EQ(c.params.paramH, 4);  // whole, halves to even
  EXPECT_EQ(c.params.paramK, 1.0f);
  EXPECT_FALSE(c.range.xFromOpen);
  EXPECT_EQ(c.range.xFrom, -1.0f);
  EXPECT_TRUE(c.range.xToOpen);
  EXPECT_EQ(c.range.yTo, 4.0f);
  EXPECT_TRUE(c.wholeNumbers);
  EXPECT_EQ(c.colour, 0x123456);
  EXPECT_FALSE(c.sweepAlongY);
}

TEST(ReadEntry, ALineAsksForTheSweepItNeeds) {
  const struct {
    const char* what;
    FuncRecord record;
    std::optional<bool> sweepAlongY;
  } cases[] = {
      {"y = 2x + 1", record(0, 0, "2", "1"), std::nullopt},
      {"y = 0x + 1 (horizontal)", record(0, 0, "0", "1"), false},
      {"point-slope with k = 0", record(0, 1, "1", "2", "0"), false},
      {"x + 0y - 2 = 0 (vertical)", record(0, 2, "1", "0", "-2"), true},
      {"0x + y - 2 = 0 (horizontal)", record(0, 2, "0", "1", "-2"), false},
      {"x + y = 0", record(0, 2, "1", "1", "0"), std::nullopt},
  };
  for (const auto& c : cases) {
    const EntryReading r = readRecord(c.record, seededRandom(1));
    ASSERT_TRUE(r.curve) << c.what;
    EXPECT_EQ(r.curve->sweepAlongY, c.sweepAlongY) << c.what;
  }
  const EntryReading none = readRecord(record(0, 2, "0", "0", "1"), seededRandom(1));
  EXPECT_FALSE(none.curve);
}

TEST(ReadEntry, AListJustReadIsTickedWhereItCanBeDrawn) {
  FunctionList list;
  for (const FuncRecord& r :
       {record(2, 0, "6"), record(2, 0, "0"), record(13, 0, "(x"), record(2, 0, "2*3")}) {
    list.add(ListEntry{ClassicCurve(r), true, {}});
  }
  const std::vector<EntryRefusal> refused = readLines(list, seededRandom(1));
  std::vector<std::string> lines;
  std::vector<bool> ticks;
  for (const ListEntry& e : list.entries()) {
    lines.push_back(e.line);
    ticks.push_back(e.ticked);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"y=6/x", "y=0/x", "y=(x", "y=6/x"}));
  EXPECT_EQ(ticks, (std::vector<bool>{true, false, false, true}));
  EXPECT_EQ(refused,
            (std::vector<EntryRefusal>{{1, {"参数错误", "ｋ≠０"}}, {2, {"错误", "括号错误"}}}));
  // The same entry reads the same through readEntry.
  EXPECT_EQ(readEntry(list.at(3), seededRandom(1)).curve->params.paramK, 6.0f);
}

// A new entry is read as any entry, then must fit its record: the value texts as the
// boxes show them after reading, the expression as typed.
TEST(ReadEntry, ANewEntryMustFitItsRecord) {
  const struct {
    const char* what;
    FuncRecord typed;
    std::string refusal;  // "" when it is stored
    std::string storedPara1;
  } cases[] = {
      {"a product read as its value", record(2, 0, "2*3"), "", "6"},
      {"a value too long for its field", record(0, 0, "1", "12345678901"),
       "数值“1.234568E+10”过长：列表中每项最多保存10个字符", ""},
      {"an expression too long for its field",
       record(kCustomFamily, 0, "sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+sin(6x)/6"),
       "表达式过长：列表中最多保存50个字符，请缩短", ""},
      {"a family rule before the field widths", record(2, 0, "0"), "ｋ≠０", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FuncRecord stored;
    const EntryReading reading = readNewRecord(c.typed, seededRandom(1), stored);
    if (c.refusal.empty()) {
      ASSERT_TRUE(reading.curve.has_value()) << reading.refusal.message;
      EXPECT_EQ(stored.para1, c.storedPara1);
      EXPECT_EQ(stored.color, c.typed.color);
    } else {
      EXPECT_FALSE(reading.curve.has_value());
      EXPECT_EQ(reading.refusal.message, c.refusal);
    }
  }
}

}  // namespace
}  // namespace quorvel
