// Piecewise functions and marked points on the 绘制 page: 绘制 reads the rows or the
// points' box with the entry's own reader (the one the command line's add uses), draws
// the result as the list draws it and adds it to the list; a list line of these kinds
// comes back into the same boxes for 替换. 粘贴 turns a table on the clipboard into
// points in the box.
#include <string>
#include <utility>

#include "catalogue/curve_rules.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

bool rowFilled(const MarkedKindControls& m, std::size_t row) {
  return !blank(m.txtPiece[row].Text()) || !blank(m.txtPieceFrom[row].Text()) ||
         !blank(m.txtPieceTo[row].Text());
}

TextBox& faultBox(MarkedKindControls& m, const PieceFault& fault) {
  const std::size_t row = fault.piece < kMaxPieces ? fault.piece : kMaxPieces - 1;
  switch (fault.box) {
    case PieceBox::kFrom: return m.txtPieceFrom[row];
    case PieceBox::kTo: return m.txtPieceTo[row];
    case PieceBox::kExpression: break;
  }
  return m.txtPiece[row];
}

}  // namespace

void frmControl::runMarkedDrawSteps(MarkedKind kind) {
  MarkedKindControls& m = marked;
  if (kind == MarkedKind::kPoints) {
    TypedPointsReading typed = readTypedPoints(PointList{m.txtPoints.Text(), g_.penColor});
    if (!typed.entry) {
      if (!previewing_) m.txtPoints.requestFocus();
      message(typed.reading.refusal.message, typed.reading.refusal.title);
      return;
    }
    drawAndAddEntry(*typed.reading.curve, std::move(*typed.entry));
    return;
  }
  // The rows up to the last one filled in; one left blank before it is no piece.
  std::size_t rows = 0;
  for (std::size_t row = 0; row < kMaxPieces; ++row) {
    if (rowFilled(m, row)) rows = row + 1;
  }
  PiecewiseCurve curve;
  curve.colour = g_.penColor;
  for (std::size_t row = 0; row < rows; ++row) {
    if (!rowFilled(m, row)) {
      if (!previewing_) m.txtPiece[row].requestFocus();
      message("第 " + std::to_string(row + 1) + " 段是空的：各段要从第一行起依次填写", kTitleError);
      return;
    }
    curve.pieces.push_back(Piece{m.txtPiece[row].Text(), m.txtPieceFrom[row].Text(),
                                 m.txtPieceTo[row].Text(), m.chkPieceFrom[row].Value() != 0,
                                 m.chkPieceTo[row].Value() != 0});
  }
  TypedPiecewiseReading typed = readTypedPiecewise(curve);
  if (!typed.entry) {
    if (!previewing_ && typed.fault) {
      TextBox& box = faultBox(m, *typed.fault);
      box.requestFocus();
      if (typed.place) {
        box.setSelection(static_cast<int>(typed.place->character),
                         static_cast<int>(typed.place->length));
      }
    }
    message(typed.reading.refusal.message, typed.reading.refusal.title, typed.detail);
    return;
  }
  drawAndAddEntry(*typed.reading.curve, std::move(*typed.entry));
}

bool frmControl::loadMarkedLineOntoPage(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= document_.size()) return false;
  const ListEntry& entry = document_.at(static_cast<std::size_t>(line));
  const auto* piecewise = std::get_if<PiecewiseCurve>(&entry.content);
  const auto* points = std::get_if<PointList>(&entry.content);
  if (piecewise == nullptr && points == nullptr) return false;
  const int item = piecewise != nullptr ? kPiecewiseFamily : kPointsFamily;
  // The item as a user picks it (which empties the boxes), then the line's texts.
  if (cboFuncName.ListIndex() == item) {
    cboFuncName_Click();
  } else {
    cboFuncName.setListIndex(item);
  }
  MarkedKindControls& m = marked;
  if (points != nullptr) {
    m.txtPoints.setText(points->text);
    g_.penColor = points->colour;
  } else {
    const std::size_t rows = std::min(piecewise->pieces.size(), kMaxPieces);
    for (std::size_t row = 0; row < rows; ++row) {
      const Piece& piece = piecewise->pieces[row];
      m.txtPiece[row].setText(piece.expression);
      m.txtPieceFrom[row].setText(piece.from);
      m.txtPieceTo[row].setText(piece.to);
      m.chkPieceFrom[row].setValue(piece.fromIncluded ? 1 : 0);
      m.chkPieceTo[row].setValue(piece.toIncluded ? 1 : 0);
    }
    g_.penColor = piecewise->colour;
  }
  // Its own colour, chosen as with the colour button.
  chkAutoColor.setValue(0);
  return true;
}

void frmControl::cmdPastePoints_Click() {
  ClipboardService* clipboard = program_.services.clipboard.get();
  const std::string table = clipboard != nullptr ? clipboard->text() : std::string();
  std::string problem;
  const std::optional<std::string> points = pastedPoints(table, problem);
  if (!points) {
    message(problem, kTitleError);
    return;
  }
  marked.txtPoints.setText(*points);
}

}  // namespace quorvel
