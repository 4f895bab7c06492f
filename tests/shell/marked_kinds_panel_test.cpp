// Piecewise functions and points drawn from the 绘制 page: the rows and the points' box
// in place of the page's own boxes, the ends marked filled or hollow on the canvas,
// refusals naming the piece with its box focused, a table pasted from the clipboard,
// a line brought back for 替换, a new colour and undo.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

struct Row {
  std::string expression, from, to;
  bool fromIn = false, toIn = false;
};

struct Mark {
  double x, y;
  bool filled;
  bool operator==(const Mark&) const = default;
};

class MarkedKindsPanelTest : public ShellTest {
 protected:
  void choose(int item) {
    if (panel.cboFuncName.ListIndex() == item) {
      panel.cboFuncName_Click();
    } else {
      panel.cboFuncName.setListIndex(item);
    }
  }
  // Types the rows from the first one (an empty expression leaves a row blank).
  void typeRows(const std::vector<Row>& rows) {
    MarkedKindControls& m = panel.marked;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      m.txtPiece[i].setText(rows[i].expression);
      m.txtPieceFrom[i].setText(rows[i].from);
      m.txtPieceTo[i].setText(rows[i].to);
      m.chkPieceFrom[i].setValue(rows[i].fromIn ? 1 : 0);
      m.chkPieceTo[i].setValue(rows[i].toIn ? 1 : 0);
    }
  }
  void drawPieces(const std::vector<Row>& rows) {
    choose(kPiecewiseFamily);
    typeRows(rows);
    panel.cmdDraw.click();
  }
  // The ends marked in `colour`, in curve units to a thousandth.
  std::vector<Mark> marksIn(std::int32_t colour) const {
    std::vector<Mark> marks;
    std::int32_t current = -1;
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == SurfaceCallKind::ForeColor) current = c.value;
      if (c.kind != SurfaceCallKind::Circle || current != colour) continue;
      marks.push_back({std::round(c.args[0] / g.zoomScale * 1000) / 1000,
                       std::round(c.args[1] / g.zoomScale * 1000) / 1000, c.value == 1});
    }
    return marks;
  }
  std::vector<std::string> printed() const {
    std::vector<std::string> texts;
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == SurfaceCallKind::Print) texts.push_back(c.text);
    }
    return texts;
  }
  void ownColour(std::int32_t colour) {
    panel.chkAutoColor.setValue(0);
    g.penColor = colour;
  }
};

const std::vector<Row> kTextbook = {{"x + 1", "-inf", "0", false, false},
                                    {"x²", "0", "∞", true, false}};

TEST_F(MarkedKindsPanelTest, TheItemsComeAfterTheEquationAndTakeThePlaceOfTheBoxes) {
  EXPECT_EQ(panel.cboFuncName.List().at(kPiecewiseFamily), "分段函数");
  EXPECT_EQ(panel.cboFuncName.List().at(kPointsFamily), "点");
  struct Case {
    int item;
    bool rows, pointsBox, parameterBox, xRange;
  };
  const std::vector<Case> cases = {
      {kPiecewiseFamily, true, false, false, false}, {0, false, false, true, true},
      {kPointsFamily, false, true, false, false},    {kParametricFamily, false, false, true, true},
      {kPointsFamily, false, true, false, false},    {kPiecewiseFamily, true, false, false, false},
      {kEquationFamily, false, false, true, false},  {kCustomFamily, false, false, true, true},
  };
  for (const Case& c : cases) {
    choose(c.item);
    SCOPED_TRACE(panel.cboFuncName.List().at(static_cast<std::size_t>(c.item)));
    EXPECT_EQ(panel.marked.txtPiece[5].Visible(), c.rows);
    EXPECT_EQ(panel.marked.chkPieceTo[0].Visible(), c.rows);
    EXPECT_EQ(panel.marked.txtPoints.Visible(), c.pointsBox);
    EXPECT_EQ(panel.marked.cmdPastePoints.Visible(), c.pointsBox);
    EXPECT_EQ(panel.txtParameter[1].Visible(), c.parameterBox);
    EXPECT_EQ(panel.cboRangeX1.Visible(), c.xRange);
    EXPECT_EQ(panel.chkIntX.Visible(), !c.rows && !c.pointsBox);
  }
  // The last row ends above 替换, which shares the page with the rows while editing.
  const TextBox& last = panel.marked.txtPiece[kMaxPieces - 1];
  EXPECT_LE(last.Top() + last.Height(), panel.cmdReplace.Top());
}

