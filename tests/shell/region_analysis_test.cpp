// The analysis window on a region drawn from the 绘制 page: a linear program shows its
// corners exactly in the key points' table, 区域无界 or 无可行解 on the status line and
// the optima of its objective; a curved boundary stays refused.
#include <string>
#include <vector>

#include "analysis/analysed_curve.h"
#include "document/region_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class RegionAnalysisTest : public ShellTest {
 protected:
  // Draws the region from the panel as the list's last line and opens the analysis
  // window on it.
  void analyse(const std::string& inequalities, const std::string& objective) {
    panel.cboFuncName.setListIndex(kRegionFamily);
    panel.region.txtInequalities.setText(inequalities);
    panel.region.txtObjective.setText(objective);
    panel.cmdDraw.click();
    ASSERT_TRUE(messages().empty());
    const int last = static_cast<int>(lines().size()) - 1;
    panel.lstExist.setListIndex(last);
    program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::Analysis));
    ASSERT_TRUE(analysis.Visible());
    analysis.cboCurve.setListIndex(last);
  }
  frmAnalysis& analysis = program.analysis;
};

TEST_F(RegionAnalysisTest, TheTextbookProgramShowsItsCornersAndItsMaximum) {
  analyse("x + y ≤ 4\nx ≥ 0\ny ≥ 0\nx − y ≤ 2", "z = 2x + y");
  EXPECT_EQ(analysis.grdPoints.Rows(),
            (Rows{{"顶点", "0", "0"}, {"顶点", "2", "0"}, {"顶点", "3", "1"}, {"顶点", "0", "4"}}));
  EXPECT_EQ(analysis.lblStatus.Caption(), "");
  EXPECT_EQ(analysis.grdMonotonic.Rows(), (Rows{{"z = 2x + y", "最大值 7，在 (3, 1) 处取得"},
                                                {"z = 2x + y", "最小值 0，在 (0, 0) 处取得"}}));
  // Another curve of the list is analysed as before.
  drawCurve(0, 0, "1", "1");  // y = x + 1
  analysis.cboCurve.setListIndex(1);
  EXPECT_EQ(analysis.grdPoints.Captions(), (std::vector<std::string>{"类型", "x", "y"}));
  EXPECT_EQ(analysis.grdPoints.Rows().front().front(), "零点");
  EXPECT_EQ(analysis.lblMonotonic.Caption(), "单调区间与极值");
}

struct Program {
  const char* inequalities;
  const char* objective;
  Rows corners;
  const char* status;
  Rows optima;
};

TEST_F(RegionAnalysisTest, ProgramsOfEveryShape) {
  const Program programs[] = {
      // Bounded, with a corner in fractions.
      {"x + 2y ≤ 4; 2x + y ≤ 4; x ≥ 0; y ≥ 0",
       "x + y",
       {{"顶点", "0", "0"}, {"顶点", "2", "0"}, {"顶点", "4/3", "4/3"}, {"顶点", "0", "2"}},
       "",
       {{"z = x + y", "最大值 8/3，在 (4/3, 4/3) 处取得"},
        {"z = x + y", "最小值 0，在 (0, 0) 处取得"}}},
      // Unbounded: no maximum.
      {"x ≥ 0; y ≥ 0; x + y ≥ 2",
       "x + 2y",
       {{"顶点", "0", "2"}, {"顶点", "2", "0"}},
       "区域无界",
       {{"z = x + 2y", "无最大值（无界）"}, {"z = x + 2y", "最小值 2，在 (2, 0) 处取得"}}},
      // Empty.
      {"x + y ≤ 1; x ≥ 2; y ≥ 0", "x + y", {}, "无可行解", {}},
  };
  for (const Program& p : programs) {
    SCOPED_TRACE(p.inequalities);
    analyse(p.inequalities, p.objective);
    EXPECT_EQ(analysis.grdPoints.Rows(), p.corners);
    EXPECT_EQ(analysis.lblStatus.Caption(), p.status);
    EXPECT_EQ(analysis.grdMonotonic.Rows(), p.optima);
  }
}

TEST_F(RegionAnalysisTest, ACurvedBoundaryStaysRefused) {
  analyse("x² + y² ≤ 4; y ≥ 0", "");
  EXPECT_EQ(analysis.lblStatus.Caption(), kMessageRegionNotAnalysed);
  EXPECT_TRUE(analysis.grdPoints.Rows().empty());
}

}  // namespace
}  // namespace quorvel::test
