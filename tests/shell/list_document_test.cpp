// The list as a document: changed since saved, the question before losing curves,
// recovery after a crash, undo and redo, editing a line in place, full-width input.
#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/list_file.h"
#include "eval/epc.h"
#include "eval/syntax_help.h"
#include "settings/working_folder.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr int kOpenButton = 3, kSaveButton = 4;

class ListDocumentTest : public ShellTest {
 protected:
  void save(const std::string& name) {
    kit.files->answers.push_back((folder / name).string());
    program.main.clickToolbarButton(kSaveButton);
  }
  // The list, its file and the picture agree: one record per line, each line the
  // text of its record's curve, and a redraw draws one curve per ticked line.
  void expectInStep(const std::string& what) {
    const std::vector<unsigned char> bytes = listBytes();
    const std::size_t records = bytes.empty() ? 0 : (bytes.size() - kRecordSize) / kSlotSize + 1;
    ASSERT_EQ(records, lines().size()) << what;
    EXPECT_EQ(g.funcCount, static_cast<int>(lines().size()) + 1) << what;
    surface.clearCalls();
    panel.cmdRedraw_Click();
    std::size_t ticked = 0;
    for (const bool t : ticks()) ticked += t ? 1 : 0;
    // A picture with no curve still sets its view once, for its axes.
    const std::size_t shown = panel.lstExist.ListIndex() < 0 ? 0u : ticked;
    EXPECT_EQ(curvesDrawn(), shown == 0 ? 1u : shown) << what;
  }
  std::int32_t colourOfRecord(int n) {
    ListFile file(program.listPath());
    return file.read(n)->color;
  }
};

TEST_F(ListDocumentTest, ChangedSinceSavedFollowsEveryCommand) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool changed;
  };
  const std::vector<Step> steps = {
      {"nothing drawn", [] {}, false},
      {"a curve", [this] { drawCurve(2, 0, "6"); }, true},
      {"saved", [this] { save("a.qvx"); }, false},
      {"a tick (not in the file)", [this] { panel.lstExist.setSelected(0, false); }, false},
      {"another curve", [this] { drawCurve(2, 0, "-3"); }, true},
      {"undone: the saved list again",
       [this] {
         panel.undo();
         panel.undo();
       },
       false},
      {"recoloured",
       [this] {
         kit.colors->answers.push_back(0x00FF00);
         panel.recolourLine(0);
       },
       true},
      {"cleared: nothing to lose", [this] { panel.cmdClear.click(); }, false},
      {"opened",
       [this] {
         kit.files->answers.push_back((folder / "a.qvx").string());
         program.main.clickToolbarButton(kOpenButton);
       },
       false},
      {"deleted", [this] { panel.cmdDelete.click(); }, false},  // the only line: empty
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(panel.listChanged(), s.changed) << s.what;
  }
}

TEST_F(ListDocumentTest, TheQuestionBeforeLosingCurvesAndItsThreeAnswers) {
  // Unchanged or empty: nothing is asked.
  EXPECT_FALSE(program.main.Form_QueryUnload());
  drawCurve(2, 0, "6");
  save("kept.qvx");
  EXPECT_FALSE(program.main.Form_QueryUnload());
  EXPECT_TRUE(kit.questions->asked.empty());
  drawCurve(2, 0, "-2");

  // 取消: the window stays, 打开 shows no dialog, everything as it was.
  kit.questions->answers = {2, 2};
  EXPECT_TRUE(program.main.Form_QueryUnload());
  const std::size_t dialogs = kit.files->shown.size();
  program.main.clickToolbarButton(kOpenButton);
  EXPECT_EQ(kit.files->shown.size(), dialogs);
  ASSERT_EQ(kit.questions->asked.size(), 2u);
  EXPECT_EQ(kit.questions->asked[0].prompt, "函数列表已更改，是否保存？");
  EXPECT_EQ(kit.questions->asked[0].buttons, (std::vector<std::string>{"保存", "不保存", "取消"}));
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=-2/x"}));

  // 保存 runs the save command; a cancelled save dialog keeps the window.
  kit.questions->answers = {0};
  kit.files->answers.push_back("");
  EXPECT_TRUE(program.main.Form_QueryUnload());
  kit.questions->answers = {0};
  kit.files->answers.push_back((folder / "both.qvx").string());
  EXPECT_FALSE(program.main.Form_QueryUnload());
  EXPECT_EQ(readBytes(folder / "both.qvx"), listBytes());
  EXPECT_FALSE(panel.listChanged());

  // 不保存: 打开 goes on and replaces the list.
  drawCurve(2, 0, "9");
  kit.questions->answers = {1};
  kit.files->answers.push_back((folder / "kept.qvx").string());
  program.main.clickToolbarButton(kOpenButton);
  EXPECT_EQ(lines(), std::vector<std::string>{"y=6/x"});
}

