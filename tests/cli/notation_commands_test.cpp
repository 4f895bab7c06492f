// Textbook notation through quorvel add: what the list file keeps of a typed
// expression (the evaluator's tokens only), the values quorvel table reads from it,
// the refusals that name the box and the place as typed, and list --pretty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

// One row of quorvel table at x.
std::string valueAt(const std::string& list, const std::string& x) {
  const Outcome o = runCli({"table", list, "--from", x, "--to", x, "--step", "1"});
  EXPECT_EQ(o.exit, 0) << o.err;
  return o.out;
}

TEST(NotationCommands, TextbookExpressionsAreStoredInTheEvaluatorsTokens) {
  const struct {
    const char* typed;
    const char* line;  // quorvel add's line, made from the stored expression
    const char* x;
    const char* row;
  } cases[] = {
      {"sqrt(x)", "y=sqr(x)", "4", "4\t2\n"},
      {"√(x+1)", "y=sqr(x+1)", "3", "3\t2\n"},
      {"√x", "y=sqr(x)", "9", "9\t3\n"},
      {"|x−1|", "y=abs(x-1)", "-2", "-2\t3\n"},
      {"2π", "y=2pi", "0", "0\t6.28318\n"},
      {"x²−4", "y=x^2-4", "3", "3\t5\n"},
      {"arcsin(x)", "y=arcsin(x)", "1", "1\t1.570796\n"},
      {"y=x^2", "y=x^2", "-3", "-3\t9\n"},
      {"ｙ＝２ｘ＋１", "y=2x+1", "2", "2\t5\n"},
      {"sin²x", "y=(sin(x))^2", "0", "0\t0\n"},
      // A text of the evaluator's own tokens is kept as it is.
      {"sqr(x)*2", "y=sqr(x)*2", "4", "4\t4\n"},
  };
  for (const auto& c : cases) {
    const TempFolder dir;
    const std::string list = (dir / "sheet.qvx").string();
    const Outcome added = runCli({"add", list, "--family", "13", "--expr", c.typed});
    ASSERT_EQ(added.exit, 0) << c.typed << ": " << added.err;
    EXPECT_EQ(added.out, std::string(c.line) + "\n") << c.typed;
    // The list file's reader sees the stored text, not the typed one.
    EXPECT_EQ(runCli({"list", list}).out, std::string(c.line) + "\n") << c.typed;
    EXPECT_EQ(valueAt(list, c.x), c.row) << c.typed;
  }
}

TEST(NotationCommands, ParameterAndRangeBoxesReadTextbookNumbers) {
  const TempFolder dir;
  const std::string list = (dir / "sheet.qvx").string();
  // y = kx + b with k = −2 (a real minus sign) and b = π/2; x from −π to 2π.
  const Outcome o = runCli({"add", list, "--family", "0", "--p1", "−2", "--p2", "π/2", "--x-from",
                            "−π", "--x-to", "2π"});
  ASSERT_EQ(o.exit, 0) << o.err;
  EXPECT_EQ(o.out, "y=-2x+1.570795\n");
  EXPECT_EQ(valueAt(list, "1"), "1\t-0.4292049\n");
}

TEST(NotationCommands, RefusalsNameTheBoxAndThePlaceAsTyped) {
  const struct {
    std::vector<std::string> words;
    const char* err;
  } cases[] = {
      {{"--family", "13", "--expr", "x+q"}, "错误: 字符未定义\n表达式第 3 个字符：“q”\n"},
      // Counted in characters as typed, before the rewrite made √ into sqr(…).
      {{"--family", "13", "--expr", "√x+q"}, "错误: 字符未定义\n表达式第 4 个字符：“q”\n"},
      {{"--family", "13", "--expr", "x²+foo"}, "错误: 字符未定义\n表达式第 4 个字符：“foo”\n"},
      {{"--family", "13", "--expr", "(x+1"}, "错误: 括号错误\n表达式\n"},
      {{"--family", "2", "--p1", "3q"}, "错误: 数据错误\nｋ第 2 个字符：“q”\n"},
      {{"--family", "2", "--p1", "−2x"}, "错误: 数据错误\nｋ第 3 个字符：“x”\n"},
      {{"--family", "0", "--p1", "1", "--p2", "2", "--x-from", "5", "--x-to", "1"},
       "错误: 数据错误\nＸ轴范围\n"},
      {{"--family", "0", "--p1", "1", "--p2", "2", "--y-from", "1+w"},
       "错误: 数据错误\nＹ轴范围第 3 个字符：“w”\n"},
  };
  for (const auto& c : cases) {
    const TempFolder dir;
    std::vector<std::string> args{"add", (dir / "sheet.qvx").string()};
    args.insert(args.end(), c.words.begin(), c.words.end());
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, 1) << c.words.back();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, c.err) << c.words.back();
    // Nothing was written.
    EXPECT_TRUE(dir.entries().empty()) << c.words.back();
  }
}

TEST(NotationCommands, ListPrettyPrintsTheTextbookForms) {
  const TempFolder dir;
  const std::string list = (dir / "sheet.qvx").string();
  for (const std::vector<std::string>& curve : {
           std::vector<std::string>{"--family", "1", "--p1", "1", "--p2", "0", "--p3", "-4"},
           std::vector<std::string>{"--family", "13", "--expr", "2√x"},
           std::vector<std::string>{"--family", "2", "--p1", "6"},
       }) {
    std::vector<std::string> args{"add", list};
    args.insert(args.end(), curve.begin(), curve.end());
    ASSERT_EQ(runCli(args).exit, 0);
  }
  const Outcome pretty = runCli({"list", "--pretty", list});
  EXPECT_EQ(pretty.exit, 0) << pretty.err;
  EXPECT_EQ(pretty.out, "y = x² − 4\ny = 2√(x)\ny = 6/x\n");
  // Without it the list text, as the list file's readers write it.
  EXPECT_EQ(runCli({"list", list}).out, "y=1x^2+0x+-4\ny=2sqr(x)\ny=6/x\n");
}

}  // namespace
}  // namespace quorvel::cli::test
