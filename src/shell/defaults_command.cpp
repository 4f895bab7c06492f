// The defaults command: the plotting options that suit the active family, and, from
// its own button, the sliders and the pen colour as well.
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

struct PlotDefaults {
  int link, skip, fixx;
  bool yEnabled;
  int y;
};

// The options per family; nullopt for a value that names no family.
std::optional<PlotDefaults> defaultsFor(float activeFamily, std::int16_t funcForm) {
  const float families[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  int family = -1;
  for (const float f : families) {
    if (activeFamily == f) family = static_cast<int>(f);
  }
  switch (family) {
    case 0: return PlotDefaults{1, 1, 0, true, 1};
    case 1:
    case 2:
    case 3:
    case 4:
    case 11: return PlotDefaults{1, 1, 0, true, 0};
    case 5:
    case 6:
    case 7: return PlotDefaults{1, 0, 0, false, 0};
    case 8:
    case 9:
    case 10: return PlotDefaults{1, 1, 1, true, 0};
    case 12: return PlotDefaults{1, 1, 0, false, 0};
    case 13:
      return funcForm == 0 ? PlotDefaults{1, 0, 1, false, 0} : PlotDefaults{0, 0, 1, false, 0};
    default: return std::nullopt;
  }
}

}  // namespace

void frmControl::cmdDefault_Click() {
  // Only the 默认值 button itself resets the sliders and the colour; a family change,
  // a replay or a click on its icon (which leaves the focus elsewhere) does not.
  if (ActiveControlName == "cmdDefault") {
    canvas->setForeColor(0);
    sldZoom.setValue(500);
    sldLevel.setValue(500);
    sldPenWidth.setValue(2);
  }
  const std::optional<PlotDefaults> d = defaultsFor(g_.activeFamily, funcForm);
  if (!d) return;
  chkLink.setValue(d->link);
  chkSkip.setValue(d->skip);
  chkfixx.setValue(d->fixx);
  chky.setEnabled(d->yEnabled);
  chky.setValue(d->y);
}

}  // namespace quorvel
