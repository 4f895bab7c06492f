// quorvel add of parametric and polar curves: the curve is read as the panel reads it,
// refused with the box and place named, and never dropped into a list file that cannot
// keep it: the file stays as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

TEST(PlaneCurveAdd, AListFileCannotKeepTheCurveAndIsLeftAsItWas) {
  const TempFolder dir;
  const auto list = dir / "worksheet.qvx";
  ASSERT_EQ(runCli({"add", list.string(), "--family", "2", "--p1", "6"}).exit, 0);
  const std::string before = readFile(list);
  const std::vector<std::vector<std::string>> curves = {
      {"--xt", "3cos t", "--yt", "3sin t"},
      {"--polar", "2sin 3θ"},
      {"--polar", "1+cos theta", "--from", "0", "--to", "π", "--color", "FF0000"},
  };
  for (const auto& words : curves) {
    std::vector<std::string> args = {"add", list.string()};
    args.insert(args.end(), words.begin(), words.end());
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, 1) << words[1];
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("不能保存为函数图像文件（*.QVX）"), std::string::npos) << o.err;
    EXPECT_EQ(readFile(list), before) << words[1];
  }
  // Nor is a new file made for it.
  const auto fresh = dir / "new.qvx";
  EXPECT_EQ(runCli({"add", fresh.string(), "--polar", "θ"}).exit, 1);
  EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST(PlaneCurveAdd, RefusalsAndWrongUsage) {
  const TempFolder dir;
  const RefusedAdd cases[] = {
      {{"--xt", "3cos t", "--yt", "x"}, 1, "错误: 参数方程只能用变量 t\ny(t)第 1 个字符：“x”\n"},
      {{"--polar", "2sint"}, 1, "错误: 字符未定义\nρ(θ)第 2 个字符：“sint”\n"},
      {{"--polar", "θ", "--from", "1", "--to", "0"}, 1, "错误: 起点必须小于终点\nθ 的起点\n"},
      {{"--xt", "t"}, 2, "a parametric curve needs both --xt and --yt"},
      {{"--polar", "θ", "--xt", "t", "--yt", "t"}, 2, "give --polar or --xt and --yt, not both"},
      {{"--polar", "θ", "--family", "2"}, 2, "--family does not apply"},
      {{"--polar", "θ", "--color", "red"}, 2, "--color must be six hexadecimal digits"},
  };
  expectAddsRefused(dir / "list.qvx", cases);
}

TEST(PlaneCurveAdd, HelpListsTheOptions) {
  const Outcome o = runCli({"add", "--help"});
  EXPECT_EQ(o.exit, 0);
  for (const char* option : {"--xt TEXT", "--polar TEXT", "--from TEXT"}) {
    EXPECT_NE(o.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace quorvel::cli::test
