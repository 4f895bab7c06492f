// The pan and zoom pad and the surface's mouse events, through their handlers.
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

class PanZoomTest : public ShellTest {
 protected:
  void drawOne() {
    drawCurve(2, 0, "6");
    ASSERT_EQ(lines().size(), 1u);
  }
  // The extents as (left, right, bottom, top).
  std::vector<std::int32_t> extents() const {
    return {g.viewLeft, g.viewRight, g.viewBottom, g.viewTop};
  }
  // Sets the scale by hand and lets a redraw take it up.
  void setScale(int value) {
    panel.sldZoom.setValue(value);
    panel.cmdRedraw_Click();
    ASSERT_EQ(g.zoomScale, value);
  }
};

TEST_F(PanZoomTest, PanBeforeAnyGraphDoesNothing) {
  panel.picUp.click();
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{0, 0, 0, 0}));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
}

struct PanCase {
  const char* name;
  void (*press)(frmControl&);
  const char* distance;
  int scale;
  std::vector<std::int32_t> expected;  // left, right, bottom, top
};

void pressUp(frmControl& p) { p.picUp.click(); }
void pressDown(frmControl& p) { p.picDown.click(); }
void pressLeft(frmControl& p) { p.picLeft.click(); }
void pressRight(frmControl& p) { p.picRight.click(); }

class PanTest : public PanZoomTest, public ::testing::WithParamInterface<PanCase> {};

TEST_P(PanTest, MovesTwoExtentsAndRedraws) {
  const PanCase& t = GetParam();
  drawOne();
  setScale(t.scale);
  panel.txtValue.setText(t.distance);
  surface.clearCalls();
  t.press(panel);
  EXPECT_EQ(extents(), t.expected);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, PanTest,
    ::testing::Values(
        PanCase{"UpByOneTick", pressUp, "", 500, {-3750, 3750, -3250, 4250}},
        PanCase{"DownByOneTick", pressDown, "", 500, {-3750, 3750, -4250, 3250}},
        PanCase{"LeftByOneTick", pressLeft, "", 500, {-4250, 3250, -3750, 3750}},
        PanCase{"RightByOneTick", pressRight, "", 500, {-3250, 4250, -3750, 3750}},
        // An empty box moves 500 view units whatever the scale.
        PanCase{"EmptyAtScale1000", pressUp, "", 1000, {-3750, 3750, -3250, 4250}},
        // A distance is in curve units.
        PanCase{"OneUnitAtScale500", pressRight, "1", 500, {-3250, 4250, -3750, 3750}},
        PanCase{"OneUnitAtScale1000", pressRight, "1", 1000, {-2750, 4750, -3750, 3750}},
        PanCase{"NegativeGoesBack", pressUp, "-2", 500, {-3750, 3750, -4750, 2750}},
        // 0.0011 × 500 = 0.55 rounds to 1; halves go to even: 0.001 × 500 = 0.5 to 0.
        PanCase{"RoundsHalfToEven", pressUp, "0.001", 500, {-3750, 3750, -3750, 3750}},
        PanCase{"RoundsToNearest", pressUp, "0.0011", 500, {-3750, 3750, -3749, 3751}}),
    [](const ::testing::TestParamInfo<PanCase>& p) { return p.param.name; });

TEST_F(PanZoomTest, PanWithATextThatIsNoNumberChangesNothing) {
  drawOne();
  panel.txtValue.setText("abc");
  surface.clearCalls();
  panel.picLeft.click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "数据错误"}}));
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{-3750, 3750, -3750, 3750}));
  EXPECT_EQ(panel.MousePointer(), kDefaultPointer);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
}

TEST_F(PanZoomTest, ZoomInDoublesUpTo16000ThenRefuses) {
  drawOne();
  std::vector<int> scales;
  for (int i = 0; i < 5; ++i) {
    panel.picZoomIn.click();
    scales.push_back(g.zoomScale);
    EXPECT_FALSE(g.zoomPending);
  }
  EXPECT_EQ(scales, (std::vector<int>{1000, 2000, 4000, 8000, 16000}));
  EXPECT_TRUE(messages().empty());
  surface.clearCalls();
  panel.picZoomIn.click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "不能继续缩放"}}));
  EXPECT_EQ(panel.sldZoom.Value(), 16000);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  // The buttons leave the extents alone.
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{-3750, 3750, -3750, 3750}));
}

