// The control panel as a window: construction, load, tab switching, the settings
// page's own handlers and the close box.
#include "shell/frm_control.h"

#include "eval/input_text.h"
#include "shell/program.h"

namespace quorvel {

frmControl::frmControl(Program& program)
    : canvas(&program.main.picPic), program_(program), g_(program.g) {
  buildControls();
  wireHandlers();
}

void frmControl::wireHandlers() {
  tbsControl.Click = [this] { tbsControl_Click(); };

  cboFuncName.Click = [this] { cboFuncName_Click(); };
  for (int i = 0; i < kFamilyCount; ++i) cboStyle[i].Click = [this, i] { cboStyle_Click(i); };
  for (int i = 1; i <= 4; ++i) txtParameter[i].GotFocus = [this, i] { txtParameter_GotFocus(i); };
  // The commands that change the list are steps that undo can take back.
  cmdDraw.Click = picDraw.Click = [this] { asUndoStep([this] { cmdDraw_Click(); }); };
  cmdClear.Click = picClear.Click = [this] { asUndoStep([this] { cmdClear_Click(); }); };
  cmdReplace.Click = [this] { cmdReplace_Click(); };

  picUp.Click = [this] { picUp_Click(); };
  picDown.Click = [this] { picDown_Click(); };
  picLeft.Click = [this] { picLeft_Click(); };
  picRight.Click = [this] { picRight_Click(); };
  picZoomIn.Click = [this] { picZoomIn_Click(); };
  picZoomOut.Click = [this] { picZoomOut_Click(); };
  picCentre.Click = [this] { picCentre_Click(); };
  picSize.Click = [this] { picSize_Click(); };
  // The pad's pictures look pressed while the button is down.
  for (PictureButton* p :
       {&picUp, &picDown, &picLeft, &picRight, &picZoomIn, &picZoomOut, &picCentre, &picSize}) {
    p->MouseDown = [p] { p->setBorderStyle(1); };
    p->MouseUp = [p] { p->setBorderStyle(0); };
  }
  lstExist.ItemCheck = [this](int item) { lstExist_ItemCheck(item); };
  lstExist.DblClick = [this](int line) { lstExist_DblClick(line); };
  cmdDelete.Click = picDelete.Click = [this] { asUndoStep([this] { cmdDelete_Click(); }); };
  cmdRedraw.Click = picRedraw.Click = [this] { cmdRedraw_Click(); };

  chkAutoColor.Click = [this] { chkAutoColor_Click(); };
  chkAutoRedraw.Click = [this] { chkAutoRedraw_Click(); };
  chkIntX.Click = [this] { chkIntX_Click(); };
  cmdColor.Click = picColor.Click = [this] { cmdColor_Click(); };
  cmdDefault.Click = picDefault.Click = [this] { cmdDefault_Click(); };
  cmdPictureOptions.Click = [this] { cmdPictureOptions_Click(); };
  cmdViewBox.Click = [this] { cmdViewBox_Click(); };

  // Full-width forms typed with a Chinese input method are read as ASCII.
  for (int i = 1; i <= 4; ++i) txtParameter[i].setInputFilter(asciiFromFullWidth);
  txtExpression.setInputFilter(asciiFromFullWidth);
  txtValue.setInputFilter(asciiFromFullWidth);
  for (TextBox* t : {&txtViewX1, &txtViewX2, &txtViewY1, &txtViewY2}) {
    t->setInputFilter(asciiFromFullWidth);
  }
  for (ComboBox* c : {&cboRangeX1, &cboRangeX2, &cboRangeY1, &cboRangeY2}) {
    c->setInputFilter(asciiFromFullWidth);
  }
}

void frmControl::message(const std::string& prompt, const std::string& title,
                         const std::string& detail) {
  // A live curve that cannot be drawn says so in its window, never in a box per step.
  if (previewing_) {
    previewNote_ = prompt;
    return;
  }
  program_.message(prompt, title, detail);
}

void frmControl::Form_Load() {
  if (loaded_) return;
  loaded_ = true;
  // canvas already refers to the main window's picPic.
  g_.funcCount = 1;
  // Opening on "自定义" runs the family and form handling and the defaults.
  cboFuncName.setListIndex(kCustomFamily);
}

bool frmControl::Form_QueryUnload() {
  program_.main.tbMain.button(2).setValue(false);
  Hide();
  return true;
}

void frmControl::tbsControl_Click() {
  for (int page = 1; page <= 3; ++page) picControl[page].setVisible(false);
  picControl[tbsControl.SelectedIndex()].setVisible(true);
}

void frmControl::chkAutoColor_Click() {
  const bool choosable = chkAutoColor.Value() == 0;
  cmdColor.setEnabled(choosable);
  picColor.setEnabled(choosable);
}

void frmControl::chkAutoRedraw_Click() { cmdRedraw_Click(); }

void frmControl::chkIntX_Click() { chkLink.setValue(0); }

void frmControl::cmdColor_Click() {
  // Opened on the colour the next curve would be drawn in.
  g_.penColor = program_.services.colors->choose(g_.penColor);
}

}  // namespace quorvel
