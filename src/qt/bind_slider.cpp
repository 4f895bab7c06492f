#include "qt/bind_slider.h"

#include <QSignalBlocker>

namespace quorvel {

SliderBinder::SliderBinder(Slider& model, QSlider* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setOrientation(Qt::Horizontal);
  widget->setTickPosition(QSlider::TicksBelow);
  connect(widget, &QSlider::valueChanged, this, [this](int value) {
    const Forwarding f(*this);
    model_.setValue(value);
  });
  watch();
}

void SliderBinder::refresh() {
  const QSignalBlocker block(widget_);
  if (widget_->minimum() != model_.Min() || widget_->maximum() != model_.Max()) {
    widget_->setRange(model_.Min(), model_.Max());
  }
  // The steps are plain fields of the model, read on every change.
  widget_->setPageStep(model_.LargeChange);
  widget_->setSingleStep(model_.SmallChange);
  widget_->setTickInterval(model_.TickFrequency);
  if (widget_->value() != model_.Value()) widget_->setValue(model_.Value());
  applyControl(model_, widget_);
}

}  // namespace quorvel
