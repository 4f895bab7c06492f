#pragma once
// The list's undo and redo: each step keeps the whole document as it was before a
// command (its entries with their lines and ticks, the current line, and whether the
// working list was on disk), so going back puts the list, the journal and, by the
// redraw that follows, the picture in step.
#include <cstddef>
#include <deque>

#include "document/function_list.h"

namespace quorvel {

struct ListState {
  FunctionList list;
  int current = -1;     // the list's current line
  bool onDisk = false;  // the working list had a file (清屏 removes it)

  // The same list (the current line does not count).
  bool sameList(const ListState& other) const {
    return list == other.list && onDisk == other.onDisk;
  }
};

class ListHistory {
 public:
  // The steps kept each way; older ones are forgotten.
  static constexpr std::size_t kMaxSteps = 100;

  // A command changed the list from `before`: it can be undone; what was undone
  // before it can no longer be redone.
  void record(ListState before);
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The state to go back to; `now` becomes the step to redo.
  ListState undo(ListState now);
  // The state to go forward to; `now` becomes the step to undo.
  ListState redo(ListState now);
  void clear();

 private:
  std::deque<ListState> undo_;
  std::deque<ListState> redo_;
};

}  // namespace quorvel
