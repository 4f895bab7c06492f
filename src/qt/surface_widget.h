#pragma once
// The main window's drawing surface picPic: a raster surface that tells its widget
// when it changed, and the widget that shows its persistent image inside a one-pixel
// border. The widget never draws on its own; pointer moves, clicks, the wheel and
// drags go to the form in the surface's user units (drags in pixels). A left press
// that moves farther than the platform's drag distance drags the picture; a release
// without such a move is a click.
#include <QWidget>
#include <functional>
#include <optional>

#include "render/raster_surface.h"

namespace quorvel {

class WindowSurface : public RasterSurface {
 public:
  using RasterSurface::RasterSurface;
  // Called after every change of the picture (at most once between two repaints is
  // enough: the widget repaints the whole image).
  std::function<void()> changed;

  // The screen's device pixels per pixel. A smooth picture is drawn at the screen's
  // resolution; the aliased one stays the picture box's, one pixel per pixel. True
  // when the picture was lost to the change and must be drawn again.
  bool setScreenRatio(double ratio);
  double screenRatio() const { return screenRatio_; }

 protected:
  void onSmooth() override;
  void onPictureChanged() override {
    if (changed) changed();
  }

 private:
  bool matchScreen();
  double screenRatio_ = 1;
};

// The platform's mouse arguments: button 1 left, 2 right, 4 middle; shift 1 Shift,
// 2 Ctrl, 4 Alt.
struct SurfaceMouse {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};

// User units of the pixel at (column, row) of the widget (its border included):
// the inverse of Surface::toPixels at the pixel's top-left corner.
SurfaceMouse toUserUnits(const Surface& surface, int column, int row);

class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(WindowSurface& surface, QWidget* parent);
  ~SurfaceWidget() override;
  SurfaceWidget(const SurfaceWidget&) = delete;
  SurfaceWidget& operator=(const SurfaceWidget&) = delete;

  std::function<void(const SurfaceMouse&)> onMouseMove;
  std::function<void(const SurfaceMouse&)> onMouseUp;
  // The wheel at a point; angleDelta in eighths of a degree (120 a notch).
  std::function<void(const SurfaceMouse&, int angleDelta)> onWheel;
  std::function<void()> onDragStart;
  std::function<void(int dxPixels, int dyPixels)> onDragTo;  // from the press
  std::function<void()> onDragEnd;
  // A key on the focused surface; true when it was taken.
  std::function<bool(const QKeyEvent&)> onKey;
  std::function<void(const QPoint& globalPosition)> onContextMenu;
  // The screen's resolution changed under a smooth picture, which must be drawn again.
  std::function<void()> onResolutionChange;
  std::function<void()> onLeave;

  // The trace's marker over the picture (not part of it), centred on a point of the
  // widget in pixels; a marker on a key point is drawn filled.
  void setMarker(const std::optional<QPointF>& centre, bool snapped);

  bool dragging() const { return dragging_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  SurfaceMouse mouseOf(const QPointF& position, Qt::KeyboardModifiers modifiers, int button) const;
  WindowSurface& surface_;
  bool repaintQueued_ = false;
  bool pressed_ = false;   // the left button went down on the surface
  bool dragging_ = false;  // and has moved farther than the drag distance since
  QPoint pressAt_;
  std::optional<QPointF> marker_;
  bool markerSnapped_ = false;
};

}  // namespace quorvel
