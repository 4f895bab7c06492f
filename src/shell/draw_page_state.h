#pragma once
// Everything the 绘制 page shows and the user set there: the family and the form of
// every family, the inputs a redraw keeps, 自动选色, and the line being edited with
// its 替换. A live session loads its curve onto the page and writes each slid value
// into a box; it keeps this first and puts it back when it ends, so closing the
// window leaves the page, and what the page's 绘制 and 替换 would do, as they were.
#include <array>

#include "catalogue/families.h"
#include "shell/panel_inputs.h"

namespace quorvel {

class frmControl;
struct mdlDeclare;

struct DrawPageState {
  int family = -1;
  std::array<int, kFamilyCount> forms{};
  PanelInputs inputs;
  int autoColor = 0;
  int editingLine = -1;
  bool replaceShown = false;

  static DrawPageState of(const frmControl& panel, const mdlDeclare& g);
  // Sets the page back. The family and forms go first: their handling sets defaults
  // (ranges, 整数, 连线 …), which the inputs then overwrite.
  void restore(frmControl& panel, mdlDeclare& g) const;

  bool operator==(const DrawPageState&) const = default;
};

}  // namespace quorvel
