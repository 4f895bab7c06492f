// quorvel list: the lines the toolbar's open rebuilds from a list file, the records
// that fail their checks, and the files it cannot take.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

TEST(ListCommand, PrintsOneLinePerRecord) {
  const Outcome o = runCli({"list", dataPath("cli_worksheet.qvx").string()});
  EXPECT_EQ(o.exit, 0);
  EXPECT_EQ(o.out, "y=6/x\ny=1x^2+-2x+1\ny=sin(x)*2\n");
  EXPECT_EQ(o.err, "");
}

TEST(ListCommand, ReportsARecordThatFailsItsCheckByNumber) {
  const std::string file = dataPath("cli_bad_record.qvx").string();
  const Outcome o = runCli({"list", file});
  EXPECT_EQ(o.exit, 1);
  // The refused record keeps its line, so line i is still record i + 1.
  EXPECT_EQ(o.out, "y=6/x\ny=(x+1))\ny=2^x\n");
  EXPECT_EQ(o.err, "quorvel list: " + file + ": record 2: 错误: 括号错误\n");
}

TEST(ListCommand, FilesItCannotTake) {
  const TempFolder dir;
  writeFile(dir / "empty.qvx", "");
  writeFile(dir / "short.qvx", std::string(121, '\0'));
  const std::string record = readFile(dataPath("cli_worksheet.qvx")).substr(0, 122);
  writeFile(dir / "slack.qvx", record + std::string(6, '\0'));  // a filler with no record after it
  const std::string notWhole =
      " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）\n";
  const struct {
    std::string file;
    int exit;
    std::string out, err;
  } cases[] = {
      {(dir / "empty.qvx").string(), 0, "", ""},
      {(dir / "short.qvx").string(), 1, "",
       "错误: 打开列表文件错误\n“" + (dir / "short.qvx").string() + "”：长度 121" + notWhole},
      {(dir / "slack.qvx").string(), 1, "",
       "错误: 打开列表文件错误\n“" + (dir / "slack.qvx").string() + "”：长度 128" + notWhole},
      {(dir / "none.qvx").string(), 3, "",
       "quorvel list: cannot read '" + (dir / "none.qvx").string() + "': no such file\n"},
      {dir.path().string(), 3, "",
       "quorvel list: cannot read '" + dir.path().string() + "': it is a folder\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli({"list", c.file});
    EXPECT_EQ(o.exit, c.exit) << c.file;
    EXPECT_EQ(o.out, c.out) << c.file;
    EXPECT_EQ(o.err, c.err) << c.file;
  }
}

TEST(ListCommand, WrongUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"list"}, {"list", "a.qvx", "b.qvx"}, {"list", "--all", "a.qvx"}, {"list", "--help=1"}};
  for (const auto& args : cases) {
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, 2) << args.back();
    EXPECT_NE(o.err.find("Usage: quorvel list LIST.QVX"), std::string::npos) << args.back();
  }
  const Outcome help = runCli({"list", "--help"});
  EXPECT_EQ(help.exit, 0);
  EXPECT_EQ(help.out.rfind("Usage: quorvel list LIST.QVX", 0), 0u);
}

}  // namespace
}  // namespace quorvel::cli::test
