// The picture box's state and mapping, seen through the recording surface (the base
// class does the work; the recording surface draws nothing).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/recording_surface.h"

namespace quorvel {
namespace {

TEST(Surface, DefaultIsTheSquarePictureBoxWithABorder) {
  RecordingSurface s;
  EXPECT_EQ(s.Width(), 7500.0f);
  EXPECT_EQ(s.Height(), 7500.0f);
  EXPECT_EQ(s.AreaWidthPixels(), 498);
  EXPECT_EQ(s.AreaHeightPixels(), 498);
  // Before any Scale: twips of the drawing area from its top-left corner.
  EXPECT_EQ(s.ScaleLeft(), 0.0f);
  EXPECT_EQ(s.ScaleTop(), 0.0f);
  EXPECT_EQ(s.ScaleWidth(), 7470.0f);
  EXPECT_EQ(s.ScaleHeight(), 7470.0f);
}

struct MappingCase {
  int width, height, border;
  float x1, y1, x2, y2;  // Scale corners
  float x, y;            // user point
  double column, row;    // expected pixels of the drawing area
};

class SurfaceMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(SurfaceMapping, UserUnitsToPixelsOfTheDrawingArea) {
  const MappingCase& c = GetParam();
  RecordingSurface s(c.width, c.height, c.border);
  s.Scale(c.x1, c.y1, c.x2, c.y2);
  const PixelPoint p = s.toPixels(c.x, c.y);
  EXPECT_DOUBLE_EQ(p.column, c.column);
  EXPECT_DOUBLE_EQ(p.row, c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Views, SurfaceMapping,
    ::testing::Values(
        // Centred view of the default box: y grows upward, origin in the middle of
        // the 498-pixel area (the border is not part of it).
        MappingCase{500, 500, 1, -3750, 3750, 3750, -3750, 0, 0, 249, 249},
        MappingCase{500, 500, 1, -3750, 3750, 3750, -3750, -3750, 3750, 0, 0},
        MappingCase{500, 500, 1, -3750, 3750, 3750, -3750, 3750, -3750, 498, 498},
        MappingCase{500, 500, 1, -3750, 3750, 3750, -3750, 0, 1500, 249, 149.4},
        MappingCase{500, 500, 1, -3750, 3750, 3750, -3750, 0, -1500, 249, 348.6},
        // A wide window: 802 × 602 outer, 800 × 600 area; a pan moved the view right.
        MappingCase{802, 602, 1, -1000, 4500, 11000, -4500, 0, 0, 800.0 / 12, 300},
        MappingCase{802, 602, 1, -1000, 4500, 11000, -4500, 5000, 4500, 400, 0},
        // No border: the area is the outer size.
        MappingCase{400, 300, 0, -3000, 2250, 3000, -2250, 3000, -2250, 400, 300},
        // The units the box starts with: twips from the area's top-left corner.
        MappingCase{500, 500, 1, 0, 0, 7470, 7470, 150, 30, 10, 2}));

TEST(Surface, ScaleKeepsCornerAndSignedExtent) {
  RecordingSurface s;
  s.Scale(-3750, 3750, 3750, -3750);
  EXPECT_EQ(s.ScaleLeft(), -3750.0f);
  EXPECT_EQ(s.ScaleTop(), 3750.0f);
  EXPECT_EQ(s.ScaleWidth(), 7500.0f);
  EXPECT_EQ(s.ScaleHeight(), -7500.0f);  // y upward
}

TEST(Surface, DegenerateScaleMapsToTheCornerInsteadOfDividingByZero) {
  RecordingSurface s;
  s.Scale(10, 10, 10, 10);
  const PixelPoint p = s.toPixels(50, -50);
  EXPECT_EQ(p.column, 0.0);
  EXPECT_EQ(p.row, 0.0);
}

struct ResizeCase {
  float widthTwips, heightTwips;
  float expectWidth, expectHeight;  // outer size kept, in twips
};

class SurfaceResize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(SurfaceResize, KeepsWholePixelsAndResetsTheScale) {
  const ResizeCase& c = GetParam();
  RecordingSurface s;
  s.Scale(-3750, 3750, 3750, -3750);
  s.Resize(c.widthTwips, c.heightTwips);
  EXPECT_EQ(s.Width(), c.expectWidth);
  EXPECT_EQ(s.Height(), c.expectHeight);
  const int areaW = std::max(0, static_cast<int>(c.expectWidth) / 15 - 2);
  const int areaH = std::max(0, static_cast<int>(c.expectHeight) / 15 - 2);
  EXPECT_EQ(s.AreaWidthPixels(), areaW);
  EXPECT_EQ(s.AreaHeightPixels(), areaH);
  EXPECT_EQ(s.ScaleLeft(), 0.0f);
  EXPECT_EQ(s.ScaleTop(), 0.0f);
  EXPECT_EQ(s.ScaleWidth(), static_cast<float>(areaW * 15));
  EXPECT_EQ(s.ScaleHeight(), static_cast<float>(areaH * 15));
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Sizes, SurfaceResize,
    ::testing::Values(ResizeCase{12000, 9000, 12000, 9000},
                      ResizeCase{12007, 8993, 12000, 9000},  // 800.47 and 599.53 pixels
                      ResizeCase{112.5f, 97.5f, 120, 90},  // 7.5 → 8 and 6.5 → 6: halves to even
                      ResizeCase{22.5f, 15, 30, 15},       // 1.5 → 2; a 1-pixel box has no area
                      ResizeCase{-300, 7500, 0, 7500},     // a negative size is taken as 0
                      ResizeCase{kNaN, 7500, 0, 7500},     // so is a size that is not a number
                      ResizeCase{-kInf, 3000, 0, 3000}));

TEST(Surface, BorderWiderThanTheBoxLeavesNoArea) {
  RecordingSurface s(3, 3, 2);
  EXPECT_EQ(s.AreaWidthPixels(), 0);
  EXPECT_EQ(s.AreaHeightPixels(), 0);
  EXPECT_EQ(s.ScaleWidth(), 0.0f);
  const PixelPoint p = s.toPixels(100, 100);  // degenerate: no division by zero
  EXPECT_EQ(p.column, 0.0);
}

TEST(Surface, LineAndPSetMoveTheCurrentPositionClsResetsIt) {
  RecordingSurface s;
  s.Scale(-3750, 3750, 3750, -3750);
  s.Line(-100, -200, 300, 400);
  EXPECT_EQ(s.CurrentX(), 300.0f);
  EXPECT_EQ(s.CurrentY(), 400.0f);
  s.PSet(-5.5f, 7.25f);
  EXPECT_EQ(s.CurrentX(), -5.5f);
  EXPECT_EQ(s.CurrentY(), 7.25f);
  s.Cls();
  EXPECT_EQ(s.CurrentX(), 0.0f);
  EXPECT_EQ(s.CurrentY(), 0.0f);
}

TEST(Surface, ColourKeepsTwentyFourBitsAndWidthAtLeastOnePixel) {
  RecordingSurface s;
  s.setForeColor(static_cast<std::int32_t>(0x7F123456));
  EXPECT_EQ(s.ForeColor(), 0x123456);
  EXPECT_EQ(redOf(s.ForeColor()), 0x56);
  EXPECT_EQ(greenOf(s.ForeColor()), 0x34);
  EXPECT_EQ(blueOf(s.ForeColor()), 0x12);
  s.setDrawWidth(0);
  EXPECT_EQ(s.DrawWidth(), 1);
  s.setDrawWidth(-4);
  EXPECT_EQ(s.DrawWidth(), 1);
  s.setDrawWidth(5);
  EXPECT_EQ(s.DrawWidth(), 5);
}

TEST(Surface, ColourValuesHaveRedInTheLowByte) {
  EXPECT_EQ(rgbOf(255, 0, 0), 0x0000FF);
  EXPECT_EQ(rgbOf(0, 255, 0), 0x00FF00);
  EXPECT_EQ(rgbOf(0, 0, 255), 0xFF0000);
  EXPECT_EQ(rgbOf(255, 128, 64), 0x4080FF);
}

}  // namespace
}  // namespace quorvel
