#pragma once
// The list with a check box per line (lstExist). A user's tick sets the model's
// tick, which makes the line current and runs ItemCheck once; clicking a line makes
// it current. Lines added, removed or ticked by code show at once.
#include <QListWidget>

#include "shell/qt/binder.h"

namespace quorvel {

class CheckListBinder : public Binder {
 public:
  CheckListBinder(CheckListBox& model, QListWidget* widget);

 private:
  void refresh() override;
  bool sameLines() const;
  void rebuildLines();
  CheckListBox& model_;
  QListWidget* widget_;
  bool rebuildQueued_ = false;
};

}  // namespace quorvel
