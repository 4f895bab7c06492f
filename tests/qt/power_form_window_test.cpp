// 幂函数 and the fourth parameter box in the real panel: y = x^(1/3) typed and drawn
// shows both of its branches on the screen's picture, and box 4 is shown only for the
// forms that need it.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "catalogue/families.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

class PowerFormWindow : public DesktopTest {
 protected:
  void choose(int family, int form) {
    panel.cboFuncName.setListIndex(family);
    settle();
    panel.cboStyle[static_cast<std::size_t>(family)].setListIndex(form);
    settle();
  }
  void type(int box, const QString& text) {
    auto* edit = panelWidget<QLineEdit>("txtParameter(" + std::to_string(box) + ")");
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  // The picture's pixel of a curve point.
  QPoint pixelOf(double x, double y) const {
    const double zoom = program.g.zoomScale;
    const PixelPoint p =
        desktop->surface.toPixels(static_cast<float>(x * zoom), static_cast<float>(y * zoom));
    return {static_cast<int>(p.column), static_cast<int>(p.row)};
  }
  // Whether something other than the background is drawn within two pixels of a point.
  bool drawnNear(double x, double y) const {
    const QImage& picture = desktop->surface.image();
    const QRgb background = picture.pixel(0, 0);
    const QPoint at = pixelOf(x, y);
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const QPoint p = at + QPoint(dx, dy);
        if (picture.valid(p) && picture.pixel(p) != background) return true;
      }
    }
    return false;
  }
};

TEST_F(PowerFormWindow, TheCubeRootIsDrawnWithBothBranches) {
  choose(kPowerFamily, 0);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "α ＝");
  EXPECT_FALSE(panelWidget<QLineEdit>("txtParameter(2)")->isVisible());
  type(1, QStringLiteral("1/3"));
  QTest::mouseClick(panelWidget<QPushButton>("cmdDraw"), Qt::LeftButton);
  settle();
  EXPECT_TRUE(kit.messages->shown.empty());
  ASSERT_EQ(panel.lstExist.ListCount(), 1);
  EXPECT_EQ(panel.lstExist.Shown(0), "y = x^(1/3)");
  // The box keeps the fraction.
  EXPECT_EQ(panelWidget<QLineEdit>("txtParameter(1)")->text(), QStringLiteral("1/3"));
  for (const double x : {-3.0, -1.5, 1.5, 3.0}) {
    EXPECT_TRUE(drawnNear(x, std::cbrt(x))) << x;
    // Nothing where the mirrored branch of x^(1/2)-like curves would be.
    EXPECT_FALSE(drawnNear(x, -std::cbrt(x))) << x;
  }
}

TEST_F(PowerFormWindow, TheSquareRootHasNoLeftBranch) {
  choose(kPowerFamily, 0);
  type(1, QStringLiteral("1/2"));
  QTest::mouseClick(panelWidget<QPushButton>("cmdDraw"), Qt::LeftButton);
  settle();
  EXPECT_TRUE(drawnNear(2.0, std::sqrt(2.0)));
  EXPECT_FALSE(drawnNear(-2.0, std::sqrt(2.0)));
  EXPECT_FALSE(drawnNear(-2.0, -std::sqrt(2.0)));
}

TEST_F(PowerFormWindow, TheFourthBoxIsShownOnlyForTheFormsThatNeedIt) {
  auto* fourth = panelWidget<QLineEdit>("txtParameter(4)");
  ASSERT_NE(fourth, nullptr);
  choose(5, 0);
  EXPECT_FALSE(fourth->isVisible());
  choose(5, 1);
  EXPECT_TRUE(fourth->isVisible());
  EXPECT_EQ(panel.lblParameter[4].Caption(), "ｋ ＝");
  // Boxes 3 and 4 share the second row.
  auto* third = panelWidget<QLineEdit>("txtParameter(3)");
  EXPECT_EQ(third->geometry().top(), fourth->geometry().top());
  EXPECT_LT(third->geometry().right(), fourth->geometry().left());
  type(1, "2");
  type(2, "1");
  type(3, QStringLiteral("pi/3"));
  type(4, "1");
  QTest::mouseClick(panelWidget<QPushButton>("cmdDraw"), Qt::LeftButton);
  settle();
  ASSERT_EQ(panel.lstExist.ListCount(), 1);
  EXPECT_EQ(panel.lstExist.Shown(0), "y = 2 sin(x + 1.047197) + 1");
  EXPECT_TRUE(drawnNear(0.0, 2 * std::sin(1.0471976) + 1));
  choose(9, 0);
  EXPECT_FALSE(fourth->isVisible());
  choose(9, 2);
  EXPECT_TRUE(fourth->isVisible());
}

}  // namespace
}  // namespace quorvel::test
