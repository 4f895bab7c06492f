#include "render/coverage_strokes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace quorvel {

namespace {

constexpr double kStraight = 1.0 / 32;  // device pixels off the chord a run may bend
constexpr std::size_t kRunPoints = 8;   // points a run holds before it is covered
constexpr std::size_t kRuns = 2;

bool same(const QPointF& a, const QPointF& b) { return a.x() == b.x() && a.y() == b.y(); }

// Whether p lies on the segment a–b to within kStraight: between its ends and near
// its line (squared, no root).
bool onSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double px = p.x() - a.x(), py = p.y() - a.y();
  const double length2 = dx * dx + dy * dy;
  const double along = px * dx + py * dy;
  if (along < 0 || along > length2) return false;
  const double across = px * dy - py * dx;
  return across * across <= kStraight * kStraight * length2;
}

}  // namespace

void CoverageStrokes::setPen(double width, bool smooth) {
  width_ = std::max(width, 1.0);
  smooth_ = smooth;
}

void CoverageStrokes::prepare(const QImage& image) {
  const int stride = static_cast<int>(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)));
  if (image.width() == imageWidth_ && image.height() == imageHeight_ && stride == stride_) return;
  // A new image: what was gathered for the old one goes (flush came first).
  imageWidth_ = image.width();
  imageHeight_ = image.height();
  stride_ = stride;
  coverage_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(imageHeight_), 0);
  touched_.clear();
  runs_.clear();
  dot_.reset();
}

void CoverageStrokes::dot(const QImage& image, const QPointF& at) {
  if (image.isNull()) return;
  prepare(image);
  if (dot_) cover(*dot_, *dot_);
  dot_ = at;
}

bool CoverageStrokes::extends(const Run& run, const QPointF& to) const {
  if (run.inner.size() >= kRunPoints) return false;
  if (!onSegment(run.end, run.start, to)) return false;
  return std::all_of(run.inner.begin(), run.inner.end(),
                     [&](const QPointF& p) { return onSegment(p, run.start, to); });
}

void CoverageStrokes::line(const QImage& image, const QPointF& a, const QPointF& b) {
  if (image.isNull()) return;
  prepare(image);
  // The line's round ends cover a dot set at either of them.
  if (dot_ && (same(*dot_, a) || same(*dot_, b))) dot_.reset();
  for (Run& run : runs_) {
    if (!same(run.end, a)) continue;
    if (extends(run, b)) {
      run.inner.push_back(run.end);
      run.end = b;
      return;
    }
    coverRun(run);
    run = Run{a, b, {}};
    return;
  }
  if (runs_.size() == kRuns) {
    coverRun(runs_.front());
    runs_.erase(runs_.begin());
  }
  runs_.push_back(Run{a, b, {}});
}

void CoverageStrokes::settle() {
  for (const Run& run : runs_) coverRun(run);
  runs_.clear();
  if (dot_) cover(*dot_, *dot_);
  dot_.reset();
}

void CoverageStrokes::cover(const QPointF& a, const QPointF& b) {
  const double radius = width_ / 2;
  const double reach = radius + 0.5;  // no pixel whose middle lies farther has a share
  const double ax = a.x(), ay = a.y(), dx = b.x() - ax, dy = b.y() - ay;
  const double length2 = dx * dx + dy * dy;
  const double along = length2 > 0 ? 1 / length2 : 0;
  const double acrossRows = dy != 0 ? 1 / dy : 0;
  // The pixels whose middles (i + 0.5) lie within reach of [low, high].
  auto first = [reach](double low) { return static_cast<int>(std::ceil(low - reach - 0.5)); };
  auto last = [reach](double high) { return static_cast<int>(std::floor(high + reach - 0.5)); };
  const int rowFirst = std::max(0, first(std::min(ay, b.y())));
  const int rowLast = std::min(imageHeight_ - 1, last(std::max(ay, b.y())));
  // Single precision is plenty for pixels.
  const auto fx = static_cast<float>(dx), fy = static_cast<float>(dy);
  const auto fAlong = static_cast<float>(along);
  const auto edge = static_cast<float>(radius + 0.5);
  const auto hard = static_cast<float>(radius * radius);
  for (int row = rowFirst; row <= rowLast; ++row) {
    const double yc = row + 0.5;
    // The part of the segment within reach of this row, and the columns around it.
    double t0 = 0, t1 = 1;
    if (dy != 0) {
      t0 = (yc - reach - ay) * acrossRows;
      t1 = (yc + reach - ay) * acrossRows;
      if (t0 > t1) std::swap(t0, t1);
      if (t1 < 0 || t0 > 1) continue;
      t0 = std::max(t0, 0.0);
      t1 = std::min(t1, 1.0);
    } else if (std::fabs(yc - ay) > reach) {
      continue;
    }
    const double x0 = ax + dx * t0, x1 = ax + dx * t1;
    const int columnFirst = std::max(0, first(std::min(x0, x1)));
    const int columnLast = std::min(imageWidth_ - 1, last(std::max(x0, x1)));
    const std::int32_t rowStart = row * stride_;
    std::uint8_t* shares = coverage_.data() + rowStart;
    const auto py = static_cast<float>(yc - ay);
    for (int column = columnFirst; column <= columnLast; ++column) {
      if (shares[column] == 255) continue;  // covered already: nothing to add
      const auto px = static_cast<float>(column + 0.5 - ax);
      const float t = std::clamp((px * fx + py * fy) * fAlong, 0.0f, 1.0f);
      const float ex = px - t * fx, ey = py - t * fy;
      const float distance2 = ex * ex + ey * ey;
      const float share = smooth_ ? std::clamp(edge - std::sqrt(distance2), 0.0f, 1.0f)
                                  : (distance2 <= hard ? 1.0f : 0.0f);
      const auto value = static_cast<std::uint8_t>(share * 255 + 0.5f);
      if (value <= shares[column]) continue;
      if (shares[column] == 0) touched_.push_back(rowStart + column);
      shares[column] = value;
    }
  }
}

void CoverageStrokes::flush(QImage& image, QRgb colour) {
  settle();
  if (touched_.empty()) return;
  if (image.width() != imageWidth_ || image.height() != imageHeight_ || image.depth() != 32 ||
      image.bytesPerLine() != static_cast<qsizetype>(stride_) * 4) {
    touched_.clear();
    std::fill(coverage_.begin(), coverage_.end(), std::uint8_t{0});
    return;
  }
  // The shares have the image's own layout: an index is the pixel's word.
  auto* bits = reinterpret_cast<QRgb*>(image.bits());
  const int red = qRed(colour), green = qGreen(colour), blue = qBlue(colour);
  for (const std::int32_t index : touched_) {
    const int share = coverage_[static_cast<std::size_t>(index)];
    coverage_[static_cast<std::size_t>(index)] = 0;
    QRgb& pixel = bits[index];
    // (from × (255 − share) + to × share) / 255, rounded, without a division.
    auto mix = [share](int from, int to) {
      const int v = from * (255 - share) + to * share + 128;
      return (v + (v >> 8)) >> 8;
    };
    pixel = qRgb(mix(qRed(pixel), red), mix(qGreen(pixel), green), mix(qBlue(pixel), blue));
  }
  touched_.clear();
}

}  // namespace quorvel
