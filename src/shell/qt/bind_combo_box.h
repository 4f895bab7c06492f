#pragma once
// Combo boxes: drop-down lists (cboFuncName, cboStyle) and editable ones (the
// ranges). Picking an entry sets the model's list index, which runs its handler;
// picking the entry that is already chosen runs the handler too, as a user's pick
// does. Typing into an editable combo sets the model's text only.
#include <QComboBox>

#include "shell/qt/binder.h"

namespace quorvel {

class ComboBoxBinder : public Binder {
 public:
  enum class Kind { DropDownList, Editable };
  ComboBoxBinder(ComboBox& model, QComboBox* widget, Kind kind);

 private:
  void refresh() override;
  void userPicked(int index);
  void fitDropDownToItems();
  ComboBox& model_;
  QComboBox* widget_;
};

}  // namespace quorvel
