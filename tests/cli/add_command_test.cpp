// quorvel add: the list file it writes, byte for byte, against an independent layout
// and against the window's core driven with the same clicks; refusals, wrong usage
// and file problems, each leaving the list file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "plot/recording_surface.h"
#include "settings/picture_preferences.h"
#include "shell/program.h"
#include "testing/scripted_services.h"

namespace quorvel::cli::test {
namespace {

std::vector<std::string> addArgs(const std::filesystem::path& list, std::vector<std::string> rest) {
  rest.insert(rest.begin(), {"add", list.string()});
  return rest;
}

TEST(AddCommand, BuildsTheWorksheetOfTheGoldenFile) {
  const TempFolder dir;
  const auto list = dir / "worksheet.qvx";
  const struct {
    std::vector<std::string> args;
    const char* line;
  } steps[] = {
      {{"--family", "2", "--p1", "6"}, "y=6/x\n"},
      {{"--family", "1", "--p1", "1", "--p2", "-2", "--p3", "1", "--color", "FF8000"},
       "y=1x^2+-2x+1\n"},
      {{"--family", "13", "--expr", "sin(x)*2", "--x-from", "-6.28", "--x-to", "6.28"},
       "y=sin(x)*2\n"},
  };
  for (const auto& step : steps) {
    const Outcome o = runCli(addArgs(list, step.args));
    EXPECT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, step.line);
    EXPECT_EQ(o.err, "");
  }
  EXPECT_EQ(readFile(list), readFile(dataPath("cli_worksheet.qvx")));
  // Only the list file: the program's working files live in a folder of their own.
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"worksheet.qvx"});
}

// One curve as a user enters it in the window, and the same as command-line words.
struct Curve {
  int family, form;
  std::vector<std::string> boxes;   // texts of boxes 1..3
  std::string expression;           // family 13
  std::vector<std::string> ranges;  // empty: as the form leaves them
  int intX;                         // 整数 as the user sets it; -1: as the form does
  std::int32_t color;               // -1: 自动选色
  std::vector<std::string> words;
};

const std::vector<Curve>& curves() {
  static const std::vector<Curve> table = {
      // A vertical line: the rule ticks Ｙ驱动 by itself.
      {0,
       2,
       {"2", "0", "-4"},
       "",
       {},
       0,
       -1,
       {"--family", "0", "--form", "2", "--p1", "2", "--p2", "0", "--p3", "-4"}},
      // Texts that are evaluated and stored as their value; h rounds to even.
      {1,
       2,
       {"5/2", "pi", "1"},
       "",
       {"-1-1", "1+2", " -∞", " +∞"},
       0,
       -1,
       {"--family", "1", "--form", "2", "--p1", "5/2", "--p2", "pi", "--p3", "1", "--x-from",
        "-1-1", "--x-to", "1+2"}},
      // Ｓｘ＝ starts its sum at 0 with whole x, as the form sets the panel.
      {13,
       1,
       {"", "", ""},
       "X^2+1",
       {},
       -1,
       -1,
       {"--family", "13", "--form", "1", "--expr", "X^2+1"}},
      {2,
       0,
       {"6", "", ""},
       "",
       {},
       0,
       0x563412,
       {"--family", "2", "--p1", "6", "--color", "123456"}},
      {5,
       0,
       {"2", "3", "1"},
       "",
       {" -∞", " +∞", "-1", "1"},
       0,
       -1,
       {"--family", "5", "--p1", "2", "--p2", "3", "--p3", "1", "--y-from", "-1", "--y-to", "1",
        "--no-int"}},
      {13,
       1,
       {"", "", ""},
       "1/x",
       {"1", " +∞", " -∞", " +∞"},
       0,
       -1,
       {"--family", "13", "--form", "1", "--expr", "1/x", "--x-from", "1", "--no-int"}},
  };
  return table;
}

