// The toolbar's 导出: its dialog, the format and file a chosen name and filter give,
// the picture drawn (the screen's own replay) and the failures.
#include <filesystem>
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr int kExport = 5;
enum Filter { kBitmap, kPng, kSvg, kPdf };

class ExportDialogTest : public ShellTest {
 protected:
  // The user types `name` (in the program folder) with the filter `filter` selected.
  void exportAs(const std::string& name, int filter) {
    kit.files->answers.push_back((folder / name).string());
    kit.files->filters.push_back(filter);
    program.main.clickToolbarButton(kExport);
  }
  const ScriptedPictureWriter& exporter() const { return *kit.pictures; }
  // The format of picture i as its extension in capitals.
  std::string formatOf(std::size_t i) const {
    std::string name = extensionOf(exporter().pictures.at(i).pictureSpec.format);
    for (char& ch : name) ch = static_cast<char>(ch - 'a' + 'A');
    return name;
  }
};

TEST_F(ExportDialogTest, OffersTheBitmapFirstThenPngSvgAndPdf) {
  program.main.clickToolbarButton(kExport);  // cancelled
  ASSERT_EQ(kit.files->shown.size(), 1u);
  const ScriptedFileDialog::Shown& shown = kit.files->shown[0];
  EXPECT_TRUE(shown.save);
  EXPECT_EQ(shown.request.title, "导出图像");
  EXPECT_EQ(shown.request.filter,
            "位图文件(*.BMP)|*.BMP|PNG 图像(*.PNG)|*.PNG|SVG 矢量图(*.SVG)|*.SVG|"
            "PDF 文档(*.PDF)|*.PDF");
  EXPECT_EQ(shown.request.fileName, "");
  EXPECT_EQ(shown.request.defaultExtension, "BMP");
  ASSERT_EQ(shown.request.filterCount(), 4);
  EXPECT_EQ(shown.request.filterExtension(0), "BMP");
  EXPECT_EQ(shown.request.filterExtension(3), "PDF");
  EXPECT_TRUE(exporter().pictures.empty());
  EXPECT_TRUE(messages().empty());
}

struct FilterPartCase {
  const char* filter;
  int index;
  const char* extension;
  int count;
};

class FilterParts : public ::testing::TestWithParam<FilterPartCase> {};

