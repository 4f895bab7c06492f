// quorvel with a subcommand runs the headless command line; without one (or with
// only Qt's own options and a list file to open) it opens the windows; any other
// word is refused.
#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "qt/app_font.h"
#include "qt/desktop_program.h"
#include "qt/program_folder.h"
#include "qt/qt_services.h"
#include "qt/qt_texts.h"
#include "quorvel_version.h"

namespace {

// Without a display server (and no platform chosen by hand) Qt would abort.
bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const quorvel::cli::LaunchChoice choice = quorvel::cli::chooseLaunch(args);
  switch (choice.launch) {
    case quorvel::cli::Launch::CommandLine:
      return quorvel::cli::run(args, std::cin, std::cout, std::cerr);
    case quorvel::cli::Launch::Refused: return quorvel::cli::refuse(choice.refusal, std::cerr);
    case quorvel::cli::Launch::Windows: break;
  }
  if (!displayAvailable()) {
    std::cerr << "quorvel: no display to open the windows on (neither DISPLAY nor "
                 "WAYLAND_DISPLAY is set).\n"
                 "The commands that need no display are listed by `quorvel --help`.\n";
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  QApplication::setApplicationVersion(QString::fromLatin1(quorvel::kVersion));
  // The desktop matches the windows to the menu entry (and its icon) by this name.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(quorvel::kAppId));
  // Drawn from the SVG at whatever size the desktop asks (Qt's SVG icon engine).
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/quorvel.svg")));
  quorvel::useChineseQtTexts();
  quorvel::useChineseApplicationFont();

  const std::filesystem::path folder = quorvel::applicationProgramFolder();
  quorvel::DesktopProgram desktop(quorvel::makeQtServices(folder));
  // Ends at once: quit() would first ask every window to close, and one that stays
  // open when asked would keep the program running with no main window.
  desktop.mainWindow->onUnloaded = [] { QCoreApplication::exit(0); };
  desktop.start(choice.listFile);
  return QApplication::exec();
}
