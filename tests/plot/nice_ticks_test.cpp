// The modern look's axes: nice steps and their exact labels, and for a table of scales
// (the wheel's 500 × 1.25ⁿ, the slider's odd values) and picture sizes the labels that
// are written: each a nice number, whole inside the picture, none touching another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "plot/nice_axes.h"
#include "plot/nice_ticks.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

TEST(NiceStep, RunsThroughOneTwoTwoAndAHalfFive) {
  NiceStep step{1, -2};
  std::vector<double> seen;
  for (int i = 0; i < 9; ++i, step = step.next()) seen.push_back(step.units());
  const std::vector<double> expected = {0.01, 0.02, 0.025, 0.05, 0.1, 0.2, 0.25, 0.5, 1};
  ASSERT_EQ(seen.size(), expected.size());
  for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_DOUBLE_EQ(seen[i], expected[i]) << i;
}

TEST(NiceStep, TheSmallestAtLeastAWidth) {
  const std::pair<double, double> cases[] = {
      {0.3, 0.5}, {1, 1},          {1.0000001, 2}, {2.1, 2.5},   {2.5, 2.5},    {3, 5},
      {7, 10},    {0.0012, 0.002}, {123, 200},     {2400, 2500}, {9999, 10000},
  };
  for (const auto& [width, step] : cases) {
    EXPECT_DOUBLE_EQ(niceStepAtLeast(width).units(), step) << width;
  }
}

TEST(NiceLabel, WritesTheMultipleExactly) {
  struct Case {
    std::int64_t k;
    NiceStep step;
    const char* label;
  };
  const Case cases[] = {
      {1, {1, 0}, "1"},     {-3, {2, 0}, "-6"},      {3, {25, -1}, "7.5"},
      {4, {25, -1}, "10"},  {-1, {25, -2}, "-0.25"}, {3, {5, -2}, "0.15"},
      {7, {1, -1}, "0.7"},  {1, {2, -4}, "0.0002"},  {-12, {5, 2}, "-6000"},
      {3, {25, 2}, "7500"}, {10, {1, -1}, "1"},      {123456, {1, -3}, "123.456"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(niceLabel(c.k, c.step), c.label)
        << c.k << " × " << c.step.digits << "e" << c.step.exponent;
  }
}

// A window-like surface showing the view with (cx, cy) curve units in its middle.
struct Picture {
  RecordingSurface surface;
  ViewState view;
  Picture(int width, int height, std::int32_t scale, double cx = 0, double cy = 0)
      : surface(width + 2, height + 2, 1) {
    const auto halfWidth = static_cast<std::int32_t>(std::lround(surface.Width() / 2));
    const auto halfHeight = static_cast<std::int32_t>(std::lround(surface.Height() / 2));
    const auto x = static_cast<std::int32_t>(std::lround(cx * scale));
    const auto y = static_cast<std::int32_t>(std::lround(cy * scale));
    view = ViewState{x - halfWidth, x + halfWidth, y - halfHeight, y + halfHeight, scale};
    surface.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                  static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
    surface.clearCalls();
  }
  // The axes drawn and their labels written as the modern look does.
  std::vector<PixelBox> written(bool piTicks) {
    const AxisTicks ticks = niceTicksOn(surface, view, piTicks);
    const std::vector<PlacedText> texts = drawNiceAxes(surface, view, ticks);
    const std::vector<LabelledCurve> none;
    LabelSpace space(surface, none);
    printFitting(surface, space, texts);
    std::vector<PixelBox> boxes;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) {
      boxes.push_back(textBox(surface, c.args[0], c.args[1], c.text));
    }
    return boxes;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) out.push_back(c.text);
    return out;
  }
};

// The scales a user reaches: the wheel's notches from 500 and the slider's odd values.
std::vector<std::int32_t> scalesToTry() {
  std::vector<std::int32_t> scales = {1, 2, 3, 7, 37, 123, 333, 617, 999, 1234, 4321, 9999, 16000};
  for (int n = -20; n <= 16; ++n) {
    const double s = 500 * std::pow(1.25, n);
    if (s >= 2 && s <= 16000) scales.push_back(static_cast<std::int32_t>(std::lround(s)));
  }
  return scales;
}

bool isNiceMultiple(double value, double step) {
  const double k = value / step;
  return std::fabs(k - std::round(k)) < 1e-6;
}

