#include "plot/dashed_polyline.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

std::vector<PlanePolyline> dashedPieces(const PlanePolyline& line, const PixelFrame& frame,
                                        const DashPattern& pattern) {
  std::vector<PlanePolyline> out;
  if (!frame.valid() || !(pattern.dashPixels > 0) || !(pattern.gapPixels > 0) ||
      !std::isfinite(pattern.dashPixels + pattern.gapPixels) || line.points.size() < 2) {
    return out;
  }
  const double period = pattern.dashPixels + pattern.gapPixels;
  double phase = 0;  // pixels into the current period
  PlanePolyline dash;
  const auto inDash = [&] { return phase < pattern.dashPixels; };
  const auto close = [&] {
    if (dash.points.size() >= 2) out.push_back(std::move(dash));
    dash = PlanePolyline{};
  };
  if (inDash()) dash.points.push_back(line.points.front());
  for (std::size_t i = 1; i < line.points.size() && out.size() < kMostDashes; ++i) {
    const PlanePoint a = line.points[i - 1], b = line.points[i];
    const double length = frame.pixelDistance(a, b);
    if (!std::isfinite(length)) {
      // A segment no pattern can be laid along: the dash ends before it.
      close();
      phase = pattern.dashPixels;
      continue;
    }
    double done = 0;  // pixels of this segment passed
    while (done < length && out.size() < kMostDashes) {
      const double boundary = inDash() ? pattern.dashPixels : period;
      if (boundary - phase <= length - done) {
        done += boundary - phase;
        phase = boundary;
      } else {
        phase += length - done;
        done = length;
      }
      const double s = done / length;
      const PlanePoint at{a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s};
      if (phase >= boundary) {
        if (boundary == pattern.dashPixels) {
          dash.points.push_back(at);
          close();
        } else {
          phase = 0;
          dash.points.push_back(at);
        }
      } else if (inDash()) {
        dash.points.push_back(at);
      }
    }
  }
  close();
  return out;
}

}  // namespace quorvel
