// The toolbar's 导出 from the real window objects: PNG with the bitmap's pixels, SVG and
// PDF replayed from the list with only the ticked lines, in the view on the screen;
// the list picture's ticks; and the Qt file dialog's filter choice.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "qt/qt_services.h"
#include "qt_fixture.h"
#include "support/svg_reader.h"

namespace quorvel::test {
namespace {

constexpr int kExport = 5;
constexpr int kLeft = 8;
enum Filter { kBitmap, kPng, kSvg, kPdf };

// The x of the black vertical line that spans most of the picture: the y axis.
std::optional<double> yAxisColumn(const SvgPicture& picture, double height) {
  for (const SvgPolyline& p : picture.polylines) {
    if (p.stroke != QLatin1String("#000000") || p.points.size() != 2) continue;
    const QPointF& a = p.points[0];
    const QPointF& b = p.points[1];
    if (a.x() == b.x() && std::fabs(a.y() - b.y()) > 0.9 * height) return a.x();
  }
  return std::nullopt;
}

std::string firstBytes(const std::filesystem::path& file, std::size_t n) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(n, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

class ExportDialog : public DesktopTest {
 protected:
  // y = a·x + b in the colour `rgb`, chosen with the colour button.
  void drawLine(const std::string& a, const std::string& b, std::int32_t rgb) {
    panel.chkAutoColor.setValue(0);
    kit.colors->answers.push_back(rgb);
    panel.cmdColor.click();
    panel.cboFuncName.setListIndex(0);
    panel.cboStyle[0].setListIndex(0);
    panel.txtParameter[1].setText(a);
    panel.txtParameter[2].setText(b);
    panel.cmdDraw.click();
  }
  void exportAs(const std::string& name, int filter) {
    kit.files->answers.push_back((folder / name).string());
    kit.files->filters.push_back(filter);
    clickToolbar(kExport);
  }
  int surfaceHeight() const { return desktop->surface.AreaHeightPixels(); }
};

TEST_F(ExportDialog, SvgHoldsOnlyTheTickedCurveAsXml) {
  drawLine("1", "0", rgbOf(255, 0, 0));
  drawLine("-1", "0", rgbOf(0, 0, 255));
  panel.tbsControl.select(2);  // 视图, where the list is
  panel.lstExist.setSelected(0, false);
  exportAs("two", kSvg);
  EXPECT_TRUE(kit.messages->shown.empty());
  const SvgPicture svg = readSvg(folder / "two.SVG");
  ASSERT_TRUE(svg.parsed);
  EXPECT_EQ(svg.count("#0000ff"), 1);
  EXPECT_EQ(svg.count("#ff0000"), 0);
  EXPECT_GT(svg.count("#000000"), 2);  // the axes and their ticks

  // Ticked again, both are in the picture.
  panel.lstExist.setSelected(0, true);
  exportAs("both.svg", kBitmap);
  const SvgPicture both = readSvg(folder / "both.svg");
  EXPECT_EQ(both.count("#0000ff"), 1);
  EXPECT_EQ(both.count("#ff0000"), 1);
}

TEST_F(ExportDialog, PdfIsADocument) {
  drawLine("2", "1", rgbOf(0, 128, 0));
  exportAs("graph", kPdf);
  EXPECT_TRUE(kit.messages->shown.empty());
  EXPECT_EQ(firstBytes(folder / "graph.PDF", 5), "%PDF-");
}

TEST_F(ExportDialog, PngHasTheBitmapsPixels) {
  drawLine("1", "0", rgbOf(255, 0, 0));
  exportAs("s.bmp", kPng);
  exportAs("s", kPng);
  EXPECT_TRUE(kit.messages->shown.empty());
  EXPECT_EQ(firstBytes(folder / "s.bmp", 2), "BM");
  EXPECT_EQ(firstBytes(folder / "s.PNG", 4), "\x89PNG");
  const QImage bmp(QString::fromStdString((folder / "s.bmp").string()));
  const QImage png(QString::fromStdString((folder / "s.PNG").string()));
  ASSERT_FALSE(bmp.isNull());
  ASSERT_EQ(png.size(), desktop->surface.image().size());
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32));
}

// The column of the screen's image with the most black pixels: the y axis.
int blackestColumn(const QImage& image) {
  int best = -1;
  int bestCount = 0;
  for (int x = 0; x < image.width(); ++x) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    if (n > bestCount) {
      best = x;
      bestCount = n;
    }
  }
  return best;
}

TEST_F(ExportDialog, VectorPictureUsesTheViewOnTheScreen) {
  drawLine("1", "0", rgbOf(255, 0, 0));
  exportAs("before.svg", kSvg);
  clickToolbar(kLeft);  // 左方: the picture moves right
  exportAs("after.svg", kSvg);
  const std::optional<double> before = yAxisColumn(readSvg(folder / "before.svg"), surfaceHeight());
  const std::optional<double> after = yAxisColumn(readSvg(folder / "after.svg"), surfaceHeight());
  ASSERT_TRUE(before && after);
  EXPECT_NEAR(*before, desktop->surface.AreaWidthPixels() / 2.0, 1.0);
  EXPECT_GT(*after, *before + 10);
  // Where the screen has its axis now.
  EXPECT_NEAR(*after, blackestColumn(desktop->surface.image()), 1.5);
}

