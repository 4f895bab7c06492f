#pragma once
// The smooth lines and dots of one pen, gathered as the share of each pixel they
// cover and laid over the image in one go. A line is the set of points within half
// its width of the segment (round ends), a dot the disc of that width, and a pixel
// takes the largest share any of them gives it, so a curve of many short segments
// has no darker seams where they meet. Segments that continue one another along a
// straight line (to 1/32 of a pixel) are covered as one, and a dot under the end of
// the line that follows it is left out: a fine curve costs a few long capsules, not
// thousands of short ones. Positions are in the image's device pixels.
#include <QImage>
#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

class CoverageStrokes {
 public:
  // The pen of what follows: `width` device pixels; `smooth`: the edges' pixels get
  // their share, otherwise a pixel is covered or not. Flush before another pen.
  void setPen(double width, bool smooth);
  void dot(const QImage& image, const QPointF& at);
  void line(const QImage& image, const QPointF& a, const QPointF& b);
  // Lays what was gathered over the image in `colour` and forgets it.
  void flush(QImage& image, QRgb colour);
  bool empty() const { return touched_.empty() && runs_.empty() && !dot_; }

 private:
  // Segments continuing one another: from `start` through `inner` to `end`.
  struct Run {
    QPointF start, end;
    std::vector<QPointF> inner;
  };
  void prepare(const QImage& image);
  bool extends(const Run& run, const QPointF& to) const;
  void cover(const QPointF& a, const QPointF& b);  // the capsule's shares
  void coverRun(const Run& run) { cover(run.start, run.end); }
  void settle();  // every run and dot into the shares

  double width_ = 1;
  bool smooth_ = true;
  std::optional<QPointF> dot_;          // a dot that the next line may cover
  std::vector<Run> runs_;               // at most two: the branches of a curve take turns
  std::vector<std::uint8_t> coverage_;  // one share (0..255) per word of the image
  std::vector<std::int32_t> touched_;   // the words with a share, each once
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  int stride_ = 0;  // words per line of the image
};

}  // namespace quorvel