TEST_F(ListDocumentTest, UndoAndRedoKeepListFileAndPictureInStep) {
  drawCurve(2, 0, "6");
  drawCurve(0, 0, "1", "2");
  drawExpression("x^2");
  const std::vector<std::string> three = {"y=6/x", "y=1x+2", "y=x^2"};
  panel.lstExist.setListIndex(1);
  panel.cmdDelete.click();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=x^2"}));
  panel.undo();  // the line comes back in its place
  EXPECT_EQ(lines(), three);
  expectInStep("undo of delete");
  panel.redo();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=x^2"}));
  expectInStep("redo of delete");
  panel.undo();
  panel.tbsControl.select(2);
  panel.lstExist.setSelected(2, false);
  panel.undo();
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  expectInStep("undo of a tick");
  panel.cmdClear.click();
  EXPECT_TRUE(lines().empty());
  panel.undo();
  EXPECT_EQ(lines(), three);
  expectInStep("undo of clear");
  panel.moveLine(0, 1);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=1x+2", "y=6/x", "y=x^2"}));
  expectInStep("moved down");
  panel.undo();
  EXPECT_EQ(lines(), three);
  // Every draw undone, one after the other, down to the empty list; no further.
  for (int i = 0; i < 3; ++i) panel.undo();
  EXPECT_TRUE(lines().empty());
  expectInStep("all undone");
  EXPECT_FALSE(panel.canUndo());
  // At least 50 steps each way.
  for (int i = 0; i < 60; ++i) drawCurve(2, 0, std::to_string(i + 1));
  for (int i = 0; i < 60; ++i) panel.undo();
  EXPECT_LE(lines().size(), 10u);
  for (int i = 0; i < 60; ++i) panel.redo();
  EXPECT_EQ(lines().size(), 60u);
  expectInStep("60 redone");
}

TEST_F(ListDocumentTest, AHundredStepsBackAndForthKeepEveryState) {
  // The states along the way: lines, ticks and the working list's bytes.
  struct Seen {
    std::vector<std::string> lines;
    std::vector<bool> ticks;
    std::vector<unsigned char> bytes;
    bool operator==(const Seen&) const = default;
  };
  const auto seen = [this] { return Seen{lines(), ticks(), listBytes()}; };
  std::vector<Seen> states{seen()};
  for (int i = 1; i <= 100; ++i) {
    if (i % 10 == 0) {
      panel.tbsControl.select(2);
      panel.lstExist.setSelected(i / 2, false);  // a user's tick is a step too
      panel.tbsControl.select(1);
    } else {
      drawCurve(2, 0, std::to_string(i));
    }
    states.push_back(seen());
  }
  for (int i = 99; i >= 0; --i) {
    panel.undo();
    ASSERT_EQ(seen(), states[static_cast<std::size_t>(i)]) << "undo to step " << i;
  }
  EXPECT_FALSE(panel.canUndo());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));  // as before the first curve
  for (int i = 1; i <= 100; ++i) {
    panel.redo();
    ASSERT_EQ(seen(), states[static_cast<std::size_t>(i)]) << "redo to step " << i;
  }
  EXPECT_FALSE(panel.canRedo());
  expectInStep("a hundred steps redone");
}