TEST(AddCommand, WritesWhatTheWindowsCoreWritesForTheSameInput) {
  const TempFolder dir;
  // The window: one sitting, the curves entered one after the other, then 保存.
  const auto windowList = dir / "window.qvx";
  std::vector<std::string> windowLines;
  {
    const TempFolder programFolder;
    ScriptedServices kit(programFolder.path());
    RecordingSurface surface(500, 500, 1);
    Program program(surface, kit.take());
    // The command line keeps the original automatic colours: the window's user has
    // chosen 经典外观, whose colours they are.
    storePictureStyle(*program.services.preferences, PictureStyle{});
    frmControl& panel = program.panel;
    panel.Form_Load();
    for (const Curve& c : curves()) {
      if (panel.cboFuncName.ListIndex() == c.family) {
        panel.cboFuncName_Click();
      } else {
        panel.cboFuncName.setListIndex(c.family);
      }
      panel.cboStyle[c.family].setListIndex(c.form);
      for (int box = 1; box <= 3; ++box) panel.txtParameter[box].setText(c.boxes[box - 1]);
      if (c.family == kCustomFamily) panel.txtExpression.setText(c.expression);
      if (!c.ranges.empty()) {
        panel.cboRangeX1.setText(c.ranges[0]);
        panel.cboRangeX2.setText(c.ranges[1]);
        panel.cboRangeY1.setText(c.ranges[2]);
        panel.cboRangeY2.setText(c.ranges[3]);
      }
      if (c.intX >= 0) panel.chkIntX.setValue(c.intX);
      if (c.color >= 0) {
        panel.chkAutoColor.setValue(0);
        kit.colors->answers.push_back(c.color);
        panel.cmdColor.click();
      } else {
        panel.chkAutoColor.setValue(1);
      }
      panel.cmdDraw.click();
      ASSERT_TRUE(kit.messages->shown.empty()) << kit.messages->shown.front().second;
      windowLines.push_back(panel.lstExist.List(panel.lstExist.ListCount() - 1) + "\n");
    }
    kit.files->answers.push_back(windowList.string());
    program.main.tbMain_ButtonClick(4);  // 保存
  }
  // The command line: one command per curve, each opening the list again.
  const auto cliList = dir / "cli.qvx";
  for (std::size_t i = 0; i < curves().size(); ++i) {
    const Outcome o = runCli(addArgs(cliList, curves()[i].words));
    ASSERT_EQ(o.exit, 0) << o.err;
    EXPECT_EQ(o.out, windowLines[i]);
  }
  const std::string windowBytes = readFile(windowList);
  ASSERT_EQ(windowBytes.size(), 5 * 128 + 122u);
  EXPECT_EQ(readFile(cliList), windowBytes);
}

