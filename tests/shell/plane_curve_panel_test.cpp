// Parametric and polar curves drawn from the 绘制 page: the boxes they show, the curve
// drawn on the canvas where it lies, refusals with the box selected, a line brought
// back for 替换, a new colour and undo, and the page's own layout back afterwards.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "document/parametric_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr int kParametricItem = kFamilyCount;
constexpr int kPolarItem = kFamilyCount + 1;

class PlaneCurvePanelTest : public ShellTest {
 protected:
  void choose(int item) { chooseItem(item); }
  void drawParametric(const std::string& x, const std::string& y) {
    choose(kParametricItem);
    panel.txtParameter[1].setText(x);
    panel.txtParameter[2].setText(y);
    panel.cmdDraw.click();
  }
  void drawPolar(const std::string& rho) {
    choose(kPolarItem);
    panel.txtParameter[1].setText(rho);
    panel.cmdDraw.click();
  }
  // The distances from the origin, in curve units, of the ends of the lines drawn
  // in `colour`.
  std::vector<double> radiiDrawnIn(std::int32_t colour) const {
    std::vector<double> radii;
    for (const PlanePoint& p : lineEndsDrawnIn(colour)) radii.push_back(std::hypot(p.x, p.y));
    return radii;
  }
};

TEST_F(PlaneCurvePanelTest, TheFamiliesComeAfterTheFourteenWithTheirBoxes) {
  EXPECT_EQ(panel.cboFuncName.List().at(kParametricItem), "参数方程");
  EXPECT_EQ(panel.cboFuncName.List().at(kPolarItem), "极坐标方程");
  const int classicWidth = panel.txtParameter[1].Width();
  choose(kParametricItem);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ｘ＝");
  EXPECT_EQ(panel.lblParameter[2].Caption(), "ｙ＝");
  EXPECT_GT(panel.txtParameter[1].Width(), classicWidth);
  EXPECT_FALSE(panel.txtParameter[3].Visible());
  EXPECT_FALSE(panel.cboRangeY1.Visible());
  EXPECT_EQ(panel.lblRangeX.Caption(), "ｔ 的范围：");
  EXPECT_EQ(panel.cboRangeX1.Text(), "0");
  EXPECT_EQ(panel.cboRangeX2.Text(), "2π");
  choose(kPolarItem);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ρ ＝");
  EXPECT_FALSE(panel.txtParameter[2].Visible());
  EXPECT_EQ(panel.lblRangeX.Caption(), "θ 的范围：");
  // A family of the fourteen gets the page as it was designed, without ρ(θ)'s text.
  panel.txtParameter[1].setText("1+cos θ");
  choose(0);
  EXPECT_EQ(panel.txtParameter[1].Text(), "");
  EXPECT_EQ(panel.txtParameter[1].Width(), classicWidth);
  EXPECT_TRUE(panel.txtParameter[2].Visible());
  EXPECT_TRUE(panel.cboRangeY1.Visible());
  EXPECT_EQ(panel.lblRangeX.Caption(), "Ｘ轴范围：");
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ｋ ＝");
}

TEST_F(PlaneCurvePanelTest, DrawingACircleShowsItOnTheCanvasAndListsIt) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawParametric("3cos t", "3sin t");
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "x=3cos t, y=3sin t (t: 0 .. 2pi)");
  EXPECT_EQ(panel.document().at(0).printed, "x = 3cos t, y = 3sin t (0 ≤ t ≤ 2π)");
  const std::vector<double> radii = radiiDrawnIn(0x0000FF);
  ASSERT_GT(radii.size(), 100u);
  // Within a pixel (15 view units) of the circle of radius 3.
  for (const double r : radii) EXPECT_NEAR(r, 3.0, 15.0 / g.zoomScale);
  // The cardioid ρ = 1 + cos θ passes through the pole and reaches 2.
  g.penColor = 0x00FF00;
  drawPolar("1+cos θ");
  ASSERT_EQ(lines().size(), 2u);
  EXPECT_EQ(lines()[1], "ρ=1+cos θ");
  EXPECT_EQ(panel.document().at(1).printed, "ρ = 1+cos θ");
  const std::vector<double> cardioid = radiiDrawnIn(0x00FF00);
  ASSERT_FALSE(cardioid.empty());
  EXPECT_NEAR(*std::max_element(cardioid.begin(), cardioid.end()), 2.0, 0.05);
  EXPECT_NEAR(*std::min_element(cardioid.begin(), cardioid.end()), 0.0, 0.05);
}

TEST_F(PlaneCurvePanelTest, ARefusalNamesTheBoxAndSelectsThePlace) {
  drawParametric("3cos t", "3sin q");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0], Message("错误", "字符未定义"));
  EXPECT_EQ(kit.messages->details, std::vector<std::string>{"y(t)第 6 个字符：“q”"});
  EXPECT_EQ(panel.txtParameter[2].SelStart(), 5);
  EXPECT_TRUE(lines().empty());
}

TEST_F(PlaneCurvePanelTest, ALineComesBackForReplaceAndUndoTakesItBack) {
  drawPolar("2sin 3θ");
  ASSERT_EQ(lines().size(), 1u);
  choose(3);  // another family meanwhile
  panel.lstExist_DblClick(0);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kPolarItem);
  EXPECT_EQ(panel.txtParameter[1].Text(), "2sin 3θ");
  EXPECT_TRUE(panel.cmdReplace.Visible());
  panel.txtParameter[1].setText("3sin 2θ");
  panel.cmdReplace.click();
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "ρ=3sin 2θ");
  panel.undo();
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "ρ=2sin 3θ");
}

TEST_F(PlaneCurvePanelTest, ANewColourIsOneUndoStep) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawParametric("t", "t^2");
  kit.colors->answers.push_back(0x00FF00);
  panel.recolourLine(0);
  EXPECT_EQ(kit.colors->shownOn, std::vector<std::int32_t>{0x0000FF});
  EXPECT_FALSE(radiiDrawnIn(0x00FF00).empty());
  const auto* curve = std::get_if<ParametricCurve>(&panel.document().at(0).content);
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->colour, 0x00FF00);
  panel.undo();
  curve = std::get_if<ParametricCurve>(&panel.document().at(0).content);
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->colour, 0x0000FF);
}

}  // namespace
}  // namespace quorvel::test
