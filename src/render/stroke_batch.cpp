#include "render/stroke_batch.h"

#include <QPainter>
#include <QPen>
#include <QRectF>
#include <cmath>
#include <cstddef>

namespace quorvel {

namespace {

constexpr std::size_t kOpenChains = 4;      // two branches and a little more
constexpr std::size_t kChainPoints = 8192;  // a longer chain is painted in parts
constexpr std::size_t kDotsLookedBack = 4;

// QPointF's own == forgives small differences; a line continues at the very point.
bool same(const QPointF& a, const QPointF& b) { return a.x() == b.x() && a.y() == b.y(); }

}  // namespace

void StrokeBatch::line(QPainter& painter, const QPointF& from, const QPointF& to, const QPointF& a,
                       const QPointF& b) {
  coverDot(to);
  coverDot(from);
  Chain* chain = nullptr;
  for (Chain& c : open_) {
    if (c.open && same(c.end, from)) chain = &c;
  }
  // A cut start: the chain ends before it.
  if (chain != nullptr && !same(a, from)) {
    chain->open = false;
    chain = nullptr;
  }
  if (chain == nullptr) {
    if (open_.size() == kOpenChains) {
      paintChain(painter, open_.front());
      open_.erase(open_.begin());
    }
    open_.push_back(Chain{{a}, from, true});
    chain = &open_.back();
  }
  chain->points.push_back(b);
  chain->end = to;
  chain->open = same(b, to);
  if (chain->points.size() >= kChainPoints) {
    paintChain(painter, *chain);
    chain->points.assign(1, b);
  }
}

void StrokeBatch::dot(const QPointF& at) {
  for (const Chain& c : open_) {
    if (c.open && same(c.end, at)) return;  // the end of a line already covers it
  }
  dots_.push_back(at);
}

void StrokeBatch::coverDot(const QPointF& p) {
  const std::size_t from = dots_.size() > kDotsLookedBack ? dots_.size() - kDotsLookedBack : 0;
  for (std::size_t i = dots_.size(); i > from; --i) {
    if (same(dots_[i - 1], p)) {
      dots_.erase(dots_.begin() + static_cast<std::ptrdiff_t>(i - 1));
      return;
    }
  }
}

void StrokeBatch::flush(QPainter& painter) {
  for (const Chain& c : open_) paintChain(painter, c);
  for (const QPointF& d : dots_) paintDot(painter, d);
  open_.clear();
  dots_.clear();
}

void StrokeBatch::paintChain(QPainter& painter, const Chain& chain) const {
  if (chain.points.size() == 2 && same(chain.points[0], chain.points[1])) {
    painter.drawPoint(chain.points[0]);
  } else {
    painter.drawPolyline(chain.points.data(), static_cast<int>(chain.points.size()));
  }
}

void StrokeBatch::paintDot(QPainter& painter, const QPointF& at) const {
  const QPen& pen = painter.pen();
  if (pen.widthF() <= 1) {
    // One pixel: the pixel the point lies in, whole, as the aliased dot.
    painter.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), pen.color());
  } else {
    painter.drawPoint(at);
  }
}

}  // namespace quorvel
