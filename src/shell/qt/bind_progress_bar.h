#pragma once
// The drawing progress bar (0 to 100). The plotter runs without yielding to the
// event loop, so the bar is repainted at once when its value changes.
#include <QProgressBar>

#include "shell/qt/binder.h"

namespace quorvel {

class ProgressBarBinder : public Binder {
 public:
  ProgressBarBinder(ProgressBar& model, QProgressBar* widget);

 private:
  void refresh() override;
  ProgressBar& model_;
  QProgressBar* widget_;
};

}  // namespace quorvel
