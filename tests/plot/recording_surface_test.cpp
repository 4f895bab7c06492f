#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "plot/recording_surface.h"

namespace quorvel {
namespace {

using Kind = SurfaceCallKind;

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

float readFloat(const std::string& text) {
  float v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  EXPECT_EQ(r.ec, std::errc()) << text;
  EXPECT_EQ(r.ptr, text.data() + text.size()) << text;
  return v;
}

TEST(RecordingSurface, KeepsEveryCallInOrderWithItsArguments) {
  RecordingSurface s;
  s.Resize(12000, 9000);
  s.Scale(-6000, 4500, 6000, -4500);
  s.Cls();
  s.setAutoRedraw(true);
  s.setDrawWidth(2);
  s.setForeColor(rgbOf(255, 0, 0));
  s.Line(-6000, 0, 6000, 0);
  s.setCurrentX(-500);
  s.setCurrentY(1000);
  s.Print("2");
  s.PSet(1.5f, -2.25f);
  s.Print("O");  // at the dot: PSet moved the position

  const std::vector<SurfaceCall> expected = {
      SurfaceCall::resize(12000, 9000),
      SurfaceCall::scale(-6000, 4500, 6000, -4500),
      SurfaceCall::cls(),
      SurfaceCall::autoRedraw(true),
      SurfaceCall::drawWidth(2),
      SurfaceCall::foreColor(255),
      SurfaceCall::line(-6000, 0, 6000, 0),
      SurfaceCall::print(-500, 1000, "2"),
      SurfaceCall::pset(1.5f, -2.25f),
      SurfaceCall::print(1.5f, -2.25f, "O"),
  };
  EXPECT_EQ(s.calls(), expected);
}

TEST(RecordingSurface, SettingThePositionAloneRecordsNothing) {
  RecordingSurface s;
  s.setCurrentX(10);
  s.setCurrentY(20);
  EXPECT_TRUE(s.calls().empty());
}

TEST(RecordingSurface, ResizeIsRecordedAsRequestedWhileTheBoxKeepsWholePixels) {
  RecordingSurface s;
  s.Resize(12007, 8993);
  ASSERT_EQ(s.calls().size(), 1u);
  EXPECT_EQ(s.calls()[0], SurfaceCall::resize(12007, 8993));
  EXPECT_EQ(s.Width(), 12000.0f);
  EXPECT_EQ(s.Height(), 9000.0f);
}

TEST(RecordingSurface, ScaleIsRecordedAsGivenNotAsTheRoundedExtent) {
  // x2 - x1 does not fit a float: the kept ScaleWidth is rounded, the record is not.
  RecordingSurface s;
  const float x1 = -1e8f;
  const float x2 = 3.0f;
  s.Scale(x1, 3, x2, -3);
  ASSERT_NE(s.ScaleLeft() + s.ScaleWidth(), x2);
  EXPECT_EQ(s.calls().back(), SurfaceCall::scale(x1, 3, x2, -3));
}

TEST(RecordingSurface, ColourAndWidthAreRecordedAsTheSurfaceKeepsThem) {
  RecordingSurface s;
  s.setForeColor(static_cast<std::int32_t>(0x01FF8040));
  s.setDrawWidth(0);
  ASSERT_EQ(s.calls().size(), 2u);
  EXPECT_EQ(s.calls()[0].value, 0xFF8040);
  EXPECT_EQ(s.calls()[1].value, 1);
}

TEST(RecordingSurface, FiltersCountsAndClears) {
  RecordingSurface s;
  s.Line(0, 0, 1, 1);
  s.PSet(1, 1);
  s.Line(1, 1, 2, 0);
  s.PSet(2, 0);
  s.PSet(3, 0);
  EXPECT_EQ(s.count(Kind::Line), 2u);
  EXPECT_EQ(s.count(Kind::PSet), 3u);
  EXPECT_EQ(s.count(Kind::Print), 0u);
  const auto lines = s.callsOf(Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], SurfaceCall::line(1, 1, 2, 0));
  s.clearCalls();
  EXPECT_TRUE(s.calls().empty());
  // Clearing the record leaves the surface's state alone.
  EXPECT_EQ(s.CurrentX(), 3.0f);
}

TEST(RecordingSurface, TraceWritesOneTabSeparatedLinePerCall) {
  RecordingSurface s;
  s.Resize(7500, 7500);
  s.Scale(-3750, 3750, 3750, -3750);
  s.Cls();
  s.setForeColor(rgbOf(0, 0, 255));
  s.setDrawWidth(3);
  s.setAutoRedraw(true);
  s.setAutoRedraw(false);
  s.Line(-3750, 0, 3750, 0.5f);
  s.PSet(0.1f, -1e-7f);
  s.setCurrentX(-500);
  s.setCurrentY(1000);
  s.Print("-0.5");
  EXPECT_EQ(s.traceText(),
            "Resize\t7500\t7500\n"
            "Scale\t-3750\t3750\t3750\t-3750\n"
            "Cls\n"
            "ForeColor\t16711680\n"
            "DrawWidth\t3\n"
            "AutoRedraw\t1\n"
            "AutoRedraw\t0\n"
            "Line\t-3750\t0\t3750\t0.5\n"
            "PSet\t0.1\t-1e-07\n"
            "Print\t-500\t1000\t-0.5\n");
}

TEST(RecordingSurface, PrintTextKeepsChineseAndEscapesLineBreaksAndTabs) {
  RecordingSurface s;
  s.Print("坐标\t1\n2\\3\r");
  EXPECT_EQ(s.calls().back().text, "坐标\t1\n2\\3\r");  // the record keeps it as given
  EXPECT_EQ(s.traceText(), "Print\t0\t0\t坐标\\t1\\n2\\\\3\\r\n");
  EXPECT_EQ(traceLine(s.calls().back()), "Print\t0\t0\t坐标\\t1\\n2\\\\3\\r");
}

class TraceNumbers : public ::testing::TestWithParam<float> {};

TEST_P(TraceNumbers, ReadBackAsTheSameFloat) {
  const float v = GetParam();
  RecordingSurface s;
  s.Line(v, -v, v, 0);
  const std::string line = traceLine(s.calls().back());
  const auto fields = splitFields(line);
  ASSERT_EQ(fields.size(), 5u) << line;
  EXPECT_EQ(fields[0], "Line");
  EXPECT_EQ(std::bit_cast<std::uint32_t>(readFloat(fields[1])), std::bit_cast<std::uint32_t>(v))
      << fields[1];
  EXPECT_EQ(std::bit_cast<std::uint32_t>(readFloat(fields[2])), std::bit_cast<std::uint32_t>(-v))
      << fields[2];
}

INSTANTIATE_TEST_SUITE_P(Values, TraceNumbers,
                         ::testing::Values(0.0f, -0.0f, 0.1f, 1.0f / 3.0f, 2.0f / 3.0f, 3750.25f,
                                           16777217.0f, 123456.79f, 1e-7f, 6.02e23f,
                                           std::numeric_limits<float>::max(),
                                           std::numeric_limits<float>::min(),
                                           std::numeric_limits<float>::denorm_min(),
                                           std::numeric_limits<float>::infinity()));

TEST(RecordingSurface, TraceNumbersAreTheShortestThatReadBack) {
  // Not the 9-digit form ("0.100000001") that also reads back.
  EXPECT_EQ(traceLine(SurfaceCall::pset(0.1f, 1.0f / 3.0f)), "PSet\t0.1\t0.33333334");
  EXPECT_EQ(traceLine(SurfaceCall::resize(16777216.0f, 1e10f)), "Resize\t16777216\t1e+10");
}

}  // namespace
}  // namespace quorvel
