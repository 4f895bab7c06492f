#include "plot/clip_segment.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

bool inside(double x, double y, const ClipBox& box) {
  return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

}  // namespace

bool clipSegment(double& x0, double& y0, double& x1, double& y1, const ClipBox& box) {
  // The common case of a replay: short segments inside the picture.
  if (inside(x0, y0, box) && inside(x1, y1, box)) return true;
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
    return false;
  }
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  // Left, right, top, bottom.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - box.left, box.right - x0, y0 - box.top, box.bottom - y0};
  const double edge[4] = {box.left, box.right, box.top, box.bottom};
  double t0 = 0;
  double t1 = 1;
  int enter = -1;
  int leave = -1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) {
        t0 = t;
        enter = i;
      }
    } else {
      if (t < t0) return false;
      if (t < t1) {
        t1 = t;
        leave = i;
      }
    }
  }
  auto pointOnEdge = [&](int i, double& x, double& y) {
    const double e = edge[i];
    if (i < 2) {  // a vertical edge x = e; dx is not 0 here
      const bool fromStart = std::abs(e - x0) <= std::abs(e - x1);
      x = e;
      y = (fromStart ? y0 : y1) + (e - (fromStart ? x0 : x1)) * (dy / dx);
    } else {
      const bool fromStart = std::abs(e - y0) <= std::abs(e - y1);
      y = e;
      x = (fromStart ? x0 : x1) + (e - (fromStart ? y0 : y1)) * (dx / dy);
    }
  };
  double nx0 = x0, ny0 = y0, nx1 = x1, ny1 = y1;
  if (enter >= 0) pointOnEdge(enter, nx0, ny0);
  if (leave >= 0) pointOnEdge(leave, nx1, ny1);
  // Rounding may leave a cut end a hair outside; the box bounds the result.
  x0 = std::clamp(nx0, box.left, box.right);
  y0 = std::clamp(ny0, box.top, box.bottom);
  x1 = std::clamp(nx1, box.left, box.right);
  y1 = std::clamp(ny1, box.top, box.bottom);
  return true;
}

}  // namespace quorvel
