// Choosing a family and a form on the draw page: the form combo, the parameter
// captions and boxes, the expression box and the ranges.
#include "catalogue/families.h"
#include "document/region_entry.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// Number of characters (code points) of a UTF-8 text.
int characterCount(const std::string& text) {
  int n = 0;
  for (const char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace

void frmControl::cboFuncName_Click() {
  const int chosen = cboFuncName.ListIndex();
  // Regions given by inequalities.
  if (chosen == kRegionFamily) {
    hideMarkedBoxes();
    return showRegionBoxes();
  }
  hideRegionBoxes();
  if (const std::optional<MarkedKind> kind = markedKindOfItem(chosen))
    return showMarkedBoxes(*kind);
  hideMarkedBoxes();
  if (const std::optional<PlaneKind> kind = planeKindOfItem(chosen)) return showPlaneBoxes(*kind);
  if (chosen < 0 || chosen >= kFamilyCount) return;
  showClassicBoxes();
  funcFamily = static_cast<std::int16_t>(chosen);
  for (loopCounter = 0; loopCounter < kFamilyCount; ++loopCounter) {
    cboStyle[loopCounter].setVisible(false);
  }
  if (funcFamily == kCustomFamily) {
    txtExpression.setLeft(60);
    txtExpression.setText("");
  } else {
    // Out of sight, with its text kept for a return to the family.
    txtExpression.setLeft(-3000);
  }
  cboStyle[funcFamily].setVisible(true);
  cboStyle[funcFamily].setListIndex(0);
  cboRangeX1.setText(kOpenLow);
  cboRangeY1.setText(kOpenLow);
  cboRangeX2.setText(kOpenHigh);
  cboRangeY2.setText(kOpenHigh);
  cboStyle_Click(funcFamily);
  cmdDefault_Click();
}

void frmControl::cboStyle_Click(int index) {
  if (index < 0 || index >= kFamilyCount) return;
  funcForm = static_cast<std::int16_t>(cboStyle[index].ListIndex());
  const FormInfo* info = form(index, funcForm);
  if (info != nullptr && index != kCustomFamily) {
    for (int box = 1; box <= 3; ++box) lblParameter[box].setCaption(info->boxes[box - 1].caption);
    if (box2Visible(index)) {
      lblParameter[2].setVisible(true);
      txtParameter[2].setVisible(true);
    } else {
      lblParameter[2].setCaption("");
      txtParameter[2].setVisible(false);
    }
    if (box3Visible(index, funcForm)) {
      txtParameter[3].setVisible(true);
    } else {
      lblParameter[3].setCaption("");
      txtParameter[3].setVisible(false);
    }
    showFourthBox(index, funcForm);
    // Only the running sum takes whole numbers: every other form leaves 整数 as
    // ｙ＝ does (its click unticks 连线; the defaults that follow set it again).
    chkIntX.setEnabled(false);
    chkIntX.setValue(0);
  } else if (info != nullptr) {
    showFourthBox(index, funcForm);
    // chkIntX's own click unticks chkLink; chkLink is set after it so its value stays.
    if (funcForm == 0) {
      chkIntX.setEnabled(false);
      chkIntX.setValue(0);
      chkLink.setValue(1);
      cboRangeX1.setText(kOpenLow);
    } else {
      chkIntX.setEnabled(true);
      chkIntX.setValue(1);
      chkLink.setValue(0);
      cboRangeX1.setText("0");  // the running sum starts at x = 0
    }
  }
  g_.activeFamily = static_cast<float>(cboFuncName.ListIndex());
}

void frmControl::txtParameter_GotFocus(int index) {
  if (index < 1 || index > 4) return;
  TextBox& box = txtParameter[index];
  box.setSelection(0, characterCount(box.Text()));
}

}  // namespace quorvel
