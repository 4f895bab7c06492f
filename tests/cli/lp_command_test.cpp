// quorvel lp: textbook linear programs through the command, their corners and optima
// as the window's texts write them; inequalities and objectives it cannot read are
// refused with the reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

struct LpCase {
  const char* name;
  std::vector<std::string> args;  // after "lp"
  int exit;
  std::string out;  // the whole output, or empty
  std::string err;  // a part of the message, or empty
};

// The textbook's bounded region: corners (0, 0), (2, 0), (3, 1), (0, 4).
const std::vector<std::string> kSquareish = {"x + y <= 4", "x >= 0", "y >= 0", "x - y <= 2"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(LpCommand, SolvesTextbookPrograms) {
  const std::string corners = "顶点: (0, 0), (2, 0), (3, 1), (0, 4)\n";
  const std::vector<LpCase> cases = {
      {"Bounded", with(kSquareish, {"--max", "2x + y"}), 0,
       corners + "最大值 7，在 (3, 1) 处取得\n", ""},
      {"BothWays", with(kSquareish, {"--max", "2x + y", "--min", "x - 2y"}), 0,
       corners + "最大值 7，在 (3, 1) 处取得\n最小值 −8，在 (0, 4) 处取得\n", ""},
      {"CornersOnly", kSquareish, 0, corners, ""},
      {"TieAlongAnEdge", with(kSquareish, {"--max", "x + y"}), 0,
       corners + "最大值 4，在线段 (3, 1)—(0, 4) 上各点取得\n", ""},
      {"ObjectiveWithItsNameAndAConstant", with(kSquareish, {"--max", "z = 2x + y + 1"}), 0,
       corners + "最大值 8，在 (3, 1) 处取得\n", ""},
      {"FractionsInCorners",
       {"x + 2y <= 4", "2x + y <= 4", "x >= 0", "y >= 0", "--max", "x + y"},
       0,
       "顶点: (0, 0), (2, 0), (4/3, 4/3), (0, 2)\n最大值 8/3，在 (4/3, 4/3) 处取得\n",
       ""},
      {"Unbounded",
       {"x >= 0", "y >= 0", "x + y >= 2", "--max", "x + y", "--min", "x + 2y"},
       0,
       "顶点: (0, 2), (2, 0)\n区域无界\n无最大值（无界）\n最小值 2，在 (2, 0) 处取得\n",
       ""},
      {"Empty", {"x + y <= 1", "x >= 2", "y >= 0", "--max", "x"}, 0, "无可行解\n", ""},
      {"Chain",
       {"0 <= x <= 3", "0 ≤ y ≤ 1", "--min", "x + y"},
       0,
       "顶点: (0, 0), (3, 0), (3, 1), (0, 1)\n最小值 0，在 (0, 0) 处取得\n",
       ""},
      {"NoRelation", {"x + y", "x >= 0"}, 1, "", "第 1 个不等式"},
      {"NonlinearObjective", with(kSquareish, {"--max", "x*y"}), 1, "", "目标函数"},
      {"ObjectiveWithASign", with(kSquareish, {"--max", "x + y <= 2"}), 1, "", "不等号"},
      {"NoInequalities", {"--max", "x"}, 2, "", "give the inequalities"},
  };
  for (const LpCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = runCli(with({"lp"}, c.args));
    EXPECT_EQ(o.exit, c.exit) << o.err;
    if (!c.out.empty()) {
      EXPECT_EQ(o.out, c.out);
    }
    if (!c.err.empty()) {
      EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
  }
}

}  // namespace
}  // namespace quorvel::cli::test
