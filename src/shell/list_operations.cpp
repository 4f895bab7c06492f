// The list of drawn curves: clear, delete, redraw (the one way of repainting) and the
// tick handler. Line i of lstExist and record i + 1 of Funclist.dat are one entry.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/list_file.h"
#include "catalogue/parameter_slots.h"
#include "plot/picture_texts.h"
#include "shell/frm_control.h"
#include "shell/panel_inputs.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The refused records a message names one by one; the rest are counted.
constexpr std::size_t kRecordsNamed = 5;

}  // namespace

void frmControl::cmdClear_Click() {
  stopEditing();
  canvas->Cls();
  g_.zoomMode = 0;
  sldZoom.setValue(500);
  g_.graphOnScreen = false;
  g_.zoomPending = false;
  g_.funcCount = 1;
  lstExist.Clear();
  std::error_code ignored;
  std::filesystem::remove(program_.listPath(), ignored);
}

void frmControl::cmdDelete_Click() {
  const int current = lstExist.ListIndex();
  if (current == -1) {
    cmdClear_Click();
    return;
  }
  // A temporary file left by an earlier run must not lend its records to the new list.
  std::error_code ec;
  std::filesystem::remove(program_.tempListPath(), ec);
  bool ok = false;
  {
    ListFile list(program_.listPath());
    ListFile temp(program_.tempListPath());
    if (list.isOpen() && temp.isOpen()) {
      ok = true;
      const auto slots = list.length() / kSlotSize;  // records minus one
      const std::int32_t last = slots > 0x7FFFFFFE ? 0x7FFFFFFE : static_cast<std::int32_t>(slots);
      // The later records move up by one over the deleted one.
      for (std::int32_t i = current + 1; i <= last; ++i) {
        if (const std::optional<FuncRecord> r = list.read(i + 1)) {
          listEntry = *r;
          ok = list.write(i, listEntry) && ok;
        }
      }
      // The remaining records, without the old last one, into the temporary file.
      for (std::int32_t j = 1; j <= last; ++j) {
        if (const std::optional<FuncRecord> r = list.read(j)) {
          listEntry = *r;
          ok = temp.write(j, listEntry) && ok;
        }
      }
      ok = temp.flush() && ok;
    }
  }
  // The rename replaces Funclist.dat in one step, so it is never missing meanwhile.
  if (ok) {
    std::filesystem::rename(program_.tempListPath(), program_.listPath(), ec);
    ok = !ec;
  }
  if (!ok) {
    message("删除函数错误", kTitleError);
    return;
  }
  g_.funcCount = g_.funcCount - 1;
  stopEditing();
  lstExist.RemoveItem(current);
  // The line that took the deleted one's place becomes current, so the redraw below
  // replays the remaining curves instead of leaving the surface blank.
  if (lstExist.ListCount() > 0) lstExist.setListIndex(std::min(current, lstExist.ListCount() - 1));
  cmdRedraw_Click();
}

