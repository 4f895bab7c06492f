#include "render/raster_surface.h"

#include <QFontMetrics>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "plot/clip_segment.h"
#include "render/font_family.h"

namespace quorvel {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// The pixels around a picture of width × height that a stroke of some width can
// still reach.
ClipBox reachBox(int width, int height, int penWidth) {
  const double margin = penWidth + 2.0;
  return ClipBox{-margin, -margin, width + margin, height + margin};
}

// Pixels of a font of `points` at 96 dots per inch (12 for the picture box's 9).
int fontPixels(float points) {
  return std::max(1, static_cast<int>(std::lround(static_cast<double>(points) * 96.0 / 72.0)));
}

// The image as 8-bit indexes into a table of its colours, the same pixels; nothing
// when it has more than 256 colours.
std::optional<QImage> withPalette(const QImage& picture) {
  constexpr std::size_t kMaxColours = 256;
  QImage indexed(picture.size(), QImage::Format_Indexed8);
  if (picture.isNull() || indexed.isNull()) return std::nullopt;
  QList<QRgb> table;
  table.reserve(kMaxColours);
  QRgb last = 0;
  uchar lastIndex = 0;
  bool haveLast = false;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < picture.width(); ++x) {
      // Runs of one colour are the rule: white paper, a stroke a few pixels wide.
      if (!haveLast || in[x] != last) {
        last = in[x];
        haveLast = true;
        const auto found = std::find(table.cbegin(), table.cend(), last);
        if (found != table.cend()) {
          lastIndex = static_cast<uchar>(found - table.cbegin());
        } else {
          if (static_cast<std::size_t>(table.size()) == kMaxColours) return std::nullopt;
          lastIndex = static_cast<uchar>(table.size());
          table.push_back(last);
        }
      }
      out[x] = lastIndex;
    }
  }
  indexed.setColorTable(table);
  return indexed;
}

}  // namespace

RasterSurface::RasterSurface(int widthPixels, int heightPixels, int borderPixels)
    : Surface(widthPixels, heightPixels, borderPixels), font_(pictureFont()) {
  image_ = blankImage();
  applyFont();
  pen_.setCapStyle(Qt::RoundCap);
  pen_.setJoinStyle(Qt::RoundJoin);
  noteImageSize();
  onForeColor();
  onDrawWidth();
  setAntialiasing(false);
}

RasterSurface::~RasterSurface() { endPainting(); }

const QImage& RasterSurface::image() const {
  endPainting();
  return image_;
}

// The image with the resolution its file states.
QImage withResolution(const QImage& image, int dotsPerInch) {
  if (dotsPerInch <= 0) return image;
  QImage stated = image;
  const int perMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  stated.setDotsPerMeterX(perMetre);
  stated.setDotsPerMeterY(perMetre);
  return stated;
}

bool RasterSurface::saveBmp(const std::string& path) const {
  // Qt writes images of this format as 24 bits per pixel, no palette.
  const QImage rgb =
      withResolution(image(), fileDotsPerInch_).convertToFormat(QImage::Format_RGB888);
  return rgb.save(QString::fromStdString(path), "BMP");
}

bool RasterSurface::savePng(const std::string& path) const {
  const QImage picture = withResolution(image(), fileDotsPerInch_);
  const QString file = QString::fromStdString(path);
  const std::optional<QImage> indexed = withPalette(picture);
  if (!indexed) return picture.save(file, "PNG");
  QImage stated = *indexed;
  stated.setDotsPerMeterX(picture.dotsPerMeterX());
  stated.setDotsPerMeterY(picture.dotsPerMeterY());
  return stated.save(file, "PNG");
}

QImage RasterSurface::blankImage(int imageWidth, int imageHeight) const {
  int width = imageWidth;
  int height = imageHeight;
  if (width <= 0 || height <= 0) {
    width = static_cast<int>(std::lround(AreaWidthPixels() * pixelRatio_));
    height = static_cast<int>(std::lround(AreaHeightPixels() * pixelRatio_));
  }
  QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
  image.fill(kWhite);
  image.setDevicePixelRatio(pixelRatio_);
  return image;
}

