// Editing the list in place: a line's curve back on the 绘制 page and put in its
// place again (替换), a new colour, and a move up or down. Each is one undo step and
// keeps the document, the working list on disk and the picture in step.
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "document/form_entry.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr int kDrawPage = 1;

}  // namespace

void frmControl::stopEditing() {
  editingLine_ = -1;
  cmdReplace.setVisible(false);
}

void frmControl::resumeEditing(int line) {
  if (line < 0 || line >= lstExist.ListCount()) {
    stopEditing();
    return;
  }
  editingLine_ = line;
  cmdReplace.setVisible(true);
}

std::optional<FuncRecord> frmControl::recordOfLine(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= document_.size()) return std::nullopt;
  const FuncRecord* record = curveRecord(document_.at(static_cast<std::size_t>(line)));
  if (record == nullptr) return std::nullopt;
  return *record;
}

void frmControl::lstExist_DblClick(int line) {
  if (!loadLineOntoPage(line)) return;
  tbsControl.select(kDrawPage);
  resumeEditing(line);
}

bool frmControl::loadLineOntoPage(int line) {
  if (loadPlaneLineOntoPage(line)) return true;
  if (loadMarkedLineOntoPage(line)) return true;
  if (loadRegionLineOntoPage(line)) return true;
  const std::optional<FuncRecord> entry = recordOfLine(line);
  if (!entry || form(entry->family, entry->form) == nullptr) return false;
  const FuncRecord r = *entry;
  // The family and form as a user picks them, with their handling; then the texts.
  if (cboFuncName.ListIndex() == r.family) {
    cboFuncName_Click();
  } else {
    cboFuncName.setListIndex(r.family);
  }
  cboStyle[r.family].setListIndex(r.form);
  if (r.family == kCustomFamily) {
    txtExpression.setText(withoutTrailingBlanks(r.para1));
  } else {
    txtParameter[1].setText(withoutTrailingBlanks(r.para1));
    txtParameter[2].setText(withoutTrailingBlanks(r.para2));
    txtParameter[3].setText(withoutTrailingBlanks(r.para3));
  }
  if (box4Visible(r.family, r.form)) {
    txtParameter[4].setText(fourthParameter(document_.at(static_cast<std::size_t>(line))));
  }
  cboRangeX1.setText(withoutTrailingBlanks(r.rangeX1));
  cboRangeX2.setText(withoutTrailingBlanks(r.rangeX2));
  cboRangeY1.setText(withoutTrailingBlanks(r.rangeY1));
  cboRangeY2.setText(withoutTrailingBlanks(r.rangeY2));
  if (r.intX != 0) chkIntX.setEnabled(true);  // never ticked and out of reach
  chkIntX.setValue(r.intX != 0 ? 1 : 0);
  // Its own colour, chosen as with the colour button.
  chkAutoColor.setValue(0);
  g_.penColor = r.color;
  return true;
}

void frmControl::cmdReplace_Click() {
  const int line = editingLine_;
  if (line < 0 || line >= lstExist.ListCount()) {
    stopEditing();
    return;
  }
  replaceLine(line);
}

void frmControl::replaceLine(int line) {
  if (line < 0 || line >= lstExist.ListCount()) return;
  asUndoStep([this, line] {
    // Drawn and stored as a new curve first, with every check of the draw command;
    // then moved into the edited line's place.
    const std::size_t before = document_.size();
    cmdDraw_Click();
    if (document_.size() != before + 1) return;  // refused: nothing changed
    FunctionList next = document_;
    ListEntry drawn = next.at(before);
    next.remove(before);
    next.replace(static_cast<std::size_t>(line), std::move(drawn));
    if (!changeDocument(std::move(next), line)) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    g_.funcCount = static_cast<std::int32_t>(before) + 1;
    cmdRedraw_Click();
  });
}

void frmControl::recolourLine(int line) {
  if (recolourPlaneLine(line)) return;
  const std::optional<FuncRecord> shown = recordOfLine(line);
  if (!shown) return;
  // Opened on the line's own colour; a cancel gives it back, which changes nothing.
  const std::int32_t colour = program_.services.colors->choose(shown->color & 0xFFFFFF);
  if (colour == (shown->color & 0xFFFFFF)) return;
  asUndoStep([this, line, colour] {
    const auto at = static_cast<std::size_t>(line);
    std::optional<EntryContent> content = recolouredContent(document_.at(at), colour & 0xFFFFFF);
    if (!content) return;
    FunctionList next = document_;
    ListEntry recoloured = document_.at(at);
    recoloured.content = std::move(*content);
    next.replace(at, std::move(recoloured));
    if (!changeDocument(std::move(next), line)) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    cmdRedraw_Click();
  });
}

void frmControl::moveLine(int line, int by) {
  const int other = line + by;
  const int count = static_cast<int>(document_.size());
  if (line < 0 || other < 0 || line >= count || other >= count) return;
  asUndoStep([this, line, other] {
    FunctionList next = document_;
    next.swap(static_cast<std::size_t>(line), static_cast<std::size_t>(other));
    stopEditing();
    if (!changeDocument(std::move(next), other)) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    cmdRedraw_Click();
  });
}

}  // namespace quorvel
