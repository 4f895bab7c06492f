#pragma once
// Horizontal sliders: range, steps and ticks from the model; moving the thumb sets
// the model's value.
#include <QSlider>

#include "qt/binder.h"

namespace quorvel {

class SliderBinder : public Binder {
 public:
  SliderBinder(Slider& model, QSlider* widget);

 private:
  void refresh() override;
  Slider& model_;
  QSlider* widget_;
};

}  // namespace quorvel
