// The defaults command: the plotting options that suit the active family, and, from
// its own button, the sliders and the pen colour as well.
#include "catalogue/plot_defaults.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void frmControl::cmdDefault_Click() {
  // Only the 默认值 button itself resets the sliders and the colour; a family change or
  // a click on its icon (which leaves the focus elsewhere) does not.
  if (ActiveControlName == "cmdDefault") {
    canvas->setForeColor(0);
    sldZoom.setValue(500);
    sldLevel.setValue(500);
    sldPenWidth.setValue(2);
  }
  const std::optional<PlotDefaults> d = plotDefaults(g_.activeFamily, funcForm);
  if (!d) return;
  chkLink.setValue(d->link ? 1 : 0);
  chkSkip.setValue(d->skip ? 1 : 0);
  chkfixx.setValue(d->fixx ? 1 : 0);
  chky.setEnabled(d->yEnabled);
  chky.setValue(d->yDriven ? 1 : 0);
}

}  // namespace quorvel
