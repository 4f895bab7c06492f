// The two looks through the program: a new user (and one whose preferences were
// written before the looks) gets the modern look; 经典外观 draws the picture of the
// command line's golden trace call for call; the readable palette for 1 to 20 curves;
// on dense pictures with names, a legend and the analysis marks no two texts meet.
#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/list_file.h"
#include "document/form_entry.h"
#include "document/parametric_entry.h"
#include "plot/palette.h"
#include "settings/picture_preferences.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

// The curves of a crowded lesson: lines, parabolas, k/x, exponential, logarithm,
// sine, tangent, the conics, the tick function and expressions of one's own.
struct Entry {
  int family, form;
  const char *p1, *p2, *p3;
};
constexpr Entry kCrowd[] = {
    {0, 0, "0.5", "1", ""},
    {0, 2, "1", "2", "3"},
    {1, 0, "1", "-2", "1"},
    {1, 2, "-0.5", "1", "3"},
    {2, 0, "6", "", ""},
    {3, 0, "2", "", ""},
    {4, 0, "2", "", ""},
    {5, 0, "2", "1", "0"},
    {7, 0, "1", "1", "0"},
    {9, 0, "4", "3", ""},
    {10, 0, "2", "1", ""},
    {11, 0, "1", "", ""},
    {12, 0, "1", "4", ""},
    {13, 0, "sin(x)*x^2", "", ""},
    {13, 0, "(x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x", "", ""},
};

class ModernLookTest : public ShellTest {
 protected:
  ModernLookTest() {
    // A user who has chosen nothing yet.
    program.services.preferences = std::make_unique<MemoryPreferences>();
  }
  Preferences& preferences() { return *program.services.preferences; }
  void drawCrowd() {
    for (const Entry& e : kCrowd) {
      if (e.family == kCustomFamily) {
        drawExpression(e.p1);
      } else {
        drawCurve(e.family, e.form, e.p1, e.p2, e.p3);
      }
    }
    ASSERT_EQ(lines().size(), std::size(kCrowd));
  }
  // The calls since the last Cls: the picture as it now is.
  std::vector<SurfaceCall> picture() const {
    const std::vector<SurfaceCall>& all = surface.calls();
    auto last = std::find(all.rbegin(), all.rend(), SurfaceCall::cls());
    return {last.base(), all.end()};
  }
  // Every text of the picture as a box, and the legend's paper when there is one.
  void expectNoTextsMeet(const std::string& what) {
    std::vector<std::pair<PixelBox, std::string>> texts;
    std::optional<PixelBox> legend;
    for (const SurfaceCall& c : picture()) {
      if (c.kind == SurfaceCallKind::Print) {
        // The surface's calls are in single precision: a hundredth of a pixel is no
        // overlap (the legend's lines of text stand exactly one text height apart).
        PixelBox box = textBox(surface, c.args[0], c.args[1], c.text);
        box = {box.left + 0.01, box.top + 0.01, box.right - 0.01, box.bottom - 0.01};
        texts.push_back({box, c.text});
      } else if (c.kind == SurfaceCallKind::FillBox) {
        const PixelPoint a = surface.toPixels(c.args[0], c.args[1]);
        const PixelPoint b = surface.toPixels(c.args[2], c.args[3]);
        legend = PixelBox{a.column, a.row, b.column, b.row};
      }
    }
    ASSERT_GT(texts.size(), 10u) << what;
    const double width = surface.AreaWidthPixels(), height = surface.AreaHeightPixels();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const auto& [box, text] = texts[i];
      EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height)
          << what << ": '" << text << "' is cut";
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(box.overlaps(texts[j].first))
            << what << ": '" << text << "' meets '" << texts[j].second << "'";
      }
      const bool inLegend = legend && box.left >= legend->left && box.right <= legend->right + 1 &&
                            box.top >= legend->top && box.bottom <= legend->bottom + 1;
      if (legend && !inLegend) {
        EXPECT_FALSE(box.overlaps(*legend)) << what << ": '" << text << "' under the legend";
      }
    }
  }
};

