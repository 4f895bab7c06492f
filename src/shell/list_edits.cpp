// Editing the list in place: a line's curve back on the 绘制 page and put in its
// place again (替换), a new colour, and a move up or down. Each is one undo step and
// keeps the list, Funclist.dat and the picture in step.
#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/list_file.h"
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
  if (line < 0 || line >= lstExist.ListCount()) return std::nullopt;
  ListFile file(program_.listPath());
  return file.isOpen() ? file.read(line + 1) : std::nullopt;
}

void frmControl::lstExist_DblClick(int line) {
  if (!loadLineOntoPage(line)) return;
  tbsControl.select(kDrawPage);
  resumeEditing(line);
}

bool frmControl::loadLineOntoPage(int line) {
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
    const int before = lstExist.ListCount();
    cmdDraw_Click();
    if (lstExist.ListCount() != before + 1) return;  // refused: nothing changed
    bool moved = false;
    {
      ListFile file(program_.listPath());
      const std::optional<FuncRecord> drawn = file.isOpen() ? file.read(before + 1) : std::nullopt;
      moved =
          drawn && file.write(line + 1, *drawn) && file.truncateToRecords(before) && file.flush();
    }
    if (!moved) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    const bool wasRestoring = restoringList_;
    restoringList_ = true;
    lstExist.setItemText(line, lstExist.List(before));
    lstExist.RemoveItem(before);
    lstExist.setSelected(line, true);
    restoringList_ = wasRestoring;
    g_.funcCount = before + 1;
    cmdRedraw_Click();
  });
}

void frmControl::recolourLine(int line) {
  const std::optional<FuncRecord> shown = recordOfLine(line);
  if (!shown) return;
  // Opened on the line's own colour; a cancel gives it back, which changes nothing.
  const std::int32_t colour = program_.services.colors->choose(shown->color & 0xFFFFFF);
  if (colour == (shown->color & 0xFFFFFF)) return;
  asUndoStep([this, line, colour] {
    bool written = false;
    {
      ListFile file(program_.listPath());
      std::optional<FuncRecord> r = file.isOpen() ? file.read(line + 1) : std::nullopt;
      if (r) {
        r->color = colour & 0xFFFFFF;
        written = file.write(line + 1, *r) && file.flush();
      }
    }
    if (!written) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    lstExist.setListIndex(line);
    cmdRedraw_Click();
  });
}

void frmControl::moveLine(int line, int by) {
  const int other = line + by;
  if (line < 0 || other < 0 || line >= lstExist.ListCount() || other >= lstExist.ListCount()) {
    return;
  }
  asUndoStep([this, line, other] {
    bool written = false;
    {
      ListFile file(program_.listPath());
      const std::optional<FuncRecord> a = file.isOpen() ? file.read(line + 1) : std::nullopt;
      const std::optional<FuncRecord> b = file.isOpen() ? file.read(other + 1) : std::nullopt;
      written = a && b && file.write(line + 1, *b) && file.write(other + 1, *a) && file.flush();
    }
    if (!written) {
      message("写入函数列表文件错误", kTitleError);
      return;
    }
    lstExist.swapItems(line, other);
    lstExist.setListIndex(other);
    stopEditing();
    cmdRedraw_Click();
  });
}

}  // namespace quorvel
