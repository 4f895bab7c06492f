// The main window's toolbar: its buttons, the file commands with their dialogs and
// messages, the view commands with zoomMode suspended, and the splash timer.
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

enum Position {
  kControl = 2,
  kOpen,
  kSave,
  kExport,
  kUp,
  kDown,
  kLeft,
  kRight,
  kZoomIn,
  kZoomOut,
  kPrint,
  kAnalysis,
  kLive,
  kAbout
};

class ToolbarTest : public ShellTest {
 protected:
  void click(int position) { program.main.clickToolbarButton(position); }
  void answer(const std::filesystem::path& file) { kit.files->answers.push_back(file.string()); }
};

TEST_F(ToolbarTest, ButtonsAsDesigned) {
  struct Expected {
    const char* caption;
    const char* toolTip;
    ButtonStyle style;
    int image;
  };
  const Expected expected[] = {
      {"", "", ButtonStyle::Placeholder, 0},
      {"控制", "打开／隐藏控制窗口", ButtonStyle::Check, 1},
      {"打开", "打开函数列表", ButtonStyle::Push, 2},
      {"保存", "保存函数列表", ButtonStyle::Push, 3},
      {"导出", "导出BMP图像", ButtonStyle::Push, 4},
      {"上方", "观察上方", ButtonStyle::Push, 5},
      {"下方", "观察下方", ButtonStyle::Push, 6},
      {"左方", "观察左方", ButtonStyle::Push, 7},
      {"右方", "观察右方", ButtonStyle::Push, 8},
      {"放大", "放大图像", ButtonStyle::Push, 9},
      {"缩小", "缩小图像", ButtonStyle::Push, 10},
      {"打印", "打印函数图像", ButtonStyle::Push, 11},
      {"分析", "分析曲线", ButtonStyle::Push, 12},
      {"参数", "动态参数", ButtonStyle::Push, 13},
      {"关于", "", ButtonStyle::Push, 14},
  };
  for (int position = 1; position <= Toolbar::kButtonCount; ++position) {
    const ToolbarButton& b = program.main.tbMain.button(position);
    const Expected& e = expected[position - 1];
    EXPECT_EQ(b.Caption, e.caption) << position;
    EXPECT_EQ(b.ToolTipText(), e.toolTip) << position;
    EXPECT_EQ(b.Style, e.style) << position;
    EXPECT_EQ(b.Image, e.image) << position;
    EXPECT_TRUE(b.Enabled() && b.Visible()) << position;
    EXPECT_EQ(b.Value(), position == kControl) << position;
  }
  EXPECT_EQ(program.main.tbMain.button(1).Width(), 200);
  EXPECT_EQ(program.main.tbMain.Height(), 615);
  EXPECT_FALSE(program.main.ProgressBarWorking.Visible());
  EXPECT_EQ(program.main.tmrSplash.Interval, 1000);
  EXPECT_FALSE(program.main.tmrSplash.Enabled());
}

TEST_F(ToolbarTest, ControlButtonTogglesThePanel) {
  panel.Show();
  click(kControl);
  EXPECT_FALSE(panel.Visible());
  EXPECT_FALSE(program.main.tbMain.button(kControl).Value());
  click(kControl);
  EXPECT_TRUE(panel.Visible());
  EXPECT_TRUE(program.main.tbMain.button(kControl).Value());
}

TEST_F(ToolbarTest, ClosingThePanelHidesItAndReleasesTheButton) {
  panel.Show();
  panel.txtParameter[1].setText("42");
  EXPECT_TRUE(panel.Form_QueryUnload());
  EXPECT_FALSE(panel.Visible());
  EXPECT_FALSE(program.main.tbMain.button(kControl).Value());
  click(kControl);
  EXPECT_TRUE(panel.Visible());
  EXPECT_EQ(panel.txtParameter[1].Text(), "42");
}

TEST_F(ToolbarTest, ToolbarZoomLeavesTheArmedModeAsItWas) {
  drawCurve(2, 0, "6");
  g.zoomMode = 2;  // zoom out armed for surface clicks
  click(kZoomIn);
  EXPECT_EQ(g.zoomScale, 1000);
  EXPECT_EQ(g.zoomMode, 2);
  click(kZoomOut);
  EXPECT_EQ(g.zoomScale, 500);
  EXPECT_EQ(g.zoomMode, 2);
  g.zoomMode = 0;
  click(kZoomIn);
  EXPECT_EQ(g.zoomMode, 0);
}

