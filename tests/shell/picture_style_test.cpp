// The picture's style through the program: what the surface is asked, the grid under
// the curves, the curves' names, the options dialog and the export's size.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "settings/picture_preferences.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr int kExport = 5;
constexpr std::int32_t kGrey = rgbOf(204, 204, 204);

class PictureStyleTest : public ShellTest {
 protected:
  // The window draws the options in the modern look: a style with any option on is
  // chosen with 经典外观 off; the style with every option off is the classic look.
  void use(PictureStyle style) {
    if (style != PictureStyle{}) style.modern = true;
    storePictureStyle(*program.services.preferences, style);
  }
  // The calls since the last Cls: the picture as it now is.
  std::vector<SurfaceCall> picture() const {
    const std::vector<SurfaceCall>& all = surface.calls();
    auto last = std::find(all.rbegin(), all.rend(), SurfaceCall::cls());
    return {last.base(), all.end()};
  }
  std::vector<std::string> printed(const std::vector<SurfaceCall>& calls) const {
    std::vector<std::string> out;
    for (const SurfaceCall& c : calls) {
      if (c.kind == SurfaceCallKind::Print) out.push_back(c.text);
    }
    return out;
  }
};

TEST_F(PictureStyleTest, TheSurfaceIsAskedForTheStyleOnlyWhenItDiffers) {
  struct Case {
    PictureStyle style;
    std::vector<SurfaceCall> asked;
  };
  PictureStyle smooth, large;
  smooth.smooth = true;
  large.labelPoints = 16;
  const Case cases[] = {
      {PictureStyle{}, {}},
      {smooth, {SurfaceCall::smooth(true)}},
      {PictureStyle{}, {SurfaceCall::smooth(false)}},
      {large, {SurfaceCall::fontSize(16)}},
      {large, {}},
      {PictureStyle{}, {SurfaceCall::fontSize(9)}},
  };
  for (const Case& c : cases) {
    use(c.style);
    surface.clearCalls();
    drawCurve(2, 0, "6");
    std::vector<SurfaceCall> asked;
    for (const SurfaceCall& call : surface.calls()) {
      if (call.kind == SurfaceCallKind::Smooth || call.kind == SurfaceCallKind::FontSize) {
        asked.push_back(call);
      }
    }
    EXPECT_EQ(asked, c.asked);
  }
}

TEST_F(PictureStyleTest, TheGridLiesOnceUnderEveryCurveOfTheList) {
  PictureStyle style;
  style.grid = true;
  use(style);
  drawCurve(2, 0, "6");
  const std::size_t clsAfterOne = count(SurfaceCallKind::Cls);
  drawCurve(1, 0, "1", "0", "-2");
  // A new curve is drawn again with the whole list, the grid first.
  EXPECT_EQ(count(SurfaceCallKind::Cls), clsAfterOne + 1);
  const std::vector<SurfaceCall> calls = picture();
  const auto grey = std::find(calls.begin(), calls.end(), SurfaceCall::foreColor(kGrey));
  ASSERT_NE(grey, calls.end());
  EXPECT_EQ(std::count(calls.begin(), calls.end(), SurfaceCall::foreColor(kGrey)), 1);
  // Nothing but the grid's own pen comes before it: no curve and no axis yet.
  EXPECT_EQ(std::count_if(calls.begin(), grey,
                          [](const SurfaceCall& c) { return c.kind == SurfaceCallKind::Line; }),
            0);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=1x^2+0x+-2"}));
}

