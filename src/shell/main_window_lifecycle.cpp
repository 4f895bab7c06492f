// The main window's start-up, layout, activation and shut-down.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "catalogue/list_file_check.h"
#include "document/document_format.h"
#include "document/list_formats.h"
#include "eval/single_math.h"
#include "files/regular_file.h"
#include "files/stale_temporaries.h"
#include "plot/view.h"
#include "quorvel_version.h"
#include "settings/settings_file.h"
#include "shell/frm_quorvel.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr const char* kSettingsFile = "Quorvel.ini";
// An 800 × 600 screen keeps the designed size; any other sizes the window to it.
constexpr int kDesignedScreenWidth = 12000, kDesignedScreenHeight = 9000;
// The designed window: a client area of 7485 × 8100 inside its frame.
constexpr int kDesignedWidth = 7605, kDesignedHeight = 8610, kDesignedInnerHeight = 8100;
constexpr int kToolbarImages = 14;

// A list with at least one record: an empty file holds nothing to offer back.
bool hasRecords(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) > 0 &&
         !ec;
}

// The kept working list read as a document, or nullopt when it is a list file.
std::optional<ListReading> keptDocument(const std::filesystem::path& kept) {
  std::string start(16, '\0');
  {
    const ReadableFile in(kept);
    if (!in.isOpen()) return std::nullopt;
    start.resize(std::fread(start.data(), 1, start.size(), in.get()));
  }
  if (!looksLikeDocument(start)) return std::nullopt;
  return readListFile(kept);
}

void removeIfPresent(const std::filesystem::path& file) {
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
}

}  // namespace

void frmQuorvel::Form_Load() {
  if (loaded_) return;
  loaded_ = true;
  if (Width == 0 && Height == 0) {
    Width = kDesignedWidth;
    Height = kDesignedHeight;
    ScaleHeight = kDesignedInnerHeight;
  }
  frmControl& panel = program_.panel;
  mdlDeclare& g = program_.g;

  setCaption(std::string("Quorvel ") + kVersion);
  // What a run that was killed left behind: the temporary files of its saves and the
  // command line's private folders.
  removeStaleTemporariesOf(program_.folder() / kSettingsFile);
  removeStaleTemporariesOf(program_.listPath());
  removeStalePrivateFolders();
  // A list left over from an earlier run is never reused as it is: kept aside to be
  // offered back once the panel is ready (below), otherwise deleted.
  // Of the two files the working list may be in, the one that holds it.
  const ListJournal& journal = program_.journal;
  const std::optional<std::filesystem::path> left = journal.current();
  if (left && program_.working.inProgramFolder() && hasRecords(*left)) {
    std::error_code ec;
    std::filesystem::rename(*left, journal.recoveryPath(), ec);
  }
  journal.remove();
  panel.Form_Load();  // selects "自定义", with its family handling and defaults
  panel.Show();
  Top = 0;
  if (Screen.Width != kDesignedScreenWidth || Screen.Height != kDesignedScreenHeight) {
    Height = Screen.Height - 390;
    Width = Height - 1005;
  }
  g.graphOnScreen = false;
  g.zoomPending = false;

  const Settings initial{panel.sldLevel.Value(), panel.sldPenWidth.Value(), panel.sldZoom.Value(),
                         panel.cboFuncName.ListIndex()};
  const std::filesystem::path settingsPath = program_.folder() / kSettingsFile;
  std::error_code ec;
  if (std::filesystem::exists(settingsPath, ec)) {
    const Settings s = readSettings(settingsPath, initial);
    panel.sldLevel.setValue(s.level);
    panel.sldPenWidth.setValue(s.penWidth);
    panel.sldZoom.setValue(s.zoom);
    panel.cboFuncName.setListIndex(s.family);  // runs the family handling when it changes
  }
  g.zoomScale = panel.sldZoom.Value();

  for (int i = 1; i <= kToolbarImages; ++i) {
    imgTransfer.Add(i);
    tbMain.button(i + 1).Image = i;
  }
  recoverWorkingList();
}

