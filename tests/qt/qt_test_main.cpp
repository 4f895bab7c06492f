// The widget tests need a QApplication; the offscreen platform needs no display.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/qt/app_font.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  quorvel::useChineseApplicationFont();
  return RUN_ALL_TESTS();
}
