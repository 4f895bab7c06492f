#include "plot/segment_joining.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quorvel {

namespace {

constexpr std::size_t kNone = ~std::size_t{0};

// End e (0: a, 1: b) of segment s is numbered 2s + e.
std::uint64_t keyOf(const KeyedSegment& s, std::size_t end) { return end == 0 ? s.keyA : s.keyB; }
const PlanePoint& pointOf(const KeyedSegment& s, std::size_t end) { return end == 0 ? s.a : s.b; }

// For every end, the end of the other segment at the same place (kNone if it has none).
std::vector<std::size_t> partnersOf(const std::vector<KeyedSegment>& segments) {
  std::vector<std::size_t> ends(2 * segments.size());
  for (std::size_t e = 0; e < ends.size(); ++e) ends[e] = e;
  auto key = [&](std::size_t e) { return keyOf(segments[e / 2], e % 2); };
  std::sort(ends.begin(), ends.end(), [&](std::size_t p, std::size_t q) {
    return key(p) != key(q) ? key(p) < key(q) : p < q;
  });
  std::vector<std::size_t> partner(ends.size(), kNone);
  for (std::size_t i = 0; i < ends.size();) {
    std::size_t j = i + 1;
    while (j < ends.size() && key(ends[j]) == key(ends[i])) ++j;
    if (j - i == 2 && ends[i] / 2 != ends[i + 1] / 2) {
      partner[ends[i]] = ends[i + 1];
      partner[ends[i + 1]] = ends[i];
    }
    i = j;
  }
  return partner;
}

}  // namespace

std::vector<PlanePolyline> joinSegments(const std::vector<KeyedSegment>& segments) {
  const std::vector<std::size_t> partner = partnersOf(segments);
  std::vector<bool> used(segments.size(), false);
  std::vector<PlanePolyline> lines;

  // Walks on from segment s entered at end `in`, through the partners, to the end of the
  // chain or back to where it started.
  auto walk = [&](std::size_t s, std::size_t in) {
    PlanePolyline line;
    line.points.push_back(pointOf(segments[s], in));
    const std::size_t start = 2 * s + in;
    std::size_t at = start;
    while (true) {
      const std::size_t seg = at / 2;
      used[seg] = true;
      const std::size_t out = at ^ 1;  // the segment's other end
      line.points.push_back(pointOf(segments[seg], out % 2));
      const std::size_t next = partner[out];
      if (next == kNone) break;
      if (next == start) {
        line.points.back() = line.points.front();
        line.closed = true;
        break;
      }
      if (used[next / 2]) break;
      at = next;
    }
    lines.push_back(std::move(line));
  };

  // Open chains first, from an end that has no partner; what is left are loops.
  for (std::size_t s = 0; s < segments.size(); ++s) {
    if (used[s]) continue;
    if (partner[2 * s] == kNone) {
      walk(s, 0);
    } else if (partner[2 * s + 1] == kNone) {
      walk(s, 1);
    }
  }
  for (std::size_t s = 0; s < segments.size(); ++s) {
    if (!used[s]) walk(s, 0);
  }
  return lines;
}

}  // namespace quorvel