TEST_F(ListDocumentTest, ALineEditedAndReplacedInItsPlace) {
  drawCurve(2, 0, "6");
  drawCurve(1, 2, "1", "2", "3");
  panel.lstExist.doubleClick(0);
  EXPECT_EQ(panel.tbsControl.SelectedIndex(), 1);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 2);
  EXPECT_EQ(panel.txtParameter[1].Text(), "6");
  EXPECT_TRUE(panel.cmdReplace.Visible());
  EXPECT_EQ(panel.chkAutoColor.Value(), 0);  // its colour kept
  panel.txtParameter[1].setText("2");
  panel.cmdReplace.click();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=2/x", "y=3(x-1)^2+2"}));
  expectInStep("replaced");
  // A refused replacement changes nothing.
  panel.txtParameter[1].setText("0");
  panel.cmdReplace.click();
  EXPECT_EQ(messages().back(), (Message{"参数错误", "ｋ≠０"}));
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=2/x", "y=3(x-1)^2+2"}));
  panel.undo();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=3(x-1)^2+2"}));
  // Recolour through the colour dialog, opened on the line's own colour; a cancel
  // changes nothing.
  const std::int32_t own = colourOfRecord(2);
  kit.colors->answers.push_back(std::nullopt);
  panel.recolourLine(1);
  EXPECT_EQ(kit.colors->shownOn.back(), own);
  EXPECT_EQ(colourOfRecord(2), own);
  kit.colors->answers.push_back(0x123456);
  panel.recolourLine(1);
  EXPECT_EQ(kit.colors->shownOn.back(), own);
  EXPECT_EQ(colourOfRecord(2), 0x123456);
  expectInStep("recoloured");
}

TEST_F(ListDocumentTest, FullWidthInputIsReadAsAscii) {
  drawExpression("（ｘ＋１）＾２");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), std::vector<std::string>{"y=(x+1)^2"});
  const std::vector<unsigned char> record = recordBytes(1);
  EXPECT_EQ(std::string(record.begin() + 4, record.begin() + 11), "(x+1)^2");
  // Every box of the panel.
  chooseFamily(1, 0);
  setBoxes("１", "－２", "３．５");
  setRanges("－１", "３", "　-∞", "＋∞");
  EXPECT_EQ(panel.cboRangeY1.Text(), " -∞");  // the ideographic space is a blank
  panel.cboRangeY2.setText(" +∞");
  panel.txtValue.setText("０．５");
  panel.cmdDraw.click();
  EXPECT_EQ(lines().back(), "y=1x^2+-2x+3.5");
  EXPECT_EQ(panel.cboRangeX1.Text(), "-1");
  EXPECT_EQ(panel.txtValue.Text(), "0.5");
}

TEST(SyntaxHelp, ItsExamplesAndImplicitProductsAreWhatItSays) {
  const std::string help = expressionSyntaxHelp();
  for (const std::string& example : syntaxHelpExamples()) {
    EvalState s;
    Epc(s, example, "1.5");
    EXPECT_EQ(s.evalStatus, 0) << example;
    EXPECT_NE(help.find(example), std::string::npos) << example;
  }
  // "2x、3(x+1)、2pi、xsin(x)" mean the products written out.
  const std::pair<const char*, const char*> products[] = {
      {"2x", "2*x"}, {"3(x+1)", "3*(x+1)"}, {"2pi", "2*pi"}, {"xsin(x)", "x*sin(x)"}};
  for (const auto& [implicit, written] : products) {
    EXPECT_NE(help.find(implicit), std::string::npos) << implicit;
    EvalState a, b;
    Epc(a, implicit, "0.7");
    Epc(b, written, "0.7");
    EXPECT_EQ(a.evalStatus, 0) << implicit;
    EXPECT_EQ(a.evalResult, b.evalResult) << implicit;
  }
}

