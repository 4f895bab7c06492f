// quorvel tangent on the curves that are no function of x: at the parameter of a
// parametric or polar curve and at a point of an equation or a conic, against closed
// forms, and what it refuses. The numbers are typed to the last digit: "π/2" would be
// worked out as a box does, to seven digits.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

class CurveTangentCommand : public ::testing::Test {
 protected:
  CurveTangentCommand() {
    const std::vector<std::vector<std::string>> entries = {
        {"--xt", "3cos t", "--yt", "3sin t"},         // 1: a circle of radius 3
        {"--polar", "1+cos θ"},                       // 2: a cardioid
        {"--equation", "x^2+y^2=25"},                 // 3: a circle of radius 5
        {"--family", "9", "--p1", "2", "--p2", "1"},  // 4: x²/4 + y² = 1
        {"--family", "13", "--expr", "x^2"},          // 5
        {"--equation", "x^2=y^2"},                    // 6: two crossing lines
    };
    for (const auto& entry : entries) {
      std::vector<std::string> add = {"add", list};
      add.insert(add.end(), entry.begin(), entry.end());
      const Outcome o = runCli(add);
      EXPECT_EQ(o.exit, 0) << entry[1] << ": " << o.err;
    }
  }
  Outcome run(std::vector<std::string> args) {
    args.insert(args.begin(), {"tangent", list});
    return runCli(args);
  }

  TempFolder dir;
  const std::string list = (dir / "curves.qvj").string();
};

TEST_F(CurveTangentCommand, AtAParameterOrAPoint) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"--entry", "1", "--t", "1.5707963267948966"}, "point\t0\t3\nslope\t0\nequation\ty = 3\n"},
      {{"--entry", "1", "--t", "0", "--normal"}, "point\t3\t0\nslope\t0\nequation\ty = 0\n"},
      {{"--entry", "1", "--t", "0"}, "point\t3\t0\nslope\tinf\nequation\tx = 3\n"},
      {{"--entry", "2", "--t", "1.5707963267948966"},
       "point\t0\t1\nslope\t1\nequation\ty = x + 1\n"},
      {{"--entry", "3", "--point", "3,4"},
       "point\t3\t4\nslope\t-0.75\nequation\ty = −0.75x + 6.25\n"},
      // A point typed to three decimals beside the curve is moved onto it.
      {{"--entry", "3", "--point", "(3.003, 4.004)"},
       "point\t3\t4\nslope\t-0.75\nequation\ty = −0.75x + 6.25\n"},
      {{"--entry", "4", "--point", "1.4142135623730951,0.7071067811865476"},
       "point\t1.414214\t0.7071068\nslope\t-0.5\nequation\ty = −0.5x + 1.41421\n"},
      {{"--entry", "4", "--point", "2,0"}, "point\t2\t0\nslope\tinf\nequation\tx = 2\n"},
      {{"--entry", "5", "--point", "1,1"}, "point\t1\t1\nslope\t2\nequation\ty = 2x − 1\n"},
      {{"--entry", "1", "--point", "0,-3"}, "point\t0\t-3\nslope\t0\nequation\ty = −3\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.args[1] << ' ' << c.args[3];
  }
}

TEST_F(CurveTangentCommand, RefusalsSayWhy) {
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string err;
  } cases[] = {
      {{"--entry", "6", "--point", "0,0"}, 1, "奇点"},
      {{"--entry", "3", "--point", "0,0"}, 1, "该点不在曲线上"},
      {{"--entry", "2", "--t", "3.141592653589793"}, 1, "切向量为零"},
      {{"--entry", "1", "--t", "7"}, 1, "参数范围"},
      {{"--entry", "5", "--t", "1"}, 1, "没有参数"},
      {{"--entry", "1", "--at", "1"}, 1, "不是函数"},
      {{"--entry", "3", "--point", "3"}, 2, "--point must be X,Y"},
      {{"--entry", "1", "--t", "1", "--point", "3,0"}, 2, "one of them"},
      {{"--entry", "1"}, 2, "--at is needed"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, c.exit) << c.err;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
  }
}

}  // namespace
}  // namespace quorvel::cli::test