void RasterSurface::replaceImage(QImage image) {
  endPainting();
  recent_ = {};
  image_ = std::move(image);
  noteImageSize();
}

void RasterSurface::setPixelRatio(double ratio, int imageWidth, int imageHeight) {
  endPainting();
  // A ratio that is no number, or none at all, draws one device pixel per pixel.
  pixelRatio_ = std::isfinite(ratio) && ratio > 0 ? std::min(ratio, 64.0) : 1.0;
  replaceImage(blankImage(imageWidth, imageHeight));
  updateTextLook();
}

void RasterSurface::applyFont() {
  flushStrokes();
  font_.setPixelSize(fontPixels(FontSize()));
  const QFontMetrics metrics(font_);
  fontAscent_ = metrics.ascent();
  fontHeight_ = metrics.height();
  updateTextLook();
  if (painter_.isActive()) painter_.setFont(font_);
}

void RasterSurface::onFontSize() { applyFont(); }

double RasterSurface::textWidthPixels(const std::string& text) const {
  return QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
}

double RasterSurface::textHeightPixels() const { return QFontMetricsF(font_).height(); }

void RasterSurface::setAntialiasing(bool on) {
  flushStrokes();  // with the hints they were drawn with
  antialiasing_ = on;
  recent_ = {};
  // Aliased text keeps every pixel either the pen colour or untouched.
  font_.setStyleStrategy(on ? QFont::PreferDefault : QFont::NoAntialias);
  updateTextLook();
  if (painter_.isActive()) {
    painter_.setRenderHint(QPainter::Antialiasing, on);
    painter_.setRenderHint(QPainter::TextAntialiasing, on);
    painter_.setFont(font_);
  }
}

QPainter& RasterSurface::activePainter() {
  recent_ = {};  // the painter may write any pixel
  if (!painter_.isActive() && painter_.begin(&image_)) {
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing_);
    painter_.setRenderHint(QPainter::TextAntialiasing, antialiasing_);
    painter_.setPen(pen_);
    painter_.setFont(font_);
  }
  return painter_;
}

void RasterSurface::endPainting() const {
  if (painter_.isActive()) painter_.end();
  flushStrokes();
}

void RasterSurface::flushStrokes() const {
  // Lines are gathered only while the painter is idle, and it starts after a flush.
  if (!strokes_.empty()) strokes_.flush(image_, strokeColour_);
}

void RasterSurface::applyPenToPainter() {
  if (painter_.isActive()) painter_.setPen(pen_);
}

void RasterSurface::onResize(float, float) {
  endPainting();
  // The part of the old picture that still fits stays: growing the window loses nothing.
  QImage resized = blankImage();
  if (!resized.isNull() && !image_.isNull()) {
    QPainter copier(&resized);
    copier.drawImage(QPointF(0, 0), image_);
  }
  replaceImage(std::move(resized));
}

void RasterSurface::noteImageSize() {
  imageWidth_ = image_.width();
  imageHeight_ = image_.height();
  hasPixels_ = !image_.isNull();
  wordsPerLine_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  reach_ = reachBox(imageWidth_, imageHeight_, std::min(DrawWidth(), kMaxStampWidth));
}

void RasterSurface::onCls() {
  endPainting();
  recent_ = {};
  image_.fill(kWhite);
}

bool RasterSurface::onKeepPicture() {
  endPainting();
  kept_ = image_.copy();
  return !kept_.isNull();
}

bool RasterSurface::onRestorePicture() {
  if (kept_.isNull() || kept_.size() != image_.size() || kept_.format() != image_.format()) {
    return false;
  }
  endPainting();
  recent_ = {};
  // Into the image's own pixels: no new image to allocate and detach per step.
  std::memcpy(image_.bits(), kept_.constBits(), static_cast<std::size_t>(image_.sizeInBytes()));
  return true;
}

