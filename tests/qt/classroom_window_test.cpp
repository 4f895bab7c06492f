// The classroom's window: 演示模式 entered and left, the view typed on the 视图 page,
// and the lessons shipped with the program.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <string>
#include <vector>

#include "document/list_formats.h"
#include "plot/view_box.h"
#include "qt/lesson_menu.h"
#include "qt/twips.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

using Classroom = DesktopTest;

QAction* windowAction(const QWidget& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

TEST_F(Classroom, PresentingFillsTheScreenAndLeavingPutsEveryWindowBack) {
  MainWindow& window = *desktop->mainWindow;
  QWidget& panelWindow = *desktop->panelWindow;
  drawInverse();
  panel.tbsControl.select(2);
  settle();
  const QRect mainBefore = window.geometry();
  const QRect panelBefore = panelWindow.geometry();
  const QRect surfaceBefore = window.surfaceWidget()->geometry();
  ASSERT_TRUE(panelWindow.isVisible());

  window.presentationAction()->trigger();
  settle();
  ASSERT_TRUE(window.presenting());
  const QRect screen = window.screen()->geometry();
  EXPECT_EQ(window.geometry(), screen);
  // The picture alone: no toolbar, no panel, the surface over the whole window.
  EXPECT_FALSE(window.toolbar()->isVisible());
  EXPECT_FALSE(panelWindow.isVisible());
  EXPECT_FALSE(window.toolbarAction(2)->isChecked());
  EXPECT_EQ(window.surfaceWidget()->geometry(), QRect(QPoint(0, 0), screen.size()));
  EXPECT_EQ(static_cast<int>(desktop->surface.Width()) / kTwipsPerPixel, screen.width());
  EXPECT_TRUE(program.g.graphOnScreen);

  // F2's action brings the panel and takes it away again.
  QAction* panelKey = windowAction(window, "actPanelKey");
  ASSERT_NE(panelKey, nullptr);
  panelKey->trigger();
  settle();
  EXPECT_TRUE(panelWindow.isVisible());
  EXPECT_TRUE(window.presenting());
  panelKey->trigger();
  settle();
  EXPECT_FALSE(panelWindow.isVisible());

  window.presentationAction()->trigger();
  settle();
  EXPECT_FALSE(window.presenting());
  EXPECT_EQ(window.geometry(), mainBefore);
  EXPECT_EQ(panelWindow.geometry(), panelBefore);
  EXPECT_TRUE(panelWindow.isVisible());
  EXPECT_TRUE(window.toolbarAction(2)->isChecked());
  EXPECT_EQ(panel.tbsControl.SelectedIndex(), 2);
  EXPECT_TRUE(window.toolbar()->isVisible());
  // Below the toolbar's band again (its width follows the frame the platform reports).
  EXPECT_EQ(window.surfaceWidget()->geometry().topLeft(), surfaceBefore.topLeft());
}

TEST_F(Classroom, PresentingWithTheHiddenPanelLeavesItHidden) {
  MainWindow& window = *desktop->mainWindow;
  clickToolbar(2);
  ASSERT_FALSE(desktop->panelWindow->isVisible());
  window.setPresentation(true);
  settle();
  window.setPresentation(false);
  settle();
  EXPECT_FALSE(desktop->panelWindow->isVisible());
  EXPECT_FALSE(window.toolbarAction(2)->isChecked());
}

TEST_F(Classroom, EnterInTheViewBoxesShowsTheTypedBox) {
  drawInverse();
  panel.tbsControl.select(2);
  settle();
  const char* texts[][2] = {
      {"txtViewX1", "-1"}, {"txtViewX2", "5"}, {"txtViewY1", "-2"}, {"txtViewY2", "3"}};
  for (const auto& [name, text] : texts) {
    auto* box = panelWidget<QLineEdit>(name);
    ASSERT_NE(box, nullptr) << name;
    EXPECT_TRUE(box->isVisible()) << name;
    box->setFocus();
    QTest::keyClicks(box, QString::fromLatin1(text));
  }
  QTest::keyClick(panelWidget<QLineEdit>("txtViewY2"), Qt::Key_Return);
  settle();
  ASSERT_TRUE(kit.messages->shown.empty());
  ViewState expected;
  ASSERT_EQ(fitViewToBox(expected, PlaneBox{-1, 5, -2, 3}, desktop->surface.Width(),
                         desktop->surface.Height()),
            ViewBoxFault::None);
  EXPECT_EQ(program.g.zoomScale, expected.zoomScale);
  EXPECT_EQ(program.g.viewLeft, expected.viewLeft);
  EXPECT_EQ(program.g.viewTop, expected.viewTop);
}

const std::filesystem::path kLessons = QUORVEL_EXAMPLES;

TEST(Lessons, TheShippedOnesAreListedInTheirOrderByTitle) {
  const std::vector<Lesson> lessons = lessonsIn(kLessons);
  ASSERT_GE(lessons.size(), 10u);
  EXPECT_EQ(lessons.front().title, "一次函数k与b");
  for (std::size_t i = 1; i < lessons.size(); ++i) {
    EXPECT_LT(lessons[i - 1].file.filename(), lessons[i].file.filename());
    EXPECT_EQ(lessons[i].title.find('-'), std::string::npos) << lessons[i].title;
  }
  EXPECT_TRUE(lessonsIn(kLessons / "none").empty());
}

TEST(Lessons, FoundBesideABuiltProgramAndWhereTheInstallPutsThem) {
  const std::filesystem::path folder = makeTempFolder();
  std::filesystem::create_directories(folder / "prefix" / "bin");
  EXPECT_EQ(lessonsFolder(folder / "prefix" / "bin"),
            folder / "prefix" / "share" / "quorvel" / "examples");
  std::filesystem::create_directories(folder / "build" / "examples");
  EXPECT_EQ(lessonsFolder(folder / "build"), folder / "build" / "examples");
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

TEST_F(Classroom, EveryLessonOpensDrawsWholeAndSavesUnderANewName) {
  const std::vector<Lesson> lessons = lessonsIn(kLessons);
  ASSERT_FALSE(lessons.empty());
  int saved = 0;
  for (const Lesson& lesson : lessons) {
    SCOPED_TRACE(lesson.title);
    kit.messages->shown.clear();
    ASSERT_TRUE(main.openGivenList(lesson.file));
    settle();
    EXPECT_TRUE(kit.messages->shown.empty());
    EXPECT_TRUE(panel.refusedRecords().empty());
    EXPECT_TRUE(program.g.graphOnScreen);
    EXPECT_GE(panel.document().size(), 2u);
    // 保存 asks for a name: the lesson itself is never written over.
    const std::filesystem::path mine = folder / ("lesson" + std::to_string(++saved) + ".QVJ");
    kit.files->answers.push_back(mine.string());
    clickToolbar(4);
    ASSERT_TRUE(std::filesystem::exists(mine));
    EXPECT_TRUE(kit.files->shown.back().save);
    EXPECT_TRUE(kit.files->shown.back().request.fileName.empty());
    const ListReading back = readListFile(mine);
    ASSERT_TRUE(back.list.has_value());
    EXPECT_EQ(back.list->size(), panel.document().size());
  }
}

}  // namespace
}  // namespace quorvel::test
