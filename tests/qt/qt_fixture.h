#pragma once
// The windowed program on the offscreen platform: scripted dialogs and message
// boxes, the real bitmap export, a fresh temporary program folder.
#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "shell/qt/desktop_program.h"
#include "shell/scripted_services.h"

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

}  // namespace quorvel::test
