// The widget tests need a QApplication; the offscreen platform needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "qt/app_font.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // Qt's own settings (the file dialog's history) go to a test folder, not the
  // user's: no run depends on what an earlier one left there.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  quorvel::useChineseApplicationFont();
  return RUN_ALL_TESTS();
}
