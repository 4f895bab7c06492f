#pragma once
// The drawing progress bar (0 to 100). The plotter runs without yielding to the
// event loop, so the bar is repainted at once when its value changes, but only for a
// curve that takes long enough to watch, and then a few times a second: a replay of
// a whole list takes milliseconds, and a bar painted (with the window's dirty
// picture) in the middle of it would cost more than the curves.
#include <QElapsedTimer>
#include <QProgressBar>

#include "qt/binder.h"

namespace quorvel {

class ProgressBarBinder : public Binder {
 public:
  ProgressBarBinder(ProgressBar& model, QProgressBar* widget);

 private:
  void refresh() override;
  ProgressBar& model_;
  QProgressBar* widget_;
  QElapsedTimer shownFor_;
  QElapsedTimer sinceRepaint_;
};

}  // namespace quorvel
