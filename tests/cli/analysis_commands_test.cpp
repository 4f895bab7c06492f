// quorvel points and quorvel table on a list made with quorvel add: the lines they
// print, what they refuse and how they are used.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

class AnalysisCommands : public ::testing::Test {
 protected:
  AnalysisCommands() {
    for (const std::vector<std::string>& curve : {
             std::vector<std::string>{"--family", "1", "--p1", "1", "--p2", "-2", "--p3", "-3"},
             std::vector<std::string>{"--family", "0", "--p1", "1", "--p2", "1"},
             std::vector<std::string>{"--family", "13", "--form", "1", "--expr", "x"},
             std::vector<std::string>{"--family", "8", "--p1", "0", "--p2", "0", "--p3", "2"},
         }) {
      std::vector<std::string> args{"add", list};
      args.insert(args.end(), curve.begin(), curve.end());
      EXPECT_EQ(runCli(args).exit, 0);
    }
  }
  Outcome run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, list);
    return runCli(args);
  }

  TempFolder dir;
  const std::string list = (dir / "sheet.qvx").string();
};

TEST_F(AnalysisCommands, PointsPrintsKindXAndYSortedByX) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"points"}, "zero\t-1\t0\ny-intercept\t0\t-3\nmin\t1\t-4\nzero\t3\t0\n"},
      {{"points", "--from", "0", "--to", "2"}, "y-intercept\t0\t-3\nmin\t1\t-4\n"},
      {{"points", "--with", "2"}, "intersection\t-1\t0\nintersection\t4\t5\n"},
      {{"points", "--value", "5"}, "value\t-2\t5\nvalue\t4\t5\n"},
      {{"points", "--entry", "4"},
       "zero\t-2\t0\ny-intercept\t0\t-2\ny-intercept\t0\t2\nzero\t2\t0\n"},
      {{"points", "--entry", "2", "--from", "5", "--to", "6"}, ""},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out) << c.args.back();
    EXPECT_EQ(o.err, "");
  }
}

TEST_F(AnalysisCommands, TablePrintsXAndYOrCsv) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"table", "--from", "-1", "--to", "1", "--step", "0.5"},
       "-1\t0\n-0.5\t-1.75\n0\t-3\n0.5\t-3.75\n1\t-4\n"},
      {{"table", "--from", "0", "--to", "0.2", "--step", "0.1", "--csv"},
       "x,y\n0,-3\n0.1,-3.19\n0.2,-3.36\n"},
      {{"table", "--entry", "4", "--from", "1", "--to", "3", "--step", "1", "--csv"},
       "x,y1,y2\n1,1.732051,-1.732051\n2,0,0\n3,,\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, c.out);
  }
}

TEST_F(AnalysisCommands, RefusedInputSaysWhy) {
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"points", "--entry", "3"}, "entry 3: Ｓｘ＝ 是整数的逐项累加和，不作曲线分析"},
      {{"points", "--entry", "9"}, "no entry 9 (the list has 4)"},
      {{"points", "--with", "3"}, "entry 3: Ｓｘ＝"},
      {{"table", "--from", "0", "--to", "1", "--step", "0"}, "步长必须大于０"},
      {{"table", "--from", "0", "--to", "100", "--step", "0.001"}, "超过 10000 行"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exit, 1) << c.err;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
  }
}

TEST_F(AnalysisCommands, WrongUsageAndMissingFiles) {
  const std::vector<std::vector<std::string>> usage = {
      {"points", "--from", "3", "--to", "1"}, {"points", "--entry", "0"},
      {"points", "--value", "five"},          {"table", "--from", "0", "--to", "1"},
      {"table", "--step", "1", "--to", "x"},
  };
  for (const auto& args : usage) {
    const Outcome o = run(args);
    EXPECT_EQ(o.exit, 2) << args.back();
    EXPECT_NE(o.err.find("Usage: quorvel " + args.front()), std::string::npos) << o.err;
  }
  EXPECT_EQ(runCli({"points"}).exit, 2);
  const Outcome missing =
      runCli({"table", (dir / "none.qvx").string(), "--from", "0", "--to", "1", "--step", "1"});
  EXPECT_EQ(missing.exit, 3);
  EXPECT_NE(missing.err.find("no such file"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli::test
