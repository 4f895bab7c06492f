// The list as a document in the real windows: closing asks before losing curves, a
// double click edits a line, the line's menu, and the undo key.
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "qt_fixture.h"

namespace quorvel::test {
namespace {

using Document = DesktopTest;

// A double click as the platform delivers it: press, release, double click, release.
void doubleClick(QWidget* w, const QPoint& at) {
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
}

TEST_F(Document, ClosingWithCurvesNotSavedAsksAndCancelKeepsTheWindow) {
  bool ended = false;
  desktop->mainWindow->onUnloaded = [&ended] { ended = true; };
  drawInverse("6");
  kit.questions->answers = {2};  // 取消
  desktop->mainWindow->close();
  settle();
  ASSERT_EQ(kit.questions->asked.size(), 1u);
  EXPECT_EQ(kit.questions->asked[0].prompt, "函数列表已更改，是否保存？");
  EXPECT_FALSE(ended);
  EXPECT_TRUE(desktop->mainWindow->isVisible());
  EXPECT_EQ(panel.lstExist.ListCount(), 1);
  kit.questions->answers = {1};  // 不保存
  desktop->mainWindow->close();
  EXPECT_TRUE(ended);
}

TEST_F(Document, ADoubleClickEditsALineAndItsMenuOffersTheLineCommands) {
  drawInverse("6");
  drawInverse("3");
  panel.tbsControl.select(2);
  settle();
  auto* list = panelWidget<QListWidget>("lstExist");
  const QRect row = list->visualItemRect(list->item(1));
  doubleClick(list->viewport(), row.center());
  settle();
  EXPECT_EQ(panel.EditingLine(), 1);
  EXPECT_EQ(panel.tbsControl.SelectedIndex(), 1);
  auto* replace = panelWidget<QPushButton>("cmdReplace");
  ASSERT_NE(replace, nullptr);
  EXPECT_TRUE(replace->isVisible());
  EXPECT_EQ(replace->text(), QStringLiteral("替换"));
  panel.txtParameter[1].setText("5");
  QTest::mouseClick(replace, Qt::LeftButton);
  EXPECT_EQ(panel.lstExist.List(1), "y=5/x");

  QMenu* menu = desktop->panelWindow->showLineMenu(0, list->mapToGlobal(QPoint(5, 5)));
  QStringList captions;
  for (QAction* a : menu->actions()) {
    if (!a->isSeparator()) captions << a->text();
  }
  EXPECT_EQ(captions,
            (QStringList{"编辑", "颜色…", "动态参数…", "上移", "下移", "删除", "撤销", "重做"}));
  for (QAction* a : menu->actions()) {
    if (a->text() == QStringLiteral("下移")) a->trigger();
  }
  EXPECT_EQ(panel.lstExist.List(0), "y=5/x");
  menu->close();

  // Ctrl+Z outside a text box undoes the move.
  QApplication::setActiveWindow(desktop->mainWindow.get());
  desktop->mainWindow->surfaceWidget()->setFocus();
  QTest::keyClick(desktop->mainWindow->surfaceWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(panel.lstExist.List(0), "y=6/x");
}

}  // namespace
}  // namespace quorvel::test
