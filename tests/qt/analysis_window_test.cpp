// The analysis window through the real widgets: opened by the toolbar beside the
// picture, its tables, the marks in the screen's picture, the trace's marker over it
// and the clipboard.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "eval/number_text.h"
#include "eval/single_math.h"
#include "qt/surface_widget.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

class AnalysisWindowQt : public DesktopTest {
 protected:
  AnalysisWindowQt() {
    // y = x² − 1: zeros at ±1, its minimum and y-intercept at (0, −1).
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
  // The widget's pixel where a curve point is drawn.
  QPoint pixelOf(double x, double y) const {
    const double zoom = program.g.zoomScale;
    const PixelPoint p =
        desktop->surface.toPixels(static_cast<float>(x * zoom), static_cast<float>(y * zoom));
    const int border = desktop->surface.BorderPixels();
    return {static_cast<int>(p.column) + border, static_cast<int>(p.row) + border};
  }
  void pointerAt(const QPoint& at) {
    SurfaceWidget* surface = desktop->mainWindow->surfaceWidget();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), surface->mapToGlobal(QPointF(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &move);
    settle();
  }
};

TEST_F(AnalysisWindowQt, OpensBesideThePictureWithTheKeyPoints) {
  QWidget* window = desktop->analysisWindow;
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("分析"));
  EXPECT_GT(window->frameGeometry().left(), desktop->panelWindow->frameGeometry().right());
  EXPECT_EQ(widget<QComboBox>("cboCurve")->currentText().toStdString(), panel.lstExist.List(0));
  auto* points = widget<QTableWidget>("grdPoints");
  ASSERT_EQ(points->rowCount(), 4);
  EXPECT_EQ(points->horizontalHeaderItem(0)->text(), QStringLiteral("类型"));
  EXPECT_EQ(points->item(0, 0)->text(), QStringLiteral("零点"));
  EXPECT_EQ(points->item(0, 1)->text(), QStringLiteral("-1.0000"));
  // The toolbar's button shows our own picture and its tooltip.
  QAction* button = desktop->mainWindow->toolbarAction(toolbarPosition(ToolbarCommand::Analysis));
  EXPECT_EQ(button->toolTip(), QStringLiteral("分析曲线"));
  EXPECT_FALSE(button->icon().isNull());
}

TEST_F(AnalysisWindowQt, MarksInThePictureAndTheTraceOverIt) {
  QTest::mouseClick(widget<QCheckBox>("chkMarks"), Qt::LeftButton);
  settle();
  const QImage& picture = desktop->surface.image();
  const int border = desktop->surface.BorderPixels();
  for (const QPointF& p : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1)}) {
    const QPoint at = pixelOf(p.x(), p.y()) - QPoint(border, border);
    // The dot covers its neighbours too, where the curve alone is not black.
    EXPECT_EQ(picture.pixel(at + QPoint(2, 2)), qRgb(0, 0, 0)) << p.x() << "," << p.y();
  }

  QTest::mouseClick(widget<QCheckBox>("chkTrace"), Qt::LeftButton);
  // Under the pointer's x, the curve's y, both to hundredths as the read-out shows them.
  pointerAt(pixelOf(2, 0));
  const SurfaceMouse m = toUserUnits(desktop->surface, pixelOf(2, 0).x(), pixelOf(2, 0).y());
  const double x = m.x / static_cast<double>(program.g.zoomScale);
  auto hundredths = [](double v) { return doubleText(roundHalfEven(v * 100) / 100); };
  EXPECT_EQ(main.lblCoordinate.Caption(), "x=" + hundredths(x) + "\ny=" + hundredths(x * x - 1));
  pointerAt(pixelOf(0.01, -1));
  EXPECT_EQ(main.lblCoordinate.Caption(), "x=0.0000\ny=-1.0000");
  // The marker on a key point is filled; it is over the picture, not in it.
  const QImage shown = desktop->mainWindow->surfaceWidget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(pixelOf(0, -1)), QColor(255, 200, 0));
  EXPECT_NE(picture.pixelColor(pixelOf(0, -1) - QPoint(border, border)), QColor(255, 200, 0));
}

TEST_F(AnalysisWindowQt, TheTableOfValuesGoesToTheClipboard) {
  auto* from = widget<QLineEdit>("txtFrom");
  from->selectAll();
  QTest::keyClicks(from, QStringLiteral("0"));
  QTest::mouseClick(widget<QPushButton>("cmdTable"), Qt::LeftButton);
  auto* values = widget<QTableWidget>("grdValues");
  EXPECT_EQ(values->rowCount(), 11);  // 0 to 5 by 0.5
  EXPECT_EQ(values->item(2, 1)->text(), QStringLiteral("0.0000"));
  QTest::mouseClick(widget<QPushButton>("cmdCopyValues"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            program.analysis.grdValues.tabSeparated());
}

}  // namespace
}  // namespace quorvel::test
