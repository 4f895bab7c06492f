#include "catalogue/plot_defaults.h"

namespace quorvel {

std::optional<PlotDefaults> plotDefaults(double family, int form) {
  int index = -1;
  for (int f = 0; f <= 14; ++f) {
    if (family == f) index = f;
  }
  switch (index) {
    case 0: return PlotDefaults{true, true, false, true, true};
    case 1:
    case 2:
    case 3:
    case 4:
    case 11: return PlotDefaults{true, true, false, true, false};
    case 5:
    case 6:
    case 7: return PlotDefaults{true, false, false, false, false};
    case 8:
    case 9:
    case 10: return PlotDefaults{true, true, true, true, false};
    case 12:
    case 14: return PlotDefaults{true, true, false, false, false};
    case 13:
      // ｙ＝ joins its points; the running sum Ｓｘ＝ is a row of dots.
      return form == 0 ? PlotDefaults{true, false, true, false, false}
                       : PlotDefaults{false, false, true, false, false};
    default: return std::nullopt;
  }
}

}  // namespace quorvel
