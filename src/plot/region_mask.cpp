#include "plot/region_mask.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

constexpr int kBlock = 8;          // pixels a side of a block
constexpr int kGrid = kBlock / 2;  // pixels between the grid's points
constexpr int kGridPerBlock = kBlock / kGrid;
constexpr std::int64_t kMaxArea = std::int64_t{1} << 26;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool usable(const PixelFrame& frame) {
  return frame.valid() && std::int64_t{frame.width} * frame.height <= kMaxArea;
}

// F at the middle of pixel (column, row); not a number where F has none.
double atPixel(const PlaneFunction& f, const PixelFrame& frame, int column, int row) {
  const std::optional<double> v = finiteValue(f, frame.xAt(column + 0.5), frame.yAt(row + 0.5));
  return v ? *v : kNaN;
}

RegionMask emptyMask(const PixelFrame& frame) {
  RegionMask mask;
  mask.width = frame.width;
  mask.height = frame.height;
  mask.inside.assign(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height),
                     1);
  return mask;
}

// The values of one inequality's F on the grid, each computed when first asked.
class GridValues {
 public:
  GridValues(const PlaneFunction& f, const PixelFrame& frame, int columns, int rows,
             std::int64_t& evaluations)
      : f_(f),
        frame_(frame),
        columns_(columns),
        values_(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), kNaN),
        known_(values_.size(), 0),
        evaluations_(evaluations) {}

  double at(int gc, int gr) {
    const std::size_t k = static_cast<std::size_t>(gr) * static_cast<std::size_t>(columns_) +
                          static_cast<std::size_t>(gc);
    if (!known_[k]) {
      values_[k] = atPixel(f_, frame_, gc * kGrid, gr * kGrid);
      known_[k] = 1;
      ++evaluations_;
    }
    return values_[k];
  }

 private:
  const PlaneFunction& f_;
  const PixelFrame& frame_;
  int columns_;
  std::vector<double> values_;
  std::vector<std::uint8_t> known_;
  std::int64_t& evaluations_;
};

// Whether F keeps one sign over the block whose grid points start at (gc, gr): its
// nine grid values, and four more at the middles of its quarters (a function that
// oscillates faster than the grid, sin(xy) far out, can look calm on the grid alone,
// never at both sets of points at once), are all further from zero than twice the
// largest change between neighbours. The sign (whether the relation holds) in
// `holdsThere`.
bool uniformBlock(GridValues& grid, const Inequality& q, const PixelFrame& frame, int gc, int gr,
                  std::int64_t& evaluations, bool& holdsThere) {
  double v[kGridPerBlock + 1][kGridPerBlock + 1];
  double nearest = std::numeric_limits<double>::infinity();
  for (int j = 0; j <= kGridPerBlock; ++j) {
    for (int i = 0; i <= kGridPerBlock; ++i) {
      v[j][i] = grid.at(gc + i, gr + j);
      if (std::isnan(v[j][i])) return false;
      nearest = std::min(nearest, std::abs(v[j][i]));
    }
  }
  double change = 0;
  for (int j = 0; j <= kGridPerBlock; ++j) {
    for (int i = 0; i <= kGridPerBlock; ++i) {
      if (i > 0) change = std::max(change, std::abs(v[j][i] - v[j][i - 1]));
      if (j > 0) change = std::max(change, std::abs(v[j][i] - v[j - 1][i]));
    }
  }
  if (!(nearest > 2 * change)) return false;
  for (int j = 0; j < kGridPerBlock; ++j) {
    for (int i = 0; i < kGridPerBlock; ++i) {
      ++evaluations;
      const double m =
          atPixel(q.f, frame, (gc + i) * kGrid + kGrid / 2, (gr + j) * kGrid + kGrid / 2);
      if (std::isnan(m)) return false;
      nearest = std::min(nearest, std::abs(m));
      for (const double corner : {v[j][i], v[j][i + 1], v[j + 1][i], v[j + 1][i + 1]}) {
        change = std::max(change, std::abs(m - corner));
      }
    }
  }
  if (!(nearest > 2 * change)) return false;
  holdsThere = signHolds(q.relation, v[0][0]);
  return true;
}

}  // namespace