TEST_F(PanZoomTest, ZoomInAt12800IsRefusedAndAt12799Clamped) {
  drawOne();
  setScale(12800);
  panel.picZoomIn_Click();
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(panel.sldZoom.Value(), 12800);
  setScale(12799);
  panel.picZoomIn_Click();
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(g.zoomScale, 16000);  // the slider's maximum
}

TEST_F(PanZoomTest, ZoomOutHalvesDownTo2ThenRefuses) {
  drawOne();
  std::vector<int> scales;
  for (int i = 0; i < 8; ++i) {
    panel.picZoomOut.click();
    scales.push_back(g.zoomScale);
  }
  EXPECT_EQ(scales, (std::vector<int>{250, 125, 62, 31, 16, 8, 4, 2}));
  EXPECT_TRUE(messages().empty());
  panel.picZoomOut.click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "不能继续缩放"}}));
  EXPECT_EQ(g.zoomScale, 2);
}

TEST_F(PanZoomTest, ZoomOutAt3RoundsHalfToEven) {
  drawOne();
  setScale(3);
  panel.picZoomOut_Click();
  EXPECT_EQ(g.zoomScale, 2);
}

TEST_F(PanZoomTest, ZoomButtonWithoutGraphOnlyArms) {
  panel.picZoomOut_Click();
  EXPECT_EQ(g.zoomMode, 2);
  EXPECT_FALSE(g.zoomPending);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  // A refused zoom arms the mode too.
  g.zoomScale = 13000;
  panel.picZoomIn_Click();
  EXPECT_EQ(g.zoomMode, 1);
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(PanZoomTest, PendingZoomWaitsForTheNextDrawWhenNothingIsTicked) {
  drawOne();
  panel.lstExist.setSelected(0, false);
  panel.picZoomIn_Click();
  EXPECT_TRUE(g.zoomPending);
  EXPECT_EQ(g.zoomScale, 500);
  drawCurve(2, 0, "3");
  EXPECT_EQ(g.zoomScale, 1000);
  EXPECT_FALSE(g.zoomPending);
  // The new curve is listed and stored all the same.
  EXPECT_EQ(lines().size(), 2u);
  EXPECT_EQ(g.funcCount, 3);
  EXPECT_EQ(listBytes().size(), 250u);
}

struct ClickCase {
  const char* name;
  int mode;
  float x, y;
  std::vector<std::int32_t> expected;  // left, right, bottom, top
  int scale;
};

class SurfaceClickTest : public PanZoomTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(SurfaceClickTest, ScalesTheClickedQuadrant) {
  const ClickCase& t = GetParam();
  drawOne();
  g.zoomMode = t.mode;
  surface.clearCalls();
  program.main.picPic_MouseUp(1, 0, t.x, t.y);
  EXPECT_EQ(extents(), t.expected);
  EXPECT_EQ(g.zoomScale, t.scale);
  EXPECT_FALSE(g.zoomPending);
  // The surface is cleared by the click and again by the redraw.
  EXPECT_EQ(count(SurfaceCallKind::Cls), 2u);
  const auto scales = surface.callsOf(SurfaceCallKind::Scale);
  ASSERT_EQ(scales.size(), 1u);
  EXPECT_EQ(scales[0], SurfaceCall::scale(
                           static_cast<float>(t.expected[0]), static_cast<float>(t.expected[3]),
                           static_cast<float>(t.expected[1]), static_cast<float>(t.expected[2])));
}

// 3750 × 1.25 = 4687.5 rounds to 4688; 3750 / 1.25 = 3000.
INSTANTIATE_TEST_SUITE_P(
    Quadrants, SurfaceClickTest,
    ::testing::Values(ClickCase{"InUpperRight", 1, 100, 100, {-2812, 4688, -2812, 4688}, 1000},
                      ClickCase{"InLowerRight", 1, 100, -100, {-2812, 4688, -4688, 2812}, 1000},
                      ClickCase{"InUpperLeft", 1, -100, 100, {-4688, 2812, -2812, 4688}, 1000},
                      ClickCase{"InLowerLeft", 1, -100, -100, {-4688, 2812, -4688, 2812}, 1000},
                      ClickCase{"OutUpperRight", 2, 100, 100, {-4500, 3000, -4500, 3000}, 250},
                      ClickCase{"OnTheAxis", 1, 0, 100, {-3750, 3750, -3750, 3750}, 1000}),
    [](const ::testing::TestParamInfo<ClickCase>& p) { return p.param.name; });

TEST_F(PanZoomTest, SurfaceClickNeedsTheLeftButtonAnArmedModeAndAGraph) {
  program.main.picPic_MouseUp(1, 0, 100, 100);  // no graph yet
  g.zoomMode = 1;
  program.main.picPic_MouseUp(1, 0, 100, 100);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  drawOne();
  g.zoomMode = 0;
  program.main.picPic_MouseUp(1, 0, 100, 100);
  g.zoomMode = 1;
  program.main.picPic_MouseUp(2, 0, 100, 100);
  EXPECT_EQ(g.zoomScale, 500);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  // Every later left click zooms again while the mode stays armed.
  program.main.picPic_MouseUp(1, 0, 100, 100);
  program.main.picPic_MouseUp(1, 0, 100, 100);
  EXPECT_EQ(g.zoomScale, 2000);
}

TEST_F(PanZoomTest, SurfaceClickCanHalve2To1ButNotFurther) {
  drawOne();
  setScale(2);
  g.zoomMode = 2;
  program.main.picPic_MouseUp(1, 0, 100, 100);
  EXPECT_EQ(g.zoomScale, 1);
  EXPECT_TRUE(messages().empty());
  program.main.picPic_MouseUp(1, 0, 100, 100);
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "不能继续缩放"}}));
  EXPECT_EQ(g.zoomScale, 1);
  setScale(12800);
  g.zoomMode = 1;
  program.main.picPic_MouseUp(1, 0, 100, 100);
  EXPECT_EQ(messages().size(), 2u);
}