TEST(AddCommand, ARefusedCurveLeavesTheListAsItWas) {
  const TempFolder dir;
  const auto list = dir / "list.qvx";
  const std::string before = readFile(dataPath("cli_worksheet.qvx"));
  const struct {
    std::vector<std::string> words;
    const char* err;
  } cases[] = {
      {{"--family", "2", "--p1", "0"}, "参数错误: ｋ≠０\n"},
      {{"--family", "2", "--p1", "2x"}, "错误: 数据错误\nｋ第 2 个字符：“x”\n"},
      // Only the boxes the form reads are checked: a hidden one is not.
      {{"--family", "1", "--p1", "1", "--p2", "0", "--p3", "x"},
       "错误: 数据错误\nｃ第 1 个字符：“x”\n"},
      {{"--family", "2", "--p1", "6", "--x-from", "1", "--x-to", "1"},
       "错误: 数据错误\nＸ轴范围\n"},
      // The open marker needs its leading blank; without it the text is evaluated.
      {{"--family", "2", "--p1", "6", "--x-from", "-∞"},
       "错误: 数据错误\nＸ轴范围第 2 个字符：“∞”\n"},
      {{"--family", "13", "--expr", "(x+1))"}, "错误: 括号错误\n表达式\n"},
      {{"--family", "13", "--expr", "x+"}, "错误: 表达式错误，请检查\n表达式末尾\n"},
      {{"--family", "13", "--expr", "foo(x)"}, "错误: 字符未定义\n表达式第 1 个字符：“foo”\n"},
      // Longer than the list keeps: never stored cut.
      {{"--family", "13", "--expr", "sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+sin(6x)/6"},
       "错误: 表达式过长：列表中最多保存50个字符，请缩短\n"},
      {{"--family", "0", "--p1", "1", "--p2", "12345678901"},
       "错误: 数值“1.234568E+10”过长：列表中每项最多保存10个字符\n"},
  };
  for (const auto& c : cases) {
    writeFile(list, before);
    const Outcome o = runCli(addArgs(list, c.words));
    EXPECT_EQ(o.exit, 1) << c.words.back();
    EXPECT_EQ(o.err, c.err) << c.words.back();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(readFile(list), before) << c.words.back();
  }
  // A refused first curve creates no file.
  const Outcome o = runCli(addArgs(dir / "new.qvx", {"--family", "3", "--p1", "1"}));
  EXPECT_EQ(o.exit, 1);
  EXPECT_EQ(o.err, "参数错误: ａ＞０，且ａ≠１\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "new.qvx"));
}

TEST(AddCommand, WrongUsageChangesNothing) {
  const TempFolder dir;
  const auto list = dir / "list.qvx";
  const struct {
    std::vector<std::string> args;
    const char* problem;
  } cases[] = {
      {{"add"}, "the list file LIST.QVX is needed"},
      {{"add", "a.qvx", "b.qvx", "--family", "2"}, "give exactly one list file"},
      {{"add", "", "--family", "2", "--p1", "1"}, "the list file name is empty"},
      {{"add", "a.qvx"}, "--family is needed"},
      {{"add", "a.qvx", "--family", "15"}, "--family must be a whole number from 0 to 14"},
      {{"add", "a.qvx", "--family", "-1"}, "--family must be a whole number from 0 to 14"},
      {{"add", "a.qvx", "--family", "5", "--p4", "1"}, "--p4 is the fourth parameter"},
      {{"add", "a.qvx", "--family", "2", "--form", "1"}, "--form of family 2"},
      {{"add", "a.qvx", "--family", "11", "--form", "4"}, "from 0 to 3, not '4'"},
      {{"add", "a.qvx", "--family", "13"}, "family 13 needs --expr"},
      {{"add", "a.qvx", "--family", "2", "--expr", "x"}, "--expr is the expression of family 13"},
      {{"add", "a.qvx", "--family", "2", "--int", "--no-int"}, "not both"},
      {{"add", "a.qvx", "--family", "2", "--color", "#FF0000"}, "six hexadecimal digits"},
      {{"add", "a.qvx", "--family", "2", "--colour", "FF0000"}, "unknown option '--colour'"},
      {{"add", "a.qvx", "--family", "2", "--p1"}, "--p1 needs a value"},
      // 整数 is not offered for ｙ＝ expressions.
      {{"add", "a.qvx", "--family", "13", "--expr", "x", "--int"}, "--int does not apply"},
  };
  for (auto c : cases) {
    if (c.args.size() > 1 && !c.args[1].empty()) c.args[1] = list.string();
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.exit, 2) << c.problem;
    EXPECT_NE(o.err.find(c.problem), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("Usage: quorvel add"), std::string::npos);
    EXPECT_EQ(o.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(list));

  const Outcome help = runCli({"add", "--help"});
  EXPECT_EQ(help.exit, 0);
  // The help numbers the families and forms as --family and --form take them.
  EXPECT_NE(help.out.find("  2   反比例函数: 0 "), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("  13  自定义: 0 ｙ＝, 1 Ｓｘ＝"), std::string::npos) << help.out;
}

// 幂函数 and the forms with a fourth parameter have no record in a .QVX file: checked
// as the window checks them, then refused rather than cut down to another curve.
TEST(AddCommand, FormsBeyondTheListFileAreRefusedAndTheFileKept) {
  const TempFolder dir;
  const auto list = dir / "list.qvx";
  ASSERT_EQ(runCli(addArgs(list, {"--family", "2", "--p1", "6"})).exit, 0);
  const std::string before = readFile(list);
  const struct {
    std::vector<std::string> words;
    const char* err;
  } cases[] = {
      {{"--family", "14", "--p1", "1/3"}, "第 2 条曲线“"},
      {{"--family", "9", "--form", "1", "--p1", "3", "--p2", "2"}, "第 2 条曲线“"},
      {{"--family", "5", "--form", "1", "--p1", "2", "--p2", "1", "--p3", "π/3", "--p4", "1"},
       "第 2 条曲线“"},
      // The curve's own faults come first.
      {{"--family", "14", "--p1", "1/0"}, "错误: 数据错误\nα\n"},
      {{"--family", "5", "--form", "1", "--p1", "2", "--p2", "1", "--p4", "k"},
       "错误: 数据错误\nｋ第 1 个字符：“k”\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(addArgs(list, c.words));
    EXPECT_EQ(o.exit, 1) << c.err;
    // A refused save names the curve and the type that keeps it.
    EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    if (o.err.find("第 2 条曲线") != std::string::npos) {
      EXPECT_NE(o.err.find("（*.QVJ）"), std::string::npos) << o.err;
    }
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(readFile(list), before);
  }
  EXPECT_NE(runCli({"add", "--help"}).out.find("  14  幂函数: 0 ｙ＝ｘ∧α"), std::string::npos);
}

TEST(AddCommand, FileProblemsNameTheFileAndDamageNothing) {
  const TempFolder dir;
  const std::vector<std::string> curve = {"--family", "2", "--p1", "6"};

  const Outcome folder = runCli(addArgs(dir.path(), curve));
  EXPECT_EQ(folder.exit, 3);
  EXPECT_EQ(folder.err, "quorvel add: cannot read '" + dir.path().string() + "': it is a folder\n");

  const auto missingFolder = dir / "no" / "list.qvx";
  const Outcome unwritable = runCli(addArgs(missingFolder, curve));
  EXPECT_EQ(unwritable.exit, 3);
  EXPECT_NE(unwritable.err.find("cannot write '" + missingFolder.string() + "'"), std::string::npos)
      << unwritable.err;
  EXPECT_EQ(unwritable.out, "");

  // Not a whole number of records: the program refuses to open it, as the window does.
  const auto malformed = dir / "short.qvx";
  writeFile(malformed, std::string(100, 'x'));
  const Outcome refused = runCli(addArgs(malformed, curve));
  EXPECT_EQ(refused.exit, 1);
  EXPECT_EQ(refused.err,
            "错误: 打开列表文件错误\n“" + malformed.string() +
                "”：长度 100 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）\n");
  EXPECT_EQ(readFile(malformed), std::string(100, 'x'));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"short.qvx"});
}

