// The analysis window's behaviour without a toolkit: the toolbar's 分析, the key
// points of the view, the marks as part of every picture, the trace and the table of
// values.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class AnalysisWindowTest : public ShellTest {
 protected:
  AnalysisWindowTest() {
    drawCurve(1, 0, "1", "-2", "-3");  // y = x² − 2x − 3
    drawCurve(0, 0, "1", "1");         // y = x + 1
    panel.lstExist.setListIndex(0);
    program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::Analysis));
  }
  // The marks drawn on `calls`: the dots at their view units and their labels.
  static std::vector<SurfaceCall> marks(const std::vector<SurfaceCall>& calls) {
    std::vector<SurfaceCall> out;
    bool marking = false;
    for (const SurfaceCall& c : calls) {
      if (c.kind == SurfaceCallKind::DrawWidth) marking = c.value == 7;
      if (marking && (c.kind == SurfaceCallKind::PSet || c.kind == SurfaceCallKind::Print)) {
        out.push_back(c);
      }
    }
    return out;
  }
  frmAnalysis& analysis = program.analysis;
};

TEST_F(AnalysisWindowTest, KeyPointsOfTheCurveInView) {
  EXPECT_TRUE(analysis.Visible());
  EXPECT_EQ(analysis.cboCurve.ListIndex(), 0);
  // The curves as a textbook prints them.
  EXPECT_EQ(analysis.cboOther.List(),
            (std::vector<std::string>{"（无）", "y = x² − 2x − 3", "y = x + 1"}));
  EXPECT_EQ(analysis.grdPoints.Captions(), (std::vector<std::string>{"类型", "x", "y"}));
  EXPECT_EQ(analysis.grdPoints.Rows(), (Rows{{"零点", "-1.0000", "0.0000"},
                                             {"与ｙ轴交点", "0.0000", "-3.0000"},
                                             {"极小值", "1.0000", "-4.0000"},
                                             {"零点", "3.0000", "0.0000"}}));
  analysis.cboOther.setListIndex(2);
  analysis.txtValue.setText("5");
  EXPECT_EQ(analysis.grdPoints.Rows().size(), 8u);
  EXPECT_NE(std::find(analysis.grdPoints.Rows().begin(), analysis.grdPoints.Rows().end(),
                      std::vector<std::string>{"交点", "4.0000", "5.0000"}),
            analysis.grdPoints.Rows().end());
  EXPECT_NE(std::find(analysis.grdPoints.Rows().begin(), analysis.grdPoints.Rows().end(),
                      std::vector<std::string>{"ｙ＝ｃ", "-2.0000", "5.0000"}),
            analysis.grdPoints.Rows().end());
  // Zoomed in to [−1.875, 1.875] both ways, only the points at (−1, 0) stay in view.
  program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::ZoomIn));
  program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::ZoomIn));
  EXPECT_EQ(analysis.grdPoints.Rows(),
            (Rows{{"零点", "-1.0000", "0.0000"}, {"交点", "-1.0000", "0.0000"}}));
}

TEST_F(AnalysisWindowTest, MarksArePartOfEveryPictureAndNeverOfTheList) {
  const std::vector<unsigned char> list = listBytes();
  surface.clearCalls();
  analysis.chkMarks.setValue(1);
  const std::vector<SurfaceCall> drawn = marks(surface.calls());
  ASSERT_EQ(drawn.size(), 8u);  // four dots with their labels
  EXPECT_EQ(drawn[4], SurfaceCall::pset(500, -2000));
  EXPECT_EQ(drawn[5].text, "(1,-4)");
  EXPECT_EQ(listBytes(), list);

  kit.files->answers.push_back((folder / "with marks.png").string());
  kit.files->filters.push_back(1);
  program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::Export));
  ASSERT_EQ(kit.pictures->pictures.size(), 1u);
  EXPECT_EQ(marks(kit.pictures->pictures[0].calls), drawn);

  // An unticked curve is not marked, and unticking the box takes the marks away.
  panel.lstExist.setSelected(0, false);
  surface.clearCalls();
  panel.cmdRedraw_Click();
  EXPECT_TRUE(marks(surface.calls()).empty());
  panel.lstExist.setSelected(0, true);
  analysis.chkMarks.setValue(0);
  EXPECT_TRUE(marks(surface.calls()).empty());
  EXPECT_GT(surface.count(SurfaceCallKind::Cls), 0u);
}

TEST_F(AnalysisWindowTest, TraceShowsTheCurvePointAndSnapsToKeyPoints) {
  frmQuorvel& main = program.main;
  main.picPic_MouseMove(0, 0, 1000, 0);
  EXPECT_EQ(main.lblCoordinate.Caption(), "(2,0)");  // not tracing: the pointer's own
  analysis.chkTrace.setValue(1);
  main.picPic_MouseMove(0, 0, 1000, 0);
  EXPECT_EQ(main.lblCoordinate.Caption(), "x=2\ny=-3");
  EXPECT_TRUE(analysis.marker.shown());
  EXPECT_EQ(analysis.marker.x(), 1000);
  EXPECT_EQ(analysis.marker.y(), -1500);
  EXPECT_FALSE(analysis.marker.snapped());
  // A third of a pixel from the vertex.
  main.picPic_MouseMove(0, 0, 505, 3000);
  EXPECT_EQ(main.lblCoordinate.Caption(), "x=1.0000\ny=-4.0000");
  EXPECT_EQ(analysis.lblTrace.Caption(), "极小值  x=1.0000  y=-4.0000");
  EXPECT_TRUE(analysis.marker.snapped());
  main.picPic_MouseLeave();
  EXPECT_FALSE(analysis.marker.shown());
  EXPECT_EQ(analysis.lblTrace.Caption(), "");
  // Closed, the window traces nothing.
  EXPECT_TRUE(analysis.Form_QueryUnload());
  main.picPic_MouseMove(0, 0, 1000, 0);
  EXPECT_EQ(main.lblCoordinate.Caption(), "(2,0)");
}

