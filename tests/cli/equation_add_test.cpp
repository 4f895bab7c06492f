// quorvel add --equation: read as the panel reads it, kept in a list document, listed
// in textbook form, exported as vector polylines, and refused with its reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"
#include "support/svg_reader.h"

namespace quorvel::cli::test {
namespace {

TEST(EquationAdd, EquationsAreKeptInADocumentListedAndExportedAsPolylines) {
  const TempFolder dir;
  const auto list = dir / "conics.qvj";
  const Outcome ellipse =
      runCli({"add", list.string(), "--equation", "x²/4+y²=1", "--color", "0000FF"});
  ASSERT_EQ(ellipse.exit, 0) << ellipse.err;
  EXPECT_EQ(ellipse.out, "x^2/4+y^2=1\n");
  ASSERT_EQ(runCli({"add", list.string(), "--equation", "x*y=1", "--color", "00FF00"}).exit, 0);
  EXPECT_NE(readFile(list).find("\"kind\": \"equation\""), std::string::npos);
  const Outcome listed = runCli({"list", list.string(), "--pretty"});
  EXPECT_EQ(listed.out, "x²/4 + y² = 1\nx·y = 1\n");

  const auto svg = dir / "conics.svg";
  ASSERT_EQ(runCli({"export", list.string(), svg.string(), "--scale", "1000"}).exit, 0);
  const quorvel::test::SvgPicture picture = quorvel::test::readSvg(svg);
  ASSERT_TRUE(picture.parsed);
  EXPECT_EQ(picture.images, 0);
  // The ellipse, seen whole, is one closed polyline; x*y = 1 two branches.
  EXPECT_EQ(picture.count("#0000ff"), 1);
  EXPECT_GT(picture.longestPolyline("#0000ff"), 200u);
  EXPECT_EQ(picture.count("#00ff00"), 2);
}

TEST(EquationAdd, RefusalsAndWrongUsage) {
  const TempFolder dir;
  const RefusedAdd cases[] = {
      {{"--equation", "1=2"}, 1, "错误: 方程要含有变量 x 或 y\n方程\n"},
      {{"--equation", "x+w=y"}, 1, "错误: 字符未定义\n方程第 3 个字符：“w”\n"},
      {{"--equation", "x^2+y^2"}, 1, "错误: 方程要有一个等号“=”，如 x^2+y^2=4\n方程\n"},
      {{"--equation", "x=y", "--from", "0"}, 2, "--from does not apply to an equation"},
      {{"--equation", "x=y", "--polar", "θ"}, 2, "--polar does not apply to an equation"},
      {{"--equation", "x=y", "--family", "2"}, 2, "--family does not apply"},
  };
  expectAddsRefused(dir / "list.qvj", cases);
  EXPECT_NE(runCli({"add", "--help"}).out.find("--equation TEXT"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli::test
