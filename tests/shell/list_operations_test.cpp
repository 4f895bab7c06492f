// Clear, delete, redraw and the tick handler: the list and the file stay one entry
// per record, replays honour the ticks, and no command nests another redraw.
#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/curve_rules.h"
#include "catalogue/list_file.h"
#include "catalogue/list_file_check.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

class ListOperationsTest : public ShellTest {
 protected:
  // Three entries: y=6/x, y=1x+2, y=x^2.
  void drawThree() {
    drawCurve(2, 0, "6");
    drawCurve(0, 0, "1", "2");
    drawExpression("x^2");
    ASSERT_EQ(lines().size(), 3u);
  }
  void showViewPage() { panel.tbsControl.select(2); }
};

TEST_F(ListOperationsTest, ClearEmptiesEverything) {
  drawThree();
  g.zoomMode = 1;
  g.zoomPending = true;
  panel.sldZoom.setValue(2000);
  surface.clearCalls();
  panel.cmdClear.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(g.zoomMode, 0);
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_FALSE(g.graphOnScreen);
  EXPECT_FALSE(g.zoomPending);
  EXPECT_EQ(g.funcCount, 1);
  EXPECT_TRUE(lines().empty());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
  // The next curve starts again from record 1 and the centred view.
  g.viewLeft = 99;
  drawCurve(2, 0, "3");
  EXPECT_EQ(listBytes().size(), 122u);
  EXPECT_EQ(g.viewLeft, -3750);
}

TEST_F(ListOperationsTest, DeletingTheSecondOfThreeMovesTheThirdUp) {
  drawThree();
  const std::vector<unsigned char> first = recordBytes(1);
  const std::vector<unsigned char> third = recordBytes(3);
  panel.lstExist.setListIndex(1);
  surface.clearCalls();
  panel.cmdDelete.click();
  EXPECT_EQ(listBytes().size(), 250u);
  EXPECT_EQ(recordBytes(1), first);
  EXPECT_EQ(recordBytes(2), third);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=x^2"}));
  EXPECT_EQ(g.funcCount, 3);
  // Nothing but the list (and the running copy's lock) is left beside it.
  for (const auto& f : std::filesystem::directory_iterator(program.listPath().parent_path())) {
    const std::string name = f.path().filename().string();
    EXPECT_TRUE(name == "Funclist.dat" || name == "Funclist.lock") << name;
  }
  // The remaining two are replayed in their stored colours.
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 2u);
  EXPECT_EQ(panel.lstExist.ListIndex(), 1);
  // A new curve goes after them.
  drawCurve(2, 0, "2");
  EXPECT_EQ(listBytes().size(), 378u);
  EXPECT_EQ(g.funcCount, 4);
}

TEST_F(ListOperationsTest, DeletingTheOnlyEntryLeavesAnEmptyFile) {
  drawCurve(2, 0, "6");
  panel.picDelete.click();  // the icon runs the same command
  EXPECT_TRUE(lines().empty());
  EXPECT_TRUE(std::filesystem::exists(program.listPath()));
  EXPECT_EQ(std::filesystem::file_size(program.listPath()), 0u);
  EXPECT_EQ(g.funcCount, 1);
  drawCurve(2, 0, "3");
  EXPECT_EQ(listBytes().size(), 122u);
  EXPECT_EQ(g.funcCount, 2);
}

TEST_F(ListOperationsTest, DeleteWithNoCurrentLineClearsAll) {
  drawThree();
  panel.lstExist.setListIndex(-1);
  panel.sldZoom.setValue(4000);
  panel.cmdDelete_Click();
  EXPECT_TRUE(lines().empty());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(g.funcCount, 1);
}

TEST_F(ListOperationsTest, LeftoverTemporaryFileLendsNoRecords) {
  drawThree();
  writeBytes(program.listPath().parent_path() / "Funclist.tmp",
             std::vector<unsigned char>(1000, 0x41));
  panel.lstExist.setListIndex(0);
  panel.cmdDelete_Click();
  EXPECT_EQ(listBytes().size(), 250u);
  ListFile file(program.listPath());
  EXPECT_EQ(file.read(1)->family, 0);
  EXPECT_EQ(file.read(2)->family, kCustomFamily);
}

