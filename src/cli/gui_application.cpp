#include "cli/gui_application.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>

namespace quorvel::cli {

namespace {

void quietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "quorvel: Qt: %s\n", text.toLocal8Bit().constData());
  }
}

}  // namespace

GuiApplicationScope::GuiApplicationScope() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler_ = qInstallMessageHandler(quietQtMessages);
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() {
  if (!app_) return;
  app_.reset();
  qInstallMessageHandler(previousHandler_);
}

}  // namespace quorvel::cli
