#include "plot/axes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "plot/recording_surface.h"

namespace quorvel {
namespace {

using Calls = std::vector<SurfaceCall>;

TEST(TickLabel, CarriesTheScaleWithFewerDecimalsAsTheIntegerPartGrows) {
  struct Case {
    std::int32_t i, scale;
    const char* label;
  };
  const Case cases[] = {
      {500, 500, "1"},        {-1000, 500, "-2"},       {500, 1000, "0.5"},
      {-500, 1000, "-0.5"},  // q = 0: three decimals allowed
      {1500, 1000, "1.5"},    {500, 16000, "0.031"},    {1000, 16000, "0.062"},  // 62.5 -> 62
      {1500, 16000, "0.094"}, {-1000, 16000, "-0.062"}, {1500, 8000, "0.188"},   // 187.5 -> 188
      {2500, 8000, "0.312"},                                                     // 312.5 -> 312
      {500, 300, "1.667"},    {500, 7, "71.43"},    // two characters: two decimals
      {500, 3, "166.7"},                            // three characters: one decimal
      {500, 2, "250"},        {6000, 1, "6000"},    // four characters: whole
      {-500, 1, "-500"},                            // the sign counts: four characters
      {9500, 1, "9500"},      {-9500, 1, "-9500"},  // five characters: the integer branch
      {10000, 1, "10000"},    {-10000, 1, "-10000"},    {500, 0, "500"},  // a scale of 0 reads as 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tickLabel(c.i, c.scale), c.label) << c.i << " at scale " << c.scale;
  }
}

Calls drawAxes(int widthPixels, int heightPixels, const ViewState& view) {
  RecordingSurface surface(widthPixels, heightPixels, 1);
  surface.clearCalls();
  coordinate(surface, view);
  return surface.calls();
}

TEST(Coordinate, CentredViewDrawsAxesTicksLabelsAndTheOrigin) {
  // 1500 × 900 twips: tickW = 15, tickH = 9; no multiple of 500 but 0 lies on the
  // y axis, so only the x axis has ticks.
  const Calls expected = {
      SurfaceCall::line(-750, 0, 750, 0),   SurfaceCall::line(0, -450, 0, 450),
      SurfaceCall::line(-500, 0, -500, 15), SurfaceCall::print(-515, -15, "-1"),
      SurfaceCall::line(500, 0, 500, 15),   SurfaceCall::print(485, -15, "1"),
      SurfaceCall::print(15, -9, "O"),
  };
  EXPECT_EQ(drawAxes(100, 60, ViewState{-750, 750, -450, 450, 500}), expected);
}

TEST(Coordinate, BoundsAreTruncatedTowardZero) {
  // The view lies below the x axis; -200 \ 500 is 0, so no tick at -500, and the
  // y ticks go from 500 × (-1200 \ 500) = -1000 to 0 (skipped). 1500 × 1095 twips:
  // tickW = 15, tickH = 10.
  const Calls expected = {
      SurfaceCall::line(-200, 0, 1300, 0),    SurfaceCall::line(0, -1200, 0, -100),
      SurfaceCall::line(500, 0, 500, 15),     SurfaceCall::print(485, -15, "0.5"),
      SurfaceCall::line(1000, 0, 1000, 15),   SurfaceCall::print(985, -15, "1"),
      SurfaceCall::line(0, -1000, 10, -1000), SurfaceCall::print(-500, -1000, "-1"),
      SurfaceCall::line(0, -500, 10, -500),   SurfaceCall::print(-500, -500, "-0.5"),
      SurfaceCall::print(15, -10, "O"),
  };
  EXPECT_EQ(drawAxes(100, 73, ViewState{-200, 1300, -1200, -100, 1000}), expected);
}

TEST(Coordinate, AViewWithoutTicksGetsTheAxesAndTheOriginOnly) {
  const Calls expected = {
      SurfaceCall::line(-450, 0, 450, 0),
      SurfaceCall::line(0, -450, 0, 450),
      SurfaceCall::print(9, -9, "O"),
  };
  EXPECT_EQ(drawAxes(60, 60, ViewState{-450, 450, -450, 450, 500}), expected);
}

TEST(Coordinate, LabelsFollowTheScaleOnBothAxes) {
  struct Case {
    std::int32_t scale;
    std::vector<const char*> xLabels;  // ticks -1500 .. 1500 without 0
  };
  const Case cases[] = {
      {500, {"-3", "-2", "-1", "1", "2", "3"}},
      {1000, {"-1.5", "-1", "-0.5", "0.5", "1", "1.5"}},
      {16000, {"-0.094", "-0.062", "-0.031", "0.031", "0.062", "0.094"}},
      {2, {"-750", "-500", "-250", "250", "500", "750"}},
      {0, {"-1500", "-1000", "-500", "500", "1000", "1500"}},
  };
  for (const Case& c : cases) {
    RecordingSurface surface(200, 200, 1);  // 3000 twips: tickW = tickH = 30
    surface.clearCalls();
    coordinate(surface, ViewState{-1500, 1500, -1500, 1500, c.scale});
    const Calls prints = surface.callsOf(SurfaceCallKind::Print);
    ASSERT_EQ(prints.size(), 13u);  // six per axis and "O"
    for (std::size_t k = 0; k < 6; ++k) {
      const float tick = -1500.0f + 500.0f * static_cast<float>(k < 3 ? k : k + 1);
      EXPECT_EQ(prints[k], SurfaceCall::print(tick - 30, -30, c.xLabels[k]));
      EXPECT_EQ(prints[6 + k], SurfaceCall::print(-500, tick, c.xLabels[k]));
    }
    EXPECT_EQ(prints[12], SurfaceCall::print(30, -30, "O"));
  }
}

}  // namespace
}  // namespace quorvel