void RasterSurface::onForeColor() {
  flushStrokes();  // in the colour they were drawn in
  const int rgb = ForeColor();
  penRgb_ = qRgb(redOf(rgb), greenOf(rgb), blueOf(rgb));
  recent_ = {};
  pen_.setColor(QColor::fromRgb(penRgb_));
  applyPenToPainter();
}

void RasterSurface::onDrawWidth() {
  flushStrokes();  // at the width they were drawn with
  pen_.setWidth(DrawWidth());
  applyPenToPainter();
  rebuildStamp();
}

// The aliased dot of width w: the pixels whose centres lie within w / 2 of the dot's
// centre. For odd w the centre is the middle of the anchor pixel; for even w it is
// the anchor pixel's top-left corner, the pixel corner nearest to the point, so the
// dot covers w pixels across and always the pixel the point lies in.
void RasterSurface::rebuildStamp() {
  recent_ = {};
  const int w = std::min(DrawWidth(), kMaxStampWidth);
  const bool odd = (w % 2) != 0;
  const int lo = odd ? -(w - 1) / 2 : -w / 2;
  const int hi = odd ? (w - 1) / 2 : w / 2 - 1;
  const double centre = odd ? 0.0 : -0.5;  // offset of the centre from a pixel's middle
  const double radius2 = (w / 2.0) * (w / 2.0);
  anchorShift_ = odd ? 0.0 : 0.5;
  stampLo_ = lo;
  stampHi_ = hi;
  noteImageSize();
  stamp_.clear();
  for (int dy = lo; dy <= hi; ++dy) {
    int dx0 = hi + 1;
    int dx1 = lo - 1;
    for (int dx = lo; dx <= hi; ++dx) {
      const double ox = dx - centre;
      const double oy = dy - centre;
      if (ox * ox + oy * oy <= radius2) {
        dx0 = std::min(dx0, dx);
        dx1 = std::max(dx1, dx);
      }
    }
    if (dx0 <= dx1) stamp_.push_back(StampRow{dy, dx0, dx1});
  }
}

void RasterSurface::stamp(QRgb* bits, int ax, int ay) const {
  const int width = imageWidth_;
  const int height = imageHeight_;
  const qsizetype wordsPerLine = wordsPerLine_;
  const QRgb colour = penRgb_;  // a local: the pixel writes cannot change it
  // Most dots lie wholly inside: no row or column to cut.
  if (ax + stampLo_ >= 0 && ay + stampLo_ >= 0 && ax + stampHi_ < width && ay + stampHi_ < height) {
    for (const StampRow& row : stamp_) {
      QRgb* line = bits + (ay + row.dy) * wordsPerLine + ax;
      for (int dx = row.dx0; dx <= row.dx1; ++dx) line[dx] = colour;
    }
    return;
  }
  for (const StampRow& row : stamp_) {
    const int y = ay + row.dy;
    if (y < 0 || y >= height) continue;
    const int x0 = std::max(0, ax + row.dx0);
    const int x1 = std::min(width - 1, ax + row.dx1);
    QRgb* line = bits + y * wordsPerLine;
    for (int x = x0; x <= x1; ++x) line[x] = colour;
  }
}

// Bresenham from the anchor pixel of one end to that of the other, the dot stamped
// at every step: a line DrawWidth pixels wide with round ends.
QRgb* RasterSurface::writableBits(QRgb*& bits) {
  if (bits == nullptr) bits = reinterpret_cast<QRgb*>(image_.bits());
  return bits;
}

// The dot of PSet: what rasterLine does for a segment of one point.
void RasterSurface::rasterDot(double c, double r, QRgb*& bits) {
  if (!hasPixels_ || !insideReach(c, r)) return;
  anchorDot(anchorOf(c), anchorOf(r), bits);
}

