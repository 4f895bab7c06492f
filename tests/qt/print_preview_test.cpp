// 打印… (Ctrl+P, the surface's menu): the print preview, with the picture drawn afresh
// on the page at the printer's resolution, placed as the toolbar's 打印 places it.
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <filesystem>
#include <functional>

#include "qt/print_preview.h"
#include "qt_fixture.h"
#include "render/vector_surface.h"

namespace quorvel::test {
namespace {

// A 100 × 50 picture with a black line one pixel wide across its middle.
void drawLineAcross(VectorSurface& picture) {
  picture.Scale(0, 0, 100, 50);
  picture.setDrawWidth(1);
  picture.setForeColor(0);
  picture.Line(0, 25, 100, 25);
}

// Painted ten times larger, the line is drawn at the page's resolution: ten pixels of
// full black with at most one grey pixel at each edge, where a picture of the pixels
// scaled up would be a blur.
TEST(PaintOnPage, LinesAreDrawnAtThePagesResolution) {
  VectorSurface picture(100, 50, 0);
  drawLineAcross(picture);
  QImage page(1000, 800, QImage::Format_RGB32);
  page.fill(QColor(128, 128, 128));
  {
    QPainter painter(&page);
    paintOnPage(painter, QRectF(0, 0, 1000, 500), picture);
  }
  EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));      // the picture's white
  EXPECT_EQ(page.pixel(500, 700), qRgb(128, 128, 128));  // below it, the page as it was
  int black = 0, grey = 0;
  for (int y = 200; y < 300; ++y) {
    const int v = qGray(page.pixel(500, y));
    black += v < 10;
    grey += v >= 10 && v < 245;
  }
  EXPECT_GE(black, 9);
  EXPECT_LE(black, 11);
  EXPECT_LE(grey, 2);
}

TEST(PrintPicture, OnePdfPageOrAFailure) {
  const std::filesystem::path folder = makeTempFolder();
  VectorSurface picture(100, 50, 0);
  drawLineAcross(picture);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(QString::fromStdString((folder / "page.pdf").string()));
  QRectF placed;
  ASSERT_TRUE(printPicture(printer, picture, &placed));
  // Its size on the screen, 96 pixels to the inch, at 1200 dots to the inch.
  EXPECT_EQ(printer.resolution(), 1200);
  EXPECT_EQ(placed, QRectF(0, 0, 1250, 625));
  EXPECT_GT(std::filesystem::file_size(folder / "page.pdf"), 0u);

  printer.setOutputFileName(QString::fromStdString((folder / "none" / "page.pdf").string()));
  EXPECT_FALSE(printPicture(printer, picture));
  std::filesystem::remove_all(folder);
}

TEST_F(DesktopTest, CtrlPAndTheMenuShowThePrintPreviewOfThePicture) {
  drawInverse();
  const std::function<void()> ways[] = {
      [this] {
        QTest::keyClick(desktop->mainWindow->surfaceWidget(), Qt::Key_P, Qt::ControlModifier);
      },
      [this] {
        QMenu* menu = desktop->mainWindow->showSurfaceMenu(QPoint(10, 10));
        for (QAction* a : menu->actions()) {
          if (a->text() == QStringLiteral("打印…")) a->trigger();
        }
        menu->close();
      },
  };
  for (const auto& way : ways) {
    int pages = 0;
    bool landscape = false;
    whenTheDialogShows<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
      auto* preview = dialog.findChild<QPrintPreviewWidget*>();
      if (preview != nullptr) {
        preview->updatePreview();
        pages = preview->pageCount();
        landscape = preview->orientation() == QPageLayout::Landscape;
      }
      dialog.reject();
    });
    QApplication::setActiveWindow(desktop->mainWindow.get());
    way();
    EXPECT_EQ(pages, 1);
    // The page starts in landscape for a picture wider than tall.
    EXPECT_EQ(landscape, desktop->surface.AreaWidthPixels() > desktop->surface.AreaHeightPixels());
  }
  EXPECT_TRUE(kit.messages->shown.empty());
  EXPECT_EQ(kit.printer->attempts, 0);  // the toolbar's direct print did not run
}

}  // namespace
}  // namespace quorvel::test
