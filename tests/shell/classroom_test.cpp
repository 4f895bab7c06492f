// A picture with no curve shows its axes; the view typed in on the 视图 page; the
// picture's texts and lines in 演示模式.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "settings/picture_preferences.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

class Classroom : public ShellTest {
 public:
  // For the table's steps.
  void drawInverse() { drawCurve(2, 0, "6"); }
  void forgetCalls() { surface.clearCalls(); }

 protected:
  // The calls since the last Cls.
  std::vector<SurfaceCall> sinceLastClear() const {
    const std::vector<SurfaceCall>& calls = surface.calls();
    std::size_t last = calls.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].kind == SurfaceCallKind::Cls) last = i;
    }
    if (last == calls.size()) return {};
    return {calls.begin() + static_cast<long>(last) + 1, calls.end()};
  }
  // Both axes across the view of the last Scale and the origin's "O", after the last Cls.
  bool axesShown() const {
    bool xAxis = false, yAxis = false, origin = false;
    std::array<float, 4> scale{};
    for (const SurfaceCall& c : sinceLastClear()) {
      if (c.kind == SurfaceCallKind::Scale) scale = c.args;
      if (c.kind == SurfaceCallKind::Line && c.args[1] == 0 && c.args[3] == 0 &&
          c.args[0] == scale[0] && c.args[2] == scale[2]) {
        xAxis = true;
      }
      if (c.kind == SurfaceCallKind::Line && c.args[0] == 0 && c.args[2] == 0 &&
          c.args[1] == scale[3] && c.args[3] == scale[1]) {
        yAxis = true;
      }
      if (c.kind == SurfaceCallKind::Print && c.text == "O") origin = true;
    }
    return xAxis && yAxis && origin;
  }
  // The Scale of the last picture: left, top, right, bottom.
  std::array<float, 4> lastScale() const {
    std::array<float, 4> scale{};
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == SurfaceCallKind::Scale) scale = c.args;
    }
    return scale;
  }
  std::vector<std::int32_t> extents() const {
    return {g.viewLeft, g.viewRight, g.viewBottom, g.viewTop};
  }
  void typeView(const std::string& x1, const std::string& x2, const std::string& y1,
                const std::string& y2) {
    panel.txtViewX1.setText(x1);
    panel.txtViewX2.setText(x2);
    panel.txtViewY1.setText(y1);
    panel.txtViewY2.setText(y2);
    panel.cmdViewBox.click();
  }
  std::vector<std::int32_t> valuesOf(SurfaceCallKind kind) const {
    std::vector<std::int32_t> values;
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == kind)
        values.push_back(c.kind == SurfaceCallKind::FontSize ? static_cast<std::int32_t>(c.args[0])
                                                             : c.value);
    }
    return values;
  }
  // At least one such call, each with `value`.
  bool allAre(SurfaceCallKind kind, std::int32_t value) const {
    const std::vector<std::int32_t> values = valuesOf(kind);
    return !values.empty() && std::all_of(values.begin(), values.end(),
                                          [value](std::int32_t v) { return v == value; });
  }
};

struct EmptyCase {
  const char* name;
  void (*act)(Classroom&, frmQuorvel&, frmControl&);
};

class EmptyPicture : public Classroom, public ::testing::WithParamInterface<EmptyCase> {};

TEST_P(EmptyPicture, ShowsTheCentredAxesAndStaysEmpty) {
  frmQuorvel& main = program.main;
  main.Form_Load();
  surface.clearCalls();
  GetParam().act(*this, main, panel);
  ASSERT_TRUE(axesShown());
  // The centred view of the 500 × 500 surface at the scale of 500.
  EXPECT_EQ(lastScale(), (std::array<float, 4>{-3750, 3750, 3750, -3750}));
  EXPECT_FALSE(g.graphOnScreen);
  // Still a picture with no curve: pan does nothing, there is nothing to save.
  const std::size_t calls = surface.calls().size();
  panel.picUp.click();
  EXPECT_EQ(surface.calls().size(), calls);
  EXPECT_FALSE(main.saveListFile(folder / "empty.QVX"));
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.QVX"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EmptyPicture,
    ::testing::Values(EmptyCase{"Start", [](Classroom&, frmQuorvel& window,
                                            frmControl&) { window.Form_Resize(); }},
                      EmptyCase{"ClearAfterACurve",
                                [](Classroom& room, frmQuorvel& window, frmControl& panel) {
                                  window.Form_Resize();
                                  room.drawInverse();
                                  panel.picRight.click();  // the next start is centred again
                                  panel.cmdClear.click();
                                }},
                      EmptyCase{"ResizeRedraws",
                                [](Classroom& room, frmQuorvel& window, frmControl&) {
                                  window.Form_Resize();
                                  room.forgetCalls();
                                  window.Width =
                                      7605;  // the same surface: the axes are drawn again
                                  window.Form_Resize();
                                }}),
    [](const ::testing::TestParamInfo<EmptyCase>& p) { return p.param.name; });

