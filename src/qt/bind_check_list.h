#pragma once
// The list with a check box per line (lstExist). A user's tick sets the model's
// tick, which makes the line current and runs ItemCheck once; clicking a line makes
// it current. Lines added, removed or ticked by code show at once, each change on its
// own line of the widget, so that a list of thousands fills in proportion to its
// length.
#include <QListWidget>
#include <cstdint>
#include <optional>

#include "qt/binder.h"

namespace quorvel {

class CheckListBinder : public Binder {
 public:
  CheckListBinder(CheckListBox& model, QListWidget* widget);

 private:
  void refresh() override;
  // Follows the model's last change alone; false when the widget must be compared.
  bool followChange();
  bool sameLines() const;
  void rebuildLines();
  void showTick(int row);
  void showCurrentLine();
  CheckListBox& model_;
  QListWidget* widget_;
  bool rebuildQueued_ = false;
  std::optional<std::uint64_t> seen_;  // the model's revision the widget shows
};

}  // namespace quorvel