TEST_F(ListOperationsTest, RedrawReplaysOnlyTickedEntriesInRecordOrder) {
  drawThree();
  panel.lstExist.setSelected(1, false);  // on the draw page: no redraw yet
  surface.clearCalls();
  panel.cmdRedraw.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 2u);
  // Unticked entries stay in the list and the file.
  EXPECT_EQ(lines().size(), 3u);
  EXPECT_EQ(listBytes().size(), 378u);
  EXPECT_EQ(g.funcCount, 4);
  // Stored colours: blue for record 1, green for record 3.
  std::vector<std::int32_t> curveColours;
  for (const std::int32_t c : foreColors()) {
    if (c != 0) curveColours.push_back(c);
  }
  EXPECT_EQ(curveColours, (std::vector<std::int32_t>{0xFF0000, 0x00FF00}));
}

TEST_F(ListOperationsTest, ReplayLeavesThePanelAsTheUserLeftIt) {
  drawCurve(5, 0, "2", "3", "1");
  drawExpression("x", 1);  // Ｓｘ＝: 整数 ticked and enabled, 连线 unticked
  chooseFamily(0, 0);
  setBoxes("7", "8", "9");
  panel.chkSkip.setValue(0);
  ASSERT_EQ(panel.chky.Value(), 1);
  ASSERT_EQ(panel.chkIntX.Value(), 0);
  ASSERT_FALSE(panel.chkIntX.Enabled());
  const std::int32_t colour = g.penColor;
  surface.clearCalls();
  panel.cmdRedraw_Click();
  EXPECT_EQ(curvesDrawn(), 2u);
  EXPECT_EQ(panel.txtParameter[1].Text(), "7");
  EXPECT_EQ(panel.txtParameter[2].Text(), "8");
  EXPECT_EQ(panel.txtParameter[3].Text(), "9");
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 0);
  EXPECT_EQ(panel.funcFamily, 0);
  EXPECT_EQ(g.activeFamily, 0.0f);
  EXPECT_EQ(panel.chky.Value(), 1);
  EXPECT_TRUE(panel.chky.Enabled());
  EXPECT_EQ(panel.chkSkip.Value(), 0);
  EXPECT_EQ(panel.chkLink.Value(), 1);
  EXPECT_EQ(panel.chkIntX.Value(), 0);
  EXPECT_FALSE(panel.chkIntX.Enabled());
  EXPECT_EQ(g.penColor, colour);
}

TEST_F(ListOperationsTest, RedrawWithNothingCurrentShowsTheAxesAlone) {
  surface.clearCalls();
  panel.cmdRedraw_Click();
  EXPECT_GE(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(count(SurfaceCallKind::Scale), 1u);  // the axes' view
  EXPECT_GE(count(SurfaceCallKind::Line), 2u);
  EXPECT_EQ(count(SurfaceCallKind::PSet), 0u);  // no curve
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
}

TEST_F(ListOperationsTest, TickHandlerRedrawsOnlyOnTheViewPage) {
  drawThree();
  surface.clearCalls();
  panel.lstExist.setSelected(0, false);  // the draw page
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  showViewPage();
  panel.lstExist.setSelected(2, false);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 1u);          // only y=1x+2 is still ticked
  panel.lstExist.setSelected(2, false);  // no change: no event
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
}

TEST_F(ListOperationsTest, NewCurveOnTheViewPageStartsNoNestedRedraw) {
  drawCurve(2, 0, "6");
  showViewPage();
  surface.clearCalls();
  drawCurve(2, 0, "3");
  // The draw command ticks its own new line: the curve just drawn stays on screen.
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  EXPECT_EQ(curvesDrawn(), 1u);
  EXPECT_EQ(listBytes().size(), 250u);
}

