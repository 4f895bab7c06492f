#include "qt/bind_label.h"

#include <QMouseEvent>

namespace quorvel {

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
  setMouseTracking(true);
  setTextFormat(Qt::PlainText);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click && onClick) onClick();
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (onMouseMove) onMouseMove();
}

LabelBinder::LabelBinder(Label& model, LabelWidget* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->onClick = [this] {
    if (model_.Click) model_.Click();
  };
  watch();
}

void LabelBinder::refresh() {
  const QString caption = qtText(model_.Caption());
  if (widget_->text() != caption) widget_->setText(caption);
  if (widget_->font().underline() != model_.Underline()) {
    QFont font = widget_->font();
    font.setUnderline(model_.Underline());
    widget_->setFont(font);
  }
  applyControl(model_, widget_);
}

}  // namespace quorvel
