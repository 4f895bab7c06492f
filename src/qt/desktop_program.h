#pragma once
// The windowed program: the drawing surface, the program on it and its three
// windows, built in the order each needs the others.
#include <filesystem>
#include <memory>

#include "qt/about_window.h"
#include "qt/analysis_window.h"
#include "qt/control_panel_window.h"
#include "qt/live_parameters_window.h"
#include "qt/main_window.h"
#include "qt/surface_widget.h"
#include "shell/program.h"

namespace quorvel {

class DesktopProgram {
 public:
  explicit DesktopProgram(Services services);
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  // Start-up: the screen's size goes to the main form, then the about box loads,
  // which shows the main window (whose load shows the control panel) and starts the
  // splash timer, and then shows itself. A list given to the program (its command
  // line's file) is then opened as 打开 opens the file its dialog chose, once the
  // windows are up: a failure's message shows over them.
  void start(const std::filesystem::path& list = {});

  WindowSurface surface;  // picPic, 500 × 500 pixels with a one-pixel border at first
  Program program;
  // The panel, the about box and the analysis window are children of the main window
  // and go with it.
  std::unique_ptr<MainWindow> mainWindow;
  ControlPanelWindow* panelWindow;
  AboutWindow* aboutWindow;
  AnalysisWindow* analysisWindow;
  LiveParametersWindow* liveWindow;
};

}  // namespace quorvel