// A working list left behind is offered back at the next start, in the program
// folder only: a running copy's list is never touched.
TEST(Recovery, ALeftOverListIsOfferedBackNeverARunningCopys) {
  const std::filesystem::path folder = makeTempFolder();
  const std::vector<unsigned char> two = readBytes(testDataPath("catalogue/three_curves.qvx"));
  for (const int answer : {0, 1}) {
    writeBytes(folder / "Funclist.dat", two);
    ScriptedServices kit(folder);
    kit.questions->answers = {answer};
    RecordingSurface surface;
    Program program(surface, kit.take());
    program.main.Form_Load();
    ASSERT_EQ(kit.questions->asked.size(), 1u);
    EXPECT_EQ(kit.questions->asked[0].prompt, "上次未正常退出，是否恢复函数列表？");
    if (answer == 0) {
      EXPECT_EQ(program.panel.lstExist.ListCount(), 3);
      EXPECT_EQ(readBytes(program.listPath()), two);
      EXPECT_TRUE(program.panel.listChanged());  // saved nowhere yet
    } else {
      EXPECT_EQ(program.panel.lstExist.ListCount(), 0);
      EXPECT_FALSE(std::filesystem::exists(program.listPath()));
    }
  }
  // While another copy holds the folder, its list stays as it is and nothing is asked.
  writeBytes(folder / "Funclist.dat", two);
  const WorkingFolder running(folder);
  ScriptedServices kit(folder);
  RecordingSurface surface;
  Program second(surface, kit.take());
  second.main.Form_Load();
  EXPECT_TRUE(kit.questions->asked.empty());
  EXPECT_EQ(readBytes(folder / "Funclist.dat"), two);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

namespace fs = std::filesystem;

// `count` records: the three of the stored worksheet over and over, as a list file.
std::vector<unsigned char> records(int count) {
  const std::vector<unsigned char> three = readBytes(testDataPath("catalogue/three_curves.qvx"));
  std::vector<unsigned char> out;
  for (int n = 0; n < count; ++n) {
    if (n > 0) out.resize(out.size() + kSlotSize - kRecordSize, 0);
    const auto from = three.begin() + (n % 3) * kSlotSize;
    out.insert(out.end(), from, from + kRecordSize);
  }
  return out;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A working list left by a crash gives back every whole record it holds, and says how
// many it could not; one that holds no whole record is not offered, and stays aside.
TEST(Recovery, ACutWorkingListGivesBackItsWholeRecords) {
  const std::vector<unsigned char> eleven = records(11);
  std::vector<unsigned char> damaged = records(6);
  damaged[2 * kSlotSize] = 99;  // record 3: a family of no one's
  std::vector<unsigned char> wholeOfDamaged = records(6);
  wholeOfDamaged.erase(wholeOfDamaged.begin() + 2 * kSlotSize,
                       wholeOfDamaged.begin() + 3 * kSlotSize);
  const struct {
    std::string name;
    std::vector<unsigned char> left;
    int offered;  // -1: no offer
    std::vector<unsigned char> recovered;
    int lost;
  } cases[] = {
      {"cut inside the sixth record", {eleven.begin(), eleven.begin() + 701}, 5, records(5), 1},
      {"a record damaged between good ones", damaged, 5, wholeOfDamaged, 1},
      {"whole", records(3), 3, records(3), 0},
      {"part of one record", {eleven.begin(), eleven.begin() + 61}, -1, {}, 0},
      {"no record of this program's", std::vector<unsigned char>(300, 0xFF), -1, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = makeTempFolder();
    writeBytes(folder / "Funclist.dat", c.left);
    ScriptedServices kit(folder);
    kit.questions->answers = {0};  // 恢复
    RecordingSurface surface;
    Program program(surface, kit.take());
    program.main.Form_Load();
    if (c.offered < 0) {
      EXPECT_TRUE(kit.questions->asked.empty());
      EXPECT_EQ(program.panel.lstExist.ListCount(), 0);
      // Nothing is deleted: the file is kept aside under a name of its own.
      const std::vector<std::string> names = namesIn(folder);
      const auto aside = std::find_if(names.begin(), names.end(), [](const std::string& n) {
        return n.rfind("Funclist-", 0) == 0 && n.ends_with(".damaged");
      });
      ASSERT_NE(aside, names.end());
      EXPECT_EQ(readBytes(folder / *aside), c.left);
    } else {
      ASSERT_EQ(kit.questions->asked.size(), 1u);
      std::string prompt = "上次未正常退出，是否恢复函数列表？";
      if (c.lost > 0) {
        prompt += "\n可以恢复 " + std::to_string(c.offered) + " 条函数；" + std::to_string(c.lost) +
                  " 条记录不完整或已损坏，不能恢复。";
      }
      EXPECT_EQ(kit.questions->asked[0].prompt, prompt);
      EXPECT_EQ(program.panel.lstExist.ListCount(), c.offered);
      EXPECT_EQ(readBytes(program.listPath()), c.recovered);
      EXPECT_EQ(program.g.funcCount, c.offered + 1);
      EXPECT_TRUE(kit.messages->shown.empty());
      EXPECT_FALSE(fs::exists(folder / "Funclist.recover"));
    }
    fs::remove_all(folder);
  }
}

}  // namespace
}  // namespace quorvel::test
