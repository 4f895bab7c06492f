#include "shell/qt/surface_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace quorvel {

SurfaceMouse toUserUnits(const Surface& surface, int column, int row) {
  SurfaceMouse m;
  const double c = column - surface.BorderPixels();
  const double r = row - surface.BorderPixels();
  if (surface.AreaWidthPixels() > 0) {
    m.x = static_cast<float>(surface.ScaleLeft() +
                             c * surface.ScaleWidth() / surface.AreaWidthPixels());
  }
  if (surface.AreaHeightPixels() > 0) {
    m.y = static_cast<float>(surface.ScaleTop() +
                             r * surface.ScaleHeight() / surface.AreaHeightPixels());
  }
  return m;
}

SurfaceWidget::SurfaceWidget(WindowSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  surface_.changed = [this] {
    if (repaintQueued_) return;
    repaintQueued_ = true;
    update();
  };
}

SurfaceWidget::~SurfaceWidget() { surface_.changed = nullptr; }

void SurfaceWidget::paintEvent(QPaintEvent*) {
  repaintQueued_ = false;
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  const int border = surface_.BorderPixels();
  if (border > 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Shadow));
    const QRect outer(0, 0, static_cast<int>(surface_.Width()) / kTwipsPerPixel,
                      static_cast<int>(surface_.Height()) / kTwipsPerPixel);
    painter.drawRect(outer);
  }
  painter.drawImage(border, border, surface_.image());
}

SurfaceMouse SurfaceWidget::mouseOf(const QMouseEvent* event, int button) const {
  const QPointF p = event->position();
  SurfaceMouse m = toUserUnits(surface_, static_cast<int>(std::floor(p.x())),
                               static_cast<int>(std::floor(p.y())));
  m.button = button;
  const Qt::KeyboardModifiers mods = event->modifiers();
  m.shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
            (mods & Qt::AltModifier ? 4 : 0);
  return m;
}

namespace {

int platformButtons(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove(mouseOf(event, platformButtons(event->buttons())));
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(mouseOf(event, platformButtons(event->button())));
}

}  // namespace quorvel
