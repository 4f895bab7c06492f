// Printing on Qt, from the toolbar's 打印 and from the print preview alike: where the
// picture goes on the page (printPlacement), the picture printed as a PDF page, and
// what the printer service answers when it cannot print.
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "plot/recording_surface.h"
#include "qt/print_preview.h"
#include "qt/qt_services.h"
#include "qt_fixture.h"
#include "render/vector_surface.h"

namespace quorvel::test {
namespace {

struct PlacementCase {
  const char* name;
  QSize image;       // pixels
  QRectF printable;  // device units
  double dpi;
  QRectF expected;
};

// Names the case in a failure, instead of its bytes.
void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class PrintPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PrintPlacement, KeepsTheSizeWhenItFitsElseScalesDownKeepingProportions) {
  const PlacementCase& c = GetParam();
  const QRectF got = printPlacement(c.image, c.printable, c.dpi);
  EXPECT_NEAR(got.x(), c.expected.x(), 1e-6);
  EXPECT_NEAR(got.y(), c.expected.y(), 1e-6);
  EXPECT_NEAR(got.width(), c.expected.width(), 1e-6);
  EXPECT_NEAR(got.height(), c.expected.height(), 1e-6);
}

// The A4 page of a PDF printer at 1200 dpi with its 10-point margins.
const QRectF kA4(0, 0, 9583, 13699);

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintPlacement,
    ::testing::Values(
        // Smaller than the page: 96 pixels to the inch, in the device's units.
        PlacementCase{"SmallerKeepsItsSize", {500, 400}, kA4, 1200, {0, 0, 6250, 5000}},
        PlacementCase{"SmallerAt300Dpi", {96, 192}, {0, 0, 2400, 3300}, 300, {0, 0, 300, 600}},
        PlacementCase{
            "ExactlyThePageKeepsItsSize", {800, 600}, {0, 0, 800, 600}, 96, {0, 0, 800, 600}},
        // Larger: scaled down to just fit, the proportions kept.
        PlacementCase{"Wider", {1000, 500}, {0, 0, 800, 1000}, 96, {0, 0, 800, 400}},
        PlacementCase{"Taller", {300, 1200}, {0, 0, 800, 600}, 96, {0, 0, 150, 600}},
        PlacementCase{
            "BothLargerWidthLimits", {2000, 1000}, {0, 0, 800, 600}, 96, {0, 0, 800, 400}},
        PlacementCase{
            "BothLargerHeightLimits", {1000, 2000}, {0, 0, 800, 600}, 96, {0, 0, 300, 600}},
        // The default window on a 1920 × 1080 screen: its surface is about 980 pixels
        // wide, 12 250 device units at 1200 dpi, more than A4's printable width.
        PlacementCase{"WindowOnA4", {980, 960}, kA4, 1200, {0, 0, 9583, 12000.0 * 9583 / 12250}},
        // The printable area's corner is where the picture starts.
        PlacementCase{
            "OffsetSmaller", {100, 50}, {167, 167, 9583, 13699}, 1200, {167, 167, 1250, 625}},
        PlacementCase{"OffsetLarger", {2000, 1000}, {-5, 20, 800, 600}, 96, {-5, 20, 800, 400}},
        // Nothing to place, or nowhere to place it: an empty rectangle at the corner.
        PlacementCase{"EmptyImage", {0, 300}, {10, 20, 800, 600}, 96, {10, 20, 0, 0}},
        PlacementCase{"EmptyPage", {100, 100}, {10, 20, 0, 600}, 96, {10, 20, 0, 0}},
        PlacementCase{"NoResolution", {100, 100}, {10, 20, 800, 600}, 0, {10, 20, 0, 0}}),
    [](const ::testing::TestParamInfo<PlacementCase>& c) { return std::string(c.param.name); });

