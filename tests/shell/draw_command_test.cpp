// The draw command through the panel: list texts, the order of the checks and their
// messages, what the boxes show afterwards, the canvas set-up and the stored entry.
#include <optional>
#include <string>
#include <vector>

#include "catalogue/list_file.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr std::int32_t kBlue = 0xFF0000, kRed = 0x0000FF, kGreen = 0x00FF00;

// ---- list texts per family and form ----

struct ListTextCase {
  int family, form;
  const char* a;
  const char* b;
  const char* c;
  const char* expected;
};

class ListTextTest : public ShellTest, public ::testing::WithParamInterface<ListTextCase> {};

TEST_P(ListTextTest, DrawListsTheEquation) {
  const ListTextCase& t = GetParam();
  drawCurve(t.family, t.form, t.a, t.b, t.c);
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines()[0], t.expected);
  EXPECT_EQ(ticks(), std::vector<bool>{true});
  EXPECT_EQ(g.funcCount, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ListTextTest,
    ::testing::Values(
        ListTextCase{0, 0, "2", "-3", "", "y=2x+-3"}, ListTextCase{0, 0, "", "", "", "y=0x+0"},
        ListTextCase{0, 1, "1", "2", "3", "y-2=3(x-1)"},
        ListTextCase{0, 2, "2", "3", "-4", "2x+3y+-4=0"},
        ListTextCase{1, 0, "1", "-2", "1", "y=1x^2+-2x+1"},
        ListTextCase{1, 1, "1", "3", "2", "y=2(x-1)(x-3)"},
        ListTextCase{1, 2, "2", "0.5", "1", "y=1(x-2)^2+.5"},
        ListTextCase{1, 2, "2.5", "0", "1", "y=1(x-2)^2+0"},
        ListTextCase{1, 2, "3.5", "0", "1", "y=1(x-4)^2+0"},
        ListTextCase{1, 2, "1.5", "0", "1", "y=1(x-2)^2+0"},
        ListTextCase{2, 0, "6", "", "", "y=6/x"}, ListTextCase{2, 0, "-.25", "", "", "y=-.25/x"},
        ListTextCase{3, 0, "2", "", "", "y=2^x"}, ListTextCase{4, 0, "2", "", "", "y=log2 x"},
        ListTextCase{5, 0, "2", "3", "1", "y=2sin(3x+1)"},
        ListTextCase{6, 0, "1", "1", "0", "y=1cos(1x+0)"},
        ListTextCase{7, 0, "1", "2", "0", "y=1tan(2x+0)"},
        ListTextCase{8, 0, "-1", "2", "3", "(x--1)^2+(y-2)^2=3^2"},
        ListTextCase{9, 0, "2", "1.5", "", "x^2/4+y^2/2.25=1"},
        ListTextCase{9, 0, "1.5", "0.5", "", "x^2/2.25+y^2/0.25=1"},
        ListTextCase{10, 0, "0.5", "3", "", "x^2/.25-y^2/9=1"},
        ListTextCase{10, 0, "2", "2", "", "x^2/4-y^2/4=1"},
        ListTextCase{11, 0, "1.5", "", "", "y^2=3x"}, ListTextCase{11, 1, "1.5", "", "", "y^2=-3x"},
        ListTextCase{11, 2, "1.5", "", "", "x^2=3y"}, ListTextCase{11, 3, "1.5", "", "", "x^2=-3y"},
        ListTextCase{11, 0, "0", "", "", "y^2=0x"}, ListTextCase{12, 0, "1", "4", "", "y=1x+4/x"},
        ListTextCase{2, 0, "2*3", "", "", "y=6/x"}));

TEST_F(ShellTest, CustomFormsListTheLowerCasedExpression) {
  drawExpression("SIN(X)*2");
  drawExpression("1/x", 1);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), (std::vector<std::string>{"y=sin(x)*2", "Sx=1/x"}));
  EXPECT_EQ(panel.expression, "1/x");
  // The expression box keeps what was typed.
  EXPECT_EQ(panel.txtExpression.Text(), "1/x");
}

// ---- the boxes after a run ----