TEST(ModernAxes, LabelsAreNiceWholeAndApartAtEveryScale) {
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{1000, 700}, Size{1366, 680}, Size{300, 200}}) {
    for (const std::int32_t scale : scalesToTry()) {
      for (const double offset : {0.0, 0.37}) {  // centred, and the origin moved off-centre
        Picture picture(size.width, size.height, scale, offset * size.width * 15 / scale,
                        -offset * size.height * 15 / scale);
        const AxisTicks ticks = niceTicksOn(picture.surface, picture.view, false);
        const std::vector<PixelBox> boxes = picture.written(false);
        const std::vector<std::string> labels = picture.texts();
        const std::string where = std::to_string(size.width) + "x" + std::to_string(size.height) +
                                  " at " + std::to_string(scale) + " off " + std::to_string(offset);
        EXPECT_TRUE(ticks.step.digits == 1 || ticks.step.digits == 2 || ticks.step.digits == 25 ||
                    ticks.step.digits == 5)
            << where;
        // Both axes cross the picture: each has labels.
        EXPECT_GE(labels.size(), 5u) << where;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
          const PixelBox& b = boxes[i];
          EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= size.width && b.bottom <= size.height)
              << where << ": '" << labels[i] << "' is cut";
          for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            EXPECT_FALSE(b.overlaps(boxes[j]))
                << where << ": '" << labels[i] << "' touches '" << labels[j] << "'";
          }
          if (labels[i] != "O") {
            EXPECT_TRUE(isNiceMultiple(std::stod(labels[i]), ticks.step.units()))
                << where << ": " << labels[i];
          }
        }
      }
    }
  }
}

TEST(ModernAxes, TheWheelsStepsGiveOneTwoOrFiveNotOddSteps) {
  // The classic look labels 0.64, 1.28, 1.921 after three notches; the modern look
  // counts in nice steps.
  Picture picture(1000, 700, 781);  // 500 × 1.25²
  picture.written(false);
  const std::vector<std::string> labels = picture.texts();
  for (const char* odd : {"0.64", "1.28", "1.921", "0.8", "1.6"}) {
    EXPECT_EQ(std::count(labels.begin(), labels.end(), odd), 0) << odd;
  }
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "1"), 2);  // on each axis
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "-2"), 2);
}

TEST(ModernAxes, PiTicksAreMultiplesOfAPowerOfTwoTimesHalfPi) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {500, "π/2"}, {1000, "π/4"}, {4000, "π/16"}, {100, "2π"}, {16000, "π/64"}};
  for (const auto& [scale, first] : cases) {
    Picture picture(1000, 700, scale);
    const AxisTicks ticks = niceTicksOn(picture.surface, picture.view, true);
    std::vector<std::string> majors;
    for (const Tick& t : ticks.x) {
      if (t.major()) majors.push_back(t.label);
    }
    EXPECT_NE(std::find(majors.begin(), majors.end(), first), majors.end()) << scale;
    // The first positive tick is one step.
    const auto positive = std::find_if(ticks.x.begin(), ticks.x.end(),
                                       [](const Tick& t) { return t.at > 0 && t.major(); });
    ASSERT_NE(positive, ticks.x.end());
    EXPECT_EQ(positive->label, first) << scale;
    // The wider π labels stand apart too.
    const std::vector<PixelBox> boxes = picture.written(true);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        EXPECT_FALSE(boxes[i].overlaps(boxes[j])) << scale << ": " << i << ", " << j;
      }
    }
  }
}

TEST(ModernAxes, LabelsMoveToTheSideThatHasRoomOrAreLeftOut) {
  // The x axis 5 pixels above the bottom edge and the y axis 4 pixels right of the
  // left edge: the x labels go above the axis, the y labels right of it.
  Picture picture(600, 400, 500, (300 - 4) * 15.0 / 500, (200 - 5) * 15.0 / 500);
  const std::vector<PixelBox> boxes = picture.written(false);
  const PixelPoint origin = picture.surface.toPixels(0, 0);
  ASSERT_FALSE(boxes.empty());
  for (const PixelBox& b : boxes) {
    EXPECT_LE(b.bottom, origin.row);
    EXPECT_GE(b.left, origin.column);
  }
  // The axes out of the picture: their labels would fall outside and are left out.
  Picture away(600, 400, 500, 100, 100);
  EXPECT_TRUE(away.written(false).empty());
}

TEST(ModernAxes, MinorTicksStandBetweenLabelledOnesWhereThereIsRoom) {
  Picture wide(1000, 700, 2000);  // 133 pixels a unit: step 0.5, minor ticks 0.1 apart
  const AxisTicks ticks = niceTicksOn(wide.surface, wide.view, false);
  EXPECT_DOUBLE_EQ(ticks.step.units(), 0.5);
  const auto minor =
      std::count_if(ticks.x.begin(), ticks.x.end(), [](const Tick& t) { return !t.major(); });
  const auto major = static_cast<std::ptrdiff_t>(ticks.x.size()) - minor;
  EXPECT_GT(minor, 3 * major);
  Picture tight(1000, 700, 500);  // 33 pixels a unit: minor ticks would be 7 apart
  const AxisTicks none = niceTicksOn(tight.surface, tight.view, false);
  EXPECT_TRUE(std::all_of(none.x.begin(), none.x.end(), [](const Tick& t) { return t.major(); }));
}

}  // namespace
}  // namespace quorvel