TEST_F(ToolbarTest, PanCommandsRunThePanelsHandlers) {
  drawCurve(2, 0, "6");
  click(kUp);
  click(kRight);
  EXPECT_EQ(g.viewTop, 4250);
  EXPECT_EQ(g.viewRight, 4250);
  click(kDown);
  click(kLeft);
  EXPECT_EQ(g.viewTop, 3750);
  EXPECT_EQ(g.viewRight, 3750);
}

TEST_F(ToolbarTest, OpenAsksWithTheListFilterAndDoesNothingWhenCancelled) {
  drawCurve(2, 0, "6");
  click(kOpen);
  ASSERT_EQ(kit.files->shown.size(), 1u);
  const auto& shown = kit.files->shown[0];
  EXPECT_FALSE(shown.save);
  EXPECT_EQ(shown.request.title, "打开图像");
  EXPECT_EQ(shown.request.filter,
            "函数列表(*.QVX;*.QVJ)|*.QVX;*.QVJ|函数图像文件(*.QVX)|*.QVX|"
            "Quorvel 列表（含新曲线）(*.QVJ)|*.QVJ");
  EXPECT_EQ(shown.request.fileName, "");
  EXPECT_EQ(lines().size(), 1u);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ToolbarTest, FailedOpenReportsAndLeavesZoomModeAtZero) {
  drawCurve(2, 0, "6");
  const std::vector<unsigned char> before = listBytes();
  g.zoomMode = 1;
  answer(folder / "missing.QVX");
  click(kOpen);
  EXPECT_EQ(
      messages(),
      (std::vector<Message>{
          {"错误", "打开列表文件错误\n“" + (folder / "missing.QVX").string() + "”：文件不存在"}}));
  EXPECT_EQ(g.zoomMode, 0);
  // The working list is untouched.
  EXPECT_EQ(listBytes(), before);
  EXPECT_EQ(lines().size(), 1u);
}

TEST_F(ToolbarTest, FileOfTheWrongLengthIsNotOpened) {
  drawCurve(2, 0, "6");
  const std::vector<unsigned char> before = listBytes();
  const std::filesystem::path odd = folder / "odd.QVX";
  writeBytes(odd, std::vector<unsigned char>(100, 0x20));
  answer(odd);
  click(kOpen);
  EXPECT_EQ(
      messages(),
      (std::vector<Message>{
          {"错误", "打开列表文件错误\n“" + odd.string() +
                       "”：长度 100"
                       " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）"}}));
  EXPECT_EQ(listBytes(), before);
}

TEST_F(ToolbarTest, SaveWithoutAGraphAsksFirstThenRefuses) {
  answer(folder / "list.QVX");
  click(kSave);
  ASSERT_EQ(kit.files->shown.size(), 1u);
  EXPECT_TRUE(kit.files->shown[0].save);
  EXPECT_EQ(kit.files->shown[0].request.title, "保存图像");
  EXPECT_EQ(kit.files->shown[0].request.filter,
            "函数图像文件(*.QVX)|*.QVX|Quorvel 列表（含新曲线）(*.QVJ)|*.QVJ");
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "没有图像，不能保存列表。"}}));
  EXPECT_FALSE(std::filesystem::exists(folder / "list.QVX"));
}

TEST_F(ToolbarTest, SaveCopiesTheWorkingListByteForByte) {
  drawCurve(2, 0, "6");
  drawExpression("x^2");
  const std::filesystem::path saved = folder / "list.QVX";
  writeBytes(saved, std::vector<unsigned char>(1000, 0x41));  // overwritten
  answer(saved);
  click(kSave);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(readBytes(saved), listBytes());
  EXPECT_EQ(readBytes(saved).size(), 250u);
}

TEST_F(ToolbarTest, SaveFailureIsReported) {
  drawCurve(2, 0, "6");
  answer(folder / "no such folder" / "list.QVX");
  click(kSave);
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "保存列表文件错误"}}));
}

