#pragma once
// A piecewise function as the list keeps it and as it is drawn and analysed: up to six
// pieces, each an expression in x over an interval whose ends are each included or
// not; an outer end may be infinite.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

inline constexpr std::size_t kMaxPieces = 6;

// One piece as typed (rewritten into the evaluator's tokens): "x+1" from "-inf" to "0".
struct Piece {
  std::string expression;
  std::string from = "-inf", to = "inf";
  bool fromIncluded = false, toIncluded = false;

  bool operator==(const Piece&) const = default;
};

struct PiecewiseCurve {
  std::vector<Piece> pieces;
  std::int32_t colour = 0;

  bool operator==(const PiecewiseCurve&) const = default;
};

// A piece once read: its ends as numbers (±infinity for an open outer end).
struct PieceShape {
  std::string expression;  // the evaluator's tokens, lower-cased
  double from = 0, to = 0;
  bool fromIncluded = false, toIncluded = false;

  bool holds(double x) const {
    return (fromIncluded ? from <= x : from < x) && (toIncluded ? x <= to : x < to);
  }
  bool operator==(const PieceShape&) const = default;
};

struct PiecewiseShape {
  std::vector<PieceShape> pieces;

  // The piece whose interval holds x, or nullptr (the intervals never overlap).
  const PieceShape* pieceAt(double x) const {
    for (const PieceShape& p : pieces) {
      if (p.holds(x)) return &p;
    }
    return nullptr;
  }
  bool operator==(const PiecewiseShape&) const = default;
};

}  // namespace quorvel