TEST_F(PanZoomTest, CentreAndInitialSize) {
  drawOne();
  panel.picRight_Click();
  panel.picZoomIn_Click();
  ASSERT_EQ(g.viewLeft, -3250);
  panel.picCentre.click();
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{-3750, 3750, -3750, 3750}));
  EXPECT_EQ(g.zoomScale, 1000);
  panel.picRight_Click();
  panel.picSize.click();
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(g.zoomScale, 500);
  EXPECT_EQ(g.viewLeft, -3250);  // the extents stay
}

TEST_F(PanZoomTest, CentreWorksWithoutAGraph) {
  panel.picCentre_Click();
  EXPECT_EQ(extents(), (std::vector<std::int32_t>{-3750, 3750, -3750, 3750}));
}

TEST_F(PanZoomTest, PadPicturesLookPressedWhileDown) {
  for (PictureButton* p : {&panel.picUp, &panel.picDown, &panel.picLeft, &panel.picRight,
                           &panel.picZoomIn, &panel.picZoomOut, &panel.picCentre, &panel.picSize}) {
    ASSERT_TRUE(p->MouseDown);
    p->MouseDown();
    EXPECT_EQ(p->BorderStyle(), 1) << p->Name();
    p->MouseUp();
    EXPECT_EQ(p->BorderStyle(), 0) << p->Name();
  }
}

struct ReadoutCase {
  float x, y;
  int scale;
  const char* expected;
};

class ReadoutTest : public PanZoomTest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(ReadoutTest, ShowsCurveCoordinatesToHundredths) {
  const ReadoutCase& t = GetParam();
  g.zoomScale = t.scale;
  program.main.lblCoordinate.setBounds(0, 0, 700, 200);
  program.main.picPic_MouseMove(0, 0, t.x, t.y);
  EXPECT_EQ(program.main.lblCoordinate.Caption(), t.expected);
  EXPECT_EQ(program.main.picCoordinate.Width(), 700);
  EXPECT_EQ(program.main.picCoordinate.Height(), 200);
}

INSTANTIATE_TEST_SUITE_P(Points, ReadoutTest,
                         ::testing::Values(ReadoutCase{1234, -250, 500, "(2.47,-0.5)"},
                                           ReadoutCase{0, 0, 500, "(0,0)"},
                                           ReadoutCase{625, 1500, 1000, "(0.62,1.5)"}));

}  // namespace
}  // namespace quorvel::test
