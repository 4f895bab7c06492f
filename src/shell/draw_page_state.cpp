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
  state.inputs = PanelInputs::of(panel, g);
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
  inputs.restore(panel, g);
  panel.resumeEditing(editingLine);
  panel.cmdReplace.setVisible(replaceShown);
}

}  // namespace quorvel
