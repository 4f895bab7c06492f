#pragma once
// Combo boxes: drop-down lists (cboFuncName, cboStyle) and editable ones (the
// ranges). Picking an entry sets the model's list index, which runs its handler;
// picking the entry that is already chosen runs the handler too, as a user's pick
// does. Typing into an editable combo sets the model's text only.
#include <QComboBox>
#include <cstdint>
#include <optional>

#include "qt/binder.h"

namespace quorvel {

class ComboBoxBinder : public Binder {
 public:
  enum class Kind { DropDownList, Editable };
  ComboBoxBinder(ComboBox& model, QComboBox* widget, Kind kind);

 private:
  void refresh() override;
  // The model's items in the widget: its last change alone when the widget showed
  // the revision before, otherwise compared and rebuilt.
  void followItems();
  void userPicked(int index);
  // Once per turn of the event loop, however many items came meanwhile.
  void fitDropDownSoon();
  void fitDropDownToItems();
  ComboBox& model_;
  QComboBox* widget_;
  std::optional<std::uint64_t> seen_;  // the items' revision the widget shows
  bool fitQueued_ = false;
};

}  // namespace quorvel