TEST_P(FilterParts, ExtensionOfAPairAndTheNumberOfPairs) {
  const FileDialogRequest request{"", GetParam().filter, "", "QVX"};
  EXPECT_EQ(request.filterExtension(GetParam().index), GetParam().extension);
  EXPECT_EQ(request.filterCount(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Filters, FilterParts,
                         ::testing::Values(FilterPartCase{"函数图像文件(*.QVX)|*.QVX", 0, "QVX", 1},
                                           FilterPartCase{"函数图像文件(*.QVX)|*.QVX", 1, "", 1},
                                           FilterPartCase{"A|*.a;*.b|C|*.C", 0, "a", 2},
                                           FilterPartCase{"A|*.a;*.b|C|*.C", 1, "C", 2},
                                           FilterPartCase{"A|*.a;*.b|C|*.C", -1, "", 2},
                                           FilterPartCase{"All|*.*", 0, "", 1},
                                           FilterPartCase{"Any|*", 0, "", 1},
                                           FilterPartCase{"T|*.tar.gz", 0, "", 1},
                                           FilterPartCase{"", 0, "", 0}));

struct TargetCase {
  const char* typed;
  int filter;
  const char* written;
  const char* format;
};

class ExportTargets : public ExportDialogTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(ExportTargets, ExtensionNamesTheFormatElseTheFilterDoes) {
  const TargetCase& c = GetParam();
  std::filesystem::create_directory(folder / "x.d");
  drawCurve(2, 0, "6");
  exportAs(c.typed, c.filter);
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(exporter().pictures.size(), 1u);
  EXPECT_EQ(formatOf(0), c.format);
  EXPECT_EQ(exporter().pictures[0].file, folder / c.written);
  EXPECT_EQ(exportTargetFor((folder / c.typed).string(), c.filter).file, folder / c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExportTargets,
    ::testing::Values(
        TargetCase{"a.png", kBitmap, "a.png", "PNG"}, TargetCase{"a.PNG", kBitmap, "a.PNG", "PNG"},
        TargetCase{"a.Png", kPdf, "a.Png", "PNG"}, TargetCase{"a.bmp", kSvg, "a.bmp", "BMP"},
        TargetCase{"a.svg", kPng, "a.svg", "SVG"}, TargetCase{"a.PDF", kBitmap, "a.PDF", "PDF"},
        TargetCase{"a", kBitmap, "a.BMP", "BMP"}, TargetCase{"a", kPng, "a.PNG", "PNG"},
        TargetCase{"a", kSvg, "a.SVG", "SVG"}, TargetCase{"a", kPdf, "a.PDF", "PDF"},
        // An extension of its own stays; the filter gives the format.
        TargetCase{"a.txt", kPng, "a.txt", "PNG"}, TargetCase{"a.", kSvg, "a.", "SVG"},
        // A dot in a folder's name or a leading one is no extension.
        TargetCase{"x.d/a", kSvg, "x.d/a.SVG", "SVG"},
        TargetCase{".hidden", kPng, ".hidden.PNG", "PNG"},
        // A filter the list does not hold counts as the first.
        TargetCase{"a", 7, "a.BMP", "BMP"}, TargetCase{"a", -1, "a.BMP", "BMP"}),
    [](const auto& p) { return "case" + std::to_string(p.index); });

TEST_F(ExportDialogTest, ThePictureIsTheScreensLastReplay) {
  drawCurve(2, 0, "6");
  drawCurve(2, 0, "-2");
  drawCurve(2, 0, "3");
  panel.tbsControl.select(2);  // 视图: an untick redraws
  panel.lstExist.setSelected(1, false);
  panel.sldLevel.setValue(1500);
  panel.sldPenWidth.setValue(4);
  panel.txtValue.setText("");
  surface.clearCalls();
  panel.picLeft_Click();
  const std::vector<SurfaceCall> screen = surface.calls();
  const ViewState view = g;
  const std::vector<std::string> before = lines();
  exportAs("p", kSvg);
  ASSERT_EQ(exporter().pictures.size(), 1u);
  const ScriptedPictureWriter::Written& p = exporter().pictures[0];
  EXPECT_EQ(p.file, folder / "p.SVG");
  EXPECT_EQ(p.pictureSpec.widthPixels, 498);  // the drawing area inside the one-pixel border
  EXPECT_EQ(p.pictureSpec.heightPixels, 498);
  EXPECT_EQ(p.pictureSpec.borderPixels, 1);
  // The same calls as the screen's replay after the pan: the ticked curves, in the
  // view the surface shows (not the centred one), with the panel's sliders.
  EXPECT_NE(g.viewLeft, -g.viewRight);
  EXPECT_EQ(p.calls, screen);
  // Nothing of the program changed.
  EXPECT_EQ(g.viewLeft, view.viewLeft);
  EXPECT_EQ(g.viewTop, view.viewTop);
  EXPECT_EQ(g.zoomScale, view.zoomScale);
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(surface.calls(), screen);  // the screen was not drawn on
}

TEST_F(ExportDialogTest, NothingDrawnGivesAnEmptyPicture) {
  exportAs("empty.pdf", kBitmap);
  ASSERT_EQ(exporter().pictures.size(), 1u);
  EXPECT_EQ(formatOf(0), "PDF");
  EXPECT_EQ(exporter().pictures[0].calls, std::vector<SurfaceCall>{SurfaceCall::cls()});
  EXPECT_TRUE(messages().empty());
}

class ExportFailure : public ExportDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExportFailure, IsReportedInEveryFormat) {
  drawCurve(2, 0, "6");
  kit.pictures->fail = true;
  exportAs("picture", GetParam());
  // The writer's reason goes to the user under the program's own words.
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].first, "错误");
  EXPECT_EQ(messages()[0].second.rfind("导出图像错误\ncannot write ", 0), 0u)
      << messages()[0].second;
  EXPECT_TRUE(exporter().pictures.empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportFailure, ::testing::Values(kBitmap, kPng, kSvg, kPdf));

TEST_F(ExportDialogTest, WorkingListIsNeverOverwrittenByAPicture) {
  drawCurve(2, 0, "6");
  const std::vector<unsigned char> before = listBytes();
  kit.files->answers.push_back(program.listPath().string());
  kit.files->filters.push_back(kPng);
  program.main.clickToolbarButton(kExport);
  EXPECT_EQ(messages(),
            (std::vector<Message>{{"错误", "导出图像错误\n不能覆盖正在使用的函数列表"}}));
  EXPECT_TRUE(exporter().pictures.empty());
  EXPECT_EQ(listBytes(), before);
}

}  // namespace
}  // namespace quorvel::test
