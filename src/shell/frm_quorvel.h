#pragma once
// The main window's toolkit-neutral state: the toolbar and its commands, the drawing
// surface, the coordinate read-out, the progress bar and the splash timer.
// Start-up, layout on resize, the settings file and shut-down live in their own
// files beside this one.
#include <array>
#include <string>

#include "plot/surface.h"
#include "shell/named_controls.h"
#include "shell/toolkit/controls.h"

namespace quorvel {

class Program;

// The toolbar; buttons are numbered from 1 (the leftmost, a placeholder).
struct Toolbar : Control {
  using Control::Control;
  static constexpr int kButtonCount = 13;
  std::array<ToolbarButton, kButtonCount> Buttons =
      namedControls<ToolbarButton, kButtonCount>("tbMain.Buttons", 1);
  ToolbarButton& button(int position) { return Buttons.at(static_cast<std::size_t>(position - 1)); }
  const ToolbarButton& button(int position) const {
    return Buttons.at(static_cast<std::size_t>(position - 1));
  }
};

class frmQuorvel : public Window {
 public:
  frmQuorvel(Program& program, Surface& surface);
  frmQuorvel(const frmQuorvel&) = delete;
  frmQuorvel& operator=(const frmQuorvel&) = delete;

  Toolbar tbMain{"tbMain"};
  ProgressBar ProgressBarWorking{"ProgressBarWorking"};
  Control picCoordinate{"picCoordinate"};
  Label lblCoordinate{"lblCoordinate"};
  Surface& picPic;
  Timer tmrSplash;

  // The toolbar's button-click event: runs the command named by the button's caption
  // with zoomMode suspended.
  void tbMain_ButtonClick(int position);
  // A user's click on a toolbar button: a check button changes its pressed state
  // first, as the platform does, then the click event runs.
  void clickToolbarButton(int position);

  // Mouse events of the drawing surface; x and y in view units, button 1 = left.
  void picPic_MouseMove(int button, int shift, float x, float y);
  void picPic_MouseUp(int button, int shift, float x, float y);

  void tmrSplash_Timer();

 private:
  void buildToolbar();
  // The commands of the toolbar. A failed opening returns false: zoomMode then stays 0.
  void showOrHidePanel();
  bool openList();
  void saveList();
  void exportImage();
  void printImage();
  void showAbout();

  Program& program_;
};

}  // namespace quorvel
