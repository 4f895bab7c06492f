// quorvel tangent, derivative, integral and monotonic on curves whose answers are
// known in closed form, and what they refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

// The entries of the list, in this order (counted from 1).
const char* const kCurves[] = {
    "x^2",      // 1
    "x^3-3*x",  // 2
    "sin(x)",   // 3
    "1/x",      // 4
    "x",        // 5
    "x+1/x",    // 6
    "abs(x)",   // 7
    "2^x",      // 8
};

class CalculusCommands : public ::testing::Test {
 protected:
  CalculusCommands() {
    for (const char* expr : kCurves) {
      EXPECT_EQ(runCli({"add", list, "--family", "13", "--expr", expr}).exit, 0) << expr;
    }
    // 9: a circle, no function of x.
    EXPECT_EQ(runCli({"add", list, "--family", "8", "--p1", "0", "--p2", "0", "--p3", "2"}).exit,
              0);
  }
  Outcome run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, list);
    return runCli(args);
  }
  // The number after `key` on its line of `out` ("area\t0.1666667").
  static double valueOf(const std::string& out, const std::string& key) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind(key + '\t', 0) == 0) return std::stod(line.substr(key.size() + 1));
    }
    ADD_FAILURE() << "no " << key << " in " << out;
    return NAN;
  }

  TempFolder dir;
  const std::string list = (dir / "calculus.qvx").string();
};

TEST_F(CalculusCommands, TangentsAndNormalsInTextbookForm) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"tangent", "--at", "1"}, "point\t1\t1\nslope\t2\nequation\ty = 2x − 1\n"},
      {{"tangent", "--at", "1", "--normal"},
       "point\t1\t1\nslope\t-0.5\nequation\ty = −0.5x + 1.5\n"},
      {{"tangent", "--at", "0", "--normal"}, "point\t0\t0\nslope\tinf\nequation\tx = 0\n"},
      {{"tangent", "--entry", "3", "--at", "0"}, "point\t0\t0\nslope\t1\nequation\ty = x\n"},
      // π is 3.14159 to the box: the whole double is typed.
      {{"tangent", "--entry", "3", "--at", "3.141592653589793"},
       "point\t3.141593\t0\nslope\t-1\nequation\ty = −x + 3.14159\n"},
      {{"tangent", "--entry", "8", "--at", "0"},
       "point\t0\t1\nslope\t0.6931472\nequation\ty = 0.693147x + 1\n"},
      {{"tangent", "--entry", "2", "--at", "2"}, "point\t2\t2\nslope\t9\nequation\ty = 9x − 16\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.args.back();
  }
}

TEST_F(CalculusCommands, DerivativeRowsAndZeros) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      // (x³ − 3x)′ = 3x² − 3, (x³ − 3x)″ = 6x
      {{"derivative", "--entry", "2", "--from", "-2", "--to", "2", "--step", "1"},
       "-2\t9\n-1\t0\n0\t-3\n1\t0\n2\t9\n"},
      {{"derivative", "--entry", "2", "--from", "-1", "--to", "1", "--step", "1", "--second"},
       "-1\t-6\n0\t0\n1\t6\n"},
      {{"derivative", "--entry", "2", "--from", "-3", "--to", "3", "--zeros"}, "-1\n1\n"},
      {{"derivative", "--entry", "3", "--from", "0", "--to", "π", "--step", "π"},
       "0\t1\n3.14159\t-1\n"},
      {{"derivative", "--entry", "8", "--from", "0", "--to", "1", "--step", "1"},
       "0\t0.6931472\n1\t1.386294\n"},
      // No derivative at the corner of |x| nor at the pole of 1/x: an empty value.
      {{"derivative", "--entry", "7", "--from", "-1", "--to", "1", "--step", "1"},
       "-1\t-1\n0\t\n1\t1\n"},
      {{"derivative", "--entry", "4", "--from", "-1", "--to", "1", "--step", "1"},
       "-1\t-1\n0\t\n1\t-1\n"},
      // (x + 1/x)′ = 1 − 1/x² is zero at ±1 only, not at the pole.
      {{"derivative", "--entry", "6", "--from", "-3", "--to", "3", "--zeros"}, "-1\n1\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.args[2] << ' ' << c.args.back();
  }
}

