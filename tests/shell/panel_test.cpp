// The control panel as a window: its designed state, load, tabs, the settings
// page's handlers and the defaults command.
#include <algorithm>
#include <string>
#include <vector>

#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "document/point_list_entry.h"
#include "document/region_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

using PanelTest = ShellTest;

TEST_F(PanelTest, LoadOpensOnTheCustomFamily) {
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kCustomFamily);
  // The catalogue, 参数方程, 极坐标方程, 方程, 分段函数, 点, 不等式区域.
  EXPECT_EQ(panel.cboFuncName.ListCount(), kRegionFamily + 1);
  EXPECT_EQ(panel.cboFuncName.List()[kPowerFamily], "幂函数");
  EXPECT_EQ(panel.cboFuncName.List()[2], "反比例函数");
  for (int i = 0; i < kFamilyCount; ++i) {
    EXPECT_EQ(panel.cboStyle[i].Visible(), i == kCustomFamily) << i;
  }
  EXPECT_EQ(panel.cboStyle[kCustomFamily].Text(), "ｙ＝");
  EXPECT_EQ(panel.txtExpression.Left(), 60);
  EXPECT_EQ(g.funcCount, 1);
  EXPECT_EQ(g.activeFamily, 13.0f);
  // The defaults of "ｙ＝" ran; the sliders kept their initial values.
  EXPECT_EQ(panel.chkLink.Value(), 1);
  EXPECT_EQ(panel.chkSkip.Value(), 0);
  EXPECT_EQ(panel.chkfixx.Value(), 1);
  EXPECT_EQ(panel.chky.Value(), 0);
  EXPECT_FALSE(panel.chky.Enabled());
  EXPECT_EQ(panel.sldLevel.Value(), 2000);
  // Loading again changes nothing.
  panel.cboFuncName.setListIndex(2);
  panel.Form_Load();
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 2);
}

TEST_F(PanelTest, DesignedCaptionsTooltipsAndInitialValues) {
  EXPECT_EQ(panel.Caption(), "控制");
  EXPECT_EQ(panel.tbsControl.Captions, (std::vector<std::string>{"绘制", "视图", "设置"}));
  EXPECT_EQ(panel.cmdDraw.Caption(), "   绘制");
  EXPECT_TRUE(panel.cmdDraw.Default());
  EXPECT_EQ(panel.cmdClear.Caption(), "   清屏");
  EXPECT_EQ(panel.cmdDelete.ToolTipText(), "删除函数");
  EXPECT_EQ(panel.cmdRedraw.ToolTipText(), "重绘所有函数");
  EXPECT_EQ(panel.cmdDefault.Caption(), "   默认值");
  EXPECT_EQ(panel.lblParameter[0].Caption(), "请输入参数：");
  EXPECT_EQ(panel.chkIntX.ToolTipText(), "x取整数");
  EXPECT_EQ(panel.sldLevel.ToolTipText(), "取值越大　精细程度越高　速度越慢");
  EXPECT_EQ(panel.picCentre.ToolTipText(), "回到中心");
  EXPECT_EQ(panel.cboRangeX1.Text(), " -∞");
  EXPECT_EQ(panel.cboRangeY2.Text(), " +∞");
  EXPECT_EQ(panel.cboRangeY2.List(), (std::vector<std::string>{" +∞", " 0"}));
  EXPECT_EQ(panel.txtValue.Text(), "");
  EXPECT_FALSE(panel.chkIntX.Enabled());
  EXPECT_EQ(panel.chkAutoRedraw.Value(), 1);
  EXPECT_EQ(panel.chkAutoColor.Value(), 1);
  EXPECT_FALSE(panel.cmdColor.Enabled());
  EXPECT_FALSE(panel.picColor.Enabled());
  struct SliderDesign {
    const Slider& slider;
    int min, max, value, large, small, tick;
  };
  for (const SliderDesign& s : {SliderDesign{panel.sldZoom, 0, 16000, 500, 500, 250, 2000},
                                SliderDesign{panel.sldLevel, 1, 10000, 2000, 500, 100, 1000},
                                SliderDesign{panel.sldPenWidth, 1, 5, 2, 2, 1, 1}}) {
    EXPECT_EQ(s.slider.Min(), s.min) << s.slider.Name();
    EXPECT_EQ(s.slider.Max(), s.max) << s.slider.Name();
    EXPECT_EQ(s.slider.Value(), s.value) << s.slider.Name();
    EXPECT_EQ(s.slider.LargeChange, s.large) << s.slider.Name();
    EXPECT_EQ(s.slider.SmallChange, s.small) << s.slider.Name();
    EXPECT_EQ(s.slider.TickFrequency, s.tick) << s.slider.Name();
  }
}