TEST_F(PictureStyleTest, LabelsAndTheLegendNameTheTickedCurvesAfterAllOfThem) {
  for (const CurveLabels mode : {CurveLabels::Beside, CurveLabels::Legend}) {
    panel.cmdClear_Click();
    PictureStyle style;
    style.labels = mode;
    use(style);
    drawCurve(0, 0, "1", "0");
    drawCurve(2, 0, "6");
    drawCurve(1, 0, "-1", "0", "3");
    panel.tbsControl.select(2);  // 视图: an untick redraws
    panel.lstExist.setSelected(1, false);
    const std::vector<SurfaceCall> calls = picture();
    // Named as a textbook prints them.
    const std::vector<std::string> names = {"y = x", "y = −x² + 3"};
    // The names come last, after the last curve's dots (and the axes' labels, which the
    // modern look writes over the curves too).
    std::vector<std::string> tail = printed(calls);
    tail.erase(tail.begin(), tail.end() - 2);
    EXPECT_EQ(tail, names) << static_cast<int>(mode);
    const auto lastDot = std::find_if(calls.rbegin(), calls.rend(), [](const SurfaceCall& c) {
      return c.kind == SurfaceCallKind::PSet;
    });
    std::vector<std::string> afterDots = printed({lastDot.base(), calls.end()});
    ASSERT_GE(afterDots.size(), names.size());
    afterDots.erase(afterDots.begin(), afterDots.end() - 2);
    EXPECT_EQ(afterDots, names) << static_cast<int>(mode);
    const auto papers = std::count_if(calls.begin(), calls.end(), [](const SurfaceCall& c) {
      return c.kind == SurfaceCallKind::FillBox;
    });
    EXPECT_EQ(papers, mode == CurveLabels::Legend ? 1 : 0);
    panel.tbsControl.select(1);
  }
}

TEST_F(PictureStyleTest, TheOptionsDialogStoresTheChoiceAndRedrawsThePicture) {
  drawCurve(2, 0, "6");
  PictureStyle chosen;
  chosen.modern = true;
  chosen.grid = true;
  chosen.labelPoints = 40;  // beyond the range: kept to its end
  kit.pictureOptions->answers = {std::nullopt, chosen, chosen};
  for (int click = 0; click < 3; ++click) {
    const std::size_t redraws = count(SurfaceCallKind::Cls);
    panel.cmdPictureOptions.click();
    // A cancel and the style already in force draw nothing again.
    EXPECT_EQ(count(SurfaceCallKind::Cls), redraws + (click == 1 ? 1 : 0)) << click;
  }
  ASSERT_EQ(kit.pictureOptions->shown.size(), 3u);
  EXPECT_EQ(kit.pictureOptions->shown[0], PictureStyle{});
  PictureStyle stored = chosen;
  stored.labelPoints = kMaxLabelPoints;
  EXPECT_EQ(kit.pictureOptions->shown[2], stored);
  EXPECT_EQ(panel.pictureStyle(), stored);
  EXPECT_EQ(std::count(surface.calls().begin(), surface.calls().end(),
                       SurfaceCall::fontSize(kMaxLabelPoints)),
            1);
}

TEST_F(PictureStyleTest, TheExportAsksItsSizeAfterTheFile) {
  drawCurve(2, 0, "6");
  PictureSize print;
  print.unit = SizeUnit::Centimetres;
  kit.exportSize->answers = {print, std::nullopt};
  for (const char* name : {"print.png", "cancelled.png", "again.png"}) {
    kit.files->answers.push_back((folder / name).string());
    program.main.clickToolbarButton(kExport);
  }
  const auto& shown = kit.exportSize->shown;
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].last, PictureSize{});
  EXPECT_EQ(shown[0].windowWidth, 498);
  EXPECT_EQ(shown[0].windowHeight, 498);
  EXPECT_EQ(shown[2].last, print);  // remembered; the cancel changed nothing
  const auto& written = kit.pictures->pictures;
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0].file, folder / "print.png");
  EXPECT_EQ(written[1].file, folder / "again.png");
  EXPECT_TRUE(messages().empty());
}

