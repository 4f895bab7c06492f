#pragma once
// The 绘制 page's boxes of the kinds drawn with marks at their points: a piecewise
// function, one row a piece (its expression, its two ends and whether each end belongs
// to the piece), and marked points (one wide box and 粘贴 for a table from the
// clipboard). They are out of sight while another item is chosen.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/piecewise_curve.h"
#include "shell/named_controls.h"
#include "toolkit/controls.h"

namespace quorvel {

enum class MarkedKind : std::uint8_t { kPiecewise, kPoints };

struct MarkedKindControls {
  // The captions over the rows' columns.
  Label lblPieceExpression{"lblPieceExpression"};
  Label lblPieceFrom{"lblPieceFrom"};
  Label lblPieceTo{"lblPieceTo"};
  std::array<TextBox, kMaxPieces> txtPiece = namedControls<TextBox, kMaxPieces>("txtPiece");
  std::array<CheckBox, kMaxPieces> chkPieceFrom =
      namedControls<CheckBox, kMaxPieces>("chkPieceFrom");
  std::array<TextBox, kMaxPieces> txtPieceFrom = namedControls<TextBox, kMaxPieces>("txtPieceFrom");
  std::array<TextBox, kMaxPieces> txtPieceTo = namedControls<TextBox, kMaxPieces>("txtPieceTo");
  std::array<CheckBox, kMaxPieces> chkPieceTo = namedControls<CheckBox, kMaxPieces>("chkPieceTo");

  Label lblPoints{"lblPoints"};
  TextBox txtPoints{"txtPoints"};
  CommandButton cmdPastePoints{"cmdPastePoints"};

  // The piecewise function's controls in reading order (row by row, left to right).
  std::vector<Control*> pieceControls() {
    std::vector<Control*> c{&lblPieceExpression, &lblPieceFrom, &lblPieceTo};
    for (std::size_t i = 0; i < kMaxPieces; ++i) {
      c.insert(c.end(),
               {&txtPiece[i], &chkPieceFrom[i], &txtPieceFrom[i], &txtPieceTo[i], &chkPieceTo[i]});
    }
    return c;
  }
  std::vector<Control*> pointControls() { return {&lblPoints, &txtPoints, &cmdPastePoints}; }
};

}  // namespace quorvel
