#include "qt/desktop_program.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/twips.h"

namespace quorvel {

DesktopProgram::DesktopProgram(Services services)
    : surface(500, 500, 1),
      program(surface, std::move(services)),
      mainWindow(std::make_unique<MainWindow>(program, surface)),
      panelWindow(new ControlPanelWindow(program, mainWindow.get())),
      aboutWindow(new AboutWindow(program, mainWindow.get())),
      analysisWindow(new AnalysisWindow(program, mainWindow.get())),
      liveWindow(new LiveParametersWindow(program, mainWindow.get())) {
  panelWindow->onLiveParameters = [this](int line) { liveWindow->openOn(line); };
  mainWindow->setPanelExtraWidth(panelWindow->extraWidth());
  program.main.showLiveParameters = [this] { liveWindow->openOn(-1); };
}

DesktopProgram::~DesktopProgram() {
  // The windows observe the program's controls: they go first.
  mainWindow.reset();
}

void DesktopProgram::start(const std::filesystem::path& list) {
  // The usable part of the screen: a desktop's own panels are not the program's.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = screen->availableGeometry().size();
    program.main.Screen.Width = toTwipsFromPixels(size.width());
    program.main.Screen.Height = toTwipsFromPixels(size.height());
  }
  program.about.Form_Load(program);
  if (!list.empty()) {
    QMetaObject::invokeMethod(
        mainWindow.get(), [this, list] { program.main.openGivenList(list); }, Qt::QueuedConnection);
  }
}

}  // namespace quorvel
