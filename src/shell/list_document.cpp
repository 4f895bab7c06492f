// The list as a document: what the list box shows of it, the working list on disk
// that follows it, whether it changed since it was saved or opened, and the undo and
// redo of the commands that change it.
#include <utility>

#include "catalogue/curve_rules.h"
#include "document/list_formats.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

RandomNumbers frmControl::randomNumbers() const {
  RandomSource* source = program_.services.random.get();
  return [source] { return source->next(); };
}

void frmControl::showDocument(int current) {
  std::vector<CheckListBox::Line> lines;
  lines.reserve(document_.size());
  for (const ListEntry& entry : document_.entries())
    lines.push_back({entry.line, entry.ticked, entry.printed});
  const int count = static_cast<int>(lines.size());
  lstExist.setLines(std::move(lines), current >= 0 && current < count ? current : -1);
}

bool frmControl::changeDocument(FunctionList list, int current) {
  // The working list on disk first: what the window shows is never ahead of it.
  if (!program_.journal.write(list)) return false;
  onDisk_ = true;
  document_ = std::move(list);
  showDocument(current);
  return true;
}

void frmControl::openDocument(FunctionList list) {
  const std::vector<EntryRefusal> refused = readOpenedLines(list, randomNumbers());
  // The last curve that can be drawn is the current line, as if each had been drawn
  // in turn; with none, nothing is drawn.
  int current = -1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list.at(i).ticked) current = static_cast<int>(i);
  }
  document_ = std::move(list);
  onDisk_ = true;
  g_.funcCount = static_cast<std::int32_t>(document_.size()) + 1;
  stopEditing();
  showDocument(current);
  cmdRedraw_Click();
  // Thousands of refused entries must not mean thousands of boxes: they are said once.
  refusedRecords_.clear();
  refusedRecords_.reserve(refused.size());
  for (const EntryRefusal& r : refused) {
    refusedRecords_.push_back(RecordedMessage{static_cast<std::int32_t>(r.index) + 1,
                                              r.refusal.title, r.refusal.message});
  }
  reportRefusedRecords();
}

ListState frmControl::listState() const {
  return ListState{document_, lstExist.ListIndex(), onDisk_};
}

void frmControl::restoreListState(const ListState& state) {
  if (state.onDisk) {
    if (!program_.journal.write(state.list)) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
  } else {
    program_.journal.remove();
  }
  onDisk_ = state.onDisk;
  document_ = state.list;
  // The redraw draws only while a line is current.
  const int count = static_cast<int>(document_.size());
  showDocument(state.current >= 0 && state.current < count ? state.current : (count > 0 ? 0 : -1));
  g_.funcCount = count + 1;
  stopEditing();
  cmdRedraw_Click();
}

void frmControl::asUndoStep(const std::function<void()>& command) {
  ListState before = listState();
  command();
  if (!before.sameList(listState())) history_.record(std::move(before));
}

void frmControl::undo() {
  if (!history_.canUndo()) return;
  restoreListState(history_.undo(listState()));
}

void frmControl::redo() {
  if (!history_.canRedo()) return;
  restoreListState(history_.redo(listState()));
}

bool frmControl::listChanged() const {
  if (document_.empty()) return false;
  return naturalBytes(document_) != savedList_;
}

void frmControl::markListSaved() { savedList_ = naturalBytes(document_); }

void frmControl::startNewDocument(bool saved) {
  history_.clear();
  if (saved) {
    markListSaved();
  } else {
    savedList_.reset();
  }
}

}  // namespace quorvel