TEST_F(ShellTest, BlankBoxesBecomeZeroAndExpressionsTheirValues) {
  chooseFamily(0, 1);
  setBoxes("2*3", "", "pi");
  panel.cmdDraw_Click();
  EXPECT_EQ(panel.txtParameter[1].Text(), "6");
  EXPECT_EQ(panel.txtParameter[2].Text(), "0");
  EXPECT_EQ(panel.txtParameter[3].Text(), "3.14159");
  EXPECT_EQ(lines(), std::vector<std::string>{"y-0=3.14159(x-6)"});
}

TEST_F(ShellTest, BoxesKeepTheirValuesWhenALaterCheckFails) {
  chooseFamily(0, 2);
  setBoxes("1+1", "x", "2*2");
  setRanges("1+2", "1", " -∞", " +∞");
  panel.cmdDraw_Click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "数据错误"}}));
  EXPECT_EQ(panel.txtParameter[1].Text(), "2");
  EXPECT_EQ(panel.txtParameter[2].Text(), "x");  // refused, not evaluated
  EXPECT_EQ(panel.txtParameter[3].Text(), "4");  // the loop goes on after a failure
  // With a parameter refused the ranges are not looked at.
  EXPECT_EQ(panel.cboRangeX1.Text(), "1+2");
  EXPECT_TRUE(lines().empty());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
}

TEST_F(ShellTest, RangesShowTheirValuesAfterAWrongOrder) {
  chooseFamily(2);
  setBoxes("0");  // would fail the family rule, which is not reached
  setRanges("1+2", "1", "2^2", " +∞");
  panel.cmdDraw_Click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "数据错误"}}));
  EXPECT_EQ(panel.cboRangeX1.Text(), "3");
  EXPECT_EQ(panel.cboRangeX2.Text(), "1");
  EXPECT_EQ(panel.cboRangeY1.Text(), "4");
  EXPECT_EQ(panel.cboRangeY2.Text(), " +∞");
}

TEST_F(ShellTest, FamilyRuleFailureStillShowsTheValues) {
  chooseFamily(12);
  setBoxes("0*5", "7-7");
  panel.cmdDraw_Click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"参数错误", "ａ≠０，ｂ≠０"}}));
  EXPECT_EQ(panel.txtParameter[1].Text(), "0");
  EXPECT_EQ(panel.txtParameter[2].Text(), "0");
  EXPECT_EQ(curvesDrawn(), 0u);
}

TEST_F(ShellTest, OnlyTheBoxesTheFormUsesAreChecked) {
  // A text the user no longer sees, in a box the form hides or under the
  // expression box, neither stops the run nor is changed by it.
  chooseFamily(0, 1);
  setBoxes("1", "2", "2x");
  chooseFamily(2);  // box 3 is hidden now, its text kept
  EXPECT_FALSE(panel.txtParameter[3].Visible());
  panel.txtParameter[1].setText("6");
  panel.cmdDraw_Click();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), std::vector<std::string>{"y=6/x"});
  EXPECT_EQ(panel.txtParameter[3].Text(), "2x");
  chooseFamily(13);
  panel.txtExpression.setText("x^2");
  panel.cmdDraw_Click();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(curvesDrawn(), 2u);
  // A box the form reads is still checked.
  chooseFamily(0, 1);
  setBoxes("1", "2", "2x");
  panel.cmdDraw_Click();
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "数据错误"}}));
}

// ---- messages and their classes ----

struct MessageCase {
  const char* name;
  int family, form;
  const char* a;
  const char* b;
  const char* c;
  const char* x1;
  const char* x2;
  std::vector<Message> expected;
};

class MessageTest : public ShellTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageTest, OnlyTheFirstClassIsReported) {
  const MessageCase& t = GetParam();
  chooseFamily(t.family, t.form);
  setBoxes(t.a, t.b, t.c);
  panel.cboRangeX1.setText(t.x1);
  panel.cboRangeX2.setText(t.x2);
  panel.cmdDraw_Click();
  EXPECT_EQ(messages(), t.expected);
  EXPECT_EQ(lines().size(), t.expected.empty() ? 1u : 0u);
  EXPECT_EQ(curvesDrawn(), t.expected.empty() ? 1u : 0u);
}

