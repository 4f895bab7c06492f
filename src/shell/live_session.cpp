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
  const int current = lstExist.ListIndex();
  const bool hide =
      liveLine_ >= 0 && liveLine_ < lstExist.ListCount() && lstExist.Selected(liveLine_);
  const bool wasRestoring = restoringList_;
  restoringList_ = true;  // these ticks are no user's: no redraw, no undo step
  if (hide) lstExist.setSelected(liveLine_, false);
  lstExist.setListIndex(current);
  cmdRedraw_Click();
  if (hide) lstExist.setSelected(liveLine_, true);
  lstExist.setListIndex(current);
  restoringList_ = wasRestoring;
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
