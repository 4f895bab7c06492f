// The live parameters' window through its widgets: a slider redraws the curve with
// the other curves kept, an invalid value is a note in the window, play sweeps,
// 保留 adds one line and 替换 puts a slid list line in its place.
#include <QTest>

#include "qt_fixture.h"

namespace quorvel::test {
namespace {

using LiveWindow = DesktopTest;

TEST_F(LiveWindow, SlidersRedrawPlaySweepsAndKeepAddsOneLine) {
  drawInverse("6");  // another curve, kept under the live one
  panel.cboFuncName.setListIndex(1);
  panel.cboStyle[1].setListIndex(2);  // y=a(x−h)^2+k
  panel.txtParameter[1].setText("1");
  panel.txtParameter[2].setText("2");
  panel.txtParameter[3].setText("1");
  LiveParametersWindow& w = *desktop->liveWindow;
  w.openOn(-1);
  ASSERT_EQ(w.controller().parameters().size(), 3u);
  QSlider* a = w.slider(2);
  ASSERT_NE(a, nullptr);
  const QImage before = desktop->surface.image().copy();
  a->setValue(a->value() + 10);  // a: 1 → 2
  EXPECT_EQ(panel.txtParameter[3].Text(), "2");
  EXPECT_NE(desktop->surface.image(), before);
  EXPECT_EQ(panel.lstExist.ListCount(), 1);  // nothing stored while sliding
  // a = 0 is no parabola: a note in the window, no message box.
  const double zeroPosition = (0 - w.controller().parameters()[2].min) / 0.1;
  a->setValue(static_cast<int>(zeroPosition + 0.5));
  EXPECT_EQ(panel.txtParameter[3].Text(), "0");
  EXPECT_TRUE(w.note()->text().contains(QStringLiteral("ａ≠０")));
  EXPECT_TRUE(kit.messages->shown.empty());
  // Play sweeps the chosen parameter (the first, h) from its end to the other.
  w.controller().play(0, 2.0);
  EXPECT_TRUE(w.controller().playing());
  w.controller().tick(0);
  EXPECT_EQ(panel.txtParameter[1].Text(), "-4");  // h = 1 − 5
  w.controller().tick(1.0);                       // half way up
  EXPECT_EQ(panel.txtParameter[1].Text(), "1");
  w.controller().tick(2.0);  // the top
  EXPECT_EQ(panel.txtParameter[1].Text(), "6");
  w.controller().tick(3.0);  // and half way back
  EXPECT_EQ(panel.txtParameter[1].Text(), "1");
  w.controller().pause();
  a->setValue(a->value() + 10);
  QTest::mouseClick(w.keepButton(), Qt::LeftButton);
  EXPECT_EQ(panel.lstExist.ListCount(), 2);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(LiveWindow, AListLineSlidIsReplacedInItsPlace) {
  drawInverse("6");
  drawInverse("-2");
  LiveParametersWindow& w = *desktop->liveWindow;
  w.openOn(0);
  EXPECT_EQ(w.keepButton()->text(), QStringLiteral("替换"));
  QSlider* k = w.slider(0);
  k->setValue(k->value() + 10);  // 6 → 7
  QTest::mouseClick(w.keepButton(), Qt::LeftButton);
  EXPECT_EQ(panel.lstExist.List(0), "y=7/x");
  EXPECT_EQ(panel.lstExist.List(1), "y=-2/x");
  // 取消 leaves the list as it was.
  w.openOn(1);
  w.slider(0)->setValue(w.slider(0)->value() + 30);
  QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
  EXPECT_EQ(panel.lstExist.List(1), "y=-2/x");
}

}  // namespace
}  // namespace quorvel::test
