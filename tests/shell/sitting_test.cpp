// A user's whole sitting, headless: pick families, type parameters, draw, untick,
// delete, pan, zoom by button and by click, save the list, clear and reopen it. The
// surface's calls, the list and the files are checked after each step.
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr std::int32_t kBlue = 0xFF0000, kRed = 0x0000FF, kGreen = 0x00FF00;

using SittingTest = ShellTest;

// The colours the curves were drawn in (the axes are drawn in black).
std::vector<std::int32_t> curveColours(const RecordingSurface& s) {
  std::vector<std::int32_t> out;
  for (const SurfaceCall& c : s.callsOf(SurfaceCallKind::ForeColor)) {
    if (c.value != 0) out.push_back(c.value);
  }
  return out;
}

TEST_F(SittingTest, AWholeSitting) {
  // The panel opens on "自定义" with nothing drawn.
  ASSERT_EQ(panel.cboFuncName.Text(), "自定义");
  EXPECT_TRUE(surface.calls().empty());

  // 1. y = 6/x: the set-up comes first, in this order, then the axes and the curve.
  panel.cboFuncName.setListIndex(2);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ｋ ＝");
  panel.txtParameter[1].setText("6");
  panel.cmdDraw.click();
  ASSERT_GE(surface.calls().size(), 4u);
  EXPECT_EQ(surface.calls()[0], SurfaceCall::drawWidth(2));
  EXPECT_EQ(surface.calls()[1], SurfaceCall::autoRedraw(true));
  EXPECT_EQ(surface.calls()[2], SurfaceCall::scale(-3750, 3750, 3750, -3750));
  EXPECT_EQ(surface.calls()[3], SurfaceCall::foreColor(0));
  EXPECT_GT(count(SurfaceCallKind::PSet), 100u);
  EXPECT_EQ(curveColours(surface), std::vector<std::int32_t>{kBlue});
  EXPECT_EQ(lines(), std::vector<std::string>{"y=6/x"});
  EXPECT_EQ(listBytes(), readBytes(testDataPath("shell_record_inverse.bin")));

  // 2. A parabola, then 3. an expression; each in the next automatic colour.
  panel.cboFuncName.setListIndex(1);
  setBoxes("1", "-2", "1");
  panel.cmdDraw.click();
  panel.cboFuncName.setListIndex(kCustomFamily);
  panel.txtExpression.setText("sin(x)*2");
  panel.picDraw.click();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=1x^2+-2x+1", "y=sin(x)*2"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(curveColours(surface), (std::vector<std::int32_t>{kBlue, kRed, kGreen}));
  EXPECT_EQ(listBytes().size(), 378u);
  EXPECT_EQ(g.funcCount, 4);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);
  const std::vector<unsigned char> parabola = recordBytes(2);
  const std::vector<unsigned char> sine = recordBytes(3);

  // 4. On the view page, untick the parabola: the others are replayed.
  panel.tbsControl.select(2);
  surface.clearCalls();
  panel.lstExist.setSelected(1, false);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(curvesDrawn(), 2u);
  EXPECT_EQ(curveColours(surface), (std::vector<std::int32_t>{kBlue, kGreen}));
  EXPECT_EQ(listBytes().size(), 378u);

  // 5. Delete y = 6/x: the file closes up, the unticked parabola stays unticked.
  panel.lstExist.setListIndex(0);
  surface.clearCalls();
  panel.cmdDelete.click();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=1x^2+-2x+1", "y=sin(x)*2"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true}));
  EXPECT_EQ(listBytes().size(), 250u);
  EXPECT_EQ(recordBytes(1), parabola);
  EXPECT_EQ(recordBytes(2), sine);
  EXPECT_EQ(g.funcCount, 3);
  EXPECT_EQ(curvesDrawn(), 1u);
  EXPECT_EQ(curveColours(surface), std::vector<std::int32_t>{kGreen});

  // 6. Pan up by two curve units.
  panel.txtValue.setText("2");
  surface.clearCalls();
  panel.picUp.click();
  EXPECT_EQ(surface.callsOf(SurfaceCallKind::Scale),
            std::vector<SurfaceCall>{SurfaceCall::scale(-3750, 4750, 3750, -2750)});

  // 7. Zoom in by the button: the scale doubles about the origin.
  surface.clearCalls();
  panel.picZoomIn.click();
  EXPECT_EQ(g.zoomScale, 1000);
  EXPECT_EQ(g.zoomMode, 1);
  EXPECT_EQ(curvesDrawn(), 1u);

  // 8. Zoom in again by a click in the upper right quadrant.
  surface.clearCalls();
  program.main.picPic_MouseUp(1, 0, 300, 200);
  EXPECT_EQ(g.zoomScale, 2000);
  EXPECT_EQ(surface.callsOf(SurfaceCallKind::Scale),
            std::vector<SurfaceCall>{SurfaceCall::scale(-2812, 5938, 4688, -1562)});
  program.main.picPic_MouseMove(0, 0, 3000, -1000);
  EXPECT_EQ(program.main.lblCoordinate.Caption(), "(1.5,-0.5)");

  // 9. Save the list.
  const std::filesystem::path saved = folder / "sitting.QVX";
  kit.files->answers.push_back(saved.string());
  program.main.clickToolbarButton(4);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(readBytes(saved), listBytes());

  // 10. Clear everything.
  surface.clearCalls();
  panel.cmdClear.click();
  EXPECT_EQ(count(SurfaceCallKind::Cls), 1u);
  EXPECT_TRUE(lines().empty());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
  EXPECT_EQ(g.zoomMode, 0);
  EXPECT_EQ(panel.sldZoom.Value(), 500);

  // 11. Reopen it: both entries come back ticked, drawn from the centred view.
  kit.files->answers.push_back(saved.string());
  surface.clearCalls();
  program.main.clickToolbarButton(3);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=1x^2+-2x+1", "y=sin(x)*2"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
  EXPECT_EQ(g.funcCount, 3);
  EXPECT_EQ(listBytes(), readBytes(saved));
  EXPECT_EQ(curvesDrawn(), 2u);
  EXPECT_EQ(surface.callsOf(SurfaceCallKind::Scale)[0],
            SurfaceCall::scale(-3750, 3750, 3750, -3750));
  EXPECT_EQ(curveColours(surface), (std::vector<std::int32_t>{kRed, kGreen}));
  EXPECT_EQ(g.zoomScale, 500);

  // 12. One more curve goes after them, in the colour of the current line.
  panel.cboFuncName.setListIndex(9);
  setBoxes("2", "1");
  panel.cmdDraw.click();
  EXPECT_EQ(lines().back(), "x^2/4+y^2/1=1");
  EXPECT_EQ(listBytes().size(), 378u);
  EXPECT_EQ(g.funcCount, 4);
  EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace quorvel::test
