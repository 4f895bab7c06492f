#pragma once
// Pictures used as buttons: the icons over the command buttons and the pan pad.
// Press, release and click go to the model in the platform's order (MouseDown,
// MouseUp, then Click when released over the picture); BorderStyle 1 draws the
// picture sunk in, as pressed.
#include <QIcon>
#include <QWidget>

#include "qt/binder.h"

namespace quorvel {

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent);
  void setIcon(const QIcon& icon);
  void setSunken(bool sunken);
  bool sunken() const { return sunken_; }

  std::function<void()> onPress;
  std::function<void()> onRelease;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QIcon icon_;
  bool sunken_ = false;
  bool hovered_ = false;
  bool pressed_ = false;
};

class PictureButtonBinder : public Binder {
 public:
  PictureButtonBinder(PictureButton& model, PictureWidget* widget);

 private:
  void refresh() override;
  PictureButton& model_;
  PictureWidget* widget_;
};

}  // namespace quorvel
