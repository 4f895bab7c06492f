// quorvel add --region: the inequalities read as the panel reads them, kept in a list
// document with the objective, listed in textbook form, exported as a filled area, and
// refused with their reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

TEST(RegionAdd, TheFeasibleRegionIsKeptListedAndExportedAsAFilledArea) {
  const TempFolder dir;
  const auto list = dir / "lp.qvj";
  const Outcome added =
      runCli({"add", list.string(), "--region", "x + y <= 4", "--region", "x ≥ 0", "--region",
              "y >= 0", "--region", "x − y ≤ 2", "--objective", "z = 2x + y", "--color", "0000FF"});
  ASSERT_EQ(added.exit, 0) << added.err;
  EXPECT_EQ(added.out, "x + y<=4, x>=0, y>=0, x - y<=2\n");
  ASSERT_EQ(runCli({"add", list.string(), "--region", "y > x^2", "--color", "00FF00"}).exit, 0);
  const std::string kept = readFile(list);
  EXPECT_NE(kept.find("\"kind\": \"region\""), std::string::npos);
  EXPECT_NE(kept.find("\"objective\": \"2x + y\""), std::string::npos);
  const Outcome listed = runCli({"list", list.string(), "--pretty"});
  EXPECT_EQ(listed.out, "x + y ≤ 4, x ≥ 0, y ≥ 0, x − y ≤ 2；z = 2x + y\ny > x²\n");

  const auto svg = dir / "lp.svg";
  ASSERT_EQ(runCli({"export", list.string(), svg.string(), "--scale", "1000"}).exit, 0) << svg;
  const std::string picture = readFile(svg);
  // Both regions as translucent fills in their colours.
  EXPECT_NE(picture.find("fill=\"#0000ff\""), std::string::npos);
  EXPECT_NE(picture.find("fill=\"#00ff00\""), std::string::npos);
  EXPECT_NE(picture.find("fill-opacity=\"0.25"), std::string::npos);
}

TEST(RegionAdd, RefusalsAndWrongUsage) {
  const TempFolder dir;
  const RefusedAdd cases[] = {
      {{"--region", "y = x"}, 1, "错误: 这是等式：不等式要用 <、≤、>、≥（或 <=、>=）\n"},
      {{"--region", "x > 0", "--region", "1 < 2"},
       1,
       "错误: 第 2 个不等式“1<2”：不等式要含有变量 x 或 y\n"},
      {{"--region", "y > x", "--objective", "x^2"},
       1,
       "错误: 目标函数要是 x、y 的一次式，如 z = 2x + y\n"},
      {{"--objective", "2x + y"}, 2, "--objective needs the region's inequalities"},
      {{"--region", "y > x", "--family", "2"}, 2, "--family does not apply to a region"},
      {{"--region", "y > x", "--points", "A(1, 2)"}, 2, "--points does not apply to a region"},
  };
  expectAddsRefused(dir / "list.qvj", cases);
  EXPECT_NE(runCli({"add", "--help"}).out.find("--region TEXT"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli::test