TEST_F(PanelTest, EveryControlBelongsToOnePage) {
  std::vector<const Control*> seen;
  for (int page = 1; page <= 3; ++page) {
    for (const Control* c : panel.pageControls(page)) {
      EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << c->Name();
      seen.push_back(c);
    }
  }
  EXPECT_TRUE(panel.pageControls(0).empty());
  EXPECT_NE(std::find(seen.begin(), seen.end(), &panel.lstExist), seen.end());
}

TEST_F(PanelTest, TabsLeaveExactlyOnePageVisible) {
  for (int page = 1; page <= 3; ++page) EXPECT_TRUE(panel.picControl[page].Visible());
  panel.tbsControl.select(3);
  EXPECT_FALSE(panel.picControl[1].Visible());
  EXPECT_FALSE(panel.picControl[2].Visible());
  EXPECT_TRUE(panel.picControl[3].Visible());
  panel.tbsControl.select(1);
  EXPECT_TRUE(panel.picControl[1].Visible());
  EXPECT_FALSE(panel.picControl[3].Visible());
}

TEST_F(PanelTest, AutomaticColourEnablesTheColourButtonsWhenOff) {
  panel.chkAutoColor.click();
  EXPECT_TRUE(panel.cmdColor.Enabled());
  EXPECT_TRUE(panel.picColor.Enabled());
  panel.chkAutoColor.click();
  EXPECT_FALSE(panel.cmdColor.Enabled());
  EXPECT_FALSE(panel.picColor.Enabled());
}

// The dialog opens on the colour the next curve would be drawn in; a cancel keeps it.
TEST_F(PanelTest, ColourDialogOpensOnThePenColourAndCancelKeepsIt) {
  kit.colors->answers = {std::nullopt, 0x00FF80, std::nullopt};
  g.penColor = 0x0000FF;
  panel.cmdColor.click();
  EXPECT_EQ(g.penColor, 0x0000FF);
  panel.picColor.click();
  EXPECT_EQ(g.penColor, 0x00FF80);
  g.penColor = 7;
  panel.cmdColor_Click();
  EXPECT_EQ(g.penColor, 7);
  EXPECT_EQ(kit.colors->timesShown, 3);
  EXPECT_EQ(kit.colors->shownOn, (std::vector<std::int32_t>{0x0000FF, 0x0000FF, 7}));
}

TEST_F(PanelTest, WholeNumberBoxUnticksJoiningEitherWay) {
  panel.chkLink.setValue(1);
  panel.chkIntX.click();
  EXPECT_EQ(panel.chkLink.Value(), 0);
  panel.chkLink.setValue(1);
  panel.chkIntX.click();
  EXPECT_EQ(panel.chkLink.Value(), 0);
}

// ---- defaults ----

struct DefaultsCase {
  int family, form;
  int link, skip, fixx;
  bool yEnabled;
  int y;
};

class DefaultsTest : public ShellTest, public ::testing::WithParamInterface<DefaultsCase> {};

