// Linear programs solved exactly: textbook systems bounded and unbounded, empty and
// degenerate ones, ties along edges, fractional corners, strict inequalities; and the
// texts they are read from and written in.
#include "analysis/linear_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/linear_inequality_text.h"
#include "analysis/linear_program_text.h"
#include "analysis/rational_text.h"

namespace quorvel::test {
namespace {

std::vector<LinearConstraint> system(const std::vector<std::string>& texts) {
  std::vector<LinearConstraint> all;
  for (const std::string& text : texts) {
    std::string reason;
    const std::vector<LinearConstraint> read = parseLinearInequality(text, reason);
    EXPECT_FALSE(read.empty()) << text << ": " << reason;
    all.insert(all.end(), read.begin(), read.end());
  }
  return all;
}

FeasibleRegion regionOf(const std::vector<std::string>& texts) {
  const RegionOutcome outcome = feasibleRegion(system(texts));
  EXPECT_TRUE(outcome.region) << outcome.reason;
  return outcome.region.value_or(FeasibleRegion{});
}

std::string directionsText(const FeasibleRegion& region) {
  std::string text;
  for (const RationalPoint& d : region.directions) text += (text.empty() ? "" : " ") + pointText(d);
  return text;
}

struct Objective {
  mpq_class p, q;
  const char* maximum;
  const char* minimum;
};

struct Case {
  const char* what;
  std::vector<std::string> system;
  RegionShape shape;
  const char* corners;
  const char* directions;
  std::vector<Objective> objectives;
};

TEST(LinearProgram, RegionsCornersAndOptima) {
  using enum RegionShape;
  const Case cases[] = {
      {"the textbook's system",
       {"x + y ≤ 4", "x ≥ 0", "y ≥ 0", "x − y ≤ 2"},
       Bounded,
       "(0, 0), (2, 0), (3, 1), (0, 4)",
       "",
       {{2, 1, "最大值 7，在 (3, 1) 处取得", "最小值 0，在 (0, 0) 处取得"},
        {1, 1, "最大值 4，在线段 (3, 1)—(0, 4) 上各点取得", "最小值 0，在 (0, 0) 处取得"},
        {1, -1, "最大值 2，在线段 (2, 0)—(3, 1) 上各点取得", "最小值 −4，在 (0, 4) 处取得"}}},
      {"fractional corners",
       {"x + y <= 3", "2x - y >= 1", "y >= 0"},
       Bounded,
       "(1/2, 0), (3, 0), (4/3, 5/3)",
       "",
       {{1, 2, "最大值 14/3，在 (4/3, 5/3) 处取得", "最小值 1/2，在 (1/2, 0) 处取得"}}},
      {"unbounded, a tie along its edge",
       {"x ≥ 0", "y ≥ 0", "x + y ≥ 2"},
       Unbounded,
       "(0, 2), (2, 0)",
       "(0, 1) (1, 0)",
       {{1, 1, "无最大值（无界）", "最小值 2，在线段 (0, 2)—(2, 0) 上各点取得"},
        {1, 2, "无最大值（无界）", "最小值 2，在 (2, 0) 处取得"},
        {1, -1, "无最大值（无界）", "无最小值（无界）"}}},
      {"a half-strip, a tie along its ray",
       {"0 ≤ x ≤ 1", "y ≥ 0"},
       Unbounded,
       "(0, 0), (1, 0)",
       "(0, 1)",
       {{1, 0, "最大值 1，在从 (1, 0) 出发、方向为 (0, 1) 的射线上各点取得",
         "最小值 0，在从 (0, 0) 出发、方向为 (0, 1) 的射线上各点取得"},
        {0, 1, "无最大值（无界）", "最小值 0，在线段 (0, 0)—(1, 0) 上各点取得"}}},
      {"empty: parallel lines apart",
       {"x + y ≤ 1", "x + y ≥ 2"},
       Empty,
       "",
       "",
       {{1, 1, "无可行解", "无可行解"}}},
      {"empty: crossing lines", {"x ≥ 0", "y ≥ 0", "x + y ≤ -1"}, Empty, "", "", {}},
      {"a single point",
       {"x ≤ 1", "x ≥ 1", "y ≤ 2", "y ≥ 2"},
       Bounded,
       "(1, 2)",
       "",
       {{1, 1, "最大值 3，在 (1, 2) 处取得", "最小值 3，在 (1, 2) 处取得"}}},
      {"a segment",
       {"x + y ≤ 2", "x + y ≥ 2", "x ≥ 0", "y ≥ 0"},
       Bounded,
       "(2, 0), (0, 2)",
       "",
       {{1, 1, "最大值 2，在线段 (2, 0)—(0, 2) 上各点取得",
         "最小值 2，在线段 (2, 0)—(0, 2) 上各点取得"},
        {1, 0, "最大值 2，在 (2, 0) 处取得", "最小值 0，在 (0, 2) 处取得"}}},
      {"redundant and parallel inequalities",
       {"x + y ≤ 4", "2x + 2y ≤ 8", "x + y ≤ 10", "x ≥ 0", "y ≥ 0", "x ≤ 5", "3x + y ≤ 12"},
       Bounded,
       "(0, 0), (4, 0), (0, 4)",
       "",
       {{1, 3, "最大值 12，在 (0, 4) 处取得", "最小值 0，在 (0, 0) 处取得"}}},
      {"a half-plane",
       {"x + y ≤ 2"},
       Unbounded,
       "",
       "(−1, 1) (1, −1) (−1, −1)",
       {{1, 1, "最大值 2，在过 (1, 1)、方向为 (−1, 1) 的直线上各点取得", "无最小值（无界）"}}},
      {"a strip",
       {"x ≥ 1", "x ≤ 3"},
       Unbounded,
       "",
       "(0, −1) (0, 1)",
       {{2, 0, "最大值 6，在过 (3, 0)、方向为 (0, −1) 的直线上各点取得",
         "最小值 2，在过 (1, 0)、方向为 (0, −1) 的直线上各点取得"},
        {1, 1, "无最大值（无界）", "无最小值（无界）"}}},
      {"the whole plane",
       {"0x + 0y ≤ 5"},
       Unbounded,
       "",
       "(1, 0) (0, 1) (−1, 0) (0, −1)",
       {{0, 0, "最大值 0，在整个区域上各点取得", "最小值 0，在整个区域上各点取得"}}},
  };
  for (const Case& c : cases) {
    const FeasibleRegion region = regionOf(c.system);
    EXPECT_EQ(region.shape, c.shape) << c.what;
    EXPECT_EQ(cornersText(region), c.corners) << c.what;
    EXPECT_EQ(directionsText(region), c.directions) << c.what;
    for (const Objective& o : c.objectives) {
      const ObjectiveResult result = optimise(region, o.p, o.q);
      EXPECT_EQ(optimumText(result.maximum, true), o.maximum)
          << c.what << ", z = " << o.p.get_str() << "x + " << o.q.get_str() << "y";
      EXPECT_EQ(optimumText(result.minimum, false), o.minimum)
          << c.what << ", z = " << o.p.get_str() << "x + " << o.q.get_str() << "y";
    }
  }
}

TEST(LinearProgram, StrictInequalitiesLeaveOutTheirLines) {
  const struct {
    const char* what;
    std::vector<std::string> system;
    const char* corners;
    std::vector<Objective> objectives;
  } cases[] = {
      {"x + y < 4",
       {"x + y < 4", "x ≥ 0", "y ≥ 0", "x − y ≤ 2"},
       "(0, 0), (2, 0), (3, 1)（不含）, (0, 4)（不含）",
       {{2, 1, "无最大值：z 可以无限接近 7，但取不到（(3, 1) 不在区域内）",
         "最小值 0，在 (0, 0) 处取得"},
        {1, 1, "无最大值：z 可以无限接近 4，但取不到（线段 (3, 1)—(0, 4) 不在区域内）",
         "最小值 0，在 (0, 0) 处取得"}}},
      {"x > 0: an edge reached but not at its end",
       {"x + y ≤ 4", "x > 0", "y ≥ 0", "x − y ≤ 2"},
       "(0, 0)（不含）, (2, 0), (3, 1), (0, 4)（不含）",
       {{1, 1, "最大值 4，在线段 (3, 1)—(0, 4) 上各点取得（(0, 4) 除外）",
         "无最小值：z 可以无限接近 0，但取不到（(0, 0) 不在区域内）"}}},
      {"strict on both sides of a strip",
       {"x > 1", "x < 3"},
       "",
       {{1, 0, "无最大值：z 可以无限接近 3，但取不到（过 (3, 0)、方向为 (0, −1) 的直线不在区域内）",
         "无最小值：z 可以无限接近 1，但取不到（过 (1, 0)、方向为 (0, −1) 的直线不在区域内）"}}},
  };
  for (const auto& c : cases) {
    const FeasibleRegion region = regionOf(c.system);
    EXPECT_EQ(cornersText(region), c.corners) << c.what;
    for (const Objective& o : c.objectives) {
      const ObjectiveResult result = optimise(region, o.p, o.q);
      EXPECT_EQ(optimumText(result.maximum, true), o.maximum) << c.what;
      EXPECT_EQ(optimumText(result.minimum, false), o.minimum) << c.what;
    }
  }
  // Only the boundary of the closure is left, and the strict inequality takes it.
  for (const auto& empty : std::vector<std::vector<std::string>>{
           {"x ≤ 0", "x > 0"}, {"x + y ≤ 0", "x ≥ 0", "y > 0"}, {"x < 1", "x ≥ 1", "y ≥ 0"}}) {
    const FeasibleRegion region = regionOf(empty);
    EXPECT_EQ(region.shape, RegionShape::Empty) << empty.front();
    EXPECT_EQ(optimumText(optimise(region, 1, 1).maximum, true), "无可行解");
  }
}

TEST(LinearProgram, TooManyInequalitiesAreRefused) {
  std::vector<LinearConstraint> many(kMostInequalities + 1, {1, 1, 1, LinearRelation::LessEqual});
  const RegionOutcome outcome = feasibleRegion(many);
  EXPECT_FALSE(outcome.region);
  EXPECT_EQ(outcome.reason, "不等式太多：一个线性规划最多 64 个不等式");
  many.pop_back();
  EXPECT_TRUE(feasibleRegion(many).region);
}

TEST(LinearInequalityText, ReadAndWritten) {
  const struct {
    const char* typed;
    std::vector<std::string> read;
  } cases[] = {
      {"x + y ≤ 4", {"x + y ≤ 4"}},
      {"2x − y >= −1", {"2x − y ≥ −1"}},
      {"y > 1/2x + 3", {"−1/2x + y > 3"}},
      {"x/2 + 0.5y < 1", {"1/2x + 1/2y < 1"}},
      {"2*x - 3 * y + 1.25 ≧ 0", {"2x − 3y ≥ −5/4"}},
      {"3 ≤ x", {"−x ≤ −3"}},
      {"0 ≤ x ≤ 3", {"−x ≤ 0", "x ≤ 3"}},
      {"ｘ＋ｙ≦４", {"x + y ≤ 4"}},
      {"Y - X > 0", {"−x + y > 0"}},
      {"x - x ≤ 5", {"0 ≤ 5"}},
  };
  for (const auto& c : cases) {
    std::string reason;
    const std::vector<LinearConstraint> read = parseLinearInequality(c.typed, reason);
    ASSERT_EQ(read.size(), c.read.size()) << c.typed << ": " << reason;
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(constraintText(read[i]), c.read[i]);
  }
  const struct {
    const char* typed;
    const char* reason;
  } refused[] = {
      {"x + y = 4", "线性规划的条件要用不等号（<、≤、>、≥），不能用等号"},
      {"x + y", "不等式中要有不等号（<、≤、>、≥）"},
      {"x^2 + y ≤ 1", "只能是 x、y 的一次式：“x^2 + y ”"},
      {"1 < x < 2 < 3", "一个不等式最多有两个不等号（如 0 ≤ x ≤ 3）"},
      {"x + (y) ≤ 1", "无法识别的部分：“(y) ”"},
      {"x/0 ≤ 1", "分母不能为零"},
      {"≤ 3", "不等号的两边都要有式子"},
      {"x + 1/0 ≤ 3", "“1/0”的分母为零"},
  };
  for (const auto& r : refused) {
    std::string reason;
    EXPECT_TRUE(parseLinearInequality(r.typed, reason).empty()) << r.typed;
    EXPECT_EQ(reason, r.reason) << r.typed;
  }
}

TEST(RationalText, ReadAndWritten) {
  const struct {
    const char* typed;
    const char* written;
  } cases[] = {
      {"3", "3"},     {"−0.25", "−1/4"}, {"4/3", "4/3"}, {"8/6", "4/3"}, {"1.5/2", "3/4"},
      {"  +3 ", "3"}, {"３", "3"},       {".5", "1/2"},  {"-0", "0"},
  };
  for (const auto& c : cases) {
    std::string reason;
    const std::optional<mpq_class> q = parseRational(c.typed, reason);
    ASSERT_TRUE(q) << c.typed << ": " << reason;
    EXPECT_EQ(rationalText(*q), c.written) << c.typed;
  }
  EXPECT_EQ(rationalText(mpq_class(-4, 3), MinusSign::Ascii), "-4/3");
  for (const char* bad : {"", "abc", "1/0", "1e3", "--1", "1/2/3", "."}) {
    std::string reason;
    EXPECT_FALSE(parseRational(bad, reason)) << bad;
    EXPECT_FALSE(reason.empty()) << bad;
  }
}

}  // namespace
}  // namespace quorvel::test