const std::vector<Message> kNone;
const std::vector<Message> kDataError{{"错误", "数据错误"}};

INSTANTIATE_TEST_SUITE_P(
    Checks, MessageTest,
    ::testing::Values(
        MessageCase{"LineGeneralBothZero",
                    0,
                    2,
                    "0",
                    "0",
                    "1",
                    " -∞",
                    " +∞",
                    {{"参数错误", "Ａ、Ｂ不能同时为０"}}},
        MessageCase{"QuadraticA0", 1, 1, "1", "2", "0", " -∞", " +∞", {{"参数错误", "ａ≠０"}}},
        MessageCase{"InverseK0", 2, 0, "0", "", "", " -∞", " +∞", {{"参数错误", "ｋ≠０"}}},
        MessageCase{
            "ExponentialA1", 3, 0, "1", "", "", " -∞", " +∞", {{"参数错误", "ａ＞０，且ａ≠１"}}},
        MessageCase{"LogarithmNegative",
                    4,
                    0,
                    "-2",
                    "",
                    "",
                    " -∞",
                    " +∞",
                    {{"参数错误", "ａ＞０，且ａ≠１"}}},
        MessageCase{"SineOmega0", 5, 0, "1", "0", "0", " -∞", " +∞", {{"参数错误", "Ａ≠０，ω≠０"}}},
        MessageCase{"CircleR0", 8, 0, "1", "1", "0", " -∞", " +∞", {{"参数错误", "ｒ＞０"}}},
        MessageCase{"EllipseEqualAxes",
                    9,
                    0,
                    "2",
                    "2",
                    "",
                    " -∞",
                    " +∞",
                    {{"参数错误", "ａ＞０，ｂ＞０，且ａ≠ｂ"}}},
        MessageCase{"HyperbolaNegative",
                    10,
                    0,
                    "-1",
                    "2",
                    "",
                    " -∞",
                    " +∞",
                    {{"参数错误", "ａ＞０，ｂ＞０"}}},
        MessageCase{"TickB0", 12, 0, "1", "0", "", " -∞", " +∞", {{"参数错误", "ａ≠０，ｂ≠０"}}},
        MessageCase{"InputBeforeRule", 2, 0, "0", "", "", "1", "1", kDataError},
        MessageCase{"EqualEnds", 2, 0, "6", "", "", "1", "1", kDataError},
        MessageCase{"OneOpenEndNeverWrong", 2, 0, "6", "", "", "3", " +∞", kNone},
        MessageCase{"MarkerWithoutBlank", 2, 0, "6", "", "", "-∞", " +∞", kDataError},
        MessageCase{"EmptiedRange", 2, 0, "6", "", "", "", " +∞", kDataError},
        MessageCase{"UpperCaseXInRange", 2, 0, "6", "", "", "X", " +∞", kDataError},
        MessageCase{"UndefinedTokenInBox", 12, 0, "6", "abc", "", " -∞", " +∞", kDataError},
        MessageCase{"HBeyond32Bits", 1, 2, "3000000000", "0", "1", " -∞", " +∞", kDataError},
        MessageCase{"ParabolaP0", 11, 0, "0", "", "", " -∞", " +∞", kNone},
        MessageCase{
            "TwoPBeyondSingle", 11, 0, "3*10^38", "", "", " -∞", " +∞", {{"参数错误", "参数过大"}}},
        MessageCase{"SquareBeyondSingle",
                    9,
                    0,
                    "10^19",
                    "2",
                    "",
                    " -∞",
                    " +∞",
                    {{"参数错误", "参数过大"}}}),
    [](const ::testing::TestParamInfo<MessageCase>& p) { return p.param.name; });

struct ExpressionCase {
  const char* name;
  const char* expression;
  std::vector<Message> expected;
  int randomDraws;  // trials taken before the verdict
};

class ExpressionCheckTest : public ShellTest,
                            public ::testing::WithParamInterface<ExpressionCase> {};

