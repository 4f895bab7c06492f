#include "shell/panel_inputs.h"

#include "shell/frm_control.h"
#include "shell/mdl_declare.h"

namespace quorvel {

PanelInputs PanelInputs::of(const frmControl& panel, const mdlDeclare& g) {
  PanelInputs in;
  for (int box = 1; box <= 3; ++box) in.parameters[box - 1] = panel.txtParameter[box].Text();
  in.expression = panel.txtExpression.Text();
  in.ranges = {panel.cboRangeX1.Text(), panel.cboRangeX2.Text(), panel.cboRangeY1.Text(),
               panel.cboRangeY2.Text()};
  in.intX = panel.chkIntX.Value();
  in.intXEnabled = panel.chkIntX.Enabled();
  in.link = panel.chkLink.Value();
  in.skip = panel.chkSkip.Value();
  in.fixx = panel.chkfixx.Value();
  in.yDriven = panel.chky.Value();
  in.yDrivenEnabled = panel.chky.Enabled();
  in.penColor = g.penColor;
  in.funcFamily = panel.funcFamily;
  in.funcForm = panel.funcForm;
  in.activeFamily = g.activeFamily;
  return in;
}

void PanelInputs::restore(frmControl& panel, mdlDeclare& g) const {
  for (int box = 1; box <= 3; ++box) panel.txtParameter[box].setText(parameters[box - 1]);
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
}

}  // namespace quorvel