TEST_F(AnalysisWindowTest, TableOfValuesCopiedAndExported) {
  std::string copied;
  analysis.copyText = [&copied](const std::string& text) { copied = text; };
  analysis.txtFrom.setText("0");
  analysis.txtTo.setText("1");
  analysis.txtStep.setText("0.5");
  analysis.cmdTable.click();
  EXPECT_EQ(analysis.grdValues.Rows(),
            (Rows{{"0.0000", "-3.0000"}, {"0.5000", "-3.7500"}, {"1.0000", "-4.0000"}}));
  analysis.cmdCopyValues.click();
  EXPECT_EQ(copied, "x\ty\n0.0000\t-3.0000\n0.5000\t-3.7500\n1.0000\t-4.0000\n");
  analysis.cmdCopyPoints.click();
  EXPECT_EQ(copied.rfind("类型\tx\ty\n零点\t-1.0000\t0.0000\n", 0), 0u);

  const std::filesystem::path csv = folder / "table.csv";
  kit.files->answers.push_back(csv.string());
  analysis.cmdExportValues.click();
  EXPECT_EQ(readBytes(csv), (std::vector<unsigned char>{
                                'x', ',', 'y', '\n', '0', ',', '-',  '3', '\n', '0', '.', '5',
                                ',', '-', '3', '.',  '7', '5', '\n', '1', ',',  '-', '4', '\n'}));
  EXPECT_EQ(kit.files->shown.back().request.filter, "CSV 文件(*.CSV)|*.CSV");

  analysis.txtStep.setText("0");
  analysis.cmdTable.click();
  analysis.txtStep.setText("0.00001");
  analysis.cmdTable.click();
  EXPECT_EQ(messages(),
            (std::vector<Message>{{"错误", "步长必须大于０"},
                                  {"错误", "函数值表超过 10000 行，请加大步长或缩小范围"}}));
  EXPECT_TRUE(analysis.grdValues.Rows().empty());
}

TEST_F(AnalysisWindowTest, AParametricCurveIsTracedAndTabledInT) {
  panel.cboFuncName.setListIndex(kFamilyCount);  // 参数方程
  panel.txtParameter[1].setText("3cos t");
  panel.txtParameter[2].setText("3sin t");
  panel.cmdDraw.click();
  ASSERT_EQ(analysis.cboCurve.ListCount(), 3);
  analysis.cboCurve.setListIndex(2);
  // The table starts as the curve's range in twelfths of π; no key points.
  EXPECT_EQ(analysis.txtFrom.Text(), "0");
  EXPECT_EQ(analysis.txtTo.Text(), "2pi");
  EXPECT_EQ(analysis.txtStep.Text(), "π/12");
  EXPECT_TRUE(analysis.grdPoints.Rows().empty());
  EXPECT_NE(analysis.lblStatus.Caption().find("参数方程与极坐标方程不求关键点"), std::string::npos);
  analysis.cmdTable.click();
  EXPECT_EQ(analysis.grdValues.Captions(), (std::vector<std::string>{"t", "x", "y"}));
  ASSERT_EQ(analysis.grdValues.Rows().size(), 25u);
  EXPECT_EQ(analysis.grdValues.Rows()[6], (std::vector<std::string>{"1.5708", "0.0000", "3.0000"}));
  EXPECT_EQ(analysis.grdValues.Rows()[24][1], "3.0000");
  // The pointer at (4, 4) finds the point of the circle on the ray to it.
  analysis.chkTrace.setValue(1);
  const auto perUnit = static_cast<float>(g.zoomScale);
  program.main.picPic_MouseMove(0, 0, 4 * perUnit, 4 * perUnit);
  EXPECT_EQ(analysis.lblTrace.Caption(), "t=0.79  x=2.12  y=2.12");
  EXPECT_TRUE(analysis.marker.shown());
  EXPECT_NEAR(analysis.marker.x(), 2.1213 * perUnit, 0.01 * perUnit);
  EXPECT_TRUE(messages().empty());
}

TEST_F(AnalysisWindowTest, FollowsTheListAndSaysWhatItCannotAnalyse) {
  drawExpression("x", 1);  // Ｓｘ＝
  EXPECT_EQ(analysis.cboCurve.ListCount(), 3);
  analysis.cboCurve.setListIndex(2);
  EXPECT_EQ(analysis.lblStatus.Caption(), kMessageSumNotAnalysed);
  EXPECT_TRUE(analysis.grdPoints.Rows().empty());
  // Deleting an earlier line moves the chosen one: the choice goes with it.
  panel.lstExist.setListIndex(0);
  panel.cmdDelete_Click();
  EXPECT_EQ(analysis.cboCurve.ListCount(), 2);
  EXPECT_EQ(analysis.cboCurve.ListIndex(), -1);
  panel.cmdClear_Click();
  EXPECT_EQ(analysis.cboCurve.ListCount(), 0);
  EXPECT_EQ(analysis.cboOther.List(), std::vector<std::string>{"（无）"});
}

}  // namespace
}  // namespace quorvel::test