TEST_P(ExpressionCheckTest, BracketsThenElevenTrials) {
  const ExpressionCase& t = GetParam();
  kit.random->setSequence({0.25f, 0.5f, 0.0f});
  drawExpression(t.expression);
  EXPECT_EQ(messages(), t.expected);
  EXPECT_EQ(kit.random->drawn, t.randomDraws);
  EXPECT_EQ(lines().size(), t.expected.empty() ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Custom, ExpressionCheckTest,
    ::testing::Values(ExpressionCase{"ExtraClose", "(x+1))", {{"错误", "括号错误"}}, 0},
                      ExpressionCase{"CloseFirst", ")x(", {{"错误", "括号错误"}}, 0},
                      ExpressionCase{"UndefinedCharacter", "x$2", {{"错误", "字符未定义"}}, 1},
                      ExpressionCase{"Malformed", "x+", {{"错误", "表达式错误，请检查"}}, 1},
                      // Fails at some points only (x = 0 or x < 0): still accepted.
                      ExpressionCase{"DivisionAtZero", "1/x", {}, 11},
                      ExpressionCase{"RootOfNegative", "sqr(x)", {}, 11}),
    [](const ::testing::TestParamInfo<ExpressionCase>& p) { return p.param.name; });

// ---- canvas and bookkeeping ----

TEST_F(ShellTest, PointerIsHourglassDuringTheRunAndDefaultAfterwards) {
  std::vector<int> pointers;
  panel.subscribe([&] { pointers.push_back(panel.MousePointer()); });
  chooseFamily(2);
  setBoxes("0");
  panel.cmdDraw_Click();  // refused by the family rule
  ASSERT_FALSE(pointers.empty());
  EXPECT_EQ(pointers.front(), kHourglass);
  EXPECT_EQ(panel.MousePointer(), kDefaultPointer);
  pointers.clear();
  setBoxes("6");
  panel.cmdDraw_Click();
  EXPECT_EQ(pointers.front(), kHourglass);
  EXPECT_EQ(panel.MousePointer(), kDefaultPointer);
  EXPECT_FALSE(program.main.ProgressBarWorking.Visible());
}

TEST_F(ShellTest, FirstDrawPreparesTheCanvasFromTheCentredView) {
  panel.sldPenWidth.setValue(3);
  panel.chkAutoRedraw.setValue(0);  // its click replays the (empty) list: the axes alone
  surface.clearCalls();
  EXPECT_FALSE(program.main.Visible());
  drawCurve(2, 0, "6");
  EXPECT_TRUE(program.main.Visible());
  EXPECT_EQ(surface.DrawWidth(), 3);
  EXPECT_FALSE(surface.AutoRedraw());
  EXPECT_EQ(g.viewLeft, -3750);
  EXPECT_EQ(g.viewRight, 3750);
  EXPECT_EQ(g.viewTop, 3750);
  EXPECT_EQ(g.viewBottom, -3750);
  const auto scales = surface.callsOf(SurfaceCallKind::Scale);
  ASSERT_EQ(scales.size(), 1u);
  EXPECT_EQ(scales[0], SurfaceCall::scale(-3750, 3750, 3750, -3750));
  // Measured in the view the empty picture's axes applied, as after the window's layout.
  EXPECT_EQ(panel.canvasWidth, 7500);
  EXPECT_EQ(panel.halfWidth, 3750);
  EXPECT_TRUE(g.graphOnScreen);
  EXPECT_EQ(g.zoomScale, 500);
  // Axes in black first, then the curve in its automatic colour.
  const std::vector<std::int32_t> colours = foreColors();
  ASSERT_GE(colours.size(), 2u);
  EXPECT_EQ(colours.front(), 0);
  EXPECT_EQ(colours.back(), kBlue);
  EXPECT_EQ(g.penColor, kBlue);
  EXPECT_EQ(count(SurfaceCallKind::Cls), 0u);  // drawn over what is shown
}

TEST_F(ShellTest, LaterDrawsKeepTheViewAndUseTheScaleOnTheSurface) {
  drawCurve(2, 0, "6");
  g.viewLeft = -1000;  // as a pan would leave it
  drawCurve(2, 0, "3");
  EXPECT_EQ(g.viewLeft, -1000);
  // After the first scale the surface reports the view's size.
  EXPECT_EQ(panel.canvasHeight, 7500);
  EXPECT_EQ(panel.halfHeight, 3750);
}

TEST_F(ShellTest, ScaleSliderAtZeroCountsAsOne) {
  panel.sldZoom.setValue(0);
  drawCurve(2, 0, "6");
  EXPECT_EQ(g.zoomScale, 1);
  EXPECT_EQ(lines().size(), 1u);
}

TEST_F(ShellTest, StoredEntryMatchesTheGoldenRecord) {
  drawCurve(2, 0, "6");
  EXPECT_EQ(listBytes().size(), 122u);
  EXPECT_EQ(recordBytes(1), readBytes(testDataPath("shell_record_inverse.bin")));
}

TEST_F(ShellTest, StoredSumEntryKeepsTheTypedExpression) {
  drawExpression("X^2+1", 1);
  EXPECT_EQ(lines(), std::vector<std::string>{"Sx=x^2+1"});
  EXPECT_EQ(recordBytes(1), readBytes(testDataPath("shell_record_sum.bin")));
}

// A value text too long for its field is stored as the plain text of the same value.
TEST_F(ShellTest, StoredValuesAreTheEvaluatedTextsFittedToTheirFields) {
  chooseFamily(1, 2);
  setBoxes("5/2", "pi", "-12345678");
  setRanges("-1-1", "1+2", " -∞", " +∞");
  panel.cmdDraw_Click();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines(), std::vector<std::string>{"y=-1.234568E+07(x-2)^2+3.14159"});
  EXPECT_EQ(panel.paramH, 2);
  EXPECT_EQ(recordBytes(1), readBytes(testDataPath("shell_record_vertex.bin")));
}

