// Marked points: typed and pasted texts read into points, their refusals naming the
// point, and the text printed for the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/point_list_entry.h"

namespace quorvel {
namespace {

struct ParseCase {
  std::string typed;
  std::vector<MarkedPoint> points;
  std::string canonical;
};

TEST(PointListEntry, TypedTextsReadAsTheirPoints) {
  const std::vector<ParseCase> cases = {
      {"(1, 2) (3, −1)", {{"", 1, 2}, {"", 3, -1}}, "(1, 2) (3, -1)"},
      {"A(1, 2) B(3,-1)", {{"A", 1, 2}, {"B", 3, -1}}, "A(1, 2) B(3, -1)"},
      {"（１，２）", {{"", 1, 2}}, "(1, 2)"},
      {"P（-0.5，４）；Q(2, 2)", {{"P", -0.5, 4}, {"Q", 2, 2}}, "P(-0.5, 4) Q(2, 2)"},
      // pi is the evaluator's constant, which is single precision.
      {"(pi/2, 1)", {{"", 1.570795, 1}}, "(pi/2, 1)"},
      {"  M1(2*3, sqr(4))  ", {{"M1", 6, 2}}, "M1(2*3, sqr(4))"},
      {"A(1,2)、B(2,3)", {{"A", 1, 2}, {"B", 2, 3}}, "A(1, 2) B(2, 3)"},
  };
  for (const ParseCase& c : cases) {
    const PointsParse parse = parsePoints(c.typed);
    ASSERT_TRUE(parse.shape) << c.typed << ": " << parse.problem;
    ASSERT_EQ(parse.shape->points.size(), c.points.size()) << c.typed;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_EQ(parse.shape->points[i].name, c.points[i].name) << c.typed;
      EXPECT_NEAR(parse.shape->points[i].x, c.points[i].x, 1e-6) << c.typed;
      EXPECT_NEAR(parse.shape->points[i].y, c.points[i].y, 1e-6) << c.typed;
    }
    EXPECT_EQ(parse.canonical, c.canonical);
    // What the list keeps reads back as the same points.
    EXPECT_EQ(parsePoints(parse.canonical).shape, parse.shape) << c.typed;
  }
}

TEST(PointListEntry, RefusalsNameThePointAndWhatIsMissing) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"(1, 2) (2, 3) (1, )", "第 3 个点“(1, )”缺少纵坐标"},
      {"A(, 2)", "第 1 个点“A(, 2)”缺少横坐标"},
      {"(1)", "第 1 个点“(1)”缺少纵坐标"},
      {"(1, 2, 3)", "第 1 个点“(1, 2, 3)”的坐标多于两个"},
      {"(1, 2) B(q, 1)", "第 2 个点“B(q, 1)”的横坐标不是一个数"},
      {"(1, x)", "第 1 个点“(1, x)”的纵坐标不是一个数"},
      {"(1, 2", "第 1 个点“(1, 2”缺少右括号"},
      {"(1, 2) 3, 4", "“3,”不是一个点：点写作 (1, 2) 或 A(1, 2)"},
      {"   ", "请输入至少一个点，如 A(1, 2)"},
  };
  for (const auto& [typed, message] : cases) {
    const PointsParse parse = parsePoints(typed);
    EXPECT_FALSE(parse.shape) << typed;
    EXPECT_EQ(parse.problem, message) << typed;
  }
  std::string many;
  for (std::size_t i = 0; i <= kMaxPoints; ++i) many += "(1, 2) ";
  EXPECT_EQ(parsePoints(many).problem, "点太多：最多 1000 个");
}

TEST(PointListEntry, PastedColumnsBecomePoints) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"x\ty\n1\t2\n3\t-1\n", "(1, 2) (3, -1)"},
      {"1,2\r\n3,4\r\n", "(1, 2) (3, 4)"},
      {"时间 温度\n0  20.5\n\n10  22\n", "(0, 20.5) (10, 22)"},
      {"A\t1\t2\nB\t3\t4", "A(1, 2) B(3, 4)"},
      {"１，２\n", "(1, 2)"},
  };
  for (const auto& [clipboard, text] : cases) {
    std::string problem;
    const std::optional<std::string> got = pastedPoints(clipboard, problem);
    ASSERT_TRUE(got) << clipboard << ": " << problem;
    EXPECT_EQ(*got, text);
    EXPECT_TRUE(parsePoints(*got).shape) << *got;
  }
  std::string problem;
  EXPECT_FALSE(pastedPoints("x y\n1 2\nthree 4\n", problem));
  EXPECT_EQ(problem, "第 3 行“three 4”不是两列数");
  EXPECT_FALSE(pastedPoints("x y\n", problem));
  EXPECT_EQ(problem, "剪贴板里没有两列数");
  EXPECT_FALSE(pastedPoints("1 2 3 4\n", problem));
}

TEST(PointListEntry, PrintedTextAndLabels) {
  const TypedPointsReading typed = readTypedPoints(PointList{"A（1，2） B(3, −1)", 0xFF});
  ASSERT_TRUE(typed.entry) << typed.reading.refusal.message;
  EXPECT_EQ(std::get<PointList>(typed.entry->content).text, "A(1, 2) B(3, -1)");
  EXPECT_EQ(typed.entry->printed, "A(1, 2), B(3, −1)");
  EXPECT_EQ(typed.entry->line, "点 A(1, 2) B(3, -1)");
  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "(" + std::to_string(i) + ", 1) ";
  const EntryReading many = readPointList(PointList{twenty, 0});
  ASSERT_TRUE(many.curve);
  EXPECT_EQ(many.curve->printed, "(0, 1), (1, 1), (2, 1), (3, 1) …（共 20 个点）");
}

}  // namespace
}  // namespace quorvel
