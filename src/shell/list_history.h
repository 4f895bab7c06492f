#pragma once
// The list's undo and redo: each step keeps the whole state the list had before a
// command (the working file's bytes and the lines with their ticks), so going back
// puts the list, Funclist.dat and, by the redraw that follows, the picture in step.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct ListState {
  std::optional<std::string> fileBytes;  // nullopt: no working file
  std::vector<std::string> lines;
  std::vector<bool> ticks;
  std::int32_t funcCount = 1;
  int current = -1;  // lstExist's current line

  // The same list (the current line does not count).
  bool sameList(const ListState& other) const {
    return fileBytes == other.fileBytes && lines == other.lines && ticks == other.ticks &&
           funcCount == other.funcCount;
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