TEST_F(ModernLookTest, ANewUserAndOldPreferencesGetTheModernLook) {
  PictureStyle expected;
  expected.modern = true;
  expected.smooth = true;
  EXPECT_EQ(panel.pictureStyle(), expected);
  // Written before the two looks: no 经典外观 key; the options stored then still hold.
  preferences().set(kGridLines, true);
  preferences().set(kSmoothCurves, false);
  expected.grid = true;
  expected.smooth = false;
  EXPECT_EQ(panel.pictureStyle(), expected);
  // 经典外观: every option off, whatever is stored; the dialog still shows them.
  preferences().set(kClassicLook, true);
  EXPECT_EQ(panel.pictureStyle(), PictureStyle{});
  expected.modern = false;
  EXPECT_EQ(storedPictureStyle(preferences()), expected);
}

TEST_F(ModernLookTest, TheOptionsDialogSwitchesTheLookAndRedraws) {
  drawCurve(2, 0, "6");
  PictureStyle classic = storedPictureStyle(preferences());
  classic.modern = false;
  kit.pictureOptions->answers = {classic};
  const std::size_t redraws = count(SurfaceCallKind::Cls);
  panel.cmdPictureOptions.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), redraws + 1);
  EXPECT_EQ(panel.pictureStyle(), PictureStyle{});
  // The classic picture: the tick at 500 view units labelled "1" at its fixed place.
  EXPECT_NE(std::find(surface.calls().begin(), surface.calls().end(),
                      SurfaceCall::print(500 - 75, -75, "1")),
            surface.calls().end());
  // Options changed while the classic look is on leave the picture as it is.
  PictureStyle gridded = classic;
  gridded.grid = true;
  kit.pictureOptions->answers = {gridded};
  panel.cmdPictureOptions.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), redraws + 1);
}

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ClassicLook, TheWindowDrawsTheGoldenTraceCallForCall) {
  // The picture of `quorvel export cli_worksheet.qvx --trace --size 300x200 --scale 1000
  // --level 40 --pen 3`, drawn by a window's program whose user chose 经典外观 (and
  // turned on options the classic look leaves unused).
  const std::filesystem::path folder = makeTempFolder();
  {
    ScriptedServices kit(folder);
    Services services = kit.take();
    services.preferences = std::make_unique<MemoryPreferences>();
    PictureStyle unused;
    unused.smooth = unused.grid = unused.piTicks = true;
    unused.labels = CurveLabels::Legend;
    unused.labelPoints = 20;
    storePictureStyle(*services.preferences, unused);
    RecordingSurface surface(300, 200, 0);
    Program program(surface, std::move(services));
    program.panel.Form_Load();
    program.panel.sldZoom.setValue(1000);
    program.panel.sldLevel.setValue(40);
    program.panel.sldPenWidth.setValue(3);
    ASSERT_TRUE(program.main.openListFile(testDataPath("cli_worksheet.qvx")));
    EXPECT_EQ(surface.traceText(), fileText(testDataPath("cli_worksheet_trace.txt")));
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

// WCAG's contrast of a colour against white.
double contrastOnWhite(std::int32_t rgb) {
  auto linear = [](int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double y =
      0.2126 * linear(redOf(rgb)) + 0.7152 * linear(greenOf(rgb)) + 0.0722 * linear(blueOf(rgb));
  return 1.05 / (y + 0.05);
}

// CIEDE2000 between two colours, by Little CMS from sRGB.
class ColourDistance {
 public:
  ColourDistance() {
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    transform_ =
        cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0);
    cmsCloseProfile(srgb);
    cmsCloseProfile(lab);
  }
  ~ColourDistance() { cmsDeleteTransform(transform_); }
  ColourDistance(const ColourDistance&) = delete;
  ColourDistance& operator=(const ColourDistance&) = delete;
  double operator()(std::int32_t a, std::int32_t b) const {
    const cmsCIELab la = lab(a), lb = lab(b);
    return cmsCIE2000DeltaE(&la, &lb, 1, 1, 1);
  }

 private:
  cmsCIELab lab(std::int32_t rgb) const {
    const unsigned char in[3] = {static_cast<unsigned char>(redOf(rgb)),
                                 static_cast<unsigned char>(greenOf(rgb)),
                                 static_cast<unsigned char>(blueOf(rgb))};
    cmsCIELab out{};
    cmsDoTransform(transform_, in, &out, 1);
    return out;
  }
  cmsHTRANSFORM transform_;
};

TEST_F(ModernLookTest, ParametricAndPolarCurvesCountInTheLeastUsedColour) {
  for (const int item : {kFamilyCount, kFamilyCount + 1, kFamilyCount}) {
    panel.cboFuncName.setListIndex(item);  // 参数方程, 极坐标方程
    panel.txtParameter[1].setText("cos t");
    panel.txtParameter[2].setText("sin t");
    if (item == kFamilyCount + 1) panel.txtParameter[1].setText("1+cos θ");
    panel.cmdDraw.click();
  }
  drawCurve(0, 0, "1", "0");
  std::vector<std::int32_t> colours;
  for (const ListEntry& entry : panel.document().entries()) {
    const std::optional<std::int32_t> plane = planeColour(entry);
    colours.push_back(plane ? *plane : curveRecord(entry)->color);
  }
  ASSERT_EQ(colours.size(), 4u);
  EXPECT_EQ(colours,
            (std::vector<std::int32_t>(kReadablePalette.begin(), kReadablePalette.begin() + 4)));
}

TEST_F(ModernLookTest, TheColoursOfOneToTwentyCurvesAreReadableAndDistinct) {
  const ColourDistance distance;
  for (int i = 0; i < 20; ++i) drawCurve(0, 0, "1", std::to_string(i));
  std::vector<std::int32_t> colours;
  ListFile file(program.listPath());
  for (int n = 1; n <= 20; ++n) colours.push_back(file.read(n)->color);
  for (std::size_t n = 1; n <= colours.size(); ++n) {
    const std::int32_t c = colours[n - 1];
    EXPECT_GE(contrastOnWhite(c), 3.0) << "curve " << n;
    // The first eight all differ; from the ninth on each takes the least used.
    for (std::size_t m = 1; m < std::min<std::size_t>(n, 9); ++m) {
      if (n <= 8) {
        EXPECT_GE(distance(colours[m - 1], c), 20.0) << "curves " << m << ", " << n;
      }
    }
    for (const std::int32_t p : kReadablePalette) {
      const auto uses = std::count(colours.begin(), colours.begin() + static_cast<long>(n), p);
      EXPECT_GE(uses, static_cast<long>(n / kReadablePalette.size())) << n;
      EXPECT_LE(uses,
                static_cast<long>((n + kReadablePalette.size() - 1) / kReadablePalette.size()))
          << n;
    }
  }
  // The original colours that pass keep their places: blue first, then red.
  EXPECT_EQ(colours[0], rgbOf(0, 0, 255));
  EXPECT_EQ(colours[1], rgbOf(255, 0, 0));
  // An unticked curve's colour is free again.
  panel.cmdClear_Click();
  drawCurve(0, 0, "1", "0");
  drawCurve(0, 0, "1", "1");
  panel.lstExist.setSelected(0, false);
  drawCurve(0, 0, "1", "2");
  ListFile again(program.listPath());
  EXPECT_EQ(again.read(3)->color, again.read(1)->color);
}

TEST_F(ModernLookTest, NoTextsMeetOnADensePictureWithNamesLegendAndKeyPoints) {
  drawCrowd();
  // The analysis marks of sin x at c = 0.5: many points close together.
  frmAnalysis& analysis = program.analysis;
  analysis.cboCurve.setListIndex(7);
  analysis.txtValue.setText("0.5");
  analysis.chkMarks.setValue(1);
  for (const CurveLabels mode : {CurveLabels::Beside, CurveLabels::Legend, CurveLabels::None}) {
    PictureStyle style = storedPictureStyle(preferences());
    style.labels = mode;
    storePictureStyle(preferences(), style);
    panel.cmdRedraw_Click();
    ASSERT_FALSE(analysis.keyPoints().empty());
    expectNoTextsMeet("labels " + std::to_string(static_cast<int>(mode)));
  }
  // Zoomed by the wheel's steps and moved: the texts still keep apart.
  for (const std::int32_t scale : {625, 781, 977, 400, 2384}) {
    panel.sldZoom.setValue(scale);
    panel.cmdRedraw_Click();
    expectNoTextsMeet("scale " + std::to_string(scale));
  }
}

}  // namespace
}  // namespace quorvel::test
