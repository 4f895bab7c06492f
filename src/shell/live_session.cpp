// A curve changed live from its parameters' sliders: the other ticked curves are
// drawn once and kept, and each new state of the curve is drawn over them by the
// draw command in a quiet mode that stores nothing and shows no message box.
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void frmControl::beginLive(int line) {
  if (line >= 0) {
    if (line >= lstExist.ListCount()) return;
    lstExist_DblClick(line);  // its curve on the 绘制 page, 替换 shown
  }
  liveLine_ = line;
  liveActive_ = true;
  drawLiveBackground();
}

void frmControl::drawLiveBackground() {
  // The line being changed is left out while it changes.
  FunctionList shown = document_;
  if (liveLine_ >= 0 && static_cast<std::size_t>(liveLine_) < shown.size()) {
    shown.setTicked(static_cast<std::size_t>(liveLine_), false);
  }
  redrawList(shown);
  liveKept_ = canvas->KeepPicture();
}

std::string frmControl::liveStep() {
  if (!liveActive_) return {};
  if (!liveKept_ || !canvas->RestorePicture()) drawLiveBackground();
  previewing_ = true;
  previewNote_.clear();
  cmdDraw_Click();
  previewing_ = false;
  return previewNote_;
}

void frmControl::endLive() {
  if (!liveActive_) return;
  liveActive_ = false;
  liveLine_ = -1;
  liveKept_ = false;
  cmdRedraw_Click();
}

}  // namespace quorvel