TEST_F(MarkedKindsPanelTest, TheTextbookExampleIsDrawnWithAHollowAndAFilledEnd) {
  ownColour(0x0000FF);
  drawPieces(kTextbook);
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  EXPECT_EQ(panel.document().at(0).printed, "f(x) = {x + 1, x < 0; x², x ≥ 0}");
  const std::vector<Mark> expected = {{0, 1, false}, {0, 0, true}};
  EXPECT_EQ(marksIn(0x0000FF), expected);
  const auto& curve = std::get<PiecewiseCurve>(panel.document().at(0).content);
  ASSERT_EQ(curve.pieces.size(), 2u);
  EXPECT_EQ(curve.pieces[1].to, "inf");
}

TEST_F(MarkedKindsPanelTest, RowsThatCannotBeAFunctionAreRefusedNamingThePiece) {
  struct Case {
    std::string what;
    std::vector<Row> rows;
    std::string message;
    std::string focused;  // the box given the focus
  };
  const std::vector<Case> cases = {
      {"a blank row between two pieces",
       {{"x", "-inf", "0"}, {"", "", ""}, {"1", "1", "inf"}},
       "第 2 段是空的：各段要从第一行起依次填写",
       "txtPiece(1)"},
      {"overlapping intervals",
       {{"x", "-inf", "1", false, true}, {"1", "0", "inf"}},
       "第 1 段与第 2 段的区间重叠",
       "txtPieceFrom(1)"},
      {"a shared end held by both",
       {{"x", "-inf", "0", false, true}, {"0", "0", "inf", true}},
       "第 1 段与第 2 段的区间重叠",
       "txtPieceFrom(1)"},
      {"a missing end", {{"x", "", "0"}}, "第 1 段的左端点不能为空", "txtPieceFrom(0)"},
      {"+∞ on the left",
       {{"x", "0", "1"}, {"x", "inf", "5"}},
       "−∞ 只能作左端点，+∞ 只能作右端点",
       "txtPieceFrom(1)"},
      {"nothing typed", {}, "分段函数至少要有一段", "txtPiece(0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages().clear();
    std::vector<int> requests;
    for (std::size_t i = 0; i < kMaxPieces; ++i) {
      requests.push_back(panel.marked.txtPiece[i].FocusRequests());
      requests.push_back(panel.marked.txtPieceFrom[i].FocusRequests());
    }
    drawPieces(c.rows);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], Message("错误", c.message));
    EXPECT_TRUE(lines().empty());
    std::vector<std::string> focused;
    for (std::size_t i = 0; i < kMaxPieces; ++i) {
      if (panel.marked.txtPiece[i].FocusRequests() != requests[2 * i]) {
        focused.push_back(panel.marked.txtPiece[i].Name());
      }
      if (panel.marked.txtPieceFrom[i].FocusRequests() != requests[2 * i + 1]) {
        focused.push_back(panel.marked.txtPieceFrom[i].Name());
      }
    }
    EXPECT_EQ(focused, std::vector<std::string>{c.focused});
  }
}

TEST_F(MarkedKindsPanelTest, TypedAndPastedPointsAreDrawnWithTheirNames) {
  ownColour(0x008000);
  choose(kPointsFamily);
  panel.marked.txtPoints.setText("A(1, 2) B(3, −1)");
  panel.cmdDraw.click();
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(lines().size(), 1u);
  const std::vector<Mark> typed = {{1, 2, true}, {3, -1, true}};
  EXPECT_EQ(marksIn(0x008000), typed);
  const std::vector<std::string> names = printed();
  EXPECT_EQ(std::count(names.begin(), names.end(), "A"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "B"), 1);

  struct Paste {
    std::string clipboard;
    std::string box;      // what 粘贴 puts in the box
    std::string refusal;  // or the message it shows
  };
  const std::vector<Paste> pastes = {
      {"x\ty\n1\t2\n-0.5\t4\r\n", "(1, 2) (-0.5, 4)", ""},
      {"P,3,4\nQ,5,6\n", "P(3, 4) Q(5, 6)", ""},
      {"1 2\nthree 4 5 6\n", "", "第 2 行“three 4 5 6”不是两列数"},
      {"", "", "剪贴板里没有两列数"},
  };
  for (const Paste& p : pastes) {
    SCOPED_TRACE(p.clipboard);
    messages().clear();
    panel.marked.txtPoints.setText("kept");
    kit.clipboard->contents = p.clipboard;
    panel.marked.cmdPastePoints.click();
    if (p.refusal.empty()) {
      EXPECT_TRUE(messages().empty());
      EXPECT_EQ(panel.marked.txtPoints.Text(), p.box);
    } else {
      ASSERT_EQ(messages().size(), 1u);
      EXPECT_EQ(messages()[0], Message("错误", p.refusal));
      EXPECT_EQ(panel.marked.txtPoints.Text(), "kept");
    }
  }
  EXPECT_EQ(kit.clipboard->reads, static_cast<int>(pastes.size()));

  // Twenty measured points from a table with a header, drawn as one line.
  std::string table = "t\ts\n";
  for (int i = 1; i <= 20; ++i) {
    char row[32];
    std::snprintf(row, sizeof row, "%g\t%d\n", i * 0.5 - 5, i * i % 7 - 3);
    table += row;
  }
  kit.clipboard->contents = table;
  g.penColor = 0x800000;
  panel.marked.cmdPastePoints.click();
  panel.cmdDraw.click();
  ASSERT_EQ(lines().size(), 2u);
  EXPECT_EQ(marksIn(0x800000).size(), 20u);
}