void frmQuorvel::recoverWorkingList() {
  const std::filesystem::path& kept = program_.journal.recoveryPath();
  std::error_code ec;
  if (!std::filesystem::exists(kept, ec)) return;
  // A document is written whole or not at all: it is offered back as it is.
  if (std::optional<ListReading> document = keptDocument(kept)) {
    if (!document->list || document->list->empty()) {
      program_.journal.keepRecoveryAside();
      return;
    }
    if (program_.services.questions->ask(kRecoveryPrompt, kQuestionTitle, {"恢复", "不恢复"}) !=
        0) {
      removeIfPresent(kept);
      return;
    }
    finishRecovery(openList(std::move(*document->list), kept), kept);
    return;
  }
  // A crash can cut the list in the middle of a record: the whole ones before it and
  // after it are still good.
  const SalvagedList salvage = salvageListFile(kept);
  if (!salvage.readable || salvage.kept == 0) {
    // Nothing to offer back, but nothing the user might still want is deleted.
    program_.journal.keepRecoveryAside();
    return;
  }
  std::string prompt = kRecoveryPrompt;
  if (salvage.lost > 0) {
    prompt += "\n可以恢复 " + std::to_string(salvage.kept) + " 条函数；" +
              std::to_string(salvage.lost) + " 条记录不完整或已损坏，不能恢复。";
  }
  if (program_.services.questions->ask(prompt, kQuestionTitle, {"恢复", "不恢复"}) != 0) {
    removeIfPresent(kept);
    return;
  }
  finishRecovery(openListBytes(salvage.bytes, kept), kept);
}

void frmQuorvel::finishRecovery(bool opened, const std::filesystem::path& kept) {
  if (!opened) {
    program_.journal.keepRecoveryAside();
    return;
  }
  // Restored as 打开 restores a list, but saved nowhere yet.
  program_.panel.startNewDocument(false);
  removeIfPresent(kept);
}

bool frmQuorvel::Form_QueryUnload() { return !confirmLosingList(); }

void frmQuorvel::Form_Resize() {
  frmControl& panel = program_.panel;
  mdlDeclare& g = program_.g;
  // Each step stands alone: one that cannot be carried out (a negative size when the
  // window is very small) is skipped and the next one runs.
  if (State == WindowState::Minimized) {
    tbMain.button(2).setValue(false);  // the panel itself is left alone
  } else {
    if (State == WindowState::Maximized) panel.chkAutoRedraw.setValue(1);
    if (!Presenting) {
      tbMain.button(2).setValue(true);
      tbMain_ButtonClick(2);  // shows the panel
    }

    // The placeholder pushes the commands towards the middle of the bar.
    const double gap = roundHalfEven(static_cast<double>(Width) / 3 - 2200);
    if (gap >= 0) tbMain.button(1).setWidth(static_cast<int>(gap));

    // Presenting, the window has neither frame nor toolbar.
    const int surfaceHeight = Presenting ? ScaleHeight : ScaleHeight - 600;
    const int surfaceWidth = Presenting ? Width : Width - 105;
    picPic.Resize(static_cast<float>(surfaceWidth >= 0 ? surfaceWidth : picPic.Width()),
                  static_cast<float>(surfaceHeight >= 0 ? surfaceHeight : picPic.Height()));

    ProgressBarWorking.setLeft(Width - 1485);
    picCoordinate.setLeft(Width - 1405);

    // Origin in the middle of the surface, one view unit per twip.
    centreView(g, picPic.Width(), picPic.Height());
    g.viewKept = false;
    picPic.Scale(static_cast<float>(g.viewLeft), static_cast<float>(g.viewTop),
                 static_cast<float>(g.viewRight), static_cast<float>(g.viewBottom));
  }

  if (g.graphOnScreen) {
    setMousePointer(kArrowHourglass);
    picPic.Cls();
    panel.cmdRedraw_Click();
  } else if (panel.Loaded()) {
    // A picture with no curve still shows the axes of the centred view.
    panel.showEmptyAxes();
  }
  setMousePointer(kDefaultPointer);
}

void frmQuorvel::Form_Activate() {
  // A maximized window brings the panel back in front (or keeps it hidden).
  if (State == WindowState::Maximized) tbMain_ButtonClick(2);
}

void frmQuorvel::Form_Unload() {
  program_.journal.remove();
  const frmControl& panel = program_.panel;
  const Settings current{panel.sldLevel.Value(), panel.sldPenWidth.Value(), panel.sldZoom.Value(),
                         panel.cboFuncName.ListIndex()};
  // Nobody is left to tell at shut-down: a settings file that cannot be written
  // leaves the old one in place.
  writeSettings(program_.folder() / kSettingsFile, current);
}

}  // namespace quorvel
