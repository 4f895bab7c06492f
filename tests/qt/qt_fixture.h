#pragma once
// The windowed program on the offscreen platform: scripted dialogs and message
// boxes, the real bitmap export, a fresh temporary program folder; its user has
// chosen 经典外观, the original picture.
#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "qt/desktop_program.h"
#include "testing/scripted_services.h"

namespace quorvel::test {

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest();
  ~DesktopTest() override;

  // Lets queued work (the layout after a resize) run.
  static void settle();
  template <class W>
  W* panelWidget(const std::string& name) const {
    return desktop->panelWindow->findChild<W*>(QString::fromStdString(name));
  }
  // Draws y = k/x through the panel's models.
  void drawInverse(const std::string& k = "6");
  void clickToolbar(int position);

  std::filesystem::path folder;
  ScriptedServices kit;
  std::unique_ptr<DesktopProgram> desktop;
  Program& program;
  frmControl& panel;
  frmQuorvel& main;
};

std::filesystem::path makeTempFolder();

// Drives the modal dialog once it runs its own event loop (a dialog closed from
// inside show(), before exec() enters its loop, would leave that loop waiting):
// `act` gets the active modal widget once `awaited` says it is the one; a dialog that
// never shows ends the wait after five seconds with a failure.
void whenAModalShows(const std::function<bool(QWidget&)>& awaited,
                     const std::function<void(QWidget&)>& act);
template <class Dialog>
void whenTheDialogShows(const std::function<void(Dialog&)>& act) {
  whenAModalShows([](QWidget& w) { return qobject_cast<Dialog*>(&w) != nullptr; },
                  [act](QWidget& w) { act(*qobject_cast<Dialog*>(&w)); });
}

}  // namespace quorvel::test
