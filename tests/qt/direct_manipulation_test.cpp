// The surface under the pointer and the keyboard, through the real widgets: the
// wheel, a drag, the keys, the context menu, the clipboard and the shortcuts.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "qt/surface_widget.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

class Direct : public DesktopTest {
 protected:
  SurfaceWidget& surfaceWidget() const { return *desktop->mainWindow->surfaceWidget(); }
  void wheel(const QPoint& at, int delta) {
    QWheelEvent e(at, surfaceWidget().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&surfaceWidget(), &e);
  }
  void mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, surfaceWidget().mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&surfaceWidget(), &e);
  }
  void drag(const QPoint& from, const QPoint& to) {
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  // The curve point under a pixel of the widget.
  QPointF curvePointAt(const QPoint& at) const {
    const SurfaceMouse m = toUserUnits(desktop->surface, at.x(), at.y());
    return {m.x / double(program.g.zoomScale), m.y / double(program.g.zoomScale)};
  }
  // Where the axes are on the screen's picture: the column and the row with the most
  // black pixels.
  QPoint axes() const {
    const QImage& image = desktop->surface.image();
    QPoint best;
    int bestColumn = 0, bestRow = 0;
    for (int x = 0; x < image.width(); ++x) {
      int n = 0;
      for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == qRgb(0, 0, 0);
      if (n > bestColumn) best.setX(x), bestColumn = n;
    }
    for (int y = 0; y < image.height(); ++y) {
      int n = 0;
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(0, 0, 0);
      if (n > bestRow) best.setY(y), bestRow = n;
    }
    return best;
  }
};

TEST_F(Direct, TheWheelZoomsAboutThePointUnderThePointer) {
  drawInverse();
  const QPoint at(310, 170);
  const QPointF before = curvePointAt(at);
  wheel(at, 120);
  EXPECT_EQ(panel.sldZoom.Value(), 625);
  EXPECT_EQ(program.g.zoomScale, 625);
  // Within one pixel's worth (15 view units) of where it was.
  const double pixel = 15.0 / program.g.zoomScale;
  EXPECT_NEAR(curvePointAt(at).x(), before.x(), pixel);
  EXPECT_NEAR(curvePointAt(at).y(), before.y(), pixel);
  // A touchpad's eighths of a notch zoom a little each time.
  for (int i = 0; i < 8; ++i) {
    const int scale = panel.sldZoom.Value();
    wheel(at, 15);
    EXPECT_GT(panel.sldZoom.Value(), scale);
  }
  EXPECT_EQ(panel.sldZoom.Value(), 781);
  EXPECT_NEAR(curvePointAt(at).x(), before.x(), 15.0 / program.g.zoomScale);
  // At the limit the wheel stops and says so in the read-out, never in a box.
  panel.sldZoom.setValue(16000);
  panel.cmdRedraw_Click();
  wheel(at, 120);
  EXPECT_EQ(panel.sldZoom.Value(), 16000);
  EXPECT_EQ(main.lblCoordinate.Caption(), "不能继续缩放");
  EXPECT_TRUE(kit.messages->shown.empty());
}

TEST_F(Direct, ADragCarriesThePictureAndAClickStillZooms) {
  drawInverse();
  program.g.zoomMode = 1;  // a click zoom armed: a drag still pans
  const QPoint axesBefore = axes();
  drag({200, 200}, {300, 250});
  EXPECT_EQ(axes(), axesBefore + QPoint(100, 50));
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(program.g.zoomMode, 1);
  // The view stays where it was dragged: a redraw shows it there.
  panel.cmdRedraw_Click();
  EXPECT_EQ(axes(), axesBefore + QPoint(100, 50));
  // A press and release in one place is the click, which zooms while armed.
  mouse(QEvent::MouseButtonPress, {330, 120}, Qt::LeftButton, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, {331, 120}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(panel.sldZoom.Value(), 1000);
}

TEST_F(Direct, KeysMenuClipboardAndShortcuts) {
  drawInverse();
  SurfaceWidget& w = surfaceWidget();
  const ViewState centred = program.g;
  QTest::keyClick(&w, Qt::Key_Up);
  EXPECT_EQ(program.g.viewTop, centred.viewTop + 500);  // as 上方 with no distance typed
  program.g.zoomMode = 2;
  QTest::keyClick(&w, Qt::Key_Plus);
  EXPECT_EQ(panel.sldZoom.Value(), 1000);
  EXPECT_EQ(program.g.zoomMode, 2);  // the armed zoom is left as it was
  QTest::keyClick(&w, Qt::Key_Home);
  EXPECT_EQ(program.g.viewTop, centred.viewTop);

  QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/png")));
  EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/svg+xml")));
  EXPECT_TRUE(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));
  EXPECT_EQ(QImage::fromData(copied->data(QStringLiteral("image/png"))).size(),
            desktop->surface.image().size());

  QMenu* menu = desktop->mainWindow->showSurfaceMenu(w.mapToGlobal(QPoint(10, 10)));
  QStringList captions;
  for (QAction* a : menu->actions()) {
    if (!a->isSeparator()) captions << a->text();
  }
  EXPECT_EQ(captions, (QStringList{"复制图像", "导出图像…", "打印…", "放大", "缩小", "回到中心",
                                   "原始尺寸", "演示", "示例", "撤销", "重做"}));
  for (QAction* a : menu->actions()) {
    if (a->text() == QStringLiteral("原始尺寸")) a->trigger();
  }
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  menu->close();

  // The list's keys work from the panel, where the inputs are.
  QApplication::setActiveWindow(desktop->panelWindow);
  QWidget* box = panelWidget<QWidget>("txtParameter(1)");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
  ASSERT_FALSE(kit.files->shown.empty());
  EXPECT_EQ(kit.files->shown.back().request.title, "保存图像");
}

}  // namespace
}  // namespace quorvel::test
