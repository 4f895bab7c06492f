#include "qt/bind_window.h"

namespace quorvel {

namespace {

Qt::CursorShape cursorFor(int mousePointer) {
  switch (mousePointer) {
    case kHourglass: return Qt::WaitCursor;
    case kArrowHourglass: return Qt::BusyCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

WindowBinder::WindowBinder(Window& model, QWidget* window, std::function<void()> beforeShow)
    : Binder(model, window), model_(model), window_(window), beforeShow_(std::move(beforeShow)) {
  watch();
}

void WindowBinder::refresh() {
  const QString caption = qtText(model_.Caption());
  if (window_->windowTitle() != caption) window_->setWindowTitle(caption);
  const Qt::CursorShape shape = cursorFor(model_.MousePointer());
  if (window_->cursor().shape() != shape) {
    if (shape == Qt::ArrowCursor) {
      window_->unsetCursor();
    } else {
      window_->setCursor(shape);
    }
  }
  if (model_.Visible() == window_->isVisible()) return;
  if (model_.Visible()) {
    if (beforeShow_) beforeShow_();
    window_->show();
  } else {
    window_->hide();
  }
}

TimerBinder::TimerBinder(Timer& model, QWidget* owner) : Binder(model, owner), model_(model) {
  timer_.setSingleShot(false);
  connect(&timer_, &QTimer::timeout, this, [this] { model_.fire(); });
  watch();
}

void TimerBinder::refresh() {
  if (!model_.Enabled()) {
    timer_.stop();
  } else if (!timer_.isActive()) {
    timer_.start(model_.Interval);
  }
}

}  // namespace quorvel
