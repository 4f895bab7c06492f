// Regions typed as a textbook writes them: the signs and separators read, chains
// split, straight boundaries told from curved ones, refusals that name the
// inequality, the printed text, and the entry kept whole in a list document.
#include "document/region_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document_format.h"
#include "document/function_list.h"

namespace quorvel {
namespace {

TEST(RegionEntry, TypedSystemsAreReadIntoTheirInequalities) {
  struct Case {
    std::string typed;
    std::string stored;
    std::vector<Relation> relations;
    std::vector<bool> straight;
    std::string printed;
  };
  using R = Relation;
  const std::vector<Case> cases = {
      {"x + y ≤ 4；x ≥ 0；y ≥ 0；x − y ≤ 2",
       "x + y<=4; x>=0; y>=0; x - y<=2",
       {R::LessOrEqual, R::GreaterOrEqual, R::GreaterOrEqual, R::LessOrEqual},
       {true, true, true, true},
       "x + y ≤ 4, x ≥ 0, y ≥ 0, x − y ≤ 2"},
      {"y > x²", "y>x^2", {R::Greater}, {false}, "y > x²"},
      {"x² + y² <= 4", "x^2 + y^2<=4", {R::LessOrEqual}, {false}, "x² + y² ≤ 4"},
      {"0 ≤ x ≤ 3\ny < 2x + 1",
       "0<=x<=3; y<2x + 1",
       {R::LessOrEqual, R::LessOrEqual, R::Less},
       {true, true, true},
       "0 ≤ x ≤ 3, y < 2x + 1"},
      {"x < 1, y >= sin(x)",
       "x<1; y>=sin(x)",
       {R::Less, R::GreaterOrEqual},
       {true, false},
       "x < 1, y ≥ sin(x)"},
      {"2(x + 1) ＞ y；|x| ＜ 2",
       "2(x + 1)>y; abs(x)<2",
       {R::Greater, R::Less},
       {true, false},
       "2(x + 1) > y, abs(x) < 2"},
      {"x*y <= 1;", "x*y<=1", {R::LessOrEqual}, {false}, "x·y ≤ 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const TypedRegionReading typed = readTypedRegion(RegionCurve{c.typed, "", 0x0000FF});
    ASSERT_TRUE(typed.entry) << typed.reading.refusal.message;
    const auto& stored = std::get<RegionCurve>(typed.entry->content);
    EXPECT_EQ(stored.text, c.stored);
    EXPECT_EQ(typed.entry->printed, c.printed);
    const RegionSystem& system = *typed.reading.curve->region;
    ASSERT_EQ(system.inequalities.size(), c.relations.size());
    for (std::size_t i = 0; i < c.relations.size(); ++i) {
      EXPECT_EQ(system.inequalities[i].relation, c.relations[i]) << i;
      EXPECT_EQ(system.inequalities[i].line.has_value(), c.straight[i]) << i;
    }
  }
}

TEST(RegionEntry, RefusalsSayWhichInequalityAndWhy) {
  struct Case {
    std::string text, objective, message;
  };
  const std::vector<Case> cases = {
      {"", "", "请输入不等式"},
      {" ；\n", "", "请输入不等式"},
      {"y = x", "", "这是等式"},
      {"x + y", "", "要有不等号"},
      {"x > 0; y >", "", "第 2 个不等式“y>”：不等号的两边都要有式子"},
      {"0 <= x >= 3", "", "方向要一致"},
      {"0 < x < 1 < 2", "", "最多连写两个"},
      {"1 < 2", "", "要含有变量 x 或 y"},
      {"y > t", "", "不等式只能用变量 x 和 y"},
      {"y > (x", "", "括号错误"},
      {"y >= x; x <= 3", "x^2", "一次式"},
      {"y >= x", "t", "目标函数：字符未定义"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TypedRegionReading typed = readTypedRegion(RegionCurve{c.text, c.objective, 0});
    EXPECT_FALSE(typed.entry);
    EXPECT_NE(typed.reading.refusal.message.find(c.message), std::string::npos)
        << typed.reading.refusal.message;
  }
  std::string many;
  for (int i = 0; i <= static_cast<int>(kMostRegionInequalities); ++i) many += "x > 0;";
  EXPECT_FALSE(readTypedRegion(RegionCurve{many, "", 0}).entry);
}

TEST(RegionEntry, ARegionComesBackFromAListDocumentAsItWasKept) {
  FunctionList list;
  list.add(ListEntry{RegionCurve{"x+y<=4; x>=0; y>=0; x-y<=2", "2x+y", 0x0080FF}, true, {}});
  list.add(ListEntry{RegionCurve{"y>x^2", "", 0xFF0000}, false, {}});
  const std::string bytes = documentBytes(list);
  // No objective, no field: what an older document never had.
  EXPECT_EQ(bytes.find("\"objective\""), bytes.rfind("\"objective\""));
  const DocumentReading back = readDocument(bytes);
  ASSERT_TRUE(back.list) << back.fault;
  EXPECT_EQ(*back.list, list);
  const EntryReading reading = readEntry(back.list->at(0), seededRandom(1));
  ASSERT_TRUE(reading.curve);
  EXPECT_EQ(reading.curve->params.funcFamily, kRegionFamily);
  EXPECT_EQ(reading.curve->colour, 0x0080FF);
  EXPECT_EQ(reading.line, "x+y<=4, x>=0, y>=0, x-y<=2");
  // A field of the wrong type is refused with the rest of the file.
  std::string broken = bytes;
  broken.replace(broken.find("\"y>x^2\""), 7, "12");
  EXPECT_FALSE(readDocument(broken).list);
}

}  // namespace
}  // namespace quorvel
