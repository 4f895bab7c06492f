// The analysis window as designed: captions, tooltips, first values, positions and
// sizes (twips). Nothing here raises a handler: they are wired afterwards.
#include "shell/frm_analysis.h"

namespace quorvel {

namespace {

constexpr int kMargin = 120;
constexpr int kInnerWidth = 5160;
constexpr int kComboHeight = 300;
constexpr int kBoxHeight = 285;
constexpr int kButtonWidth = 1200, kButtonHeight = 360;
constexpr int kGridHeight = 1800;

void placeLabel(Label& label, int left, int top, const char* caption) {
  label.setBounds(left, top, 0, 0);  // sized to its text
  label.setCaption(caption);
}

void placeCheck(CheckBox& box, int left, int top, int width, const char* caption,
                const char* toolTip) {
  box.setBounds(left, top, width, kBoxHeight);
  box.setCaption(caption);
  box.setToolTipText(toolTip);
}

void placeButton(CommandButton& button, int left, int top, const char* caption,
                 const char* toolTip) {
  button.setBounds(left, top, kButtonWidth, kButtonHeight);
  button.setCaption(caption);
  button.setToolTipText(toolTip);
}

void placeBox(TextBox& box, int left, int top, int width, const char* text, const char* toolTip) {
  box.setBounds(left, top, width, kBoxHeight);
  box.setText(text);
  box.setToolTipText(toolTip);
}

// The last row of the curves derived from the chosen one.
constexpr int kDerivedBottom = 10440 + kBoxHeight;

}  // namespace

void frmAnalysis::buildControls() {
  setCaption("分析");
  Width = 2 * kMargin + kInnerWidth;  // client area

  placeLabel(lblCurve, kMargin, 150, "曲线");
  cboCurve.setBounds(720, 120, kInnerWidth + kMargin - 720, kComboHeight);
  cboCurve.setToolTipText("要分析的曲线（函数列表中的一行）");
  placeCheck(chkTrace, kMargin, 510, 900, "跟踪",
             "指针下方的曲线点：读数显示它的坐标，靠近关键点时吸附到关键点");
  placeLabel(lblTrace, 1080, 540, "");

  placeLabel(lblPoints, kMargin, 900, "关键点");
  placeLabel(lblOther, kMargin, 1260, "交点曲线");
  cboOther.setBounds(1200, 1230, kInnerWidth + kMargin - 1200, kComboHeight);
  cboOther.setToolTipText("求与这条曲线的交点；加入面积时求两条曲线之间的面积");
  placeLabel(lblValue, kMargin, 1650, "ｙ＝ｃ，ｃ＝");
  placeBox(txtValue, 1500, 1620, 1200, "", "求曲线上ｙ等于ｃ的点");
  placeCheck(chkMarks, 3000, 1620, kInnerWidth + kMargin - 3000, "在图上标出",
             "把关键点作为带标注的点画在图上");
  grdPoints.setBounds(kMargin, 2010, kInnerWidth, kGridHeight);
  placeButton(cmdCopyPoints, kMargin, 3900, "复制", "把关键点表复制到剪贴板");
  placeLabel(lblStatus, 1440, 3960, "");

  placeLabel(lblTable, kMargin, 4440, "函数值表");
  placeLabel(lblFrom, kMargin, 4800, "起点");
  placeBox(txtFrom, 600, 4770, 900, "-5", "第一个ｘ");
  placeLabel(lblTo, 1620, 4800, "终点");
  placeBox(txtTo, 2100, 4770, 900, "5", "最后一个ｘ");
  placeLabel(lblStep, 3120, 4800, "步长");
  placeBox(txtStep, 3600, 4770, 780, "0.5", "相邻两个ｘ之差");
  cmdTable.setBounds(4500, 4740, kInnerWidth + kMargin - 4500, 345);
  cmdTable.setCaption("列表");
  cmdTable.setToolTipText("列出函数值表");
  grdValues.setBounds(kMargin, 5190, kInnerWidth, kGridHeight);
  placeButton(cmdCopyValues, kMargin, 7080, "复制", "把函数值表复制到剪贴板（制表符分隔）");
  placeButton(cmdExportValues, kMargin + kButtonWidth + 120, 7080, "导出",
              "把函数值表导出为CSV文件");

  placeLabel(lblMonotonic, kMargin, 7560, "单调区间与极值");
  grdMonotonic.setBounds(kMargin, 7890, kInnerWidth, 1290);
  placeLabel(lblTangent, kMargin, 9360, "切线");
  placeLabel(lblTangentAt, 720, 9360, "ｘ₀＝");
  placeBox(txtTangentAt, 1320, 9330, 900, "", "在这一点作曲线的切线，画在图上");
  // The equation, or why there is no tangent, on a line of its own: the reasons are long.
  placeLabel(lblTangentLine, kMargin, 9720, "");
  placeDerivedControls();
  Height = kDerivedBottom + kMargin;
}

// Each button beside the box or heading it takes its number from.
void frmAnalysis::placeDerivedControls() {
  constexpr int kFirst = 2640, kSecond = 4020, kWidth = 1260;
  // The tangent's row is shared by the box and three buttons.
  constexpr int kTangentRow = 9290, kRowButton = 960;
  const auto place = [](CommandButton& button, int left, int top, const char* caption,
                        const char* toolTip) {
    placeButton(button, left, top, caption, toolTip);
    button.setBounds(left, top, kWidth, kButtonHeight);
  };
  place(cmdAddDerivative, kFirst, 7500, "导函数 f′", "把导函数ｙ＝ｆ′（ｘ）的图像加入函数列表");
  place(cmdAddSecond, kSecond, 7500, "二阶导 f″", "把二阶导函数ｙ＝ｆ″（ｘ）的图像加入函数列表");
  const auto rowButton = [](CommandButton& button, int left, const char* caption,
                            const char* toolTip) {
    placeButton(button, left, kTangentRow, caption, toolTip);
    button.setBounds(left, kTangentRow, kRowButton, kButtonHeight);
  };
  rowButton(cmdTangentAtTrace, 2280, "取追踪点", "以跟踪在图上点选（或最后显示）的曲线点作切线");
  rowButton(cmdAddTangent, 3300, "加入切线", "把这一点的切线加入函数列表");
  rowButton(cmdAddNormal, 4320, "加入法线", "把这一点的法线加入函数列表");
  placeLabel(lblArea, kMargin, 10110, "面积");
  placeLabel(lblAreaFrom, 720, 10110, "ａ＝");
  placeBox(txtAreaFrom, 1140, 10080, 900, "", "积分区间的左端");
  placeLabel(lblAreaTo, 2160, 10110, "ｂ＝");
  placeBox(txtAreaTo, 2580, 10080, 900, "", "积分区间的右端");
  place(cmdAddArea, kSecond, 10040, "加入面积",
        "求ａ到ｂ的定积分与面积，把阴影面积加入函数列表：选了交点曲线时是两条曲线之间的，"
        "否则是曲线和ｘ轴之间的");
  // What the area is bounded by; after 加入面积 the integral and the area, or why there
  // are none.
  placeLabel(lblAreaResult, kMargin, 10440, "");
  showAreaChoice();
}

}  // namespace quorvel
