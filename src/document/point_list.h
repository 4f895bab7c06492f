#pragma once
// Points marked on the picture, as the list keeps them (the text as typed, rewritten
// into the evaluator's tokens: "A(1,2) B(3,-1)") and as they are drawn.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

struct PointList {
  std::string text;
  std::int32_t colour = 0;

  bool operator==(const PointList&) const = default;
};

struct MarkedPoint {
  std::string name;  // "" for a point without a label
  double x = 0, y = 0;

  bool operator==(const MarkedPoint&) const = default;
};

struct PointsShape {
  std::vector<MarkedPoint> points;

  bool operator==(const PointsShape&) const = default;
};

}  // namespace quorvel