TEST_F(CalculusCommands, IntegralsAgainstClosedForms) {
  const struct {
    std::vector<std::string> args;
    double integral, area;
  } cases[] = {
      {{"integral", "--entry", "3", "--from", "0", "--to", "π"}, 2, 2},
      {{"integral", "--entry", "3", "--from", "-π", "--to", "π"}, 0, 4},
      {{"integral", "--entry", "2", "--from", "0", "--to", "2"}, -2, 2.5},
      // Between y = x and y = x² from 0 to 1: 1/2 − 1/3.
      {{"integral", "--entry", "5", "--with", "1", "--from", "0", "--to", "1"}, 1.0 / 6, 1.0 / 6},
      {{"integral", "--entry", "1", "--with", "5", "--from", "0", "--to", "2"}, 2.0 / 3, 1},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    ASSERT_EQ(o.exit, 0) << o.err;
    EXPECT_NEAR(valueOf(o.out, "integral"), c.integral, 1e-6) << o.out;
    EXPECT_NEAR(valueOf(o.out, "area"), c.area, 1e-6) << o.out;
  }
  // e is what the box makes of it: ∫ 1/x from 1 to that bound is its logarithm.
  const Outcome o = run({"integral", "--entry", "4", "--from", "1", "--to", "e"});
  ASSERT_EQ(o.exit, 0) << o.err;
  const Outcome bound = runCli({"calc", "e"});
  EXPECT_NEAR(valueOf(o.out, "integral"), std::log(std::stod(bound.out)), 1e-6) << bound.out;
}

TEST_F(CalculusCommands, MonotonicIntervalsAndExtrema) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"monotonic", "--entry", "2", "--from", "-3", "--to", "3"},
       "增\t-3\t-1\t[]\n减\t-1\t1\t[]\n增\t1\t3\t[]\nmax\t-1\t2\nmin\t1\t-2\n"},
      // x + 1/x: the pole at 0 belongs to no interval.
      {{"monotonic", "--entry", "6", "--from", "-4", "--to", "4"},
       "增\t-4\t-1\t[]\n减\t-1\t0\t[)\n减\t0\t1\t(]\n增\t1\t4\t[]\nmax\t-1\t-2\nmin\t1\t2\n"},
      {{"monotonic", "--entry", "1", "--from", "0.5", "--to", "2"}, "增\t0.5\t2\t[]\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.args[2];
  }
}

TEST_F(CalculusCommands, RefusalsSayWhyAndPrintNothing) {
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string err;
  } cases[] = {
      {{"tangent", "--entry", "7", "--at", "0"}, 1, "折点"},
      {{"tangent", "--entry", "4", "--at", "0"}, 1, "没有切线"},
      {{"tangent", "--entry", "9", "--at", "0"}, 1, "不是函数"},
      {{"integral", "--entry", "4", "--from", "-1", "--to", "1"}, 1, "quorvel integral: "},
      {{"monotonic", "--entry", "9", "--from", "-1", "--to", "1"}, 1, "entry 9: "},
      {{"derivative", "--from", "0", "--to", "1", "--step", "0"}, 1, "步长必须大于０"},
      {{"tangent"}, 2, "--at is needed"},
      {{"tangent", "--at", "x"}, 2, "--at must be a number"},
      {{"derivative", "--from", "0", "--to", "1"}, 2, "--step is needed"},
      {{"monotonic", "--from", "1", "--to", "1"}, 2, "--from must be less than --to"},
      {{"integral", "--entry", "12", "--from", "0", "--to", "1"}, 1, "no entry 12"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, c.exit) << c.err;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
  }
}

// A piecewise function rises and falls piece by piece: a jump between pieces is no
// turn, and each interval keeps its piece's own ends.
TEST(PiecewiseMonotonic, EachPieceOverItsOwnInterval) {
  const struct {
    std::vector<std::string> pieces;
    std::string out;
  } cases[] = {
      {{"x+1, (-inf, 0)", "x^2, [0, inf)"}, "增\t-3\t0\t[)\n增\t0\t3\t[]\n"},
      {{"-x, (-inf, 0]", "x, (0, inf)"}, "减\t-3\t0\t[]\n增\t0\t3\t(]\n"},
      {{"x^3-3*x, [-3, 0)", "5, [1, 2]"},
       "增\t-3\t-1\t[]\n减\t-1\t0\t[)\n常\t1\t2\t[]\nmax\t-1\t2\n"},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    const std::string list = (dir / "pieces.qvj").string();
    std::vector<std::string> add = {"add", list};
    for (const std::string& piece : c.pieces) {
      add.push_back("--piece");
      add.push_back(piece);
    }
    ASSERT_EQ(runCli(add).exit, 0) << c.pieces[0];
    const Outcome o = runCli({"monotonic", list, "--from", "-3", "--to", "3"});
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.pieces[0];
  }
}

}  // namespace
}  // namespace quorvel::cli::test