TEST_P(DefaultsTest, FamilyChangeSetsThePlottingOptions) {
  const DefaultsCase& t = GetParam();
  // Start from the opposite of every expected value.
  panel.chkLink.setValue(1 - t.link);
  panel.chkSkip.setValue(1 - t.skip);
  panel.chkfixx.setValue(1 - t.fixx);
  panel.chky.setEnabled(!t.yEnabled);
  chooseFamily(t.family, t.form);
  if (t.form != 0) panel.cmdDefault_Click();  // the form change alone runs no defaults
  EXPECT_EQ(panel.chkfixx.Value(), t.fixx);
  EXPECT_EQ(panel.chkSkip.Value(), t.skip);
  EXPECT_EQ(panel.chkLink.Value(), t.link);
  EXPECT_EQ(panel.chky.Enabled(), t.yEnabled);
  EXPECT_EQ(panel.chky.Value(), t.y);
}

INSTANTIATE_TEST_SUITE_P(
    Families, DefaultsTest,
    ::testing::Values(DefaultsCase{0, 0, 1, 1, 0, true, 1}, DefaultsCase{1, 0, 1, 1, 0, true, 0},
                      DefaultsCase{2, 0, 1, 1, 0, true, 0}, DefaultsCase{3, 0, 1, 1, 0, true, 0},
                      DefaultsCase{4, 0, 1, 1, 0, true, 0}, DefaultsCase{5, 0, 1, 0, 0, false, 0},
                      DefaultsCase{6, 0, 1, 0, 0, false, 0}, DefaultsCase{7, 0, 1, 0, 0, false, 0},
                      DefaultsCase{8, 0, 1, 1, 1, true, 0}, DefaultsCase{9, 0, 1, 1, 1, true, 0},
                      DefaultsCase{10, 0, 1, 1, 1, true, 0}, DefaultsCase{11, 2, 1, 1, 0, true, 0},
                      DefaultsCase{12, 0, 1, 1, 0, false, 0},
                      DefaultsCase{13, 0, 1, 0, 1, false, 0},
                      DefaultsCase{13, 1, 0, 0, 1, false, 0}));

TEST_F(PanelTest, DefaultsButtonResetsSlidersOnlyWithTheFocus) {
  panel.sldZoom.setValue(4000);
  panel.sldLevel.setValue(9000);
  panel.sldPenWidth.setValue(5);
  surface.setForeColor(0x0000FF);
  // The icon leaves the focus where it was.
  panel.ActiveControlName = "txtParameter";
  panel.picDefault.click();
  EXPECT_EQ(panel.sldZoom.Value(), 4000);
  EXPECT_EQ(panel.sldLevel.Value(), 9000);
  EXPECT_EQ(panel.sldPenWidth.Value(), 5);
  EXPECT_EQ(surface.ForeColor(), 0x0000FF);
  panel.ActiveControlName = "cmdDefault";
  surface.clearCalls();
  panel.cmdDefault.click();
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(panel.sldLevel.Value(), 500);  // not the initial 2000
  EXPECT_EQ(panel.sldPenWidth.Value(), 2);
  EXPECT_EQ(foreColors(), std::vector<std::int32_t>{0});
  // The options follow the family as well.
  EXPECT_EQ(panel.chkfixx.Value(), 1);
}

TEST_F(PanelTest, FamilyChangeNeverResetsTheSliders) {
  panel.sldLevel.setValue(9000);
  panel.ActiveControlName = "cboFuncName";
  chooseFamily(5);
  EXPECT_EQ(panel.sldLevel.Value(), 9000);
}

TEST_F(PanelTest, UnknownActiveFamilyLeavesTheOptions) {
  panel.chkLink.setValue(0);
  panel.chkSkip.setValue(1);
  for (const float family : {15.0f, -1.0f, 2.5f}) {
    g.activeFamily = family;
    panel.cmdDefault_Click();
    EXPECT_EQ(panel.chkLink.Value(), 0) << family;
    EXPECT_EQ(panel.chkSkip.Value(), 1) << family;
  }
}

}  // namespace
}  // namespace quorvel::test