// What would not fit its list entry is refused before anything is drawn or stored,
// with the limit named; the box keeps the text to be shortened. What fits is stored
// whole and comes back as the same curve.
TEST_F(ShellTest, TextsThatDoNotFitTheirFieldsAreRefusedWithTheLimit) {
  struct Case {
    std::string expression;
    std::optional<std::string> stored;  // nullopt: refused, the limit named
  };
  // ｘ＋ｘ＋…ｘ, full width: 54 bytes as typed, read (and stored) as its 27 ASCII ones.
  std::string wide;
  for (int i = 0; i < 13; ++i) wide += "\xEF\xBD\x98\xEF\xBC\x8B";
  wide += "\xEF\xBD\x98";
  const Case cases[] = {
      {"sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+sin(6x)/6", std::nullopt},  // 56
      {"sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+x/10", std::nullopt},       // 51
      {"sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+x/1",
       "sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+x/1"},  // 50
      {wide, "x+x+x+x+x+x+x+x+x+x+x+x+x+x"},
  };
  for (const Case& c : cases) {
    panel.cmdClear.click();
    drawCurve(2, 0, "6");
    const std::vector<unsigned char> before = listBytes();
    messages().clear();
    surface.clearCalls();
    drawExpression(c.expression);
    if (c.stored) {
      EXPECT_TRUE(messages().empty()) << c.expression;
      ASSERT_EQ(lines().size(), 2u);
      ListFile file(program.listPath());
      EXPECT_EQ(file.read(2).value_or(FuncRecord{}).para1, *c.stored);
    } else {
      EXPECT_EQ(panel.txtExpression.Text(), c.expression);  // kept, to be shortened
      ASSERT_EQ(messages().size(), 1u) << c.expression;
      EXPECT_EQ(messages()[0].first, "错误");
      EXPECT_NE(messages()[0].second.find("50"), std::string::npos) << messages()[0].second;
      EXPECT_EQ(listBytes(), before) << c.expression;
      EXPECT_EQ(lines().size(), 1u);
      EXPECT_EQ(curvesDrawn(), 0u);
    }
  }
  // A value that has no plain text of ten bytes (b = 12345678901, "1.234568E+10").
  panel.cmdClear.click();
  messages().clear();
  drawCurve(0, 0, "2", "12345678901");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].first, "错误");
  EXPECT_NE(messages()[0].second.find("10"), std::string::npos) << messages()[0].second;
  EXPECT_TRUE(lines().empty());
}