TEST_F(ExportDialog, FailureIsReportedAndTheOldFileKept) {
  drawLine("1", "0", rgbOf(255, 0, 0));
  std::filesystem::create_directory(folder / "taken.svg");
  exportAs("taken.svg", kSvg);
  ASSERT_EQ(kit.messages->shown.size(), 1u);
  EXPECT_EQ(kit.messages->shown[0].first, "错误");
  // The writer's reason comes under the program's words.
  EXPECT_EQ(kit.messages->shown[0].second.rfind("导出图像错误\ncannot replace", 0), 0u)
      << kit.messages->shown[0].second;
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.svg"));
}

// The bitmap is drawn afresh by the screen's own replay: after ticks and a pan it
// holds exactly the pixels the screen's picture holds.
TEST_F(ExportDialog, BitmapIsWhatTheScreenShows) {
  drawLine("1", "0", rgbOf(255, 0, 0));
  drawLine("2", "0", rgbOf(0, 255, 0));
  drawLine("3", "0", rgbOf(0, 0, 255));
  panel.tbsControl.select(2);  // 视图, where the list is
  panel.lstExist.setSelected(1, false);
  clickToolbar(kLeft);
  exportAs("screen.bmp", kBitmap);
  const QImage bmp(QString::fromStdString((folder / "screen.bmp").string()));
  ASSERT_FALSE(bmp.isNull());
  EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32),
            desktop->surface.image().convertToFormat(QImage::Format_RGB32));
}

// Picks the filter pair `index` with the keyboard, as a user does, then the name.
void chooseFilterAndName(QFileDialog& dialog, int index, const QString& name) {
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (types == nullptr) {
    ADD_FAILURE() << "no filter list in the dialog";
    dialog.reject();
    return;
  }
  for (int i = types->currentIndex(); i < index; ++i) QTest::keyClick(types, Qt::Key_Down);
  // Typed into the name box, as a user types: QFileDialog::selectFile leaves the box
  // alone while it has the focus, which it may or may not have by now.
  auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (nameBox == nullptr) {
    ADD_FAILURE() << "no name box in the dialog";
    dialog.reject();
    return;
  }
  nameBox->setText(name);
  // QDialog's accept, not QFileDialog's: the file dialog's own may refuse while its
  // file system model is still loading the folder, and leave the dialog open.
  dialog.QDialog::accept();
}

class QtSaveDialog : public ::testing::Test {
 protected:
  ~QtSaveDialog() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  FileDialogResult save() { return dialog.showSave({"导出图像", kExportFilter, "", "BMP"}); }
  QString inFolder(const std::string& name) const {
    return QString::fromStdString((folder / name).string());
  }
  std::filesystem::path folder = makeTempFolder();
  QtFileDialog dialog;
};

TEST_F(QtSaveDialog, ReportsTheChosenFilterAndGivesItsExtension) {
  whenTheDialogShows<QFileDialog>([this](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("导出图像"));
    EXPECT_EQ(d.nameFilters().size(), 4);
    EXPECT_EQ(d.selectedNameFilter(), QStringLiteral("位图文件(*.BMP) (*.BMP *.bmp)"));
    chooseFilterAndName(d, kSvg, inFolder("pic"));
  });
  const FileDialogResult chosen = save();
  EXPECT_EQ(chosen.filterIndex, kSvg);
  EXPECT_EQ(chosen.fileName, (folder / "pic.SVG").string());
}

TEST_F(QtSaveDialog, KeepsATypedExtensionAndTheBitmapByDefault) {
  whenTheDialogShows<QFileDialog>(
      [this](QFileDialog& d) { chooseFilterAndName(d, kBitmap, inFolder("pic")); });
  FileDialogResult chosen = save();
  EXPECT_EQ(chosen.filterIndex, kBitmap);
  EXPECT_EQ(chosen.fileName, (folder / "pic.BMP").string());
  whenTheDialogShows<QFileDialog>(
      [this](QFileDialog& d) { chooseFilterAndName(d, kPdf, inFolder("pic.png")); });
  chosen = save();
  EXPECT_EQ(chosen.filterIndex, kPdf);
  EXPECT_EQ(chosen.fileName, (folder / "pic.png").string());
  whenTheDialogShows<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(save().fileName, "");
  // Closed with the name box empty, the dialog names its folder: that is no file.
  whenTheDialogShows<QFileDialog>([this](QFileDialog& d) {
    d.setDirectory(inFolder(""));
    chooseFilterAndName(d, kPng, QString());
  });
  EXPECT_EQ(save().fileName, "");
}

}  // namespace
}  // namespace quorvel::test
