// Textbook notation in the real windows: what the expression box keeps and the list
// stores of a typed √x, the message box's detail and the selected fault, and the
// curves shown as a textbook prints them in the list, the legend and the analysis.
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/families.h"
#include "plot/recording_surface.h"
#include "qt_fixture.h"
#include "settings/picture_preferences.h"

namespace quorvel::test {
namespace {

class NotationWindow : public DesktopTest {
 protected:
  // Types the expression into the box as a user does and clicks 绘制.
  void drawTyped(const QString& typed) {
    panel.cboFuncName.setListIndex(kCustomFamily);
    settle();
    auto* box = panelWidget<QPlainTextEdit>("txtExpression");
    ASSERT_NE(box, nullptr);
    box->clear();
    box->setFocus();
    // Committed by an input method, as √, ² and − are typed.
    QInputMethodEvent commit;
    commit.setCommitString(typed);
    QApplication::sendEvent(box, &commit);
    QTest::mouseClick(panelWidget<QPushButton>("cmdDraw"), Qt::LeftButton);
    settle();
  }
  void drawQuadratic() {
    panel.cboFuncName.setListIndex(1);
    panel.txtParameter[1].setText("1");
    panel.txtParameter[2].setText("0");
    panel.txtParameter[3].setText("-4");
    panel.cmdDraw.click();
    settle();
  }
  QString selectedExpressionText() {
    return panelWidget<QPlainTextEdit>("txtExpression")->textCursor().selectedText();
  }
};

TEST_F(NotationWindow, TypedNotationIsStoredInTheEvaluatorsTokens) {
  const struct {
    QString typed;
    const char* line;
  } cases[] = {
      {QStringLiteral("√x"), "y=sqr(x)"},
      {QStringLiteral("|x−1|"), "y=abs(x-1)"},
      {QStringLiteral("x²−4"), "y=x^2-4"},
  };
  for (const auto& c : cases) drawTyped(c.typed);
  EXPECT_TRUE(kit.messages->shown.empty());
  ASSERT_EQ(panel.lstExist.ListCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(panel.lstExist.List(i), cases[i].line);
    const ClassicCurve* curve = classicCurve(panel.document().at(static_cast<std::size_t>(i)));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ("y=" + curve->record().para1, cases[i].line);
  }
  // The box keeps what was typed.
  EXPECT_EQ(panelWidget<QPlainTextEdit>("txtExpression")->toPlainText(), cases[2].typed);
}

TEST_F(NotationWindow, ARefusalNamesThePlaceAndSelectsIt) {
  const struct {
    QString typed;
    const char* message;
    const char* detail;
    QString selected;
  } cases[] = {
      {QStringLiteral("x+q"), "字符未定义", "表达式第 3 个字符：“q”", QStringLiteral("q")},
      // A name is named and selected whole.
      {QStringLiteral("√x·zz"), "字符未定义", "表达式第 4 个字符：“zz”", QStringLiteral("zz")},
      {QStringLiteral("(x+1"), "括号错误", "表达式", QString()},
  };
  for (const auto& c : cases) {
    kit.messages->shown.clear();
    kit.messages->details.clear();
    drawTyped(c.typed);
    ASSERT_EQ(kit.messages->shown.size(), 1u) << c.detail;
    EXPECT_EQ(kit.messages->shown[0], (std::pair<std::string, std::string>{"错误", c.message}));
    EXPECT_EQ(kit.messages->details[0], c.detail);
    EXPECT_EQ(selectedExpressionText(), c.selected) << c.detail;
  }
  EXPECT_EQ(panel.lstExist.ListCount(), 0);
}

TEST_F(NotationWindow, TheListTheAnalysisAndTheLegendShowTheTextbookForm) {
  storePictureStyle(*program.services.preferences,
                    PictureStyle{.modern = true, .labels = CurveLabels::Legend});
  drawQuadratic();
  const QString printed = QStringLiteral("y = x² − 4");
  // The list's model keeps the list text; the widget shows the textbook form.
  EXPECT_EQ(panel.lstExist.List(0), "y=1x^2+0x+-4");
  auto* list = panelWidget<QListWidget>("lstExist");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), printed);

  RecordingSurface picture(640, 480);
  panel.replayOnto(picture);
  std::vector<std::string> texts;
  for (const SurfaceCall& call : picture.callsOf(SurfaceCallKind::Print))
    texts.push_back(call.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), printed.toStdString()), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "y=1x^2+0x+-4"), texts.end());

  clickToolbar(toolbarPosition(ToolbarCommand::Analysis));
  auto* curve =
      qobject_cast<QComboBox*>(desktop->analysisWindow->controlWidget(QStringLiteral("cboCurve")));
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->currentText(), printed);
}

}  // namespace
}  // namespace quorvel::test
