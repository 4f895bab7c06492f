// Choosing a family and a form: captions, which boxes show, the expression box, the
// whole-number box and the ranges.
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

struct CaptionCase {
  int family, form;
  const char* caption1;
  const char* caption2;
  const char* caption3;
  bool box2, box3;
};

class CaptionTest : public ShellTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionTest, FormSetsCaptionsAndBoxes) {
  const CaptionCase& t = GetParam();
  // Start from a state where every box is shown and captioned.
  chooseFamily(1, 0);
  chooseFamily(t.family, t.form);
  EXPECT_EQ(panel.lblParameter[1].Caption(), t.caption1);
  EXPECT_EQ(panel.lblParameter[2].Caption(), t.caption2);
  EXPECT_EQ(panel.lblParameter[3].Caption(), t.caption3);
  EXPECT_TRUE(panel.txtParameter[1].Visible());
  EXPECT_TRUE(panel.lblParameter[1].Visible());
  EXPECT_EQ(panel.txtParameter[2].Visible(), t.box2);
  EXPECT_EQ(panel.txtParameter[3].Visible(), t.box3);
  // A hidden box's caption is emptied, its label is not hidden.
  EXPECT_TRUE(panel.lblParameter[2].Visible());
  EXPECT_EQ(panel.txtExpression.Left(), -3000);
  EXPECT_EQ(panel.cboStyle[t.family].Visible(), true);
  EXPECT_EQ(g.activeFamily, static_cast<float>(t.family));
  EXPECT_EQ(panel.funcFamily, t.family);
  EXPECT_EQ(panel.funcForm, t.form);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CaptionTest,
    ::testing::Values(CaptionCase{0, 0, "ｋ ＝", "ｂ ＝", "", true, false},
                      CaptionCase{0, 1, "ｘ１＝", "ｙ１＝", "ｋ ＝", true, true},
                      CaptionCase{0, 2, "Ａ ＝", "Ｂ ＝", "Ｃ ＝", true, true},
                      CaptionCase{1, 0, "ａ ＝", "ｂ ＝", "ｃ＝", true, true},
                      CaptionCase{1, 1, "ｘ１＝", "ｘ２＝", "ａ ＝", true, true},
                      CaptionCase{1, 2, "ｈ ＝", "ｋ ＝", "ａ ＝", true, true},
                      CaptionCase{2, 0, "ｋ ＝", "", "", false, false},
                      CaptionCase{3, 0, "ａ ＝", "", "", false, false},
                      CaptionCase{4, 0, "ａ ＝", "", "", false, false},
                      CaptionCase{5, 0, "Ａ ＝", "ω ＝", "φ ＝", true, true},
                      CaptionCase{7, 0, "Ａ ＝", "ω ＝", "φ ＝", true, true},
                      CaptionCase{8, 0, "ａ ＝", "ｂ ＝", "ｒ ＝", true, true},
                      CaptionCase{9, 0, "ａ ＝", "ｂ ＝", "", true, false},
                      CaptionCase{10, 0, "ａ ＝", "ｂ ＝", "", true, false},
                      CaptionCase{11, 3, "ｐ ＝", "", "", false, false},
                      CaptionCase{12, 0, "ａ ＝", "ｂ ＝", "", true, false}));

TEST_F(ShellTest, FamilyChangeSelectsTheFirstFormAndShowsOnlyItsCombo) {
  chooseFamily(11, 2);
  chooseFamily(0);
  chooseFamily(11);
  EXPECT_EQ(panel.cboStyle[11].ListIndex(), 0);
  EXPECT_EQ(panel.cboStyle[11].Text(), "ｙ∧２＝２ｐｘ");
  for (int i = 0; i < kFamilyCount; ++i) EXPECT_EQ(panel.cboStyle[i].Visible(), i == 11) << i;
}

TEST_F(ShellTest, BoxTextsSurviveFamilyChanges) {
  chooseFamily(0, 1);
  setBoxes("1", "2", "3");
  chooseFamily(2);
  EXPECT_FALSE(panel.txtParameter[2].Visible());
  chooseFamily(8);
  EXPECT_EQ(panel.txtParameter[1].Text(), "1");
  EXPECT_EQ(panel.txtParameter[2].Text(), "2");
  EXPECT_EQ(panel.txtParameter[3].Text(), "3");
  EXPECT_TRUE(panel.txtParameter[2].Visible());
  EXPECT_TRUE(panel.txtParameter[3].Visible());
}

TEST_F(ShellTest, ExpressionBoxIsEmptiedOnlyWhenTheCustomFamilyIsChosen) {
  panel.txtExpression.setText("sin(x)");
  chooseFamily(3);
  EXPECT_EQ(panel.txtExpression.Left(), -3000);
  EXPECT_EQ(panel.txtExpression.Text(), "sin(x)");
  chooseFamily(kCustomFamily);
  EXPECT_EQ(panel.txtExpression.Left(), 60);
  EXPECT_EQ(panel.txtExpression.Text(), "");
  // The custom family leaves the parameter captions alone.
  chooseFamily(2);
  chooseFamily(kCustomFamily);
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ｋ ＝");
  EXPECT_FALSE(panel.txtParameter[2].Visible());
}

TEST_F(ShellTest, SumFormTicksWholeNumbersAndStartsAtZero) {
  chooseFamily(kCustomFamily, 1);
  EXPECT_EQ(panel.cboRangeX1.Text(), "0");
  EXPECT_TRUE(panel.chkIntX.Enabled());
  EXPECT_EQ(panel.chkIntX.Value(), 1);
  EXPECT_EQ(panel.chkLink.Value(), 0);
  panel.cboStyle[kCustomFamily].setListIndex(0);
  EXPECT_EQ(panel.cboRangeX1.Text(), " -∞");
  EXPECT_FALSE(panel.chkIntX.Enabled());
  EXPECT_EQ(panel.chkIntX.Value(), 0);
  // chkIntX's own click unticked chkLink; the form ticks it after that.
  EXPECT_EQ(panel.chkLink.Value(), 1);
}

TEST_F(ShellTest, FormChangeKeepsParameterAndRanges) {
  chooseFamily(11, 0);
  setBoxes("3");
  setRanges("1", " +∞", "-2", "5");
  panel.cboStyle[11].setListIndex(3);
  EXPECT_EQ(panel.txtParameter[1].Text(), "3");
  EXPECT_EQ(panel.cboRangeX1.Text(), "1");
  EXPECT_EQ(panel.cboRangeY1.Text(), "-2");
  EXPECT_EQ(panel.funcForm, 3);
}

TEST_F(ShellTest, FamilyChangeOpensTheRanges) {
  chooseFamily(2);
  setRanges("1", "2", "3", "4");
  chooseFamily(5);
  EXPECT_EQ(panel.cboRangeX1.Text(), " -∞");
  EXPECT_EQ(panel.cboRangeX2.Text(), " +∞");
  EXPECT_EQ(panel.cboRangeY1.Text(), " -∞");
  EXPECT_EQ(panel.cboRangeY2.Text(), " +∞");
}

TEST_F(ShellTest, FocusSelectsTheWholeText) {
  struct Case {
    const char* text;
    int length;
  };
  for (const Case c : {Case{"12.5", 4}, Case{"", 0}, Case{"ｐｉ/2", 4}}) {
    panel.txtParameter[2].setText(c.text);
    panel.txtParameter[2].gotFocus();
    EXPECT_EQ(panel.txtParameter[2].SelStart(), 0) << c.text;
    EXPECT_EQ(panel.txtParameter[2].SelLength(), c.length) << c.text;
  }
}

}  // namespace
}  // namespace quorvel::test
