// The list as a document: whether it changed since it was saved or opened, and the
// undo and redo of the commands that change it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "files/atomic_file.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

std::optional<std::string> fileBytes(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

ListState frmControl::listState() const {
  ListState s;
  s.fileBytes = fileBytes(program_.listPath());
  for (int i = 0; i < lstExist.ListCount(); ++i) {
    s.lines.push_back(lstExist.List(i));
    s.ticks.push_back(lstExist.Selected(i));
  }
  s.funcCount = g_.funcCount;
  s.current = lstExist.ListIndex();
  return s;
}

void frmControl::restoreListState(const ListState& state) {
  bool written = true;
  if (state.fileBytes) {
    written = replaceFileWith(program_.listPath(), *state.fileBytes);
  } else {
    std::error_code ignored;
    std::filesystem::remove(program_.listPath(), ignored);
  }
  if (!written) {
    message("写入函数列表文件错误", kTitleError);
    return;
  }
  {
    // The lines come back with their ticks; no tick of these starts a redraw.
    const bool wasRestoring = restoringList_;
    restoringList_ = true;
    const ListUpdate lines(lstExist);
    lstExist.Clear();
    for (std::size_t i = 0; i < state.lines.size(); ++i) {
      lstExist.AddItem(state.lines[i]);
      lstExist.setSelected(static_cast<int>(i), state.ticks[i]);
    }
    // The redraw draws only while a line is current.
    const int count = lstExist.ListCount();
    lstExist.setListIndex(state.current >= 0 && state.current < count ? state.current
                                                                      : (count > 0 ? 0 : -1));
    restoringList_ = wasRestoring;
  }
  g_.funcCount = state.funcCount;
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
  if (lstExist.ListCount() == 0) return false;
  return fileBytes(program_.listPath()) != savedList_;
}

void frmControl::markListSaved() { savedList_ = fileBytes(program_.listPath()); }

void frmControl::startNewDocument(bool saved) {
  history_.clear();
  if (saved) {
    markListSaved();
  } else {
    savedList_.reset();
  }
}

}  // namespace quorvel
