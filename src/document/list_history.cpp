#include "document/list_history.h"

#include <utility>

namespace quorvel {

namespace {

void pushBounded(std::deque<ListState>& steps, ListState state) {
  steps.push_back(std::move(state));
  if (steps.size() > ListHistory::kMaxSteps) steps.pop_front();
}

ListState pop(std::deque<ListState>& steps) {
  ListState state = std::move(steps.back());
  steps.pop_back();
  return state;
}

}  // namespace

void ListHistory::record(ListState before) {
  pushBounded(undo_, std::move(before));
  redo_.clear();
}

ListState ListHistory::undo(ListState now) {
  pushBounded(redo_, std::move(now));
  return pop(undo_);
}

ListState ListHistory::redo(ListState now) {
  pushBounded(undo_, std::move(now));
  return pop(redo_);
}

void ListHistory::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace quorvel
