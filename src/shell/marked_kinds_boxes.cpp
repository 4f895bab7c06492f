// Where the boxes of a piecewise function and of marked points lie on the 绘制 page,
// and which of the page's own controls make way for them. A piece is one row, read
// left to right as a textbook writes it: the expression, then its interval with 含
// beside an end that belongs to the piece. The rows end above 替换, which shares the
// page's lower half with them while a line is being edited.
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "shell/frm_control.h"

namespace quorvel {

namespace {

constexpr int kBoxHeight = 270;
// The columns of a piece's row (left and width, twips); the row ends where the plane
// kinds' wide boxes end.
constexpr int kExpressionLeft = 60, kExpressionWidth = 1860;
constexpr int kFromCheckLeft = 1980, kCheckWidth = 480;
constexpr int kFromLeft = 2460, kEndWidth = 720;
constexpr int kToLeft = 3270;
constexpr int kToCheckLeft = 4050;
constexpr int kCaptionTop = 2430, kFirstRowTop = 2670, kRowStep = 285;
// The points' wide box and 粘贴 under it.
constexpr int kPointsCaptionLeft = 90, kPointsLeft = 600, kPointsWidth = 4200;
constexpr int kPointsTop = 2565, kPasteTop = 3000, kPasteWidth = 870, kPasteHeight = 330;

int itemOfKind(MarkedKind kind) {
  return kind == MarkedKind::kPiecewise ? kPiecewiseFamily : kPointsFamily;
}

}  // namespace

std::vector<Control*> frmControl::parameterAndRangeControls() {
  std::vector<Control*> c{&chkIntX,   &imgRangeX,  &lblRangeX, &lblOpenX,   &cboRangeX1,
                          &lblCommaX, &cboRangeX2, &lblCloseX, &imgRangeY,  &lblRangeY,
                          &lblOpenY,  &cboRangeY1, &lblCommaY, &cboRangeY2, &lblCloseY};
  for (int box = 1; box <= 3; ++box) c.insert(c.end(), {&lblParameter[box], &txtParameter[box]});
  return c;
}

std::optional<MarkedKind> frmControl::markedKindOfItem(int item) {
  if (item == kPiecewiseFamily) return MarkedKind::kPiecewise;
  if (item == kPointsFamily) return MarkedKind::kPoints;
  return std::nullopt;
}

std::optional<MarkedKind> frmControl::chosenMarkedKind() const {
  return markedKindOfItem(cboFuncName.ListIndex());
}

void frmControl::addMarkedFamilies() {
  // Their numbers are the combo's items after the plane kinds.
  cboFuncName.AddItem(kPiecewiseFamilyName);
  cboFuncName.AddItem(kPointsFamilyName);
}

void frmControl::placeMarkedControls() {
  MarkedKindControls& m = marked;
  const auto caption = [](Label& label, int left, const char* text) {
    label.setBounds(left, kCaptionTop, 0, 0);
    label.setCaption(text);
  };
  caption(m.lblPieceExpression, kExpressionLeft, "式子（x 的）");
  caption(m.lblPieceFrom, kFromCheckLeft, "左端点");
  caption(m.lblPieceTo, kToLeft, "右端点");
  for (std::size_t i = 0; i < kMaxPieces; ++i) {
    const int top = kFirstRowTop + static_cast<int>(i) * kRowStep;
    const std::string piece = "第 " + std::to_string(i + 1) + " 段";
    m.txtPiece[i].setBounds(kExpressionLeft, top, kExpressionWidth, kBoxHeight);
    m.txtPiece[i].setToolTipText(piece + "的式子，如 x+1、x²");
    m.chkPieceFrom[i].setBounds(kFromCheckLeft, top, kCheckWidth, kBoxHeight);
    m.txtPieceFrom[i].setBounds(kFromLeft, top, kEndWidth, kBoxHeight);
    m.txtPieceFrom[i].setToolTipText(piece + "的左端点：一个数，或 -inf（−∞）");
    m.txtPieceTo[i].setBounds(kToLeft, top, kEndWidth, kBoxHeight);
    m.txtPieceTo[i].setToolTipText(piece + "的右端点：一个数，或 inf（+∞）");
    m.chkPieceTo[i].setBounds(kToCheckLeft, top, kCheckWidth, kBoxHeight);
    for (CheckBox* end : {&m.chkPieceFrom[i], &m.chkPieceTo[i]}) {
      end->setCaption("含");
      end->setToolTipText("含：端点属于这一段，画实心点；不含：画空心圈");
    }
  }
  m.lblPoints.setBounds(kPointsCaptionLeft, kPointsTop + 45, 0, 0);
  m.lblPoints.setCaption("点");
  m.txtPoints.setBounds(kPointsLeft, kPointsTop, kPointsWidth, kBoxHeight);
  m.txtPoints.setToolTipText("一个或几个点，可带名字，如 A(1, 2) B(3, −1)");
  m.cmdPastePoints.setBounds(kPointsLeft, kPasteTop, kPasteWidth, kPasteHeight);
  m.cmdPastePoints.setCaption("粘贴");
  m.cmdPastePoints.setToolTipText("从剪贴板取两列数（制表符或逗号分隔），每行一个点");
  m.cmdPastePoints.Click = [this] { cmdPastePoints_Click(); };
  for (Control* c : m.pieceControls()) c->setVisible(false);
  for (Control* c : m.pointControls()) c->setVisible(false);
}

void frmControl::showMarkedBoxes(MarkedKind kind) {
  funcFamily = static_cast<std::int16_t>(itemOfKind(kind));
  funcForm = 0;
  for (ComboBox& style : cboStyle) style.setVisible(false);
  txtExpression.setLeft(-3000);  // out of sight, its text kept
  lblParameter[4].setVisible(false);
  txtParameter[4].setVisible(false);
  for (Control* c : parameterAndRangeControls()) c->setVisible(false);
  const bool piecewise = kind == MarkedKind::kPiecewise;
  for (Control* c : marked.pieceControls()) c->setVisible(piecewise);
  for (Control* c : marked.pointControls()) c->setVisible(!piecewise);
  // A new function or list of points starts from empty boxes.
  for (std::size_t i = 0; i < kMaxPieces; ++i) {
    marked.txtPiece[i].setText("");
    marked.txtPieceFrom[i].setText("");
    marked.txtPieceTo[i].setText("");
    marked.chkPieceFrom[i].setValue(0);
    marked.chkPieceTo[i].setValue(0);
  }
  marked.txtPoints.setText("");
  markedShown_ = true;
}

void frmControl::hideMarkedBoxes() {
  if (!markedShown_) return;
  markedShown_ = false;
  for (Control* c : marked.pieceControls()) c->setVisible(false);
  for (Control* c : marked.pointControls()) c->setVisible(false);
  // The item chosen next hides again what it does not use.
  for (Control* c : parameterAndRangeControls()) c->setVisible(true);
}

}  // namespace quorvel
