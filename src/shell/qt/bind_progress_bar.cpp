#include "shell/qt/bind_progress_bar.h"

namespace quorvel {

ProgressBarBinder::ProgressBarBinder(ProgressBar& model, QProgressBar* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setRange(0, 100);
  widget->setTextVisible(false);
  watch();
}

void ProgressBarBinder::refresh() {
  if (widget_->value() != model_.Value()) {
    widget_->setValue(model_.Value());
    if (widget_->isVisible()) widget_->repaint();
  }
  applyControl(model_, widget_);
}

}  // namespace quorvel
