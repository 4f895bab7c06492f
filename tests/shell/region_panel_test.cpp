// 不等式区域 drawn from the 绘制 page: its boxes in place of the page's own, the
// textbook's feasible region shaded with its corners where the lines meet, refusals
// with the box to mend focused, and a line brought back for 替换, recoloured and undone.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "document/point_list_entry.h"
#include "document/region_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr const char* kFeasible = "x + y ≤ 4\nx ≥ 0\ny ≥ 0\nx − y ≤ 2";

class RegionPanelTest : public ShellTest {
 protected:
  void choose(int item) {
    if (panel.cboFuncName.ListIndex() == item) {
      panel.cboFuncName_Click();
    } else {
      panel.cboFuncName.setListIndex(item);
    }
  }
  void drawRegion(const std::string& inequalities, const std::string& objective = "") {
    choose(kRegionFamily);
    panel.region.txtInequalities.setText(inequalities);
    panel.region.txtObjective.setText(objective);
    panel.cmdDraw.click();
  }
  // The corners of the polygons shaded in `colour`, in curve units to a thousandth.
  std::vector<std::vector<PlanePoint>> shadedIn(std::int32_t colour) const {
    std::vector<std::vector<PlanePoint>> polygons;
    std::int32_t current = -1;
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == SurfaceCallKind::ForeColor) current = c.value;
      if (c.kind != SurfaceCallKind::FillPolygon || current != colour) continue;
      std::vector<PlanePoint> corners;
      for (std::size_t i = 0; i + 1 < c.points.size(); i += 2) {
        corners.push_back({std::round(c.points[i] / g.zoomScale * 1000) / 1000,
                           std::round(c.points[i + 1] / g.zoomScale * 1000) / 1000});
      }
      polygons.push_back(std::move(corners));
    }
    return polygons;
  }
};

TEST_F(RegionPanelTest, TheItemComesAfterThePointsAndItsBoxesTakeThePlaceOfTheOthers) {
  EXPECT_EQ(panel.cboFuncName.List().at(kRegionFamily), "不等式区域");
  EXPECT_EQ(kRegionFamily, kPointsFamily + 1);
  for (const int item : {kRegionFamily, 0, kRegionFamily, kPointsFamily, kRegionFamily, 13}) {
    choose(item);
    SCOPED_TRACE(item);
    const bool region = item == kRegionFamily;
    EXPECT_EQ(panel.region.txtInequalities.Visible(), region);
    EXPECT_EQ(panel.region.txtObjective.Visible(), region);
    EXPECT_EQ(panel.txtParameter[1].Visible(), !region && item != kPointsFamily);
    EXPECT_EQ(panel.cboRangeX1.Visible(), !region && item != kPointsFamily);
    EXPECT_EQ(panel.marked.txtPoints.Visible(), item == kPointsFamily);
  }
  const TextBox& objective = panel.region.txtObjective;
  EXPECT_LE(objective.Top() + objective.Height(), panel.cmdReplace.Top());
  EXPECT_LE(panel.region.txtInequalities.Top() + panel.region.txtInequalities.Height(),
            objective.Top());
}

TEST_F(RegionPanelTest, TheFeasibleRegionIsShadedBetweenItsCorners) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawRegion(kFeasible, "z = 2x + y");
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(panel.document().at(0).printed, "x + y ≤ 4, x ≥ 0, y ≥ 0, x − y ≤ 2；z = 2x + y");
  const std::vector<std::vector<PlanePoint>> shaded = shadedIn(0x0000FF);
  ASSERT_EQ(shaded.size(), 1u);
  std::vector<PlanePoint> corners = shaded.front();
  const auto byPlace = [](const PlanePoint& a, const PlanePoint& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  };
  std::sort(corners.begin(), corners.end(), byPlace);
  const std::vector<PlanePoint> expected = {{0, 0}, {0, 4}, {2, 0}, {3, 1}};
  EXPECT_EQ(corners, expected);
}

TEST_F(RegionPanelTest, ALineComesBackForReplaceAndIsRecolouredAndUndone) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawRegion("x² + y² ≤ 4；y > 0");
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_FALSE(shadedIn(0x0000FF).empty());
  choose(3);
  panel.lstExist_DblClick(0);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kRegionFamily);
  EXPECT_TRUE(panel.cmdReplace.Visible());
  EXPECT_EQ(panel.region.txtInequalities.Text(), "x^2 + y^2<=4\ny>0");
  panel.region.txtInequalities.setText("x² + y² ≤ 9");
  panel.cmdReplace.click();
  ASSERT_EQ(lines().size(), 1u);
  const auto region = [this] { return std::get<RegionCurve>(panel.document().at(0).content); };
  EXPECT_EQ(region().text, "x^2 + y^2<=9");

  kit.colors->answers.push_back(0x00FF00);
  panel.recolourLine(0);
  EXPECT_EQ(region().colour, 0x00FF00);
  EXPECT_FALSE(shadedIn(0x00FF00).empty());
  panel.undo();
  EXPECT_EQ(region().colour, 0x0000FF);
  panel.undo();
  EXPECT_EQ(region().text, "x^2 + y^2<=4; y>0");
}

}  // namespace
}  // namespace quorvel::test
