#pragma once
// The main window's drawing surface picPic: a raster surface that tells its widget
// when it changed, and the widget that shows its persistent image inside a one-pixel
// border. The widget never draws on its own; pointer moves and releases go to the
// form in the surface's user units.
#include <QWidget>
#include <functional>

#include "render/raster_surface.h"

namespace quorvel {

class WindowSurface : public RasterSurface {
 public:
  using RasterSurface::RasterSurface;
  // Called after every change of the picture (at most once between two repaints is
  // enough: the widget repaints the whole image).
  std::function<void()> changed;

 protected:
  void onPictureChanged() override {
    if (changed) changed();
  }
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  SurfaceMouse mouseOf(const QMouseEvent* event, int button) const;
  WindowSurface& surface_;
  bool repaintQueued_ = false;
};

}  // namespace quorvel
