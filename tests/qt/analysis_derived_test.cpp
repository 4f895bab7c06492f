// The analysis window's derived curves through the real widgets: each button adds its
// curve to the list as an entry of its own (one undo step each), drawn on the screen's
// picture, the integral and area shown beside the area's boxes.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt_fixture.h"

namespace quorvel::test {
namespace {

class AnalysisDerivedQt : public DesktopTest {
 protected:
  AnalysisDerivedQt() {
    // y = x² − 1, chosen in the analysis window.
    panel.cboFuncName.setListIndex(1);
    panel.txtParameter[1].setText("1");
    panel.txtParameter[2].setText("0");
    panel.txtParameter[3].setText("-1");
    panel.cmdDraw.click();
    clickToolbar(toolbarPosition(ToolbarCommand::Analysis));
  }
  template <class W>
  W* widget(const char* name) const {
    return qobject_cast<W*>(desktop->analysisWindow->controlWidget(QString::fromLatin1(name)));
  }
  void type(const char* box, const char* text) {
    auto* edit = widget<QLineEdit>(box);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
    settle();
  }
  void press(const char* button) {
    auto* b = widget<QPushButton>(button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
  }
  QRgb pixelAt(double x, double y) const {
    const double zoom = program.g.zoomScale;
    const PixelPoint p =
        desktop->surface.toPixels(static_cast<float>(x * zoom), static_cast<float>(y * zoom));
    return desktop->surface.image().pixel(static_cast<int>(p.column), static_cast<int>(p.row));
  }
};

struct ButtonCase {
  const char* name;
  const char* box1;  // a box to type in first, or nullptr
  const char* text1;
  const char* box2;
  const char* text2;
  const char* button;
  const char* line;        // the new entry's list line
  const char* statusText;  // 定积分 and 面积 as shown, or nullptr
};

TEST_F(AnalysisDerivedQt, EachButtonAddsItsCurveAsOneUndoStep) {
  const std::vector<ButtonCase> cases = {
      {"Tangent", "txtTangentAt", "1", nullptr, nullptr, "cmdAddTangent", "切线 x₀ = 1: y = 2x − 2",
       nullptr},
      {"Normal", "txtTangentAt", "1", nullptr, nullptr, "cmdAddNormal",
       "法线 x₀ = 1: y = −0.5x + 0.5", nullptr},
      {"Derivative", nullptr, nullptr, nullptr, nullptr, "cmdAddDerivative",
       "y = f′(x), f(x) = x² − 1", nullptr},
      {"Second", nullptr, nullptr, nullptr, nullptr, "cmdAddSecond", "y = f″(x), f(x) = x² − 1",
       nullptr},
      {"Area", "txtAreaFrom", "-1", "txtAreaTo", "1", "cmdAddArea", "面积 [−1, 1] = 1.33333",
       "定积分 = −1.33333，面积 = 1.33333"},
  };
  std::size_t size = panel.document().size();
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.box1 != nullptr) type(c.box1, c.text1);
    if (c.box2 != nullptr) type(c.box2, c.text2);
    press(c.button);
    ASSERT_EQ(panel.document().size(), size + 1);
    EXPECT_EQ(panel.document().at(size).printed, c.line);
    EXPECT_TRUE(panel.lstExist.Selected(static_cast<int>(size)));
    if (c.statusText != nullptr) {
      EXPECT_EQ(program.analysis.lblAreaResult.Caption(), c.statusText);
    }
    // One step back removes it, and only it.
    panel.undo();
    settle();
    EXPECT_EQ(panel.document().size(), size);
    panel.redo();
    settle();
    size = panel.document().size();
  }
}

TEST_F(AnalysisDerivedQt, TheAreaIsShadedAndTheTangentDrawnOnThePicture) {
  const QRgb white = qRgb(255, 255, 255);
  // Inside the area between y = x² − 1 and the axis, away from both: white before.
  EXPECT_EQ(pixelAt(0.3, -0.45), white);
  type("txtAreaFrom", "-1");
  type("txtAreaTo", "1");
  press("cmdAddArea");
  const QRgb shaded = pixelAt(0.3, -0.45);
  EXPECT_NE(shaded, white);
  // Translucent: lighter than the curve's own colour in every channel it lacks.
  EXPECT_GT(qRed(shaded) + qGreen(shaded) + qBlue(shaded), 255);
  // Outside [a, b] nothing is shaded.
  EXPECT_EQ(pixelAt(1.6, 0.35), white);
  // A refused point says why, and adds nothing.
  const std::size_t size = panel.document().size();
  type("txtTangentAt", "abc");
  press("cmdAddTangent");
  EXPECT_EQ(panel.document().size(), size);
  EXPECT_FALSE(program.analysis.lblTangentLine.Caption().empty());
}

TEST_F(AnalysisDerivedQt, WithACurveChosenForIntersectionsTheAreaLiesBetweenTheTwo) {
  // y = 1 beside y = x² − 1; the analysis window keeps y = x² − 1 as its curve.
  panel.cboFuncName.setListIndex(0);
  panel.cboStyle[0].setListIndex(0);
  panel.txtParameter[1].setText("0");
  panel.txtParameter[2].setText("1");
  panel.cmdDraw.click();
  settle();
  auto* other = widget<QComboBox>("cboOther");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(program.analysis.lblAreaResult.Caption(), "加入面积：这条曲线与ｘ轴之间");
  // As a choice in the combo makes it.
  program.analysis.cboOther.setListIndex(2);
  settle();
  EXPECT_EQ(other->currentIndex(), 2);
  EXPECT_EQ(program.analysis.lblAreaResult.Caption(), "加入面积：这条曲线与交点曲线之间");
  const QRgb white = qRgb(255, 255, 255);
  EXPECT_EQ(pixelAt(0.3, 0.5), white);
  type("txtAreaFrom", "-1");
  type("txtAreaTo", "1");
  press("cmdAddArea");
  ASSERT_EQ(panel.document().size(), 3u);
  EXPECT_EQ(panel.document().at(2).printed, "面积 [−1, 1]: y = x² − 1 与 y = 1 之间 = 3.33333");
  EXPECT_EQ(program.analysis.lblAreaResult.Caption(), "定积分 = −3.33333，面积 = 3.33333");
  // Shaded between the curves, above the axis as well as below it; not beyond either.
  EXPECT_NE(pixelAt(0.3, 0.5), white);
  EXPECT_NE(pixelAt(-0.3, -0.5), white);
  EXPECT_EQ(pixelAt(0.3, 1.5), white);
  EXPECT_EQ(pixelAt(0.6, -0.8), white);
  // Back to （无）: the next area is under the curve again.
  program.analysis.cboOther.setListIndex(0);
  settle();
  EXPECT_EQ(program.analysis.lblAreaResult.Caption(), "加入面积：这条曲线与ｘ轴之间");
}

}  // namespace
}  // namespace quorvel::test