TEST(AddCommand, KeepsARecordThatFailsItsCheckAndSaysWhich) {
  const TempFolder dir;
  const auto list = dir / "list.qvx";
  const std::string before = readFile(dataPath("cli_bad_record.qvx"));
  writeFile(list, before);
  const Outcome o = runCli(addArgs(list, {"--family", "2", "--p1", "-6"}));
  EXPECT_EQ(o.exit, 0);
  EXPECT_EQ(o.out, "y=-6/x\n");
  EXPECT_EQ(o.err, "quorvel add: " + list.string() + ": record 2: 错误: 括号错误\n");
  const std::string after = readFile(list);
  ASSERT_EQ(after.size(), before.size() + 128);
  EXPECT_EQ(after.substr(0, before.size()), before);
  EXPECT_EQ(after.substr(before.size(), 6), std::string(6, '\0'));  // the last slot's filler
}

TEST(AddCommand, AnEmptyListFileTakesTheFirstCurve) {
  const TempFolder dir;
  const auto list = dir / "empty.qvx";
  writeFile(list, "");
  const Outcome o = runCli(addArgs(list, {"--family", "2", "--p1", "6"}));
  EXPECT_EQ(o.exit, 0) << o.err;
  EXPECT_EQ(readFile(list), readFile(dataPath("cli_worksheet.qvx")).substr(0, 122));
}

}  // namespace
}  // namespace quorvel::cli::test
