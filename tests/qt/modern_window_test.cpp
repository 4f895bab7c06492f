// A new user's window, through the real widgets: smooth curves in the readable
// palette, and after the wheel the picture's texts measured with the window's own
// font: nice ticks, none cut, none over another.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "plot/recording_surface.h"
#include "qt/surface_widget.h"
#include "qt_fixture.h"
#include "render/raster_surface.h"

namespace quorvel::test {
namespace {

// The calls of a picture, its texts measured as the window's raster surface measures
// them.
class MeasuredRecording : public RecordingSurface {
 public:
  MeasuredRecording(int width, int height, int border)
      : RecordingSurface(width, height, border), font_(width, height, border) {}

 protected:
  void onFontSize() override {
    RecordingSurface::onFontSize();
    font_.setFontSize(FontSize());
  }
  double textWidthPixels(const std::string& text) const override {
    return font_.TextWidthPixels(text);
  }
  double textHeightPixels() const override { return font_.TextHeightPixels(); }

 private:
  RasterSurface font_;
};

int pixelsNear(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
               std::abs(qBlue(p) - qBlue(colour)) <
           24;
    }
  }
  return n;
}

class ModernWindow : public DesktopTest {
 protected:
  // A user who has chosen nothing yet.
  ModernWindow() { program.services.preferences = std::make_unique<MemoryPreferences>(); }
  SurfaceWidget& surfaceWidget() const { return *desktop->mainWindow->surfaceWidget(); }
  void wheel(const QPoint& at, int delta) {
    QWheelEvent e(at, surfaceWidget().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&surfaceWidget(), &e);
    settle();
  }
  void draw(int family, const char* a, const char* b = "", const char* c = "") {
    panel.cboFuncName.setListIndex(family);
    panel.txtParameter[1].setText(a);
    panel.txtParameter[2].setText(b);
    panel.txtParameter[3].setText(c);
    panel.cmdDraw.click();
    settle();
  }
  // The screen's picture replayed with its texts measured in the window's font.
  std::unique_ptr<MeasuredRecording> replayed() {
    const RasterSurface& screen = desktop->surface;
    auto picture = std::make_unique<MeasuredRecording>(
        static_cast<int>(screen.Width()) / kTwipsPerPixel,
        static_cast<int>(screen.Height()) / kTwipsPerPixel, screen.BorderPixels());
    panel.replayOnto(*picture);
    return picture;
  }
};

TEST_F(ModernWindow, SmoothCurvesInColoursAProjectorShows) {
  draw(2, "6");
  draw(5, "2", "1", "0");
  draw(1, "1", "-2", "1");
  EXPECT_TRUE(desktop->surface.antialiasing());
  const QImage& image = desktop->surface.image();
  EXPECT_GT(pixelsNear(image, qRgb(0, 0, 255)), 50);  // blue, the first curve's
  EXPECT_GT(pixelsNear(image, qRgb(255, 0, 0)), 50);  // red
  EXPECT_GT(pixelsNear(image, qRgb(0, 128, 0)), 50);  // green that shows on white
  EXPECT_EQ(pixelsNear(image, qRgb(0, 255, 0)), 0);   // not the pale green of old
}

TEST_F(ModernWindow, AfterTheWheelTheTicksAreNiceAndNoTextIsCutOrCovered) {
  draw(2, "6");
  draw(5, "2", "1", "0");
  draw(1, "1", "-2", "1");
  const QPoint middle(surfaceWidget().width() / 2, surfaceWidget().height() / 2);
  for (const int notches : {1, 1, 1, -1, -1, -1, -1, -1}) {
    wheel(middle + QPoint(37, -21), 120 * notches);
    const std::unique_ptr<MeasuredRecording> picture = replayed();
    std::vector<std::pair<PixelBox, std::string>> texts;
    // The x axis' labels share a row: their values, left to right.
    std::map<double, std::vector<double>> rows;
    for (const SurfaceCall& c : picture->callsOf(SurfaceCallKind::Print)) {
      const PixelBox box = textBox(*picture, c.args[0], c.args[1], c.text);
      texts.push_back({box, c.text});
      if (c.text != "O") rows[box.top].push_back(std::stod(c.text));
    }
    const std::string where = "scale " + std::to_string(program.g.zoomScale);
    ASSERT_GT(texts.size(), 8u) << where;
    const auto& xLabels =
        std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
          return a.second.size() < b.second.size();
        })->second;
    ASSERT_GE(xLabels.size(), 3u) << where;
    // The origin has no label: the nearest two labels are one step apart.
    double step = xLabels[1] - xLabels[0];
    for (std::size_t i = 1; i < xLabels.size(); ++i)
      step = std::min(step, xLabels[i] - xLabels[i - 1]);
    const double digits = step / std::pow(10.0, std::floor(std::log10(step)));
    EXPECT_TRUE(std::fabs(digits - 1) < 1e-9 || std::fabs(digits - 2) < 1e-9 ||
                std::fabs(digits - 2.5) < 1e-9 || std::fabs(digits - 5) < 1e-9)
        << where << ": step " << step;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const PixelBox& b = texts[i].first;
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= picture->AreaWidthPixels() &&
                  b.bottom <= picture->AreaHeightPixels())
          << where << ": '" << texts[i].second << "' is cut";
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(b.overlaps(texts[j].first))
            << where << ": '" << texts[i].second << "' and '" << texts[j].second << "'";
      }
    }
  }
}

}  // namespace
}  // namespace quorvel::test
