#pragma once
// The Qt application that pictures need (fonts, painting), made only when none
// exists yet. Without a QT_QPA_PLATFORM of the user's choice it uses the offscreen
// platform, so no display is ever needed. While it lives, Qt's own debug notes and
// warnings (about the session's run-time folder and the like) stay off the
// command's standard error; critical messages still go there.
#include <QtGlobal>
#include <memory>

class QGuiApplication;

namespace quorvel::cli {

class GuiApplicationScope {
 public:
  GuiApplicationScope();
  ~GuiApplicationScope();
  GuiApplicationScope(const GuiApplicationScope&) = delete;
  GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

 private:
  // QGuiApplication keeps references to these for its whole life.
  int argc_ = 1;
  char name_[8] = "quorvel";
  char* argv_[2] = {name_, nullptr};
  QtMessageHandler previousHandler_ = nullptr;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace quorvel::cli
