// The control panel as designed: every control's caption, tooltip, initial value,
// position and size (twips, within its page). Nothing here raises a handler: the
// handlers are wired after the controls have their designed state.
#include "catalogue/families.h"
#include "eval/syntax_help.h"
#include "shell/frm_control.h"

namespace quorvel {

namespace {

constexpr int kIconTwips = 16 * kTwipsPerPixel;  // the 16 × 16 pictures
constexpr int kComboHeight = 300;
constexpr int kParameterBoxWidth = 375, kParameterBoxHeight = 270;
constexpr int kSliderWidth = 1275, kSliderHeight = 405;
constexpr int kArrowSize = 465, kCornerButtonSize = 480;

// A command's icon sits over the left end of its button, where the caption's three
// leading blanks leave room.
void placeIcon(PictureButton& icon, const CommandButton& button) {
  icon.setBounds(button.Left() + 90, button.Top() + (button.Height() - kIconTwips) / 2, kIconTwips,
                 kIconTwips);
  icon.setToolTipText(button.ToolTipText());
}

void placeLabelIcon(Control& icon, int left, int top) {
  icon.setBounds(left, top, kIconTwips, kIconTwips);
}

// Labels size themselves to their text: width and height 0 mean "as the text needs".
void placeLabel(Label& label, int left, int top, const char* caption) {
  label.setBounds(left, top, 0, 0);
  label.setCaption(caption);
}

void setCommand(CommandButton& button, int left, int top, int width, int height,
                const char* caption, const char* toolTip) {
  button.setBounds(left, top, width, height);
  button.setCaption(caption);
  button.setToolTipText(toolTip);
}

void setCheck(CheckBox& box, int left, int top, int width, int height, const char* caption,
              int value, const char* toolTip) {
  box.setBounds(left, top, width, height);
  box.setCaption(caption);
  box.setValue(value);
  box.setToolTipText(toolTip);
}

void setSlider(Slider& slider, int left, int top, int min, int max, int value, int large, int small,
               int tick, const char* toolTip) {
  slider.setBounds(left, top, kSliderWidth, kSliderHeight);
  slider.setRange(min, max);
  slider.setValue(value);
  slider.LargeChange = large;
  slider.SmallChange = small;
  slider.TickFrequency = tick;
  slider.setToolTipText(toolTip);
}

void setRangeCombo(ComboBox& combo, int left, int top, const char* openMarker) {
  combo.setBounds(left, top, 825, kComboHeight);
  combo.AddItem(openMarker);
  combo.AddItem(" 0");
  combo.setText(openMarker);
}

}  // namespace

void frmControl::buildControls() {
  setCaption("控制");
  Width = 2355;  // client area
  Height = 6360;

  tbsControl.setBounds(0, 0, 2355, 6345);
  tbsControl.Captions = {"绘制", "视图", "设置"};
  for (int page = 1; page <= 3; ++page) picControl[page].setBounds(30, 300, 2295, 6015);

  // Page 1: 绘制.
  placeLabelIcon(imgFuncName, 210, 90);
  placeLabel(lblFuncName, 600, 120, "请选择函数名称：");
  cboFuncName.setBounds(60, 510, 2190, kComboHeight);
  for (int i = 0; i < kFamilyCount; ++i) cboFuncName.AddItem(family(i).name);
  addPlaneFamilies();
  addMarkedFamilies();
  addRegionFamily();
  placeLabelIcon(imgStyle, 210, 1080);
  placeLabel(lblStyle, 600, 1140, "请选择函数形式：");
  for (int i = 0; i < kFamilyCount; ++i) {
    ComboBox& style = cboStyle[i];
    if (i == kCustomFamily) {
      style.setBounds(600, 1590, 930, kComboHeight);
    } else {
      style.setBounds(60, 1590, 2190, kComboHeight);
    }
    for (const FormInfo& f : family(i).forms) style.AddItem(f.comboItem);
  }
  txtExpression.setBounds(-3000, 2430, 2175, 945);
  // What an expression may hold, from the evaluator's own tables.
  txtExpression.setToolTipText(expressionSyntaxHelp());
  placeLabelIcon(imgParameter, 210, 2100);
  placeLabel(lblParameter[0], 600, 2130, "请输入参数：");
  placeLabel(lblParameter[1], 90, 2610, "ｋ ＝");
  placeLabel(lblParameter[2], 1200, 2610, "ｂ ＝");
  placeLabel(lblParameter[3], 540, 3120, "");
  txtParameter[1].setBounds(600, 2565, kParameterBoxWidth, kParameterBoxHeight);
  txtParameter[2].setBounds(1740, 2550, kParameterBoxWidth, kParameterBoxHeight);
  txtParameter[3].setBounds(960, 3090, kParameterBoxWidth, kParameterBoxHeight);
  // Box 4 shares the second row with box 3 for the forms that have it (showFourthBox).
  placeLabel(lblParameter[4], 1200, 3120, "");
  txtParameter[4].setBounds(1740, 3090, kParameterBoxWidth, kParameterBoxHeight);
  txtParameter[4].setVisible(false);
  for (int i = 0; i <= 4; ++i) {
    lblParameter[i].setToolTipText("输入参数");
    if (i > 0) txtParameter[i].setToolTipText("输入参数");
  }
  setCheck(chkIntX, 1500, 3450, 705, 345, "整数", 0, "x取整数");
  chkIntX.setEnabled(false);
  placeLabelIcon(imgRangeX, 180, 3450);
  placeLabel(lblRangeX, 600, 3510, "Ｘ轴范围：");
  placeLabel(lblOpenX, 60, 3900, "［");
  placeLabel(lblCommaX, 1065, 3900, "，");
  placeLabel(lblCloseX, 2100, 3900, "］");
  setRangeCombo(cboRangeX1, 210, 3870, kOpenLow);
  setRangeCombo(cboRangeX2, 1260, 3870, kOpenHigh);
  placeLabelIcon(imgRangeY, 180, 4410);
  placeLabel(lblRangeY, 600, 4440, "Ｙ轴范围：");
  placeLabel(lblOpenY, 60, 4920, "［");
  placeLabel(lblCommaY, 1050, 4920, "，");
  placeLabel(lblCloseY, 2100, 4920, "］");
  setRangeCombo(cboRangeY1, 210, 4890, kOpenLow);
  setRangeCombo(cboRangeY2, 1230, 4890, kOpenHigh);
  setCommand(cmdDraw, 120, 5430, 870, 450, "   绘制", "绘制函数图像");
  cmdDraw.setDefault(true);  // Enter draws
  placeIcon(picDraw, cmdDraw);
  setCommand(cmdClear, 1290, 5430, 870, 450, "   清屏", "清除图像");
  placeIcon(picClear, cmdClear);
  // Beside the y range's label, shown only while a list line is being edited.
  setCommand(cmdReplace, 1560, 4380, 690, 330, "替换", "用本页的曲线替换所编辑的函数");
  cmdReplace.setVisible(false);
  placeMarkedControls();
  placeRegionControls();

  // Page 2: 视图.
  struct PadButton {
    PictureButton& button;
    int left, top, size;
    const char* toolTip;
  };
  const PadButton pad[] = {
      {picUp, 900, 210, kArrowSize, "向上"},
      {picLeft, 270, 810, kArrowSize, "向左"},
      {picRight, 1530, 810, kArrowSize, "向右"},
      {picDown, 900, 1470, kArrowSize, "向下"},
      {picCentre, 270, 240, kCornerButtonSize, "回到中心"},
      {picSize, 1470, 210, kCornerButtonSize, "原始尺寸"},
      {picZoomIn, 240, 1440, kArrowSize, "放大"},
      {picZoomOut, 1530, 1410, kArrowSize, "缩小"},
  };
  for (const PadButton& p : pad) {
    p.button.setBounds(p.left, p.top, p.size, p.size);
    p.button.setToolTipText(p.toolTip);
  }
  // The signs fill their zoom buttons (positions inside the button).
  lblAdd.setBounds(0, 0, kArrowSize, kArrowSize);
  lblAdd.setCaption("+");
  lblMinus.setBounds(0, 0, kArrowSize, kArrowSize);
  lblMinus.setCaption("-");
  txtValue.setBounds(915, 855, 400, 400);
  placeLabelIcon(imgExist, 390, 2130);
  placeLabel(lblExist, 840, 2190, "现存函数：");
  lstExist.setBounds(120, 2550, 2010, 1620);
  // The view typed in, under the list.
  placeLabel(lblViewX, 150, 4260, "x：");
  txtViewX1.setBounds(450, 4230, 750, kParameterBoxHeight);
  placeLabel(lblViewXTo, 1260, 4260, "至");
  txtViewX2.setBounds(1500, 4230, 750, kParameterBoxHeight);
  placeLabel(lblViewY, 150, 4590, "y：");
  txtViewY1.setBounds(450, 4560, 750, kParameterBoxHeight);
  placeLabel(lblViewYTo, 1260, 4590, "至");
  txtViewY2.setBounds(1500, 4560, 750, kParameterBoxHeight);
  for (TextBox* t : {&txtViewX1, &txtViewX2}) t->setToolTipText("要显示的 x 范围");
  for (TextBox* t : {&txtViewY1, &txtViewY2}) t->setToolTipText("要显示的 y 范围");
  setCommand(cmdViewBox, 720, 4900, 900, 330, "显示范围", "按输入的范围居中显示，两轴单位相同");
  setCommand(cmdDelete, 240, 5280, 795, 435, "   删除", "删除函数");
  placeIcon(picDelete, cmdDelete);
  setCommand(cmdRedraw, 1320, 5280, 795, 435, "   刷新", "重绘所有函数");
  placeIcon(picRedraw, cmdRedraw);

  // Page 3: 设置.
  placeLabelIcon(imgZoom, 90, 360);
  placeLabel(lblZoom, 450, 360, "缩放：");
  setSlider(sldZoom, 900, 270, 0, kMaxScale, 500, 500, 250, 2000, "图像缩放比例");
  lblZoom.setToolTipText(sldZoom.ToolTipText());
  placeLabelIcon(imgLevel, 90, 840);
  placeLabel(lblLevel, 450, 870, "精度：");
  setSlider(sldLevel, 930, 810, 1, 10000, 2000, 500, 100, 1000, "取值越大　精细程度越高　速度越慢");
  lblLevel.setToolTipText(sldLevel.ToolTipText());
  placeLabelIcon(imgPenWidth, 90, 1335);
  placeLabel(lblPenWidth, 450, 1365, "笔宽：");
  setSlider(sldPenWidth, 930, 1260, 1, 5, 2, 2, 1, 1, "作图粗细");
  lblPenWidth.setToolTipText(sldPenWidth.ToolTipText());
  setCheck(chkLink, 375, 1872, 1380, 255, "连线", 1, "连接坐标点");
  setCheck(chkSkip, 375, 2451, 1245, 255, "Smart Skip", 1, "跳过出界的点以节约时间");
  setCheck(chkfixx, 375, 3030, 840, 255, "Ｘ修正", 1, "修正坐标存取错误");
  setCheck(chky, 375, 3609, 855, 255, "Ｙ驱动", 0, "用纵坐标计算横坐标");
  setCheck(chkAutoRedraw, 375, 4188, 1065, 255, "自动重绘", 1, "保持图像不丢失");
  setCheck(chkAutoColor, 360, 4770, 1320, 255, "自动选色", 1, "自动选择颜色");
  setCommand(cmdColor, 150, 5370, 855, 465, "   颜色", "选择图像颜色");
  placeIcon(picColor, cmdColor);
  cmdColor.setEnabled(false);
  picColor.setEnabled(false);
  setCommand(cmdDefault, 1080, 5370, 1000, 465, "   默认值", "恢复默认值");
  placeIcon(picDefault, cmdDefault);
  setCommand(cmdPictureOptions, 1230, 2925, 1005, 465, "图像选项…",
             "平滑曲线、网格、π 刻度、标注与字号");
}

std::vector<Control*> frmControl::pageControls(int page) {
  std::vector<Control*> c;
  auto add = [&c](auto&... controls) { (c.push_back(&controls), ...); };
  switch (page) {
    case 1:
      add(imgFuncName, lblFuncName, cboFuncName, imgStyle, lblStyle);
      for (ComboBox& style : cboStyle) add(style);
      add(txtExpression, imgParameter);
      for (Label& l : lblParameter) add(l);
      add(txtParameter[1], txtParameter[2], txtParameter[3], txtParameter[4], chkIntX);
      add(imgRangeX, lblRangeX, lblOpenX, cboRangeX1, lblCommaX, cboRangeX2, lblCloseX);
      add(imgRangeY, lblRangeY, lblOpenY, cboRangeY1, lblCommaY, cboRangeY2, lblCloseY);
      add(cmdDraw, picDraw, cmdClear, picClear, cmdReplace);
      for (Control* m : marked.pieceControls()) c.push_back(m);
      for (Control* m : marked.pointControls()) c.push_back(m);
      for (Control* r : region.all()) c.push_back(r);
      break;
    case 2:
      // lblAdd and lblMinus sit inside picZoomIn and picZoomOut.
      add(picUp, picDown, picLeft, picRight, picZoomIn, picZoomOut, picCentre, picSize);
      add(txtValue, imgExist, lblExist, lstExist, cmdDelete, picDelete, cmdRedraw, picRedraw);
      add(lblViewX, txtViewX1, lblViewXTo, txtViewX2, lblViewY, txtViewY1, lblViewYTo, txtViewY2,
          cmdViewBox);
      break;
    case 3:
      add(imgZoom, lblZoom, sldZoom, imgLevel, lblLevel, sldLevel, imgPenWidth, lblPenWidth,
          sldPenWidth);
      add(chkLink, chkSkip, chkfixx, chky, chkAutoRedraw, chkAutoColor);
      add(cmdColor, picColor, cmdDefault, picDefault, cmdPictureOptions);
      break;
    default: break;
  }
  return c;
}

}  // namespace quorvel
