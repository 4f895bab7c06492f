#include "plot/surface.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

Surface::Surface(int widthPixels, int heightPixels, int borderPixels)
    : widthPixels_(std::max(0, widthPixels)),
      heightPixels_(std::max(0, heightPixels)),
      borderPixels_(std::max(0, borderPixels)) {
  resetScale();
}

void Surface::resetScale() {
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = static_cast<float>(AreaWidthPixels() * kTwipsPerPixel);
  scaleHeight_ = static_cast<float>(AreaHeightPixels() * kTwipsPerPixel);
}

void Surface::Resize(float widthTwips, float heightTwips) {
  // The platform keeps sizes in whole pixels; a negative size (or not a number) is
  // taken as zero, which also keeps the conversion to int defined.
  auto toPixels = [](float twips) {
    const double px = std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel);
    if (!(px > 0)) return 0;
    return static_cast<int>(std::min(px, 100000.0));
  };
  widthPixels_ = toPixels(widthTwips);
  heightPixels_ = toPixels(heightTwips);
  resetScale();
  onResize(widthTwips, heightTwips);
  onPictureChanged();
}

void Surface::Scale(float x1, float y1, float x2, float y2) {
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleWidth_ = x2 - x1;
  scaleHeight_ = y2 - y1;
  onScale(x1, y1, x2, y2);
}

void Surface::Cls() {
  currentX_ = 0;
  currentY_ = 0;
  onCls();
  onPictureChanged();
}

void Surface::setForeColor(std::int32_t rgb) {
  foreColor_ = rgb & 0xFFFFFF;
  onForeColor();
}

void Surface::setDrawWidth(int pixels) {
  drawWidth_ = std::max(1, pixels);
  onDrawWidth();
}

void Surface::setAutoRedraw(bool v) {
  autoRedraw_ = v;
  onAutoRedraw();
}

void Surface::setFontSize(float points) {
  // Not a number, or no size, keeps the size there is.
  if (!(points > 0)) return;
  fontSize_ = std::min(points, 1000.0f);
  onFontSize();
}

void Surface::setSmooth(bool on) {
  smooth_ = on;
  onSmooth();
}

double Surface::textHeightPixels() const {
  return 1.25 * static_cast<double>(fontSize_) * 96.0 / 72.0;
}

double Surface::textWidthPixels(const std::string& text) const {
  const double em = static_cast<double>(fontSize_) * 96.0 / 72.0;
  double width = 0;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      width += em / 2;
    } else if (byte >= 0xC0) {
      width += em;  // the first byte of a character beyond ASCII; the others add nothing
    }
  }
  return width;
}

void Surface::Line(float x1, float y1, float x2, float y2) {
  onLine(x1, y1, x2, y2);
  currentX_ = x2;
  currentY_ = y2;
  onPictureChanged();
}

void Surface::PSet(float x, float y) {
  onPSet(x, y);
  currentX_ = x;
  currentY_ = y;
  onPictureChanged();
}

void Surface::PlotDots(const PlotDot* dots, std::size_t count) {
  if (count == 0) return;
  onPlotDots(dots, count);
  // Every dot's last call (its PSet, or the Line that ends on it) leaves the
  // position on it.
  currentX_ = dots[count - 1].x;
  currentY_ = dots[count - 1].y;
  onPictureChanged();
}

void Surface::onPlotDots(const PlotDot* dots, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const PlotDot& d = dots[i];
    PSet(d.x, d.y);
    if (d.joined) Line(d.fromX, d.fromY, d.x, d.y);
  }
}

void Surface::Circle(float x, float y, float radiusPixels, bool filled) {
  onCircle(x, y, radiusPixels, filled);
  currentX_ = x;
  currentY_ = y;
  onPictureChanged();
}

void Surface::onCircle(float x, float y, float radiusPixels, bool filled) {
  const int area = AreaWidthPixels();
  const int areaHeight = AreaHeightPixels();
  if (area == 0 || areaHeight == 0) return;
  // User units of one pixel across and down.
  const double unitX = static_cast<double>(scaleWidth_) / area;
  const double unitY = static_cast<double>(scaleHeight_) / areaHeight;
  constexpr int kSides = 24;
  constexpr double kTurn = 6.283185307179586;
  for (int side = 0; side < kSides; ++side) {
    const double a = kTurn * side / kSides, b = kTurn * (side + 1) / kSides;
    onLine(static_cast<float>(x + radiusPixels * unitX * std::cos(a)),
           static_cast<float>(y + radiusPixels * unitY * std::sin(a)),
           static_cast<float>(x + radiusPixels * unitX * std::cos(b)),
           static_cast<float>(y + radiusPixels * unitY * std::sin(b)));
  }
  if (filled) {
    const int saved = drawWidth_;
    drawWidth_ = std::max(1, static_cast<int>(std::lround(2 * radiusPixels)));
    onDrawWidth();
    onPSet(x, y);
    drawWidth_ = saved;
    onDrawWidth();
  }
}

void Surface::FillBox(float x1, float y1, float x2, float y2) {
  onFillBox(x1, y1, x2, y2);
  currentX_ = x2;
  currentY_ = y2;
  onPictureChanged();
}

void Surface::FillPolygon(const std::vector<PolygonPoint>& points, double opacity) {
  if (points.size() < 3 || !(opacity > 0)) return;
  onFillPolygon(points, std::min(opacity, 1.0));
  onPictureChanged();
}

bool Surface::RestorePicture() {
  if (!onRestorePicture()) return false;
  onPictureChanged();
  return true;
}

void Surface::Print(const std::string& text) {
  onPrint(currentX_, currentY_, text);
  onPictureChanged();
}

}  // namespace quorvel
