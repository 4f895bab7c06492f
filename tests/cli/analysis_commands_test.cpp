// quorvel points and quorvel table on a list made with quorvel add: the lines they
// print, what they refuse and how they are used.
#include <gtest/gtest.h>

#include "catalogue/families.h"
#include "catalogue/func_record.h"
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

// A record as another program could write it, with expressions where the window
// stores values: every command reads it as the window draws it, so the picture, the
// line, the key points and the table are those of the values.
TEST_F(AnalysisCommands, AnExpressionInAFieldIsReadAlikeByEveryCommand) {
  FuncRecord r;
  r.family = 1;  // y = ax² + bx + c
  r.para1 = "2*3-5";
  r.para2 = "-2";
  r.para3 = "-6/2";
  r.color = 0xFF0000;
  r.rangeX1 = "pi-5";
  r.rangeX2 = "2^2";
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  const RecordBytes bytes = encodeRecord(r);
  const std::string written = (dir / "written.qvx").string();
  writeFile(written, std::string(bytes.begin(), bytes.end()));
  // The same curve as the window stores it: the values.
  const std::string typed = (dir / "typed.qvx").string();
  ASSERT_EQ(runCli({"add", typed, "--family", "1", "--p1", "1", "--p2", "-2", "--p3", "-3",
                    "--x-from", "pi-5", "--x-to", "4", "--color", "0000FF"})
                .exit,
            0);
  const std::vector<std::vector<std::string>> commands = {
      {"list"},
      {"points"},
      {"points", "--value", "5"},
      {"table", "--from", "-2", "--to", "5", "--step", "1"},
      {"export", (dir / "trace.txt").string(), "--trace"},
  };
  for (const std::vector<std::string>& words : commands) {
    std::vector<std::string> args = words;
    args.insert(args.begin() + 1, written);
    const Outcome a = runCli(args);
    args[1] = typed;
    if (words[0] == "export") args[2] = (dir / "typed trace.txt").string();
    const Outcome b = runCli(args);
    EXPECT_EQ(a.exit, 0) << words[0] << ": " << a.err;
    EXPECT_EQ(a.out, b.out) << words[0];
    EXPECT_EQ(a.err, "") << words[0];
  }
  EXPECT_EQ(runCli({"list", written}).out, "y=1x^2+-2x+-3\n");
  EXPECT_EQ(runCli({"points", written}).out,
            "zero\t-1\t0\ny-intercept\t0\t-3\nmin\t1\t-4\nzero\t3\t0\n");
  EXPECT_EQ(readFile(dir / "trace.txt"), readFile(dir / "typed trace.txt"));
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

TEST(PlaneAnalysisCommands, TableStepsTheParameterAndPointsRefuse) {
  const TempFolder dir;
  const std::string sheet = (dir / "sheet.qvj").string();
  ASSERT_EQ(runCli({"add", sheet, "--family", "0", "--p1", "1", "--p2", "0"}).exit, 0);
  ASSERT_EQ(runCli({"add", sheet, "--xt", "2t", "--yt", "t^2", "--from", "-1", "--to", "1"}).exit,
            0);
  ASSERT_EQ(runCli({"add", sheet, "--polar", "2", "--from", "0", "--to", "4"}).exit, 0);
  const Outcome parametric =
      runCli({"table", sheet, "--entry", "2", "--from", "-2", "--to", "1", "--step", "1"});
  EXPECT_EQ(parametric.out, "-2\t\t\n-1\t-2\t1\n0\t0\t0\n1\t2\t1\n");
  const Outcome polar =
      runCli({"table", sheet, "--entry", "3", "--from", "0", "--to", "0", "--step", "1", "--csv"});
  EXPECT_EQ(polar.out, "θ,ρ,x,y\n0,2,2,0\n");
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--entry", "3"}, std::vector<std::string>{"--with", "2"}}) {
    std::vector<std::string> args{"points", sheet};
    args.insert(args.end(), words.begin(), words.end());
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, 1) << words[0];
    EXPECT_NE(o.err.find("参数方程与极坐标方程不求关键点"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
  }
}

}  // namespace
}  // namespace quorvel::cli::test