void frmControl::cmdRedraw_Click() {
  if (redrawRunning_) return;  // never nested: a redraw replays everything anyway
  redrawRunning_ = true;
  const bool opening = g_.listFromFile;
  if (opening) refusedRecords_.clear();
  style_ = pictureStyle();
  liveKept_ = false;  // a live curve's kept picture is gone with this one
  canvas->Cls();
  if (lstExist.ListIndex() == -1 && !g_.listFromFile) {
    redrawRunning_ = false;
    return;
  }
  // Each entry is loaded into the panel to be drawn; what the user had there comes
  // back afterwards.
  const PanelInputs userInputs = PanelInputs::of(*this, g_);
  // The grid (and the modern look's axes) under the first curve drawn; the curves'
  // names over all of them.
  gridPending_ = style_.grid;
  axesPending_ = style_.modern;
  axisTexts_.clear();
  std::vector<LabelledCurve> labelled;
  if (style_.modern || style_.labels != CurveLabels::None) labelled_ = &labelled;
  std::int32_t loaded = 0;
  {
    // An opened list adds a line per record: the list is shown once, at the end.
    std::optional<ListUpdate> lines;
    if (opening) lines.emplace(lstExist);
    ListFile file(program_.listPath());
    const std::int32_t last = file.isOpen() ? file.recordCount() : 0;
    replayFile_ = &file;
    for (std::int32_t n = 1; n <= last; ++n) {
      g_.recordNo = n;
      const bool ticked = n - 1 < lstExist.ListCount() && lstExist.Selected(n - 1);
      if (g_.listFromFile || ticked) replayEntry(file, loaded);
    }
    replayFile_ = nullptr;
  }
  labelled_ = nullptr;
  gridPending_ = false;
  axesPending_ = false;
  // The modern look writes every text of the picture over the curves, each clear of
  // the others; what the overlays write keeps clear of them too.
  std::optional<LabelSpace> texts;
  if (style_.modern) {
    texts.emplace(*canvas, labelled);
    writePictureTexts(*canvas, *texts, axisTexts_, labelled, style_.labels);
  } else {
    drawCurveLabels(*canvas, labelled, axisLabels_, style_.labels);
  }
  if (g_.listFromFile) {
    g_.listFromFile = false;
    // Only whole records count: an empty file gives an empty list.
    g_.funcCount = loaded + 1;
  }
  for (const auto& overlay : pictureOverlays) overlay(*canvas, texts ? &*texts : nullptr);
  userInputs.restore(*this, g_);
  redrawRunning_ = false;
  if (opening) reportRefusedRecords();
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

void frmControl::replayOnto(Surface& target) {
  const mdlDeclare state = g_;
  Surface* const screen = canvas;
  canvas = &target;
  // A zoom still pending belongs to the screen's next draw, not to this picture.
  g_.zoomPending = false;
  cmdRedraw_Click();
  canvas = screen;
  g_ = state;
}

void frmControl::replayCentredOnto(Surface& target) {
  const mdlDeclare state = g_;
  // Nothing drawn yet: the draw command centres the picture's own view anyway.
  if (g_.graphOnScreen) recentreView(g_, target.Width(), target.Height());
  replayOnto(target);
  g_ = state;
}

void frmControl::replayEntry(ListFile& file, std::int32_t& loaded) {
  const std::optional<FuncRecord> entry = file.read(g_.recordNo);
  if (!entry) return;  // past the end of the file: nothing to replay
  ++loaded;
  g_.redrawing = true;
  listEntry = *entry;
  g_.activeFamily = static_cast<float>(listEntry.family);
  // The entry's own form chooses its defaults, and its 整数 box starts unticked as on
  // a fresh panel (the draw command then loads the stored value): nothing the
  // previous entry left decides how this one is drawn.
  funcForm = listEntry.form;
  chkIntX.setValue(0);
  cmdDefault_Click();
  const int linesBefore = lstExist.ListCount();
  cmdDraw_Click();
  // An entry that stopped at a check leaves the flag set; the next draw must not
  // take itself for a replay.
  g_.redrawing = false;
  if (g_.listFromFile && lstExist.ListCount() == linesBefore) {
    // A record that failed a check still gets its line, unticked, so that line i
    // stays record i + 1.
    lstExist.AddItem(listTextOfEntry(*entry));
  }
}

std::string frmControl::listTextOfEntry(const FuncRecord& entry) const {
  CurveParams c;
  c.funcFamily = entry.family;
  c.funcForm = entry.form;
  const std::string fallback = withoutTrailingBlanks(entry.para1);
  const FormInfo* info =
      entry.family >= 0 && entry.family < kFamilyCount ? form(entry.family, entry.form) : nullptr;
  if (info == nullptr) return fallback;
  if (entry.family == kCustomFamily) {
    c.expression = asciiLower(fallback);
  } else if (!readSlotParameters(
                 *info,
                 {withoutTrailingBlanks(entry.para1), withoutTrailingBlanks(entry.para2),
                  withoutTrailingBlanks(entry.para3)},
                 c)) {
    return fallback;
  }
  const std::optional<std::string> text = listText(c);
  return text && !text->empty() ? *text : fallback;
}

void frmControl::lstExist_ItemCheck(int item) {
  // The draw command ticks each line it adds; that tick (and any tick during a
  // replay or while a list state is put back) must not start a redraw in the middle
  // of the command.
  if (drawRunning_ || redrawRunning_ || restoringList_) return;
  // A user's tick is a step of its own: undo puts the tick back.
  ListState before = listState();
  if (item >= 0 && static_cast<std::size_t>(item) < before.ticks.size()) {
    before.ticks[static_cast<std::size_t>(item)] = !before.ticks[static_cast<std::size_t>(item)];
    history_.record(std::move(before));
  }
  if (tbsControl.SelectedCaption() == "视图" && !g_.listFromFile) cmdRedraw_Click();
}

}  // namespace quorvel
