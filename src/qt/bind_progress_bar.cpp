#include "qt/bind_progress_bar.h"

namespace quorvel {

ProgressBarBinder::ProgressBarBinder(ProgressBar& model, QProgressBar* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setRange(0, 100);
  widget->setTextVisible(false);
  watch();
}

namespace {

constexpr qint64 kWatchAfterMilliseconds = 150;
constexpr qint64 kRepaintEveryMilliseconds = 100;

}  // namespace

void ProgressBarBinder::refresh() {
  // Shown only once a curve has taken long enough to watch; a quick one never
  // shows it, and so never repaints the window in the middle of a replay.
  if (!model_.Visible()) {
    shownFor_.invalidate();
  } else if (!shownFor_.isValid()) {
    shownFor_.start();
  }
  const bool watch = shownFor_.isValid() && shownFor_.elapsed() >= kWatchAfterMilliseconds;
  if (widget_->value() != model_.Value()) {
    widget_->setValue(model_.Value());
    if (watch && widget_->isVisible() &&
        (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintEveryMilliseconds)) {
      widget_->repaint();
      sinceRepaint_.start();
    }
  }
  applyControl(model_, widget_, model_.Visible() && watch);
}

}  // namespace quorvel
