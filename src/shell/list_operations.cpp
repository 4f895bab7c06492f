// The list of drawn curves: clear, delete, redraw (the one way of repainting) and the
// tick handler. Line i of lstExist shows entry i of the document.
#include <algorithm>

#include "analysis/derived_calculus.h"
#include "catalogue/curve_rules.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The refused records a message names one by one; the rest are counted.
constexpr std::size_t kRecordsNamed = 5;

}  // namespace

void frmControl::cmdClear_Click() {
  stopEditing();
  g_.zoomMode = 0;
  sldZoom.setValue(500);
  g_.graphOnScreen = false;
  g_.viewKept = false;
  g_.zoomPending = false;
  g_.funcCount = 1;
  document_.clear();
  showDocument(-1);
  // A cleared picture shows the axes of the centred view.
  showEmptyAxes();
  // No working list at all, as after the start.
  program_.journal.remove();
  onDisk_ = false;
}

void frmControl::cmdDelete_Click() {
  const int current = lstExist.ListIndex();
  if (current == -1) {
    cmdClear_Click();
    return;
  }
  FunctionList next = document_;
  next.remove(static_cast<std::size_t>(current));
  // The line that takes the deleted one's place becomes current, so the redraw below
  // draws the remaining curves instead of leaving the surface blank.
  const int count = static_cast<int>(next.size());
  stopEditing();
  if (!changeDocument(std::move(next), count > 0 ? std::min(current, count - 1) : -1)) {
    message("删除函数错误", kTitleError);
    return;
  }
  g_.funcCount = count + 1;
  cmdRedraw_Click();
}

void frmControl::cmdRedraw_Click() { redrawList(document_); }

void frmControl::redrawList(const FunctionList& list) {
  if (redrawRunning_) return;  // never nested: a redraw draws everything anyway
  redrawRunning_ = true;
  liveKept_ = false;  // a live curve's kept picture is gone with this one
  DrawState state = drawState();
  const std::size_t drawn = drawPicture(*canvas, list, state);
  takeDrawState(state);
  // Nothing ticked or nothing left: the axes still show the view.
  if (drawn == 0) showEmptyAxes();
  redrawRunning_ = false;
}

void frmControl::reportRefusedRecords() {
  if (refusedRecords_.empty()) return;
  if (refusedRecords_.size() == 1) {
    program_.message(refusedRecords_.front().prompt, refusedRecords_.front().title);
    return;
  }
  std::string prompt = "列表中有 " + std::to_string(refusedRecords_.size()) +
                       " 条函数未通过检查，没有画出（已取消勾选）：";
  for (std::size_t i = 0; i < refusedRecords_.size() && i < kRecordsNamed; ++i) {
    const RecordedMessage& r = refusedRecords_[i];
    prompt += "\n第 " + std::to_string(r.record) + " 条：" + r.prompt;
  }
  if (refusedRecords_.size() > kRecordsNamed) prompt += "\n……";
  program_.message(prompt, kTitleError);
}

std::size_t frmControl::drawPicture(Surface& target, const FunctionList& list, DrawState& state) {
  // Without a current line the redraw only clears the surface.
  if (lstExist.ListIndex() == -1) {
    target.Cls();
    return 0;
  }
  setMousePointer(kHourglass);
  ListPicture picture{drawSettings(), randomNumbers(), pictureOverlays, derivedFunctions()};
  const ListDrawn drawn = drawList(target, list, picture, state);
  frmQuorvel& mainWindow = program_.main;
  if (drawn.drawn > 0 && !mainWindow.Visible()) mainWindow.Show();
  mainWindow.ProgressBarWorking.setVisible(false);
  setMousePointer(kDefaultPointer);
  for (const EntryRefusal& r : drawn.refused) message(r.refusal.message, r.refusal.title);
  return drawn.drawn;
}

DrawSettings frmControl::drawSettings() const {
  ProgressBar& bar = program_.main.ProgressBarWorking;
  DrawSettings settings{.level = sldLevel.Value(),
                        .penWidth = sldPenWidth.Value(),
                        .autoRedraw = chkAutoRedraw.Value() == 1,
                        .style = pictureStyle(),
                        .progress = [&bar](int hundredths) {
                          bar.setVisible(true);
                          (void)bar.setValue(hundredths);
                        }};
  if (presenting_) {
    const PresentedLook look = presentedLook(settings.style, settings.penWidth);
    settings.style = look.style;
    settings.penWidth = look.penWidth;
  }
  return settings;
}

DrawState frmControl::drawState() const { return DrawState{g_, sldZoom.Value()}; }

void frmControl::takeDrawState(const DrawState& state) {
  static_cast<CanvasView&>(g_) = state.view;
  if (sldZoom.Value() != state.scale) sldZoom.setValue(state.scale);
}

void frmControl::replayOnto(Surface& target) {
  DrawState state = drawState();
  // A zoom still pending belongs to the screen's next draw, not to this picture.
  state.view.zoomPending = false;
  drawPicture(target, document_, state);
}

void frmControl::replayCentredOnto(Surface& target) {
  DrawState state = drawState();
  state.view.zoomPending = false;
  // Nothing drawn yet: the first curve centres the picture's own view anyway.
  if (state.view.graphOnScreen) recentreView(state.view, target.Width(), target.Height());
  drawPicture(target, document_, state);
}

void frmControl::lstExist_ItemCheck(int item) {
  // Only a user's tick counts: the list box shows the document, and a line the
  // program adds or puts back is shown ticked without a redraw in the middle of the
  // command.
  if (drawRunning_ || redrawRunning_) return;
  if (item < 0 || static_cast<std::size_t>(item) >= document_.size()) return;
  const bool ticked = lstExist.Selected(item);
  if (document_.at(static_cast<std::size_t>(item)).ticked == ticked) return;
  // A user's tick is a step of its own: undo puts the tick back.
  history_.record(listState());
  document_.setTicked(static_cast<std::size_t>(item), ticked);
  if (tbsControl.SelectedCaption() == "视图") cmdRedraw_Click();
}

}  // namespace quorvel
