#include "qt/bind_picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  // Taking the focus on a click moves it off the button beside the icon, so the
  // defaults command can tell a click on its icon from one on its button.
  setFocusPolicy(Qt::ClickFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureWidget::setIcon(const QIcon& icon) {
  icon_ = icon;
  update();
}

void PictureWidget::setSunken(bool sunken) {
  if (sunken_ == sunken) return;
  sunken_ = sunken;
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  if (sunken_) {
    painter.fillRect(area, palette().color(QPalette::Midlight));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
  } else if (hovered_ && isEnabled() && width() > 20) {
    painter.setRenderHint(QPainter::Antialiasing);
    QColor glow = palette().color(QPalette::Highlight);
    glow.setAlpha(40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
  if (icon_.isNull()) return;
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QRect target = sunken_ ? area.translated(1, 1) : area;
  icon_.paint(&painter, target, Qt::AlignCenter, mode);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  event->accept();
  pressed_ = event->button() == Qt::LeftButton;
  if (onPress) onPress();
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (onRelease) onRelease();
  if (click && onClick) onClick();
}

void PictureWidget::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void PictureWidget::leaveEvent(QEvent*) {
  hovered_ = false;
  update();
}

PictureButtonBinder::PictureButtonBinder(PictureButton& model, PictureWidget* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->onPress = [this] {
    if (model_.MouseDown) model_.MouseDown();
  };
  widget->onRelease = [this] {
    if (model_.MouseUp) model_.MouseUp();
  };
  widget->onClick = [this] { model_.click(); };
  watch();
}

void PictureButtonBinder::refresh() {
  widget_->setSunken(model_.BorderStyle() == 1);
  applyControl(model_, widget_);
}

}  // namespace quorvel