bool signHolds(Relation relation, double v) {
  switch (relation) {
    case Relation::Less: return v < 0;
    case Relation::LessOrEqual: return v <= 0;
    case Relation::Greater: return v > 0;
    case Relation::GreaterOrEqual: return v >= 0;
  }
  return false;
}

bool relationHolds(Relation relation, const std::optional<double>& value) {
  return value && std::isfinite(*value) && signHolds(relation, *value);
}

std::int64_t RegionMask::count() const { return std::count(inside.begin(), inside.end(), 1); }

std::vector<MaskSpan> RegionMask::spans() const {
  std::vector<MaskSpan> out;
  for (int row = 0; row < height; ++row) {
    int column = 0;
    while (column < width) {
      while (column < width && !at(column, row)) ++column;
      const int from = column;
      while (column < width && at(column, row)) ++column;
      if (column > from) out.push_back({row, from, column});
    }
  }
  return out;
}

RegionMask regionMaskPerPixel(const std::vector<Inequality>& system, const PixelFrame& frame) {
  if (!usable(frame)) return {};
  RegionMask mask = emptyMask(frame);
  for (int row = 0; row < frame.height; ++row) {
    for (int column = 0; column < frame.width; ++column) {
      for (const Inequality& q : system) {
        ++mask.evaluations;
        if (!signHolds(q.relation, atPixel(q.f, frame, column, row))) {
          mask.inside[static_cast<std::size_t>(row) * static_cast<std::size_t>(frame.width) +
                      static_cast<std::size_t>(column)] = 0;
          break;
        }
      }
    }
  }
  return mask;
}

RegionMask regionMask(const std::vector<Inequality>& system, const PixelFrame& frame) {
  if (!usable(frame)) return {};
  RegionMask mask = emptyMask(frame);
  const int blockColumns = (frame.width + kBlock - 1) / kBlock;
  const int blockRows = (frame.height + kBlock - 1) / kBlock;
  // Blocks already wholly outside: the later inequalities need not look at them.
  std::vector<std::uint8_t> outside(
      static_cast<std::size_t>(blockColumns) * static_cast<std::size_t>(blockRows), 0);
  for (const Inequality& q : system) {
    GridValues grid(q.f, frame, blockColumns * kGridPerBlock + 1, blockRows * kGridPerBlock + 1,
                    mask.evaluations);
    for (int br = 0; br < blockRows; ++br) {
      for (int bc = 0; bc < blockColumns; ++bc) {
        std::uint8_t& blockOutside =
            outside[static_cast<std::size_t>(br) * static_cast<std::size_t>(blockColumns) +
                    static_cast<std::size_t>(bc)];
        if (blockOutside) continue;
        const int column0 = bc * kBlock, row0 = br * kBlock;
        const int column1 = std::min(column0 + kBlock, frame.width);
        const int row1 = std::min(row0 + kBlock, frame.height);
        bool holdsThere = false;
        if (uniformBlock(grid, q, frame, bc * kGridPerBlock, br * kGridPerBlock, mask.evaluations,
                         holdsThere)) {
          if (holdsThere) continue;
          blockOutside = 1;
        }
        for (int row = row0; row < row1; ++row) {
          std::uint8_t* line =
              &mask.inside[static_cast<std::size_t>(row) * static_cast<std::size_t>(frame.width)];
          for (int column = column0; column < column1; ++column) {
            if (!line[column]) continue;
            if (blockOutside) {
              line[column] = 0;
            } else {
              ++mask.evaluations;
              if (!signHolds(q.relation, atPixel(q.f, frame, column, row))) line[column] = 0;
            }
          }
        }
      }
    }
  }
  return mask;
}

}  // namespace quorvel
