// The built program on the command line: no display needed, the exit statuses and
// where the messages go.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

// No X server, no Wayland, no platform chosen: the commands pick the offscreen one.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";

TEST(Executable, ExportsWithoutADisplayAndWithoutQtChatter) {
  const TempFolder dir;
  const std::string list = dataPath("cli_worksheet.qvx").string();
  for (const char* name : {"w.svg", "w.png", "w.pdf", "w.bmp"}) {
    const Outcome o = runExecutable({"export", list, (dir / name).string()}, kNoDisplay);
    EXPECT_EQ(o.exit, 0) << name;
    EXPECT_EQ(o.out, "") << name;
    EXPECT_EQ(o.err, "") << name;
    EXPECT_GT(std::filesystem::file_size(dir / name), 1000u) << name;
  }
}

TEST(Executable, AddListAndTheirExitStatuses) {
  const TempFolder dir;
  const std::string list = (dir / "sheet.qvx").string();
  const struct {
    std::vector<std::string> args;
    int exit;
    const char* out;
    const char* err;  // the start of standard error
  } cases[] = {
      {{"add", list, "--family", "2", "--p1", "6"}, 0, "y=6/x\n", ""},
      {{"add", list, "--family", "8", "--p1", "1", "--p2", "2", "--p3", "3"},
       0,
       "(x-1)^2+(y-2)^2=3^2\n",
       ""},
      {{"add", list, "--family", "8", "--p3", "-1"}, 1, "", "参数错误: "},
      {{"add", list, "--family", "2", "--p1", "1/0"}, 1, "", "错误: 数据错误\n"},
      {{"add", list, "--family", "99"}, 2, "", "quorvel add: --family must be"},
      {{"add", (dir / "none" / "x.qvx").string(), "--family", "2", "--p1", "1"},
       3,
       "",
       "quorvel add: cannot write"},
      {{"list", list}, 0, "y=6/x\n(x-1)^2+(y-2)^2=3^2\n", ""},
      {{"list", (dir / "none.qvx").string()}, 3, "", "quorvel list: cannot read"},
  };
  for (const auto& c : cases) {
    const Outcome o = runExecutable(c.args, kNoDisplay);
    EXPECT_EQ(o.exit, c.exit) << c.args[2];
    EXPECT_EQ(o.out, c.out) << c.args[2];
    EXPECT_EQ(o.err.rfind(c.err, 0), 0u) << o.err;
  }
}

TEST(Executable, HelpListsTheCommands) {
  const Outcome help = runExecutable({"--help"});
  EXPECT_EQ(help.exit, 0);
  for (const char* line : {"\n  calc    ", "\n  add     ", "\n  list    ", "\n  export  "}) {
    EXPECT_NE(help.out.find(line), std::string::npos) << line;
  }
  for (const char* command : {"add", "list", "export"}) {
    const Outcome o = runExecutable({command, "--help"});
    EXPECT_EQ(o.exit, 0) << command;
    EXPECT_EQ(o.out.rfind(std::string("Usage: quorvel ") + command, 0), 0u) << command;
  }
  EXPECT_EQ(runExecutable({"--version"}).out, "quorvel 1.1\n");
}

// Were the windows to open (on the offscreen platform they never close), `timeout`
// would end the program: the status would be 124 or 137, not 2, and the test fails
// instead of hanging.
TEST(Executable, UnknownWordsAreRefusedWithoutOpeningTheWindows) {
  const std::string usage = runExecutable({"--help"}).out;
  const struct {
    std::vector<std::string> args;
    const char* problem;
  } cases[] = {
      {{"exprot", "sheet.qvx"}, "quorvel: unknown command 'exprot'\n"},
      {{"--bogus"}, "quorvel: unknown option '--bogus'\n"},
      {{"no-such-sheet.qvx"}, "quorvel: no such list file 'no-such-sheet.qvx'\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runExecutable(c.args, "timeout -k 10 120 env QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(o.exit, 2) << c.problem;
    EXPECT_EQ(o.out, "") << c.problem;
    EXPECT_EQ(o.err, c.problem + ("\n" + usage)) << c.problem;
  }
}

}  // namespace
}  // namespace quorvel::cli::test