// The real printer code on a PDF printer: an A4 page at 1200 dpi with Qt's default
// margins, written to a file.
class PdfPrint : public ::testing::Test {
 protected:
  PdfPrint() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
  }
  ~PdfPrint() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  // Where `placed` (device units, from the printable area's corner) lies on the
  // paper, in points from the paper's corner.
  QRectF onPaper(const QRectF& placed) {
    const double toPoints = 72.0 / printer.resolution();
    return {printer.pageRect(QPrinter::Point).topLeft() + placed.topLeft() * toPoints,
            placed.size() * toPoints};
  }
  std::string head(std::size_t n) const {
    std::ifstream in(pdf, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
  }

  std::filesystem::path folder = makeTempFolder();
  std::filesystem::path pdf = folder / "page.pdf";
  QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PdfPrint, APictureWiderThanThePageIsScaledToFitIt) {
  // The surface of the default window on a 1920 × 1080 screen.
  VectorSurface surface(982, 962, 1);
  const QSize image(surface.AreaWidthPixels(), surface.AreaHeightPixels());
  ASSERT_GT(image.width() * 72.0 / 96, printer.pageRect(QPrinter::Point).width());
  QRectF placed;
  ASSERT_TRUE(printPicture(printer, surface, &placed));
  EXPECT_EQ(head(5), "%PDF-");

  // On the paper, inside the printable area, filling its width.
  const QRectF paper = printer.paperRect(QPrinter::Point);
  const QRectF printable = printer.pageRect(QPrinter::Point);
  const QRectF picture = onPaper(placed);
  EXPECT_GE(picture.left(), printable.left() - 0.01);
  EXPECT_GE(picture.top(), printable.top() - 0.01);
  EXPECT_LE(picture.right(), printable.right() + 0.01);
  EXPECT_LE(picture.bottom(), printable.bottom() + 0.01);
  EXPECT_LE(picture.right(), paper.right());
  EXPECT_NEAR(picture.right(), printable.right(), 0.5);
  EXPECT_NEAR(placed.width() * image.height(), placed.height() * image.width(),
              1e-6 * placed.width() * image.height());
}

TEST_F(PdfPrint, ASmallPictureKeepsItsSizeAt96PixelsToTheInch) {
  VectorSurface surface(302, 202, 1);
  const QSize image(surface.AreaWidthPixels(), surface.AreaHeightPixels());
  QRectF placed;
  ASSERT_TRUE(printPicture(printer, surface, &placed));
  EXPECT_EQ(placed.topLeft(), QPointF(0, 0));
  EXPECT_NEAR(placed.width(), image.width() * printer.resolution() / 96.0, 1e-6);
  EXPECT_NEAR(placed.height(), image.height() * printer.resolution() / 96.0, 1e-6);
  const QRectF picture = onPaper(placed);
  EXPECT_NEAR(picture.width(), image.width() * 0.75, 1e-6);  // 72 points to 96 pixels
  EXPECT_EQ(picture.topLeft(), printer.pageRect(QPrinter::Point).topLeft());
  EXPECT_EQ(head(5), "%PDF-");
}

TEST_F(PdfPrint, APrinterThatCannotStartThePageIsAFailure) {
  printer.setOutputFileName(QString::fromStdString((folder / "missing" / "page.pdf").string()));
  VectorSurface surface(100, 100, 1);
  QRectF placed(1, 2, 3, 4);
  EXPECT_FALSE(printPicture(printer, surface, &placed));
  EXPECT_EQ(placed, QRectF(1, 2, 3, 4));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

// Without a default printer the toolbar's 打印 says so, through the real QtPrinter.
// (Where a default printer exists this would print a page, so it does not run.)
TEST_F(DesktopTest, PrintWithoutAPrinterSaysSo) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
  program.services.printer = std::make_unique<QtPrinter>();
  drawInverse();
  clickToolbar(12);
  using Message = std::pair<std::string, std::string>;
  EXPECT_EQ(kit.messages->shown, (std::vector<Message>{{"错误", "没有可用的打印机"}}));
  EXPECT_EQ(panel.lstExist.ListCount(), 1);
}

}  // namespace
}  // namespace quorvel::test
