#pragma once
// The plotter's progress on a progress bar model, as the main window shows it.
#include "plot/plotter.h"
#include "toolkit/controls.h"

namespace quorvel {

inline PlotProgress onBar(ProgressBar& bar) {
  return [&bar](int hundredths) { (void)bar.setValue(hundredths); };
}

}  // namespace quorvel