// b = −1/30 is "-0.03333334", eleven bytes: stored as "-.03333334", the same single,
// so the list read back draws the curve that was drawn.
TEST_F(ShellTest, AValueWrittenShorterComesBackAsTheSameCurve) {
  drawCurve(0, 0, "2", "-1/30");
  ASSERT_TRUE(messages().empty());
  const std::vector<std::string> drawn = lines();
  EXPECT_EQ(drawn, std::vector<std::string>{"y=2x+-.03333334"});
  {
    ListFile file(program.listPath());
    EXPECT_EQ(file.read(1).value_or(FuncRecord{}).para2, "-.03333334");
  }
  const std::filesystem::path saved = folder / "saved.qvx";
  ASSERT_TRUE(program.main.saveListFile(saved));
  surface.clearCalls();
  panel.cmdRedraw_Click();
  const std::vector<SurfaceCall> replayed = surface.calls();
  ASSERT_TRUE(program.main.openListFile(saved));
  EXPECT_EQ(lines(), drawn);
  EXPECT_TRUE(messages().empty());
  surface.clearCalls();
  panel.cmdRedraw_Click();
  EXPECT_EQ(surface.calls(), replayed);
}

TEST_F(ShellTest, ThreeCurvesMakeA378ByteFileInAutomaticColours) {
  drawCurve(2, 0, "6");
  drawCurve(0, 0, "1", "2");
  drawExpression("x^2");
  EXPECT_EQ(listBytes().size(), 378u);
  EXPECT_EQ(g.funcCount, 4);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  // The colour follows the current line: none, then line 0, then line 1.
  ListFile file(program.listPath());
  ASSERT_TRUE(file.isOpen());
  EXPECT_EQ(file.read(1)->color, kBlue);
  EXPECT_EQ(file.read(2)->color, kRed);
  EXPECT_EQ(file.read(3)->color, kGreen);
  EXPECT_EQ(file.read(3)->family, kCustomFamily);
}

TEST_F(ShellTest, ChosenColourIsUsedWhenAutomaticColourIsOff) {
  panel.chkAutoColor.setValue(0);
  kit.colors->answers.push_back(0x123456);
  panel.cmdColor.click();
  drawCurve(2, 0, "6");
  EXPECT_EQ(g.penColor, 0x123456);
  EXPECT_EQ(foreColors().back(), 0x123456);
}

TEST_F(ShellTest, LineRulesAdjustTheYSweepWithoutAMessage) {
  chooseFamily(0, 0);  // the defaults tick Ｙ驱动 for lines
  ASSERT_EQ(panel.chky.Value(), 1);
  setBoxes("0", "1");
  panel.cmdDraw_Click();
  EXPECT_EQ(panel.chky.Value(), 0);  // a horizontal line cannot be swept along y

  chooseFamily(0, 2);
  setBoxes("1", "0", "2");  // x = -2: vertical, needs the y sweep
  panel.chky.setValue(0);
  panel.cmdDraw_Click();
  EXPECT_EQ(panel.chky.Value(), 1);
  setBoxes("0", "1", "2");  // horizontal
  panel.cmdDraw_Click();
  EXPECT_EQ(panel.chky.Value(), 0);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(lines().size(), 3u);
}

TEST_F(ShellTest, WholeNumberXReachesThePlotter) {
  drawExpression("x", 1);  // Ｓｘ＝ ticks 整数: the sum over whole x from 0
  EXPECT_EQ(panel.chkIntX.Value(), 1);
  EXPECT_EQ(panel.chkLink.Value(), 0);
  // Isolated dots at whole x only: no joining lines beyond the axes' own.
  const auto dots = surface.callsOf(SurfaceCallKind::PSet);
  ASSERT_FALSE(dots.empty());
  for (const SurfaceCall& d : dots) {
    const float x = d.args[0] / static_cast<float>(g.zoomScale);
    EXPECT_EQ(x, static_cast<float>(static_cast<int>(x)));
  }
}

TEST_F(ShellTest, FailingWriteKeepsListAndFileAligned) {
  // A folder in the way of the list file: the entry cannot be written.
  std::filesystem::create_directory(program.listPath());
  drawCurve(2, 0, "6");
  EXPECT_EQ(messages(), (std::vector<Message>{{"错误", "写入函数列表文件错误"}}));
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(g.funcCount, 1);
}

}  // namespace
}  // namespace quorvel::test
