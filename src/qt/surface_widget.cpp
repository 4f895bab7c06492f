#include "qt/surface_widget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace quorvel {

bool WindowSurface::setScreenRatio(double ratio) {
  screenRatio_ = ratio > 0 ? ratio : 1;
  return matchScreen();
}

void WindowSurface::onSmooth() {
  RasterSurface::onSmooth();
  matchScreen();
}

bool WindowSurface::matchScreen() {
  const double wanted = Smooth() ? screenRatio_ : 1.0;
  if (wanted == pixelRatio()) return false;
  setPixelRatio(wanted);
  return true;
}

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
  // Clicked, it takes the keyboard: arrows pan, + and − zoom, Home centres, Ctrl+C copies.
  setFocusPolicy(Qt::StrongFocus);
  surface_.changed = [this] {
    if (repaintQueued_) return;
    repaintQueued_ = true;
    update();
  };
  surface_.setScreenRatio(devicePixelRatioF());
}

SurfaceWidget::~SurfaceWidget() { surface_.changed = nullptr; }

void SurfaceWidget::paintEvent(QPaintEvent*) {
  repaintQueued_ = false;
  // Moved to a screen of another resolution: a smooth picture is drawn again for it,
  // once this paint is over.
  if (devicePixelRatioF() != surface_.screenRatio() &&
      surface_.setScreenRatio(devicePixelRatioF()) && onResolutionChange) {
    QMetaObject::invokeMethod(
        this, [this] { onResolutionChange(); }, Qt::QueuedConnection);
  }
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
  if (marker_) {
    constexpr double kRadius = 5;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0), 1.5));
    painter.setBrush(markerSnapped_ ? QBrush(QColor(255, 200, 0)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(*marker_, kRadius, kRadius);
  }
}

void SurfaceWidget::setMarker(const std::optional<QPointF>& centre, bool snapped) {
  if (marker_ == centre && markerSnapped_ == snapped) return;
  marker_ = centre;
  markerSnapped_ = snapped;
  update();
}

void SurfaceWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (onLeave) onLeave();
}

SurfaceMouse SurfaceWidget::mouseOf(const QPointF& p, Qt::KeyboardModifiers mods,
                                    int button) const {
  SurfaceMouse m = toUserUnits(surface_, static_cast<int>(std::floor(p.x())),
                               static_cast<int>(std::floor(p.y())));
  m.button = button;
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

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    dragging_ = false;
    pressAt_ = event->position().toPoint();
  }
  QWidget::mousePressEvent(event);
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    const QPoint moved = at - pressAt_;
    if (!dragging_ && moved.manhattanLength() > QApplication::startDragDistance()) {
      dragging_ = true;
      setCursor(Qt::ClosedHandCursor);
      if (onDragStart) onDragStart();
    }
    if (dragging_ && onDragTo) onDragTo(moved.x(), moved.y());
  }
  if (onMouseMove) {
    onMouseMove(mouseOf(event->position(), event->modifiers(), platformButtons(event->buttons())));
  }
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    if (dragging_) {
      // The end of a drag is no click: the view stays where it was dragged.
      dragging_ = false;
      setCursor(Qt::CrossCursor);
      const QPoint moved = event->position().toPoint() - pressAt_;
      if (onDragTo) onDragTo(moved.x(), moved.y());
      if (onDragEnd) onDragEnd();
      return;
    }
  }
  if (onMouseUp) {
    onMouseUp(mouseOf(event->position(), event->modifiers(), platformButtons(event->button())));
  }
}

void SurfaceWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0 || !onWheel) {
    event->ignore();
    return;
  }
  event->accept();
  onWheel(mouseOf(event->position(), event->modifiers(), 0), delta);
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event) {
  if (onKey && onKey(*event)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void SurfaceWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (onContextMenu) onContextMenu(event->globalPos());
}

}  // namespace quorvel
