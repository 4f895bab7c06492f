// The live parameters' window through its widgets: a slider redraws the curve with
// the other curves kept, an invalid value is a note in the window, play sweeps,
// 保留 adds one line and 替换 puts a slid list line in its place and no other; when
// the window closes the 绘制 page is as it was.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "qt_fixture.h"
#include "shell/draw_page_state.h"

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

// The 绘制 page as the control panel's widgets show it: every box's and combo's text,
// every tick, and which buttons are there.
std::string pageOnScreen(const QWidget& panelWindow) {
  QStringList seen;
  for (const QLineEdit* e : panelWindow.findChildren<QLineEdit*>()) {
    seen << e->objectName() + "=" + e->text();
  }
  for (const QPlainTextEdit* e : panelWindow.findChildren<QPlainTextEdit*>()) {
    seen << e->objectName() + "=" + e->toPlainText();
  }
  for (const QComboBox* c : panelWindow.findChildren<QComboBox*>()) {
    seen << c->objectName() + "=" + c->currentText() +
                (c->isVisibleTo(&panelWindow) ? "" : " hidden");
  }
  for (const QCheckBox* b : panelWindow.findChildren<QCheckBox*>()) {
    seen << b->objectName() + (b->isChecked() ? " ticked" : "") + (b->isEnabled() ? "" : " off");
  }
  for (const QPushButton* b : panelWindow.findChildren<QPushButton*>()) {
    seen << b->objectName() + (b->isVisibleTo(&panelWindow) ? "" : " hidden");
  }
  return seen.join(QLatin1Char('\n')).toStdString();
}

enum class Closing { Cancel, CloseButton, Keep };

// Opening the window rewrites the page's boxes as the sliders move; 取消, the close
// button and 保留 (or 替换) all give the page back as it was, texts and 替换 alike.
TEST_F(LiveWindow, ClosingLeavesTheDrawPageAndItsReplaceAsTheyWere) {
  LiveParametersWindow& w = *desktop->liveWindow;
  for (const Closing closing : {Closing::Cancel, Closing::CloseButton, Closing::Keep}) {
    for (const int line : {-1, 0}) {
      panel.cmdClear.click();
      drawInverse("6");
      drawInverse("1");
      // The page edits line 1 (its 替换 shown), then holds an expression of its own.
      panel.lstExist_DblClick(1);
      panel.cboFuncName.setListIndex(13);
      panel.txtExpression.setText("a*sin(x)+b");
      panel.txtParameter[2].setText("4.5");
      settle();
      const std::string before = pageOnScreen(*desktop->panelWindow);
      const DrawPageState state = DrawPageState::of(panel, program.g);
      const int linesBefore = panel.lstExist.ListCount();
      w.openOn(line);
      ASSERT_TRUE(w.isVisible());
      QSlider* first = w.slider(0);
      ASSERT_NE(first, nullptr);
      first->setValue(first->value() + 7);
      settle();
      EXPECT_NE(pageOnScreen(*desktop->panelWindow), before) << "the sliders write the page";
      switch (closing) {
        case Closing::Cancel: QTest::mouseClick(w.cancelButton(), Qt::LeftButton); break;
        case Closing::CloseButton: w.close(); break;
        case Closing::Keep: QTest::mouseClick(w.keepButton(), Qt::LeftButton); break;
      }
      settle();
      EXPECT_FALSE(w.isVisible());
      EXPECT_EQ(pageOnScreen(*desktop->panelWindow), before) << static_cast<int>(closing) << line;
      EXPECT_TRUE(DrawPageState::of(panel, program.g) == state);
      EXPECT_EQ(panel.txtExpression.Text(), "a*sin(x)+b");
      EXPECT_EQ(panel.EditingLine(), 1);
      // 保留 added a line, 替换 replaced line 0; the others stored nothing.
      const bool added = closing == Closing::Keep && line < 0;
      EXPECT_EQ(panel.lstExist.ListCount(), linesBefore + (added ? 1 : 0));
      EXPECT_EQ(panel.lstExist.List(1), "y=1/x");
      if (closing != Closing::Keep) {
        EXPECT_EQ(panel.lstExist.List(0), "y=6/x");
      }
    }
  }
  EXPECT_TRUE(kit.messages->shown.empty());
}

// After the window on a line closed, the page's 替换 is as it was (not shown), so no
// later press replaces that line; the window's own 替换 replaces the line it was
// opened on or nothing.
TEST_F(LiveWindow, ItsReplaceNeverReplacesAnotherLine) {
  drawInverse("6");
  drawInverse("-2");
  drawInverse("1");
  LiveParametersWindow& w = *desktop->liveWindow;
  w.openOn(0);
  w.slider(0)->setValue(w.slider(0)->value() + 10);
  QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(panel.cmdReplace.Visible());
  panel.cmdReplace.click();
  const std::vector<std::string> three = {"y=6/x", "y=-2/x", "y=1/x"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(panel.lstExist.List(i), three[static_cast<std::size_t>(i)]);

  // The line it was opened on is deleted meanwhile: line 0 is now y=-2/x.
  w.openOn(0);
  w.slider(0)->setValue(w.slider(0)->value() + 10);
  panel.lstExist.setListIndex(0);
  panel.cmdDelete.click();
  ASSERT_EQ(panel.lstExist.List(0), "y=-2/x");
  QTest::mouseClick(w.keepButton(), Qt::LeftButton);
  ASSERT_EQ(kit.messages->shown.size(), 1u);
  EXPECT_EQ(kit.messages->shown[0].second, "原来的曲线已被删除或改动，不能替换");
  EXPECT_EQ(panel.lstExist.List(0), "y=-2/x");
  EXPECT_EQ(panel.lstExist.List(1), "y=1/x");
  EXPECT_TRUE(w.isVisible());  // refused: the session goes on until 取消
  QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
  EXPECT_EQ(panel.lstExist.ListCount(), 2);
}

// Each step draws the live curve over the kept picture of the others, never over the
// previous step: a slider moved away and back gives the very same screen.
TEST_F(LiveWindow, ASliderStepLeavesNoTraceOfThePreviousCurve) {
  drawInverse("6");
  panel.cboFuncName.setListIndex(0);  // y = kx + b
  panel.txtParameter[1].setText("1");
  panel.txtParameter[2].setText("0");
  LiveParametersWindow& w = *desktop->liveWindow;
  w.openOn(-1);
  QSlider* k = w.slider(0);
  ASSERT_NE(k, nullptr);
  const QImage start = desktop->surface.image().copy();
  k->setValue(k->value() + 20);  // k: 1 → 3
  const QImage moved = desktop->surface.image().copy();
  EXPECT_NE(moved, start);
  k->setValue(k->value() - 20);
  EXPECT_EQ(desktop->surface.image(), start);
  k->setValue(k->value() - 40);  // k: 1 → -3, crossing the first curve's place
  k->setValue(k->value() + 40);
  EXPECT_EQ(desktop->surface.image(), start);
  w.close();
}

}  // namespace
}  // namespace quorvel::test
