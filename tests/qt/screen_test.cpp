// What the screen shows after each thing a person does: the real widgets are driven
// with the keyboard and the mouse, and after each action the main window's backing
// store (what was flushed to the screen, not a fresh paint of the picture) must be
// the persistent picture, with every ticked curve's colour on it.
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/list_file.h"
#include "qt/binder.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

class Screen : public DesktopTest {
 protected:
  // The drawing area as the screen shows it: the main window's flushed backing
  // store, cut to the surface widget inside its border.
  QImage shownArea() const {
    MainWindow& window = *desktop->mainWindow;
    const QWidget* surfaceWidget = window.surfaceWidget();
    const int border = desktop->surface.BorderPixels();
    const QPoint corner = surfaceWidget->mapTo(&window, QPoint(border, border));
    const QImage& picture = desktop->surface.image();
    QScreen* screen = window.screen();
    if (screen == nullptr) return {};
    return screen
        ->grabWindow(window.winId(), corner.x(), corner.y(), picture.width(), picture.height())
        .toImage()
        .convertToFormat(picture.format());
  }

  // The colours of the records whose lines are ticked.
  std::vector<QRgb> tickedColours() const {
    std::vector<QRgb> colours;
    ListFile file(program.listPath());
    for (int line = 0; line < panel.lstExist.ListCount(); ++line) {
      if (!panel.lstExist.Selected(line)) continue;
      const std::optional<FuncRecord> record = file.read(line + 1);
      if (!record) continue;
      colours.push_back(qRgb(redOf(record->color), greenOf(record->color), blueOf(record->color)));
    }
    return colours;
  }

  static std::set<QRgb> coloursIn(const QImage& image) {
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) found.insert(image.pixel(x, y) | 0xFF000000u);
    }
    return found;
  }

  // After the events of an action are processed, the screen shows the picture.
  void expectScreenShowsThePicture(const std::string& action) {
    settle();
    const QImage shown = shownArea();
    const QImage picture = desktop->surface.image();
    ASSERT_FALSE(shown.isNull()) << action;
    // The window's inside ends a pixel or two above the surface's lower border, as
    // it always has; everything the window shows must be the picture.
    ASSERT_EQ(shown.width(), picture.width()) << action;
    ASSERT_GE(shown.height(), picture.height() - 2) << action;
    EXPECT_TRUE(shown == picture.copy(0, 0, shown.width(), shown.height()))
        << action << ": the screen is not the picture";
    const std::set<QRgb> onScreen = coloursIn(shown);
    for (const QRgb colour : tickedColours()) {
      EXPECT_TRUE(onScreen.count(colour | 0xFF000000u) == 1)
          << action << ": a ticked curve's colour " << std::hex << colour << " is missing";
    }
  }

  template <class W>
  W* widget(const char* name) const {
    W* w = panelWidget<W>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  void showPage(int index) {
    auto* tabs = desktop->panelWindow->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    settle();
  }

  // Picks a family with the keyboard, as a user does in the closed combo.
  void pickFamily(int family) {
    auto* combo = widget<QComboBox>("cboFuncName");
    combo->setFocus();
    while (combo->currentIndex() > family) QTest::keyClick(combo, Qt::Key_Up);
    while (combo->currentIndex() < family) QTest::keyClick(combo, Qt::Key_Down);
    settle();
  }

  void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
  }
};

TEST_F(Screen, EveryTickedCurveIsOnTheScreenAfterEachAction) {
  QPlainTextEdit* expression = widget<QPlainTextEdit>("txtExpression");
  ASSERT_NE(expression, nullptr);
  typeInto(expression, QStringLiteral("x^2/4"));
  QTest::keyClick(expression, Qt::Key_Return);
  ASSERT_EQ(panel.lstExist.ListCount(), 1);
  expectScreenShowsThePicture("a curve drawn with Enter");

  pickFamily(2);  // 反比例函数
  typeInto(widget<QLineEdit>("txtParameter(1)"), QStringLiteral("6"));
  QTest::keyClick(widget<QLineEdit>("txtParameter(1)"), Qt::Key_Return);
  ASSERT_EQ(panel.lstExist.ListCount(), 2);
  expectScreenShowsThePicture("a second curve");

  const std::vector<std::pair<int, const char*>> toolbar = {{6, "上方"},  {8, "左方"}, {10, "放大"},
                                                            {11, "缩小"}, {9, "右方"}, {7, "下方"}};
  for (const auto& [position, caption] : toolbar) {
    clickToolbar(position);
    expectScreenShowsThePicture(caption);
  }

  showPage(1);  // 视图
  auto* list = widget<QListWidget>("lstExist");
  const auto clickTick = [list](int line) {
    const QRect row = list->visualItemRect(list->item(line));
    // The tick box sits at the row's left end.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(row.left() + row.height() / 2, row.center().y()));
  };
  clickTick(1);
  ASSERT_FALSE(panel.lstExist.Selected(1));
  expectScreenShowsThePicture("a line unticked");
  clickTick(1);
  ASSERT_TRUE(panel.lstExist.Selected(1));
  expectScreenShowsThePicture("the line ticked again");

  QTest::mouseClick(widget<QWidget>("picRedraw"), Qt::LeftButton);
  expectScreenShowsThePicture("刷新");

  const std::filesystem::path saved = folder / "two.QVX";
  kit.files->answers.push_back(saved.string());
  clickToolbar(4);  // 保存
  list->setCurrentRow(0);
  QTest::mouseClick(widget<QWidget>("cmdDelete"), Qt::LeftButton);
  ASSERT_EQ(panel.lstExist.ListCount(), 1);
  expectScreenShowsThePicture("删除");

  kit.files->answers.push_back(saved.string());
  clickToolbar(3);  // 打开
  ASSERT_EQ(panel.lstExist.ListCount(), 2);
  expectScreenShowsThePicture("打开");
  EXPECT_EQ(tickedColours().size(), 2u);
}