TEST_F(MarkedKindsPanelTest, ALineComesBackForReplaceAndIsRecolouredAndUndone) {
  ownColour(0x0000FF);
  drawPieces(kTextbook);
  ASSERT_EQ(lines().size(), 1u);
  choose(3);
  panel.lstExist_DblClick(0);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kPiecewiseFamily);
  EXPECT_TRUE(panel.cmdReplace.Visible());
  const MarkedKindControls& m = panel.marked;
  EXPECT_EQ(m.txtPiece[0].Text(), "x + 1");
  EXPECT_EQ(m.txtPieceFrom[0].Text(), "-inf");
  EXPECT_EQ(m.txtPiece[1].Text(), "x^2");
  EXPECT_EQ(m.chkPieceFrom[1].Value(), 1);
  EXPECT_EQ(m.chkPieceTo[0].Value(), 0);
  EXPECT_TRUE(m.txtPiece[2].Text().empty());

  // The first piece now holds its end: two filled marks over x = 0 would be two
  // values there, so it is refused; holding neither end is drawn.
  panel.marked.chkPieceTo[0].setValue(1);
  panel.cmdReplace.click();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(lines().size(), 1u);
  panel.marked.chkPieceTo[0].setValue(0);
  panel.marked.chkPieceFrom[1].setValue(0);
  panel.marked.txtPiece[1].setText("x^3");
  panel.cmdReplace.click();
  ASSERT_EQ(lines().size(), 1u);
  const auto pieces = [this] { return std::get<PiecewiseCurve>(panel.document().at(0).content); };
  EXPECT_EQ(pieces().pieces[1].expression, "x^3");
  EXPECT_FALSE(pieces().pieces[1].fromIncluded);

  kit.colors->answers.push_back(0x00FF00);
  panel.recolourLine(0);
  EXPECT_EQ(pieces().colour, 0x00FF00);
  const std::vector<Mark> hollow = {{0, 1, false}, {0, 0, false}};
  EXPECT_EQ(marksIn(0x00FF00), hollow);

  panel.undo();
  EXPECT_EQ(pieces().colour, 0x0000FF);
  panel.undo();
  EXPECT_EQ(pieces().pieces[1].expression, "x^2");
  EXPECT_TRUE(pieces().pieces[1].fromIncluded);
}

TEST_F(MarkedKindsPanelTest, APointsLineComesBackIntoItsBoxAndIsRecoloured) {
  ownColour(0x0000FF);
  choose(kPointsFamily);
  panel.marked.txtPoints.setText("（１，２） C(0, 0)");
  panel.cmdDraw.click();
  ASSERT_EQ(lines().size(), 1u);
  choose(kPiecewiseFamily);
  panel.lstExist_DblClick(0);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), kPointsFamily);
  EXPECT_EQ(panel.marked.txtPoints.Text(),
            std::get<PointList>(panel.document().at(0).content).text);
  kit.colors->answers.push_back(0x00FF00);
  panel.recolourLine(0);
  EXPECT_EQ(marksIn(0x00FF00).size(), 2u);
  panel.undo();
  EXPECT_EQ(std::get<PointList>(panel.document().at(0).content).colour, 0x0000FF);
}

}  // namespace
}  // namespace quorvel::test
