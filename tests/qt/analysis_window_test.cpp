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

#include "analysis/analysis_text.h"
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
  // The curve as a textbook prints it, not the list text.
  EXPECT_EQ(widget<QComboBox>("cboCurve")->currentText(), QStringLiteral("y = x² − 1"));
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

// The rows of the 单调区间与极值 table as "caption | text" lines.
std::vector<std::string> rowsOf(const QTableWidget& grid) {
  std::vector<std::string> rows;
  for (int r = 0; r < grid.rowCount(); ++r) {
    rows.push_back(grid.item(r, 0)->text().toStdString() + " | " +
                   grid.item(r, 1)->text().toStdString());
  }
  return rows;
}

TEST_F(AnalysisWindowQt, MonotonicIntervalsCoverTheRangeInView) {
  auto* grid = widget<QTableWidget>("grdMonotonic");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("单调性"));
  // The picture's x range, as the key points take it: its ends are the intervals' ends.
  const double zoom = program.g.zoomScale == 0 ? 1.0 : program.g.zoomScale;
  const std::string left = textbookNumber(program.g.viewLeft / zoom);
  const std::string right = textbookNumber(program.g.viewRight / zoom);
  EXPECT_EQ(rowsOf(*grid),
            (std::vector<std::string>{"单调递减 | [" + left + ", 0]",
                                      "单调递增 | [0, " + right + "]", "极小值 | (0, −1)"}));
  // Another curve chosen: y = x³ − 3x with its two turns, in the same range.
  panel.cboFuncName.setListIndex(13);
  panel.txtExpression.setText("x^3-3*x");
  panel.cmdDraw.click();
  settle();
  auto* curve = widget<QComboBox>("cboCurve");
  ASSERT_EQ(curve->count(), 2);
  program.analysis.cboCurve.setListIndex(1);
  settle();
  EXPECT_EQ(rowsOf(*grid),
            (std::vector<std::string>{"单调递增 | [" + left + ", −1]", "单调递减 | [−1, 1]",
                                      "单调递增 | [1, " + right + "]", "极大值 | (−1, 2)",
                                      "极小值 | (1, −2)"}));
  // A curve that is no function of x has no intervals.
  panel.cboFuncName.setListIndex(8);
  panel.txtParameter[1].setText("0");
  panel.txtParameter[2].setText("0");
  panel.txtParameter[3].setText("2");
  panel.cmdDraw.click();
  settle();
  ASSERT_EQ(curve->count(), 3);
  program.analysis.cboCurve.setListIndex(2);
  settle();
  EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(AnalysisWindowQt, TheTangentAtTypedXIsShownAndDrawnAcrossThePicture) {
  auto* at = widget<QLineEdit>("txtTangentAt");
  ASSERT_NE(at, nullptr);
  // Where the tangent y = 2x − 2 of y = x² − 1 at x = 1 passes, far from the curve
  // and the axes: a black pixel there or next to it is the line's.
  const int border = desktop->surface.BorderPixels();
  const QPoint onLine = pixelOf(-1, -4) - QPoint(border, border);
  const auto blackNear = [this](const QPoint& p) {
    const QImage& image = desktop->surface.image();
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const QPoint q = p + QPoint(dx, dy);
        if (image.rect().contains(q) && image.pixel(q) == qRgb(0, 0, 0)) return true;
      }
    }
    return false;
  };
  ASSERT_TRUE(desktop->surface.image().rect().contains(onLine));
  EXPECT_FALSE(blackNear(onLine));
  QTest::keyClicks(at, QStringLiteral("1"));
  settle();
  EXPECT_EQ(program.analysis.lblTangentLine.Caption(), "切线：y = 2x − 2");
  EXPECT_TRUE(blackNear(onLine));
  // No derivative where the curve is not: the reason, and no line.
  panel.cboFuncName.setListIndex(13);
  panel.txtExpression.setText("sqrt(x)");
  panel.cmdDraw.click();
  settle();
  program.analysis.cboCurve.setListIndex(1);
  at->selectAll();
  QTest::keyClicks(at, QStringLiteral("-1"));
  settle();
  EXPECT_EQ(program.analysis.lblTangentLine.Caption(), "该点不在函数的定义域内，没有切线");
  EXPECT_FALSE(program.analysis.tangent().has_value());
}

}  // namespace
}  // namespace quorvel::test