TEST_F(ListOperationsTest, AutomaticRedrawBoxRedrawsEitherWay) {
  drawCurve(2, 0, "6");
  surface.clearCalls();
  panel.chkAutoRedraw.click();
  panel.chkAutoRedraw.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), 2u);
  EXPECT_EQ(curvesDrawn(), 2u);
}

TEST_F(ListOperationsTest, AnEntryThatFailsAtARedrawLeavesTheNextDrawANewCurve) {
  // A record that leaves a bracket open (as a list written by a program that cut long
  // expressions may hold), ticked by the user after it was refused on opening, while
  // the box shows what the user typed.
  const std::string expression = "(x+x)";
  panel.txtExpression.setText(expression);
  FuncRecord open;
  open.family = kCustomFamily;
  open.para1 = "(x+x";
  open.zeroPara23 = true;
  open.color = 0xFF;
  open.rangeX1 = kOpenLow;
  open.rangeX2 = kOpenHigh;
  open.rangeY1 = kOpenLow;
  open.rangeY2 = kOpenHigh;
  const std::filesystem::path file = folder / "open.qvx";
  {
    ListFile out(file);
    ASSERT_TRUE(out.write(1, open) && out.flush());
  }
  ASSERT_TRUE(program.main.openListFile(file));
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "括号错误"}}));
  EXPECT_EQ(ticks(), std::vector<bool>{false});
  panel.lstExist.setSelected(0, true);
  surface.clearCalls();
  panel.cmdRedraw_Click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "括号错误"}, {"错误", "括号错误"}}));
  EXPECT_EQ(panel.txtExpression.Text(), expression);  // as the user left it
  EXPECT_EQ(count(SurfaceCallKind::PSet), 0u);        // the axes alone
  // The next press of 绘制 is a new curve, not a replay of record 1.
  panel.txtExpression.setText("x");
  panel.cmdDraw_Click();
  EXPECT_EQ(lines().size(), 2u);
  EXPECT_EQ(g.funcCount, 3);
  EXPECT_EQ(listBytes().size(), 250u);
}

// An opened list file: every record gets its line, ticked when it was drawn.
class OpenedListTest : public ListOperationsTest {
 protected:
  void openFile(const std::filesystem::path& file) {
    kit.files->answers.push_back(file.string());
    program.main.clickToolbarButton(3);
  }
  static FuncRecord entry(std::int16_t family, const std::string& p1, const std::string& p2 = "0",
                          const std::string& p3 = "0") {
    FuncRecord r;
    r.family = family;
    r.para1 = p1;
    r.para2 = p2;
    r.para3 = p3;
    r.color = 0x00FFFF;
    r.rangeX1 = " -∞";
    r.rangeX2 = " +∞";
    r.rangeY1 = " -∞";
    r.rangeY2 = " +∞";
    return r;
  }
  std::filesystem::path writeList(const std::vector<FuncRecord>& records) {
    const std::filesystem::path file = folder / "saved.QVX";
    ListFile out(file);
    for (std::size_t i = 0; i < records.size(); ++i) {
      out.write(static_cast<std::int32_t>(i + 1), records[i]);
    }
    return file;
  }
};

TEST_F(OpenedListTest, OpenedFileIsRebuiltWithEveryEntryTicked) {
  const auto file = writeList({entry(2, "6"), entry(0, "1", "2"), entry(11, "1.5")});
  showViewPage();  // ticks during the load must not start redraws
  surface.clearCalls();
  openFile(file);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=1x+2", "y^2=3x"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(g.funcCount, 4);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 3u);
  EXPECT_EQ(listBytes(), readBytes(file));
}

