// A curve changed live from its parameters' sliders: the other ticked curves are
// drawn once and kept, and each new state of the curve is drawn over them by the
// draw command in a quiet mode that stores nothing and shows no message box. The
// session borrows the 绘制 page to hold the curve's texts and gives it back as it was.
#include "catalogue/curve_rules.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void frmControl::beginLive(int line) {
  if (liveActive_) endLive();
  const DrawPageState page = DrawPageState::of(*this, g_);
  std::optional<FuncRecord> record;
  if (line >= 0) {
    record = recordOfLine(line);
    // Its curve on the 绘制 page; the page's own 替换 stays as it is.
    if (!record || !loadLineOntoPage(line)) return;
  }
  livePage_ = page;
  liveRecord_ = record;
  liveLineText_ = line >= 0 ? lstExist.List(line) : std::string();
  liveLine_ = line;
  liveActive_ = true;
  drawLiveBackground();
}

bool frmControl::replaceLiveLine() {
  if (!liveActive_ || liveLine_ < 0) return false;
  // The list may have changed while the window was open: a line that now holds
  // another curve (or is gone) is never replaced in its stead.
  if (recordOfLine(liveLine_) != liveRecord_ || lstExist.List(liveLine_) != liveLineText_) {
    message("原来的曲线已被删除或改动，不能替换", kTitleError);
    return false;
  }
  const ListState before = listState();
  replaceLine(liveLine_);
  return !before.sameList(listState());
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
  liveRecord_.reset();
  livePage_.restore(*this, g_);
  cmdRedraw_Click();
}

}  // namespace quorvel
