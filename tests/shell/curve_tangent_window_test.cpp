// The analysis window's tangent of curves that are no function of x: the box takes t₀
// or θ₀ of a parametric or polar curve and a point of an equation or a conic, the line
// is drawn across the picture, and 取追踪点 takes the point picked with the trace.
#include <cmath>
#include <string>
#include <vector>

#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

class CurveTangentWindowTest : public ShellTest {
 protected:
  CurveTangentWindowTest() {
    drawCurve(1, 0, "1", "0", "0");  // 1: y = x²
    draw(kParametricFamily, "3cos t", "3sin t");
    draw(kParametricFamily + 1, "1+cos θ");
    draw(kEquationFamily, "x^2+y^2=25");
    draw(kEquationFamily, "x^2=y^2");
    panel.lstExist.setListIndex(0);
    program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::Analysis));
  }
  void draw(int item, const std::string& first, const std::string& second = "") {
    if (panel.cboFuncName.ListIndex() == item) {
      panel.cboFuncName_Click();
    } else {
      panel.cboFuncName.setListIndex(item);
    }
    panel.txtParameter[1].setText(first);
    if (!second.empty()) panel.txtParameter[2].setText(second);
    panel.cmdDraw.click();
  }
  // Whether the last picture has a line from edge to edge of the view along
  // y = slope·x + intercept (or x = at when vertical), in curve units.
  bool drewAcross(bool vertical, double slope, double intercept) const {
    const std::vector<SurfaceCall>& calls = surface.calls();
    std::size_t from = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].kind == SurfaceCallKind::Cls) from = i;
    }
    const double zoom = g.zoomScale;
    const auto near = [](double a, double b) {
      return std::fabs(a - b) <= 1e-3 * (1 + std::fabs(b));
    };
    for (std::size_t i = from; i < calls.size(); ++i) {
      const SurfaceCall& c = calls[i];
      if (c.kind != SurfaceCallKind::Line) continue;
      const double x1 = c.args[0] / zoom, y1 = c.args[1] / zoom;
      const double x2 = c.args[2] / zoom, y2 = c.args[3] / zoom;
      if (vertical) {
        if (near(x1, intercept) && near(x2, intercept) && near(y1, g.viewBottom / zoom) &&
            near(y2, g.viewTop / zoom)) {
          return true;
        }
      } else if (near(x1, g.viewLeft / zoom) && near(x2, g.viewRight / zoom) &&
                 near(y1, slope * x1 + intercept) && near(y2, slope * x2 + intercept)) {
        return true;
      }
    }
    return false;
  }
  frmAnalysis& analysis = program.analysis;
};

TEST_F(CurveTangentWindowTest, TheBoxTakesEachKindsPointAndTheLineIsDrawn) {
  const struct {
    int line;
    const char* typed;
    const char* place;
    const char* caption;
    bool vertical;
    double slope, intercept;
  } cases[] = {
      {1, "0", "ｔ₀＝", "切线：x = 3，切点(3, 0)", true, 0, 3},
      {1, "1.5707963267948966", "ｔ₀＝", "切线：y = 3，切点(0, 3)", false, 0, 3},
      {2, "1.5707963267948966", "θ₀＝", "切线：y = x + 1，切点(0, 1)", false, 1, 1},
      {3, "3, 4", "切点＝", "切线：y = −0.75x + 6.25，切点(3, 4)", false, -0.75, 6.25},
      {0, "1", "ｘ₀＝", "切线：y = 2x − 1", false, 2, -1},
  };
  for (const auto& c : cases) {
    analysis.cboCurve.setListIndex(c.line);
    analysis.txtTangentAt.setText(c.typed);
    EXPECT_EQ(analysis.lblTangentAt.Caption(), c.place) << c.typed;
    EXPECT_EQ(analysis.lblTangentLine.Caption(), c.caption) << c.typed;
    EXPECT_TRUE(analysis.tangent().has_value()) << c.typed;
    EXPECT_TRUE(drewAcross(c.vertical, c.slope, c.intercept)) << c.caption;
    analysis.txtTangentAt.setText("");
    EXPECT_FALSE(drewAcross(c.vertical, c.slope, c.intercept)) << c.caption;
  }
}

TEST_F(CurveTangentWindowTest, RefusalsSayWhyAndDrawNothing) {
  const struct {
    int line;
    const char* typed;
    const char* caption;
  } cases[] = {
      // The core's reasons (tested with it) reach the caption; the box's own text errors.
      {4, "0, 0", "该点是曲线的奇点（梯度为零），切线不确定"},
      {3, "3", "切点要写成“ｘ, ｙ”，如 3, 4"},
      {1, "t", "ｔ₀：数据错误"},
  };
  for (const auto& c : cases) {
    analysis.cboCurve.setListIndex(c.line);
    analysis.txtTangentAt.setText(c.typed);
    EXPECT_EQ(analysis.lblTangentLine.Caption(), c.caption) << c.typed;
    EXPECT_FALSE(analysis.tangent().has_value()) << c.typed;
  }
}

TEST_F(CurveTangentWindowTest, TheTracedPointIsPutInTheBox) {
  frmQuorvel& main = program.main;
  const auto perUnit = static_cast<float>(g.zoomScale);
  // Nothing traced yet.
  analysis.cboCurve.setListIndex(3);
  analysis.cmdTangentAtTrace.click();
  EXPECT_EQ(analysis.lblTangentLine.Caption(), "先勾选“跟踪”，在图上点选曲线上要作切线的点");
  analysis.chkTrace.setValue(1);
  const struct {
    int line;
    float x, y;           // where the picture is clicked, in curve units
    PlanePoint expected;  // the point of contact
    double slope, intercept;
  } cases[] = {
      // On the ray to (4, 3), which lies on the circle of radius 5.
      {3, 4.02f, 3.015f, {4, 3}, -4.0 / 3, 25.0 / 3},
      {0, 1, 1.02f, {1, 1}, 2, -1},
      {1, 0, 3.02f, {0, 3}, 0, 3},
  };
  for (const auto& c : cases) {
    analysis.cboCurve.setListIndex(c.line);
    main.picPic_MouseMove(0, 0, c.x * perUnit, c.y * perUnit);
    main.picPic_MouseUp(1, 0, c.x * perUnit, c.y * perUnit);
    // On its way to the button the pointer crosses the picture: the click's point stays.
    main.picPic_MouseMove(0, 0, -2 * perUnit, -2.5f * perUnit);
    main.picPic_MouseLeave();
    analysis.cmdTangentAtTrace.click();
    // The picked point is as exact as the picture: the line is compared to a thousandth.
    ASSERT_TRUE(analysis.tangent().has_value())
        << c.line << ": " << analysis.lblTangentLine.Caption();
    EXPECT_FALSE(analysis.txtTangentAt.Text().empty());
    const StraightLine& line = analysis.tangent()->tangent;
    EXPECT_FALSE(line.vertical) << c.line;
    EXPECT_NEAR(line.slope, c.slope, 1e-3) << c.line;
    EXPECT_NEAR(line.intercept, c.intercept, 1e-3) << c.line;
    EXPECT_NEAR(analysis.tangent()->point.x, c.expected.x, 1e-3) << c.line;
    EXPECT_NEAR(analysis.tangent()->point.y, c.expected.y, 1e-3) << c.line;
    EXPECT_EQ(analysis.lblTangentLine.Caption().rfind("切线：", 0), 0u);
    EXPECT_TRUE(drewAcross(false, line.slope, line.intercept)) << c.line;
  }
}

}  // namespace
}  // namespace quorvel::test