TEST_F(OpenedListTest, BadRecordIsListedUntickedAndSkippedLater) {
  const auto file = writeList({entry(2, "6"), entry(2, "0"), entry(5, "abc"), entry(3, "2")});
  openFile(file);
  // The failing records are said once, together, each with its reason.
  EXPECT_EQ(messages(),
            (std::vector<Message>{{"错误",
                                   "列表中有 2 条函数未通过检查，没有画出（已取消勾选）："
                                   "\n第 2 条：ｋ≠０\n第 3 条：数据错误"}}));
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=0/x", "abc", "y=2^x"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false, true}));
  EXPECT_EQ(g.funcCount, 5);
  messages().clear();
  surface.clearCalls();
  showViewPage();
  panel.lstExist.setSelected(0, false);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(curvesDrawn(), 1u);
}

TEST_F(OpenedListTest, EmptyFileGivesAnEmptyList) {
  const std::filesystem::path file = folder / "empty.QVX";
  writeBytes(file, {});
  drawCurve(2, 0, "6");
  openFile(file);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(g.funcCount, 1);
  drawCurve(2, 0, "3");
  EXPECT_EQ(listBytes().size(), 122u);
}

TEST_F(OpenedListTest, PendingZoomStillListsEveryRecord) {
  // A zoom armed while nothing was replayed is applied by the first replayed record.
  drawCurve(2, 0, "6");
  panel.lstExist.setSelected(0, false);
  panel.picZoomIn_Click();
  ASSERT_TRUE(g.zoomPending);
  const auto file = writeList({entry(2, "6"), entry(2, "3")});
  openFile(file);
  // The toolbar suspends zoomMode while its command runs: the pending zoom is taken
  // up by the first record without scaling.
  EXPECT_FALSE(g.zoomPending);
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(g.zoomMode, 1);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=3/x"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
  EXPECT_EQ(g.funcCount, 3);
}

// However many records of an opened list fail their checks, the window says so once,
// with the count and the first few; every one keeps its line, unticked.
TEST_F(ShellTest, ThousandsOfRefusedRecordsGiveOneMessage) {
  FuncRecord zeroK;
  zeroK.family = 2;  // k/x with k = 0: refused by the family's rule
  zeroK.para1 = "0";
  zeroK.para2 = "0";
  zeroK.para3 = "0";
  zeroK.color = 255;
  zeroK.rangeX1 = kOpenLow;
  zeroK.rangeX2 = kOpenHigh;
  zeroK.rangeY1 = kOpenLow;
  zeroK.rangeY2 = kOpenHigh;
  const RecordBytes one = encodeRecord(zeroK);
  std::vector<unsigned char> list;
  for (int n = 0; n < kMaxListRecords; ++n) {
    if (n > 0) list.resize(list.size() + kSlotSize - kRecordSize, 0);
    list.insert(list.end(), one.begin(), one.end());
  }
  writeBytes(folder / "one.qvx", {one.begin(), one.end()});
  writeBytes(folder / "all.qvx", list);

  // One refused record: its own message, as ever.
  ASSERT_TRUE(program.main.openListFile(folder / "one.qvx"));
  ASSERT_EQ(messages().size(), 1u);
  const Message single = messages()[0];
  EXPECT_EQ(single.first, kTitleParameterError);

  ASSERT_TRUE(program.main.openListFile(folder / "all.qvx"));
  ASSERT_EQ(messages().size(), 2u);
  std::string prompt = "列表中有 32767 条函数未通过检查，没有画出（已取消勾选）：";
  for (int n = 1; n <= 5; ++n) prompt += "\n第 " + std::to_string(n) + " 条：" + single.second;
  prompt += "\n……";
  EXPECT_EQ(messages()[1], Message("错误", prompt));
  EXPECT_EQ(panel.lstExist.ListCount(), kMaxListRecords);
  const std::vector<bool> ticked = ticks();
  EXPECT_EQ(std::count(ticked.begin(), ticked.end(), true), 0);
  EXPECT_EQ(panel.refusedRecords().size(), static_cast<std::size_t>(kMaxListRecords));
  EXPECT_EQ(panel.refusedRecords().back().record, kMaxListRecords);
  EXPECT_EQ(g.funcCount, kMaxListRecords + 1);
}

}  // namespace
}  // namespace quorvel::test