TEST_F(ToolbarTest, ExportWritesThroughTheExporter) {
  drawCurve(2, 0, "6");
  click(kExport);  // cancelled
  EXPECT_TRUE(kit.pictures->pictures.empty());
  answer(folder / "picture.BMP");
  click(kExport);
  ASSERT_EQ(kit.files->shown.size(), 2u);
  EXPECT_EQ(kit.files->shown[1].request.title, "导出图像");
  EXPECT_EQ(kit.files->shown[1].request.filter, kExportFilter);
  EXPECT_EQ(kit.files->shown[1].request.defaultExtension, "BMP");
  ASSERT_EQ(kit.pictures->pictures.size(), 1u);
  EXPECT_EQ(kit.pictures->pictures[0].file, folder / "picture.BMP");
  EXPECT_EQ(kit.pictures->pictures[0].pictureSpec.format, PictureFormat::Bmp);
  kit.pictures->fail = true;
  answer(folder / "again.BMP");
  click(kExport);
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "导出图像错误\ncannot write " +
                                                           (folder / "again.BMP").string()}}));
}

struct PrintCase {
  const char* name;
  bool noPrinter;
  bool fail;
  std::vector<Message> shown;
};

class PrintCommand : public ToolbarTest, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintCommand, SaysWhyNothingWasPrintedAndChangesNothingElse) {
  drawCurve(2, 0, "6");
  g.zoomMode = 1;
  const std::vector<unsigned char> list = listBytes();
  const std::vector<std::string> listed = lines();
  const std::vector<bool> ticked = ticks();
  const std::size_t calls = surface.calls().size();
  const ViewState view = g;
  const bool onScreen = g.graphOnScreen;
  kit.printer->noPrinter = GetParam().noPrinter;
  kit.printer->fail = GetParam().fail;
  click(kPrint);
  EXPECT_EQ(kit.printer->attempts, 1);
  EXPECT_EQ(kit.printer->printed, GetParam().shown.empty() ? 1 : 0);
  EXPECT_EQ(messages(), GetParam().shown);
  // The picture, the list and the view are as they were.
  EXPECT_EQ(surface.calls().size(), calls);
  EXPECT_EQ(listBytes(), list);
  EXPECT_EQ(lines(), listed);
  EXPECT_EQ(ticks(), ticked);
  EXPECT_EQ(g.viewLeft, view.viewLeft);
  EXPECT_EQ(g.viewRight, view.viewRight);
  EXPECT_EQ(g.viewBottom, view.viewBottom);
  EXPECT_EQ(g.viewTop, view.viewTop);
  EXPECT_EQ(g.zoomScale, view.zoomScale);
  EXPECT_EQ(g.zoomMode, 1);
  EXPECT_EQ(g.graphOnScreen, onScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PrintCommand,
    ::testing::Values(PrintCase{"Printed", false, false, {}},
                      PrintCase{"NoPrinter", true, false, {{"错误", "没有可用的打印机"}}},
                      PrintCase{"Failed", false, true, {{"错误", "打印错误"}}}),
    [](const ::testing::TestParamInfo<PrintCase>& c) { return std::string(c.param.name); });

TEST_F(ToolbarTest, EveryFailedPrintIsReportedAgain) {
  kit.printer->noPrinter = true;
  click(kPrint);
  click(kPrint);
  kit.printer->noPrinter = false;
  click(kPrint);
  EXPECT_EQ(kit.printer->attempts, 3);
  EXPECT_EQ(kit.printer->printed, 1);
  EXPECT_EQ(messages(),
            (std::vector<Message>{{"错误", "没有可用的打印机"}, {"错误", "没有可用的打印机"}}));
}

TEST_F(ToolbarTest, AboutAndTheSplashTimer) {
  click(kAbout);
  EXPECT_TRUE(program.about.Visible());
  program.main.tmrSplash.setEnabled(true);
  program.main.tmrSplash.fire();
  EXPECT_FALSE(program.about.Visible());
  EXPECT_FALSE(program.main.tmrSplash.Enabled());
  // It fires once.
  click(kAbout);
  program.main.tmrSplash.fire();
  EXPECT_TRUE(program.about.Visible());
}

TEST_F(ToolbarTest, OpenReplacesTheCurrentList) {
  drawCurve(2, 0, "6");
  drawCurve(2, 0, "3");
  const std::filesystem::path saved = folder / "two.QVX";
  answer(saved);
  click(kSave);
  panel.cmdClear_Click();
  drawExpression("x");
  answer(saved);
  click(kOpen);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=3/x"}));
  EXPECT_EQ(listBytes(), readBytes(saved));
  EXPECT_EQ(g.funcCount, 3);
}

}  // namespace
}  // namespace quorvel::test
