#include "shell/draw_page_state.h"

#include "shell/frm_control.h"
#include "shell/mdl_declare.h"

namespace quorvel {

DrawPageState DrawPageState::of(const frmControl& panel, const mdlDeclare& g) {
  DrawPageState state;
  state.family = panel.cboFuncName.ListIndex();
  for (int i = 0; i < kFamilyCount; ++i) {
    state.forms[static_cast<std::size_t>(i)] =
        panel.cboStyle[static_cast<std::size_t>(i)].ListIndex();
  }
  for (int box = 1; box <= 4; ++box) state.parameters[box - 1] = panel.txtParameter[box].Text();
  state.expression = panel.txtExpression.Text();
  state.ranges = {panel.cboRangeX1.Text(), panel.cboRangeX2.Text(), panel.cboRangeY1.Text(),
                  panel.cboRangeY2.Text()};
  state.intX = panel.chkIntX.Value();
  state.intXEnabled = panel.chkIntX.Enabled();
  state.link = panel.chkLink.Value();
  state.skip = panel.chkSkip.Value();
  state.fixx = panel.chkfixx.Value();
  state.yDriven = panel.chky.Value();
  state.yDrivenEnabled = panel.chky.Enabled();
  state.penColor = g.penColor;
  state.funcFamily = panel.funcFamily;
  state.funcForm = panel.funcForm;
  state.activeFamily = g.activeFamily;
  state.autoColor = panel.chkAutoColor.Value();
  state.editingLine = panel.EditingLine();
  state.replaceShown = panel.cmdReplace.Visible();
  return state;
}

void DrawPageState::restore(frmControl& panel, mdlDeclare& g) const {
  // The other families' forms first: each change runs that combo's handling, which
  // the current family's own handling below sets right again.
  for (int i = 0; i < kFamilyCount; ++i) {
    if (i != family)
      panel.cboStyle[static_cast<std::size_t>(i)].setListIndex(forms[static_cast<std::size_t>(i)]);
  }
  if (family >= 0 && family < kFamilyCount) {
    panel.cboFuncName.setListIndex(family);
    panel.cboStyle[static_cast<std::size_t>(family)].setListIndex(
        forms[static_cast<std::size_t>(family)]);
    panel.cboStyle_Click(family);
  }
  panel.chkAutoColor.setValue(autoColor);
  for (int box = 1; box <= 4; ++box) panel.txtParameter[box].setText(parameters[box - 1]);
  panel.txtExpression.setText(expression);
  panel.cboRangeX1.setText(ranges[0]);
  panel.cboRangeX2.setText(ranges[1]);
  panel.cboRangeY1.setText(ranges[2]);
  panel.cboRangeY2.setText(ranges[3]);
  panel.chkIntX.setValue(intX);
  panel.chkIntX.setEnabled(intXEnabled);
  panel.chkLink.setValue(link);
  panel.chkSkip.setValue(skip);
  panel.chkfixx.setValue(fixx);
  panel.chky.setValue(yDriven);
  panel.chky.setEnabled(yDrivenEnabled);
  g.penColor = penColor;
  panel.funcFamily = funcFamily;
  panel.funcForm = funcForm;
  g.activeFamily = activeFamily;
  panel.resumeEditing(editingLine);
  panel.cmdReplace.setVisible(replaceShown);
}

}  // namespace quorvel
