// Equations drawn from the 绘制 page: the item after 极坐标方程 with its one wide box
// and no range, the curve drawn where it lies, a refusal with the place selected, a
// line brought back for 替换, a new colour, delete and undo.
#include <cmath>
#include <string>
#include <vector>

#include "document/equation_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

class EquationPanelTest : public ShellTest {
 protected:
  void choose(int item) { chooseItem(item); }
  void drawEquation(const std::string& text) {
    choose(kEquationFamily);
    panel.txtParameter[1].setText(text);
    panel.cmdDraw.click();
  }
};

TEST_F(EquationPanelTest, TheItemComesAfterThePolarCurveWithOneWideBoxAndNoRange) {
  EXPECT_EQ(panel.cboFuncName.List().at(kEquationFamily), "方程");
  const int classicWidth = panel.txtParameter[1].Width();
  choose(kEquationFamily);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "方程");
  EXPECT_GT(panel.txtParameter[1].Width(), classicWidth);
  EXPECT_FALSE(panel.txtParameter[2].Visible());
  EXPECT_FALSE(panel.txtParameter[3].Visible());
  EXPECT_FALSE(panel.cboRangeX1.Visible());
  EXPECT_FALSE(panel.cboRangeY1.Visible());
  // Back to a parametric curve, and to a family: their ranges come back.
  choose(kParametricFamily);
  EXPECT_TRUE(panel.cboRangeX1.Visible());
  EXPECT_TRUE(panel.txtParameter[2].Visible());
  choose(kEquationFamily);
  choose(0);
  EXPECT_TRUE(panel.cboRangeX1.Visible());
  EXPECT_TRUE(panel.cboRangeY1.Visible());
  EXPECT_EQ(panel.txtParameter[1].Width(), classicWidth);
}

TEST_F(EquationPanelTest, AnEllipseIsDrawnOnTheCanvasAndListedInTextbookForm) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawEquation("x²/4 + y² = 1");
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "x^2/4 + y^2=1");
  EXPECT_EQ(panel.document().at(0).printed, "x²/4 + y² = 1");
  const std::vector<PlanePoint> points = lineEndsDrawnIn(0x0000FF);
  ASSERT_GT(points.size(), 100u);
  // Within a pixel (15 view units) of the ellipse, all the way round.
  const double pixel = 15.0 / g.zoomScale;
  int quadrants[4] = {0, 0, 0, 0};
  for (const PlanePoint& p : points) {
    const double f = p.x * p.x / 4 + p.y * p.y - 1;
    const double gradient = std::hypot(p.x / 2, 2 * p.y);
    EXPECT_LE(std::fabs(f) / gradient, pixel);
    ++quadrants[(p.x < 0 ? 1 : 0) + (p.y < 0 ? 2 : 0)];
  }
  for (const int n : quadrants) EXPECT_GT(n, 10);
}

TEST_F(EquationPanelTest, ARefusalNamesThePlaceAndSelectsIt) {
  drawEquation("x^2+q=y");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0], Message("错误", "字符未定义"));
  EXPECT_EQ(kit.messages->details, std::vector<std::string>{"方程第 5 个字符：“q”"});
  EXPECT_EQ(panel.txtParameter[1].SelStart(), 4);
  EXPECT_TRUE(lines().empty());
  drawEquation("x^2+y^2=-1");
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1], Message("错误", "方程在坐标平面上处处不成立，画不出曲线"));
  EXPECT_TRUE(lines().empty());
}

TEST_F(EquationPanelTest, ALineComesBackForReplaceAndIsRecolouredDeletedAndUndone) {
  panel.chkAutoColor.setValue(0);
  g.penColor = 0x0000FF;
  drawEquation("x*y=1");
  ASSERT_EQ(lines().size(), 1u);
  choose(3);
  panel.lstExist_DblClick(0);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kEquationFamily);
  EXPECT_EQ(panel.txtParameter[1].Text(), "x*y=1");
  EXPECT_TRUE(panel.cmdReplace.Visible());
  panel.txtParameter[1].setText("x*y=4");
  panel.cmdReplace.click();
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "x*y=4");
  for (const PlanePoint& p : lineEndsDrawnIn(0x0000FF)) {
    EXPECT_GT(p.x * p.y, 0) << "nothing drawn across the axes";
  }

  kit.colors->answers.push_back(0x00FF00);
  panel.recolourLine(0);
  EXPECT_FALSE(lineEndsDrawnIn(0x00FF00).empty());
  EXPECT_EQ(std::get<EquationCurve>(panel.document().at(0).content).colour, 0x00FF00);

  panel.lstExist.setListIndex(0);
  panel.cmdDelete.click();
  EXPECT_TRUE(lines().empty());
  panel.undo();
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(std::get<EquationCurve>(panel.document().at(0).content).colour, 0x00FF00);
  panel.undo();
  EXPECT_EQ(std::get<EquationCurve>(panel.document().at(0).content).colour, 0x0000FF);
  panel.undo();
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], "x*y=1");
}

}  // namespace
}  // namespace quorvel::test