TEST_F(Classroom, UntickingEveryCurveLeavesTheAxesOfTheView) {
  drawCurve(2, 0, "6");
  panel.picRight.click();
  const std::vector<std::int32_t> view = extents();
  panel.tbsControl.select(2);
  panel.lstExist.setSelected(0, false);
  panel.lstExist_ItemCheck(0);
  EXPECT_TRUE(axesShown());
  EXPECT_EQ(extents(), view);
}

TEST_F(Classroom, TypedViewShowsTheBoxCentredAndTheReadoutFollows) {
  drawCurve(2, 0, "6");
  surface.clearCalls();
  typeView("-1", "5", "-2", "3");
  ASSERT_TRUE(messages().empty());
  // 7500 twips hold 6 units at 1250 and 5 at 1500: the smaller shows both whole.
  EXPECT_EQ(g.zoomScale, 1250);
  EXPECT_EQ(panel.sldZoom.Value(), 1250);
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{-1250, 6250, -3125, 4375}));
  EXPECT_EQ(curvesDrawn(), 1u);
  EXPECT_EQ(lastScale(), (std::array<float, 4>{-1250, 4375, 6250, -3125}));
  // The box's middle under the pointer reads as such.
  program.main.picPic_MouseMove(0, 0, 2500, 1250);
  EXPECT_EQ(program.main.lblCoordinate.Caption(), "(2,1)");
  // The next pan goes on from the typed view.
  panel.txtValue.setText("1");
  panel.picRight.click();
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{0, 7500, -3125, 4375}));
}

TEST_F(Classroom, TypedViewBeforeAnyCurveIsKeptByTheFirst) {
  typeView("0", "2*pi", "-1.5", "1.5");
  ASSERT_TRUE(messages().empty());
  EXPECT_TRUE(axesShown());
  EXPECT_FALSE(g.graphOnScreen);
  const std::vector<std::int32_t> typed = extents();
  EXPECT_EQ(g.zoomScale, 1193);  // 7500 / 2π = 1193.66
  drawCurve(2, 0, "6");
  EXPECT_EQ(extents(), typed);
  // 清屏 forgets it: the next curve starts centred.
  panel.cmdClear.click();
  drawCurve(2, 0, "6");
  EXPECT_EQ(g.viewLeft, -g.viewRight);
}

struct RefusedView {
  const char* name;
  const char* x1;
  const char* x2;
  const char* y1;
  const char* y2;
  const char* prompt;
};

class TypedViewRefusal : public Classroom, public ::testing::WithParamInterface<RefusedView> {};

TEST_P(TypedViewRefusal, SaysWhyAndChangesNothing) {
  const RefusedView& r = GetParam();
  drawCurve(2, 0, "6");
  const std::vector<std::int32_t> view = extents();
  const std::int32_t scale = g.zoomScale;
  surface.clearCalls();
  typeView(r.x1, r.x2, r.y1, r.y2);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].second, r.prompt);
  EXPECT_EQ(extents(), view);
  EXPECT_EQ(g.zoomScale, scale);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TypedViewRefusal,
    ::testing::Values(RefusedView{"NotANumber", "-1", "five", "0", "1", "视图范围：请输入数字"},
                      RefusedView{"Empty", "", "5", "0", "1", "视图范围：请输入数字"},
                      RefusedView{"Reversed", "5", "-1", "0", "1", "视图范围：起点必须小于终点"},
                      RefusedView{"TooWide", "-1e6", "1e6", "0", "1", "视图范围太大，不能完整显示"},
                      RefusedView{"TooFar", "1000000000", "1000001000", "0", "1",
                                  "视图范围离原点太远，不能显示"}),
    [](const ::testing::TestParamInfo<RefusedView>& p) { return p.param.name; });

TEST_F(Classroom, RefusedBoxGetsTheFocus) {
  const int before = panel.txtViewY2.FocusRequests();
  typeView("0", "1", "0", "x");
  EXPECT_EQ(panel.txtViewY2.FocusRequests(), before + 1);
}

TEST_F(Classroom, PresentingGrowsPenAndTextsByTheChosenShare) {
  storePictureStyle(*program.services.preferences, PictureStyle{.presentationPercent = 300});
  drawCurve(2, 0, "6");
  surface.clearCalls();
  panel.setPresenting(true);
  EXPECT_EQ(curvesDrawn(), 1u);
  EXPECT_TRUE(allAre(SurfaceCallKind::DrawWidth, 6));
  EXPECT_TRUE(allAre(SurfaceCallKind::FontSize, 27));
  surface.clearCalls();
  panel.setPresenting(false);
  EXPECT_TRUE(allAre(SurfaceCallKind::DrawWidth, 2));
  EXPECT_TRUE(allAre(SurfaceCallKind::FontSize, 9));
}

}  // namespace
}  // namespace quorvel::test
