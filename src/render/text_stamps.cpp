#include "render/text_stamps.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <algorithm>
#include <cmath>

namespace quorvel {

void TextStamps::setLook(const TextLook& look) {
  look_ = look;
  stamps_.clear();
}

const TextStamps::Stamp& TextStamps::stampOf(const std::string& text) {
  const auto found = stamps_.find(text);
  if (found != stamps_.end()) return found->second;
  if (stamps_.size() >= kMaxStamps) stamps_.clear();
  const QString qtext = QString::fromStdString(text);
  const QFontMetricsF metrics(look_.font);
  const double ratio = look_.ratio;
  // A margin of a line's height all round: no overhanging stroke is cut.
  Stamp s;
  s.margin = static_cast<int>(std::ceil(metrics.height() * ratio));
  s.width = static_cast<int>(std::ceil(metrics.horizontalAdvance(qtext) * ratio)) + 2 * s.margin;
  s.height = static_cast<int>(std::ceil(metrics.height() * ratio)) + 2 * s.margin;
  QImage scratch(std::max(1, s.width), std::max(1, s.height), QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  scratch.setDevicePixelRatio(ratio);
  {
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing, look_.smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, look_.smooth);
    painter.setPen(QColor(Qt::black));
    painter.setFont(look_.font);
    const double margin = s.margin / ratio;
    painter.drawText(QPointF(margin, margin + look_.ascent), qtext);
  }
  // Only the box of the pixels the text touches is kept.
  int left = scratch.width(), top = scratch.height(), right = -1, bottom = -1;
  for (int y = 0; y < scratch.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < scratch.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  s.left = left - s.margin;
  s.top = top - s.margin;
  s.width = std::max(0, right - left + 1);
  s.height = std::max(0, bottom - top + 1);
  s.shares.resize(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height));
  for (int y = 0; y < s.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(top + y));
    for (int x = 0; x < s.width; ++x) {
      s.shares[static_cast<std::size_t>(y) * static_cast<std::size_t>(s.width) +
               static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(qAlpha(line[left + x]));
    }
  }
  return stamps_.emplace(text, std::move(s)).first->second;
}

void TextStamps::stamp(QImage& image, int left, int top, const std::string& text, QRgb colour) {
  if (image.isNull() || image.depth() != 32) return;
  const Stamp& s = stampOf(text);
  const int red = qRed(colour), green = qGreen(colour), blue = qBlue(colour);
  const int x0 = left + s.left, y0 = top + s.top;
  // Only the rows and columns that fall inside the image.
  const int yFirst = std::max(0, -y0), yLast = std::min(s.height, image.height() - y0);
  const int xFirst = std::max(0, -x0), xLast = std::min(s.width, image.width() - x0);
  QRgb* bits = nullptr;
  for (int y = yFirst; y < yLast; ++y) {
    const std::uint8_t* shares = s.shares.data() + static_cast<std::size_t>(y) * s.width;
    for (int x = xFirst; x < xLast; ++x) {
      const int share = shares[x];
      if (share == 0) continue;
      // The image's pixels are asked for only when there is one to write.
      if (bits == nullptr) bits = reinterpret_cast<QRgb*>(image.bits());
      QRgb& pixel = bits[(y0 + y) * (image.bytesPerLine() / 4) + x0 + x];
      auto mix = [share](int from, int to) {
        const int v = from * (255 - share) + to * share + 128;
        return (v + (v >> 8)) >> 8;
      };
      pixel = qRgb(mix(qRed(pixel), red), mix(qGreen(pixel), green), mix(qBlue(pixel), blue));
    }
  }
}

}  // namespace quorvel