void RasterSurface::rasterLine(double c0, double r0, double c1, double r1, QRgb*& bits) {
  if (!hasPixels_) return;
  // Beyond this margin no dot reaches the image; cutting there keeps the loop short
  // and the numbers small, however far away the ends lie. A segment wholly inside
  // is left as it is, so the cut is only tried for the others.
  if (!(insideReach(c0, r0) && insideReach(c1, r1)) && !clipSegment(c0, r0, c1, r1, reach_)) {
    return;
  }
  anchorLine(anchorOf(c0), anchorOf(r0), anchorOf(c1), anchorOf(r1), bits);
}

void RasterSurface::anchorLine(int x, int y, int xEnd, int yEnd, QRgb*& bits) {
  const int dx = std::abs(xEnd - x);
  const int dy = -std::abs(yEnd - y);
  const int sx = x < xEnd ? 1 : -1;
  const int sy = y < yEnd ? 1 : -1;
  int err = dx + dy;
  // Asked before the first stamp, which may push the end out of the recent ones.
  const bool endStamped = recent_.has(xEnd, yEnd);
  // The usual join at a fine level: no pixel between its ends, both on dots
  // already there.
  if (endStamped && dx <= 1 && dy >= -1 && recent_.has(x, y)) {
    recent_.add(x, y);
    recent_.add(xEnd, yEnd);
    return;
  }
  for (;;) {
    const bool atEnd = x == xEnd && y == yEnd;
    if (!(atEnd ? endStamped : recent_.has(x, y))) stamp(writableBits(bits), x, y);
    recent_.add(x, y);
    if (atEnd) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void RasterSurface::onLine(float x1, float y1, float x2, float y2) {
  const PixelPoint a = toPixels(x1, y1);
  const PixelPoint b = toPixels(x2, y2);
  if (!std::isfinite(a.column) || !std::isfinite(a.row) || !std::isfinite(b.column) ||
      !std::isfinite(b.row)) {
    return;  // a point at infinity has no pixel
  }
  if (!painted()) {
    endPainting();
    QRgb* bits = nullptr;
    rasterLine(a.column, a.row, b.column, b.row, bits);
    return;
  }
  paintedLine(a, b);
}

bool RasterSurface::snapped(const PixelPoint& a, const PixelPoint& b) const {
  return antialiasing_ && (a.row == b.row) != (a.column == b.column);
}

void RasterSurface::paintedLine(const PixelPoint& a, const PixelPoint& b) {
  if (image_.isNull()) return;
  double c0 = a.column, r0 = a.row, c1 = b.column, r1 = b.row;
  if (!clipSegment(c0, r0, c1, r1, reachBox(AreaWidthPixels(), AreaHeightPixels(), DrawWidth()))) {
    return;
  }
  if (snapped(a, b)) {
    if (r0 == r1) r0 = r1 = snappedAcross(r0);
    if (c0 == c1) c0 = c1 = snappedAcross(c0);
  }
  if (painter_.isActive()) painter_.end();  // the lines gathered so far stay gathered
  const double r = pixelRatio_;
  strokes_.setPen(DrawWidth() * r, antialiasing_);
  strokes_.line(image_, QPointF(c0 * r, r0 * r), QPointF(c1 * r, r1 * r));
  strokeColour_ = penRgb_;
}

void RasterSurface::paintedDot(const PixelPoint& p) {
  const double margin = DrawWidth() + 2.0;
  if (image_.isNull() || p.column < -margin || p.row < -margin ||
      p.column > AreaWidthPixels() + margin || p.row > AreaHeightPixels() + margin) {
    return;
  }
  if (painter_.isActive()) painter_.end();
  strokes_.setPen(DrawWidth() * pixelRatio_, antialiasing_);
  strokes_.dot(image_, QPointF(p.column * pixelRatio_, p.row * pixelRatio_));
  strokeColour_ = penRgb_;
}

void RasterSurface::paintedDots(const PlotDot* dots, std::size_t count) {
  // The calls' own steps in their order, without a call for each.
  auto finite = [](const PixelPoint& p) { return std::isfinite(p.column) && std::isfinite(p.row); };
  for (std::size_t i = 0; i < count; ++i) {
    const PlotDot& d = dots[i];
    const PixelPoint b = toPixels(d.x, d.y);
    if (!finite(b)) continue;
    paintedDot(b);
    if (!d.joined) continue;
    const PixelPoint a = toPixels(d.fromX, d.fromY);
    if (finite(a)) paintedLine(a, b);
  }
}

double RasterSurface::snappedAcross(double v) const {
  const double device = v * pixelRatio_;
  const long width = std::lround(DrawWidth() * pixelRatio_);
  // Odd widths are centred on a device pixel's middle, even ones on its corner.
  const double snapped = width % 2 == 1 ? std::floor(device) + 0.5 : std::round(device);
  return snapped / pixelRatio_;
}

void RasterSurface::onPSet(float x, float y) {
  const PixelPoint p = toPixels(x, y);
  if (!std::isfinite(p.column) || !std::isfinite(p.row)) return;
  if (!painted()) {
    endPainting();
    QRgb* bits = nullptr;
    rasterDot(p.column, p.row, bits);
    return;
  }
  paintedDot(p);
}

void RasterSurface::onPlotDots(const PlotDot* dots, std::size_t count) {
  if (painted()) {
    paintedDots(dots, count);
    return;
  }
  endPainting();
  // The pixels of the last few dots: a join starts on the previous dot of its branch,
  // one or two dots back.
  // Keyed by the point's bits: 0 and −0 (or two NaNs) are not taken for one another.
  struct Converted {
    std::uint64_t key;
    PixelPoint p;
    int ax, ay;          // the anchor pixel, when inside
    int finite, inside;  // whole words: filled one field at a time, read back at once
  };
  constexpr std::size_t kRemembered = 4;
  Converted remembered[kRemembered] = {};
  std::size_t rememberedCount = 0;
  auto pixelsOf = [&](float x, float y) -> const Converted& {
    const std::uint64_t key =
        (std::uint64_t{std::bit_cast<std::uint32_t>(x)} << 32) | std::bit_cast<std::uint32_t>(y);
    const std::size_t known = std::min(rememberedCount, kRemembered);
    for (std::size_t i = 0; i < known; ++i) {
      if (remembered[i].key == key) return remembered[i];
    }
    Converted& c = remembered[rememberedCount++ % kRemembered];
    c.key = key;
    c.p = toPixels(x, y);
    c.finite = std::isfinite(c.p.column) && std::isfinite(c.p.row);
    c.inside = c.finite && insideReach(c.p.column, c.p.row);
    if (c.inside) {
      c.ax = anchorOf(c.p.column);
      c.ay = anchorOf(c.p.row);
    }
    return c;
  };
  QRgb* bits = nullptr;
  if (!hasPixels_) return;  // nothing to draw on, as in rasterLine
  for (std::size_t i = 0; i < count; ++i) {
    const PlotDot& d = dots[i];
    // A dot's slot is not reused for its join's start: that takes the next one.
    const Converted& b = pixelsOf(d.x, d.y);
    if (b.inside) anchorDot(b.ax, b.ay, bits);
    if (!d.joined) continue;
    const Converted& a = pixelsOf(d.fromX, d.fromY);
    if (!a.finite || !b.finite) continue;
    // Ends inside the reach are not cut, so their anchors are the ones worked out.
    if (a.inside && b.inside) {
      anchorLine(a.ax, a.ay, b.ax, b.ay, bits);
    } else {
      rasterLine(a.p.column, a.p.row, b.p.column, b.p.row, bits);
    }
  }
}

void RasterSurface::onFillBox(float x1, float y1, float x2, float y2) {
  const PixelPoint a = toPixels(x1, y1);
  const PixelPoint b = toPixels(x2, y2);
  if (image_.isNull() || !std::isfinite(a.column) || !std::isfinite(a.row) ||
      !std::isfinite(b.column) || !std::isfinite(b.row)) {
    return;
  }
  // Cut to the picture: the painter takes no positions far beyond it.
  const double width = AreaWidthPixels(), height = AreaHeightPixels();
  double left = std::clamp(std::min(a.column, b.column), -1.0, width + 1);
  double top = std::clamp(std::min(a.row, b.row), -1.0, height + 1);
  double right = std::clamp(std::max(a.column, b.column), -1.0, width + 1);
  double bottom = std::clamp(std::max(a.row, b.row), -1.0, height + 1);
  if (!antialiasing_) {
    // Whole pixels, those of both corners included.
    left = std::floor(left);
    top = std::floor(top);
    right = std::floor(right) + 1;
    bottom = std::floor(bottom) + 1;
  }
  flushStrokes();  // the box over what was drawn before it
  QPainter& painter = activePainter();
  painter.fillRect(QRectF(left, top, right - left, bottom - top), QColor::fromRgb(penRgb_));
}

void RasterSurface::onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) {
  if (image_.isNull()) return;
  // Kept near the picture: the painter takes no positions far beyond it.
  const double width = AreaWidthPixels(), height = AreaHeightPixels();
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PolygonPoint& point : points) {
    const PixelPoint p = toPixels(point.x, point.y);
    if (!std::isfinite(p.column) || !std::isfinite(p.row)) return;
    polygon.append(
        QPointF(std::clamp(p.column, -2.0, width + 2), std::clamp(p.row, -2.0, height + 2)));
  }
  flushStrokes();  // the area over what was drawn before it
  QPainter& painter = activePainter();
  painter.save();
  painter.setPen(Qt::NoPen);
  QColor colour = QColor::fromRgb(penRgb_);
  colour.setAlphaF(static_cast<float>(opacity));
  painter.setBrush(colour);
  painter.drawPolygon(polygon);
  painter.restore();
}

