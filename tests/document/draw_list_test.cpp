// The one drawing function: the same inputs draw the same calls, every time; a
// picture is its entries drawn one after the other; unticked and refused entries draw
// nothing; the view and the scale are left as the draw command leaves them.
#include "document/draw_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/families.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

FuncRecord record(int family, int form, std::string p1, std::string p2 = "0", std::string p3 = "0",
                  std::int32_t intX = 0) {
  FuncRecord r;
  r.family = static_cast<std::int16_t>(family);
  r.form = static_cast<std::int16_t>(form);
  r.para1 = std::move(p1);
  if (family == kCustomFamily) {
    r.zeroPara23 = true;
  } else {
    r.para2 = std::move(p2);
    r.para3 = std::move(p3);
  }
  r.color = 0x2080C0 + family;
  r.rangeX1 = family == kCustomFamily && form == 1 ? "0" : kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  r.intX = intX;
  return r;
}

FunctionList listOf(const std::vector<FuncRecord>& records) {
  FunctionList list;
  for (const FuncRecord& r : records) list.add(ListEntry{ClassicCurve(r), true, {}});
  readLines(list, seededRandom(1));
  return list;
}

ListPicture pictureWith(const PictureStyle& style = {}) {
  ListPicture p;
  p.settings.level = 200;
  p.settings.penWidth = 2;
  p.settings.style = style;
  p.random = seededRandom(1);
  return p;
}

std::vector<SurfaceCall> drawn(const FunctionList& list, const ListPicture& picture,
                               DrawState state = {}) {
  RecordingSurface surface(400, 300, 1);
  drawList(surface, list, picture, state);
  return surface.calls();
}

const std::vector<FuncRecord>& mixed() {
  static const std::vector<FuncRecord> records = {
      record(13, 1, "x", "", "", 1),  // a running sum of whole numbers, 连线 off
      record(0, 2, "1", "0", "-2"),   // a vertical line, swept along y
      record(1, 0, "1", "-2", "1"),  record(8, 0, "0", "0", "3"),
      record(13, 0, "sin(x)*x"),     record(0, 0, "0", "1"),  // horizontal: along x
  };
  return records;
}

TEST(DrawList, TheSameInputsDrawTheSameCalls) {
  const FunctionList list = listOf(mixed());
  for (const PictureStyle& style :
       {PictureStyle{},
        PictureStyle{.smooth = true, .grid = true, .labels = CurveLabels::Legend}}) {
    const std::vector<SurfaceCall> first = drawn(list, pictureWith(style));
    EXPECT_EQ(drawn(list, pictureWith(style)), first);
    EXPECT_GT(first.size(), 100u);
  }
}

TEST(DrawList, APictureIsItsEntriesOneAfterTheOther) {
  // Whatever entry comes first, the next draws what it draws alone (after the picture
  // is cleared once), in the view the first one centred.
  const std::vector<FuncRecord>& records = mixed();
  for (std::size_t i = 0; i < records.size(); ++i) {
    for (std::size_t j = 0; j < records.size(); ++j) {
      const std::vector<SurfaceCall> pair = drawn(listOf({records[i], records[j]}), pictureWith());
      std::vector<SurfaceCall> expected = drawn(listOf({records[i]}), pictureWith());
      const std::vector<SurfaceCall> second = drawn(listOf({records[j]}), pictureWith());
      expected.insert(expected.end(), second.begin() + 1, second.end());  // its own Cls
      EXPECT_TRUE(pair == expected) << i << ", " << j;
    }
  }
}

TEST(DrawList, LeavesOutUntickedAndRefusedEntries) {
  FunctionList list = listOf({record(2, 0, "6"), record(2, 0, "0"), record(2, 0, "3")});
  ASSERT_FALSE(list.at(1).ticked);
  list.setTicked(1, true);  // ticked by hand: refused at every picture
  list.setTicked(2, false);
  RecordingSurface surface(400, 300, 1);
  DrawState state;
  const ListDrawn out = drawList(surface, list, pictureWith(), state);
  EXPECT_EQ(out.drawn, 1u);
  EXPECT_EQ(out.refused, (std::vector<EntryRefusal>{{1, {"参数错误", "ｋ≠０"}}}));
  EXPECT_EQ(surface.count(SurfaceCallKind::Scale), 1u);
  EXPECT_EQ(surface.callsOf(SurfaceCallKind::Cls).size(), 1u);
}

TEST(DrawList, LeavesTheViewAsTheDrawCommandDoes) {
  const FunctionList list = listOf({record(2, 0, "6"), record(2, 0, "3")});
  // Nothing on screen: the first curve centres the view on the surface.
  DrawState state;
  state.view.viewLeft = 99;
  state.scale = 700;
  drawn(list, pictureWith(), state);
  RecordingSurface surface(400, 300, 1);
  drawList(surface, list, pictureWith(), state);
  EXPECT_TRUE(state.view.graphOnScreen);
  EXPECT_EQ(state.view.viewLeft, -3000);
  EXPECT_EQ(state.view.viewTop, 2250);
  EXPECT_EQ(state.view.zoomScale, 700);
  // A pending zoom doubles the scale once, at the first curve, and is done with.
  state.view.zoomPending = true;
  state.view.zoomMode = 1;
  drawList(surface, list, pictureWith(), state);
  EXPECT_EQ(state.scale, 1400);
  EXPECT_EQ(state.view.zoomScale, 1400);
  EXPECT_FALSE(state.view.zoomPending);
  EXPECT_EQ(state.view.viewLeft, -3000);  // a picture on screen keeps its view
  // Halving rounds halves to even; nothing to draw leaves the zoom pending.
  state.scale = 5;
  state.view.zoomPending = true;
  state.view.zoomMode = 2;
  drawList(surface, FunctionList(), pictureWith(), state);
  EXPECT_TRUE(state.view.zoomPending);
  drawList(surface, list, pictureWith(), state);
  EXPECT_EQ(state.scale, 2);
}

TEST(DrawList, OverlaysGoOverTheLastCurve) {
  const FunctionList list = listOf({record(2, 0, "6")});
  ListPicture picture = pictureWith();
  ViewState seen;
  picture.overlays.push_back([&seen](Surface& s, const ViewState& view, LabelSpace*) {
    s.PSet(1, 2);
    seen = view;
  });
  RecordingSurface surface(400, 300, 1);
  DrawState state;
  drawList(surface, list, picture, state);
  EXPECT_EQ(surface.calls().back(), SurfaceCall::pset(1, 2));
  EXPECT_EQ(seen.viewLeft, state.view.viewLeft);  // the picture's view, as drawn
  EXPECT_EQ(seen.zoomScale, 500);
}

}  // namespace
}  // namespace quorvel