// Enter draws only from an input of the 绘制 page while it is shown.
TEST_F(Screen, EnterDrawsOnlyFromTheDrawPage) {
  QApplication::setActiveWindow(desktop->panelWindow);
  pickFamily(2);
  panel.txtParameter[1].setText("6");
  const struct {
    int page;  // tab index, from 0
    const char* control;
    bool draws;
  } cases[] = {
      {0, "txtParameter(1)", true}, {0, "cboRangeX1", true}, {0, "cboFuncName", true},
      {1, "txtValue", false},       {1, "lstExist", false},  {2, "sldZoom", false},
      {2, "chkLink", false},
  };
  for (const auto& c : cases) {
    showPage(c.page);
    QWidget* w = widget<QWidget>(c.control);
    w->setFocus();
    const int before = panel.lstExist.ListCount();
    QTest::keyClick(w, Qt::Key_Return);
    settle();
    EXPECT_EQ(panel.lstExist.ListCount(), before + (c.draws ? 1 : 0)) << c.control;
  }
}

// Tab goes through the controls of the shown page that can be seen, in reading
// order, and comes back to where it started.
TEST_F(Screen, TabFollowsTheShownPageInReadingOrder) {
  QApplication::setActiveWindow(desktop->panelWindow);
  const auto walk = [this](const char* start) {
    std::vector<QWidget*> visited;
    QWidget* first = widget<QWidget>(start);
    first->setFocus();
    for (QWidget* at = first; visited.size() < 40;) {
      // The tab bar is on the way round too: it is how Tab reaches the other pages.
      if (qobject_cast<QTabBar*>(at) == nullptr) visited.push_back(at);
      QTest::keyClick(at, Qt::Key_Tab);
      at = QApplication::focusWidget();
      if (at == first || at == nullptr) break;
    }
    return visited;
  };
  const auto names = [](const std::vector<QWidget*>& ws) {
    std::set<std::string> out;
    for (const QWidget* w : ws) out.insert(controlNameOf(w));
    return out;
  };
  const auto expectReadingOrder = [this](const std::vector<QWidget*>& ws, int page) {
    QWidget* container = desktop->panelWindow->page(page);
    for (std::size_t i = 0; i < ws.size(); ++i) {
      EXPECT_TRUE(container->isAncestorOf(ws[i])) << controlNameOf(ws[i]);
      EXPECT_TRUE(ws[i]->isVisible()) << controlNameOf(ws[i]);
      if (i == 0) continue;
      const QPoint a = ws[i - 1]->mapTo(container, QPoint());
      const QPoint b = ws[i]->mapTo(container, QPoint());
      EXPECT_TRUE(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()))
          << controlNameOf(ws[i - 1]) << " before " << controlNameOf(ws[i]);
    }
  };

  // 自定义: the expression box, not the parameter boxes under it.
  auto custom = walk("cboFuncName");
  expectReadingOrder(custom, 1);
  EXPECT_EQ(names(custom).count("txtExpression"), 1u);
  EXPECT_EQ(names(custom).count("txtParameter(1)"), 0u);
  EXPECT_EQ(names(custom).count("cmdDraw"), 1u);

  // 反比例函数: box 1 only, not the parked expression box or the hidden boxes.
  pickFamily(2);
  auto inverse = walk("cboFuncName");
  expectReadingOrder(inverse, 1);
  EXPECT_EQ(names(inverse).count("txtParameter(1)"), 1u);
  EXPECT_EQ(names(inverse).count("txtParameter(2)"), 0u);
  EXPECT_EQ(names(inverse).count("txtExpression"), 0u);

  showPage(1);  // 视图
  auto view = walk("txtValue");
  expectReadingOrder(view, 2);
  EXPECT_EQ(names(view).count("lstExist"), 1u);
  EXPECT_EQ(names(view).count("cboFuncName"), 0u);

  showPage(2);  // 设置
  auto settings = walk("sldZoom");
  expectReadingOrder(settings, 3);
  EXPECT_EQ(names(settings).count("cmdDefault"), 1u);
}

}  // namespace
}  // namespace quorvel::test
