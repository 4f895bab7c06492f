#pragma once
// A form's window: caption, shown or hidden, and the mouse pointer. The form's
// position and size are not observed: the window reads and writes them when it is
// laid out (see the windows themselves).
#include <QTimer>
#include <QWidget>
#include <functional>

#include "qt/binder.h"

namespace quorvel {

class WindowBinder : public Binder {
 public:
  // beforeShow runs each time the model's Show is about to show the window (the
  // main window takes its size and position from the form there).
  WindowBinder(Window& model, QWidget* window, std::function<void()> beforeShow = {});

 private:
  void refresh() override;
  Window& model_;
  QWidget* window_;
  std::function<void()> beforeShow_;
};

// A form's timer: runs while the model is enabled, and ticks the model.
class TimerBinder : public Binder {
 public:
  TimerBinder(Timer& model, QWidget* owner);

 private:
  void refresh() override;
  Timer& model_;
  QTimer timer_;
};

}  // namespace quorvel