// The window's 导出 at any size shows the plane the window shows: the side that fits
// exactly shows the same range, the other at least as much around the same middle,
// one unit the same length on both; lines and texts grow by the fit factor.
TEST_F(PictureStyleTest, AnExportOfAnySizeShowsTheRegionTheWindowShows) {
  drawCurve(2, 0, "6");
  panel.txtValue.setText("");
  panel.picLeft_Click();  // the view's middle is no longer the origin
  const ViewState screen = g;
  struct Case {
    PictureSize size;
    int imageWidth, imageHeight;  // the file's pixels
    bool widthFits;               // else the height fits
  };
  const Case cases[] = {
      {PictureSize{SizeUnit::Centimetres, 0, 0, 10, 10, 300}, 1181, 1181, true},
      {PictureSize{SizeUnit::Pixels, 1600, 1000}, 1600, 1000, false},
      {PictureSize{SizeUnit::Pixels, 300, 900}, 300, 900, true},
      {PictureSize{SizeUnit::Centimetres, 0, 0, 15, 7.5, 96}, 567, 283, false},
      {PictureSize{SizeUnit::Pixels, 498, 498}, 498, 498, true},
  };
  // The window's drawing area is 498 × 498 pixels (7470 view units) in a one-pixel border.
  const double windowPixels = 498;
  const double middleX = (screen.viewLeft + screen.viewRight) / 2.0;
  const double middleY = (screen.viewBottom + screen.viewTop) / 2.0;
  for (const Case& c : cases) {
    kit.pictures->pictures.clear();
    ASSERT_EQ(program.main.exportPicture(folder / "p.png", PictureFormat::Png, c.size), "");
    ASSERT_EQ(kit.pictures->pictures.size(), 1u);
    const ScriptedPictureWriter::Written& written = kit.pictures->pictures[0];
    const PictureSpec& picture = written.pictureSpec;
    EXPECT_EQ(picture.imageWidthPixels, c.imageWidth);
    EXPECT_EQ(picture.imageHeightPixels, c.imageHeight);
    const double fit = c.widthFits ? c.imageWidth / windowPixels : c.imageHeight / windowPixels;
    EXPECT_NEAR(picture.pixelRatio, fit, 1e-9);
    EXPECT_EQ(c.widthFits ? picture.widthPixels : picture.heightPixels, 498);
    const auto scale =
        std::find_if(written.calls.begin(), written.calls.end(),
                     [](const SurfaceCall& call) { return call.kind == SurfaceCallKind::Scale; });
    ASSERT_NE(scale, written.calls.end());
    // The picture's edges in view units (its area and its border at the same scale).
    const double left = scale->args[0], top = scale->args[1];
    const double right = scale->args[2], bottom = scale->args[3];
    EXPECT_NEAR((left + right) / 2, middleX, 8) << c.imageWidth << "x" << c.imageHeight;
    EXPECT_NEAR((top + bottom) / 2, middleY, 8);
    const double width = right - left, height = top - bottom;
    const double windowWidth = screen.viewRight - screen.viewLeft;
    const double windowHeight = screen.viewTop - screen.viewBottom;
    EXPECT_NEAR(c.widthFits ? width : height, c.widthFits ? windowWidth : windowHeight, 16);
    EXPECT_GE(c.widthFits ? height : width, (c.widthFits ? windowHeight : windowWidth) - 16);
    // One unit the same length both ways: view units per image pixel alike.
    EXPECT_NEAR(width / c.imageWidth, height / c.imageHeight, 0.05 * width / c.imageWidth);
  }
  EXPECT_EQ(g.viewLeft, screen.viewLeft);  // the screen's view as it was
  EXPECT_TRUE(messages().empty());
}

TEST_F(PictureStyleTest, ASizeBeyondWhatAPictureHoldsIsRefused) {
  drawCurve(2, 0, "6");
  PictureSize huge;
  huge.unit = SizeUnit::Pixels;
  huge.widthPixels = 9000;
  EXPECT_EQ(program.main.exportPicture(folder / "h.png", PictureFormat::Png, huge),
            "图像尺寸超出范围");
  EXPECT_TRUE(kit.pictures->pictures.empty());
}

}  // namespace
}  // namespace quorvel::test
