// Live parameters: which sliders a curve gets, the texts their values give, the
// letters of an expression and their values in its place, the play sweep, and a
// live session on the panel (nothing stored, no message box, the line hidden).
#include <numbers>
#include <string>
#include <vector>

#include "shell/live_controller.h"
#include "shell/live_parameters.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

std::vector<std::string> namesOf(const std::vector<LiveParameter>& ps) {
  std::vector<std::string> names;
  for (const LiveParameter& p : ps) names.push_back(p.name);
  return names;
}

TEST(LiveParameters, TheFormsParametersAndTheirRanges) {
  struct Case {
    int family, form;
    std::vector<std::string> boxes;
    std::string expression;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {1, 2, {"2", "-1", "0.5"}, "", {"ｈ", "ｋ", "ａ"}},
      {2, 0, {"6", "99", "x"}, "", {"ｋ"}},  // hidden boxes are no parameters
      {5, 0, {"2", "1", "0"}, "", {"Ａ", "ω", "φ"}},
      {8, 0, {"0", "0", "3"}, "", {"ａ", "ｂ", "ｒ"}},
      {13, 0, {}, "ax^2+bx+c", {"a", "b", "c"}},
      {13, 0, {}, "abs(x)+cos(x)+ctg(x)+pi*e", {}},
      {13, 1, {}, "c*sin(a*x)+cab", {"c", "a", "b"}},
      {5, 1, {"2", "1", "0", "1"}, "", {"Ａ", "ω", "φ", "ｋ"}},  // the fourth box
      {kPowerFamily, 0, {"1/3"}, "", {"α"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(namesOf(liveParametersOf(c.family, c.form, c.boxes, c.expression)), c.names)
        << c.family << "/" << c.form << " " << c.expression;
  }
  const std::vector<LiveParameter> vertex = liveParametersOf(1, 2, {"2.6", "-1", "0.5"}, "");
  // h is a whole number: it starts rounded and steps by 1.
  EXPECT_TRUE(vertex[0].whole);
  EXPECT_EQ(vertex[0].value, 3);
  EXPECT_EQ(vertex[0].step, 1);
  EXPECT_FALSE(vertex[2].whole);
  EXPECT_LE(vertex[2].min, 0.5 - 5);
  EXPECT_GE(vertex[2].max, 0.5 + 5);
}

TEST(LiveParameters, TextsSnapsSubstitutionAndSweep) {
  LiveParameter a = liveParametersOf(2, 0, {"0"}, "")[0];
  EXPECT_EQ(parameterText(a, 2.5), "2.5");
  EXPECT_EQ(parameterText(a, 2.0), "2");
  EXPECT_EQ(parameterText(a, -0.04), "0");
  EXPECT_DOUBLE_EQ(snappedValue(a, 1.26), 1.3);
  EXPECT_DOUBLE_EQ(snappedValue(a, 99), a.max);
  LiveParameter h = liveParametersOf(1, 2, {"1"}, "")[0];
  EXPECT_EQ(parameterText(h, 2.5), "2");  // halves to even, as the box reads it

  std::vector<LiveParameter> ps = liveParametersOf(13, 0, {}, "ax^2+bsin(x)+c");
  ps[0].value = 2;
  ps[1].value = -1.5;
  ps[2].value = 0;
  EXPECT_EQ(substitutedExpression("ax^2+bsin(x)+c", ps), "(2)x^2+(-1.5)sin(x)+(0)");
  EXPECT_EQ(substitutedExpression("A+a", ps), "(2)+(2)");

  LiveParameter s = a;
  s.min = -2;
  s.max = 2;
  s.step = 0.5;
  const double at[] = {0, 0.25, 0.5, 1, 1.5, 2, 2.5};
  const double expected[] = {-2, -1, 0, 2, 0, -2, 0};
  for (std::size_t i = 0; i < std::size(at); ++i) {
    EXPECT_DOUBLE_EQ(sweepValue(s, at[i], 1.0), expected[i]) << at[i];
  }
}

TEST(LiveParameters, APlaneCurvesLettersAndRangeEnds) {
  const std::vector<LiveParameter> ps =
      planeLiveParameters("t", {"a cos t+acos t", "bsin t+a"}, 0, 2 * std::numbers::pi);
  // The a of acos is the arc cosine's.
  EXPECT_EQ(namesOf(ps), (std::vector<std::string>{"a", "b", "t 起点", "t 终点"}));
  const LiveParameter& end = ps[3];
  EXPECT_EQ(end.rangeEnd, 2);
  // Twelfths of π, written as the range box reads them.
  const struct {
    double twelfths;
    const char* text;
  } texts[] = {{0, "0"},      {24, "2pi"},  {12, "pi"},   {6, "pi/2"},     {-3, "-pi/4"},
               {10, "5pi/6"}, {-12, "-pi"}, {1, "pi/12"}, {-26, "-13pi/6"}};
  for (const auto& t : texts) {
    EXPECT_EQ(parameterText(end, t.twelfths * std::numbers::pi / 12), t.text) << t.twelfths;
  }
  EXPECT_DOUBLE_EQ(snappedValue(end, 3.2), std::numbers::pi);
  EXPECT_DOUBLE_EQ(end.max, 4 * std::numbers::pi);
  // The polar letter; a value the box cannot give starts at 0.
  EXPECT_EQ(namesOf(planeLiveParameters("θ", {"2sin 3θ"}, 0, 1)),
            (std::vector<std::string>{"θ 起点", "θ 终点"}));
}

class LiveSession : public ShellTest {};

TEST_F(LiveSession, AParametricCurvesLettersAndRangeMoveItsBoxes) {
  panel.cboFuncName.setListIndex(kFamilyCount);  // 参数方程
  panel.txtParameter[1].setText("a cos t");
  panel.txtParameter[2].setText("a sin t");
  LiveController live(program);
  live.start(-1);
  ASSERT_EQ(namesOf(live.parameters()), (std::vector<std::string>{"a", "t 起点", "t 终点"}));
  EXPECT_EQ(live.setValue(0, 3), "");
  EXPECT_EQ(panel.txtParameter[1].Text(), "(3) cos t");
  EXPECT_EQ(panel.txtParameter[2].Text(), "(3) sin t");
  EXPECT_EQ(live.setValue(2, std::numbers::pi), "");
  EXPECT_EQ(panel.cboRangeX2.Text(), "pi");
  // An end before the start: the curve is absent, said in no box.
  EXPECT_NE(live.setValue(2, -std::numbers::pi / 2), "");
  EXPECT_TRUE(messages().empty());
  live.setValue(2, std::numbers::pi);
  EXPECT_TRUE(live.keep());
  EXPECT_EQ(lines(), (std::vector<std::string>{"x=(3) cos t, y=(3) sin t (t: 0 .. pi)"}));
}

TEST_F(LiveSession, ALineChangesLiveWithoutAnythingStored) {
  drawCurve(2, 0, "6");
  drawCurve(2, 0, "-2");
  const std::vector<unsigned char> file = listBytes();
  panel.beginLive(0);
  EXPECT_EQ(panel.txtParameter[1].Text(), "6");
  panel.txtParameter[1].setText("3");
  surface.clearCalls();
  EXPECT_EQ(panel.liveStep(), "");
  // The other curve (again, the recording surface keeps no picture) and the live one:
  // y=-2/x in its colour, then y=3/x; the line being changed is not drawn as stored.
  EXPECT_EQ(curvesDrawn(), 2u);
  EXPECT_EQ(listBytes(), file);
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=6/x", "y=-2/x"}));
  // A value the family refuses: the curve is absent, said in no box.
  panel.txtParameter[1].setText("0");
  surface.clearCalls();
  EXPECT_EQ(panel.liveStep(), "ｋ≠０");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(curvesDrawn(), 1u);
  // The live 替换 puts it in the line's place; the page's own 替换 was never armed.
  EXPECT_FALSE(panel.cmdReplace.Visible());
  panel.txtParameter[1].setText("4");
  EXPECT_TRUE(panel.replaceLiveLine());
  panel.endLive();
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=4/x", "y=-2/x"}));
  EXPECT_FALSE(panel.Live());
}

TEST_F(LiveSession, KeepStoresWhatTheDrawCommandStores) {
  chooseFamily(1, 2);
  setBoxes("1", "2", "3");
  panel.beginLive(-1);
  panel.txtParameter[3].setText("0.5");
  panel.liveStep();
  EXPECT_TRUE(lines().empty());
  panel.cmdDraw.click();  // 保留
  panel.endLive();
  const std::vector<unsigned char> kept = listBytes();
  panel.cmdClear.click();
  drawCurve(1, 2, "1", "2", "0.5");
  EXPECT_EQ(listBytes(), kept);
}

// The substituted expression is checked as the draw command checks every curve: too
// long to be stored, it is not drawn (a note, no box), and 保留 refuses it (a box).
TEST_F(LiveSession, AnExpressionTooLongToStoreIsNeitherDrawnNorKept) {
  chooseFamily(13);
  panel.txtExpression.setText("a*x+a*x+a*x+a*x+a*x+a*x+a*x+a*x+a");  // 33 bytes, 9 a's
  LiveController live(program);
  live.start(-1);
  ASSERT_EQ(live.parameters().size(), 1u);
  surface.clearCalls();
  const std::string note = live.setValue(0, 2);  // each a becomes "(2)": 51 bytes
  EXPECT_NE(note.find("50"), std::string::npos) << note;
  EXPECT_EQ(count(SurfaceCallKind::PSet), 0u);  // the axes of the empty picture alone
  EXPECT_TRUE(messages().empty());
  EXPECT_FALSE(live.keep());
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].second.find("50"), std::string::npos);
  EXPECT_TRUE(lines().empty());
  live.cancel();
  EXPECT_EQ(panel.txtExpression.Text(), "a*x+a*x+a*x+a*x+a*x+a*x+a*x+a*x+a");
}

TEST(LiveParameters, AnEquationHasItsLettersAloneAndNoRange) {
  EXPECT_EQ(namesOf(letterLiveParameters({"x^2/a+y^2/b=c*abs(x)"})),
            (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(letterLiveParameters({"cos(x)+acos(y)=tan(x*y)"}).empty());
  for (const LiveParameter& p : letterLiveParameters({"b*x=y"})) {
    EXPECT_EQ(p.rangeEnd, 0);
    EXPECT_EQ(p.value, 1.0);
  }
}

}  // namespace
}  // namespace quorvel::test
