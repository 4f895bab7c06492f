#pragma once
// Check boxes: a user's click is the model's click (which toggles the value and runs
// the handler); a value set from code ticks or unticks the box.
#include <QCheckBox>

#include "qt/binder.h"

namespace quorvel {

class CheckBoxBinder : public Binder {
 public:
  CheckBoxBinder(CheckBox& model, QCheckBox* widget);

 private:
  void refresh() override;
  CheckBox& model_;
  QCheckBox* widget_;
};

}  // namespace quorvel