void RasterSurface::onCircle(float x, float y, float radiusPixels, bool filled) {
  const PixelPoint p = toPixels(x, y);
  const double r = radiusPixels;
  if (image_.isNull() || !std::isfinite(p.column) || !std::isfinite(p.row) || !(r > 0) ||
      p.column < -r || p.row < -r || p.column > AreaWidthPixels() + r ||
      p.row > AreaHeightPixels() + r) {
    return;
  }
  flushStrokes();  // the mark over what was drawn before it
  QPainter& painter = activePainter();
  painter.save();
  // A mark a few pixels across is round only when smoothed.
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QColor colour = QColor::fromRgb(penRgb_);
  const QPointF centre(p.column, p.row);
  if (filled) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, r, r);
  } else {
    const double width = std::min<double>(DrawWidth(), r);
    QPen pen(colour);
    pen.setWidthF(width);
    painter.setPen(pen);
    painter.setBrush(QColor::fromRgb(kWhite));
    painter.drawEllipse(centre, r - width / 2, r - width / 2);
  }
  painter.restore();
}

void RasterSurface::onPrint(float x, float y, const std::string& text) {
  const PixelPoint p = toPixels(x, y);
  if (image_.isNull() || text.empty() || !std::isfinite(p.column) || !std::isfinite(p.row)) {
    return;
  }
  double left = p.column;
  double top = p.row;
  if (!antialiasing_) {
    left = std::floor(left);
    top = std::floor(top);
  }
  // Text wholly outside the image is left out (the painter also must not get
  // positions beyond the range of its integer coordinates).
  if (left >= AreaWidthPixels() || top >= AreaHeightPixels() || top <= -fontHeight_) return;
  const QString qtext = QString::fromStdString(text);
  if (left < 0 && left + QFontMetrics(font_).horizontalAdvance(qtext) <= 0) return;
  // The text over the lines drawn before it, stamped at the device pixel its corner
  // falls in (aliased text at whole pixels of the area).
  endPainting();
  stamps_.stamp(image_, static_cast<int>(std::lround(left * pixelRatio_)),
                static_cast<int>(std::lround(top * pixelRatio_)), text, penRgb_);
}

void RasterSurface::updateTextLook() {
  stamps_.setLook(TextLook{font_, fontAscent_, pixelRatio_, antialiasing_});
}

}  // namespace quorvel
