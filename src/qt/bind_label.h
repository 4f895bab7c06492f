#pragma once
// Labels: the caption, its underline and the click.
#include <QLabel>
#include <functional>

#include "qt/binder.h"

namespace quorvel {

// A label that reports clicks (press and release over it) and pointer moves, and
// keeps both to itself: a move over a label is not a move over the window below it.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(QWidget* parent);
  std::function<void()> onClick;
  std::function<void()> onMouseMove;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

class LabelBinder : public Binder {
 public:
  LabelBinder(Label& model, LabelWidget* widget);

 private:
  void refresh() override;
  Label& model_;
  LabelWidget* widget_;
};

}  // namespace quorvel
