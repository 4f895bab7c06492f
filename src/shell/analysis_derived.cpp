// The analysis window's derived curves: the tangent or normal at the typed x₀, f′, f″
// and the area from a to b of the chosen curve y = f(x) (under it, or between it and the
// curve chosen for intersections), each made with the same core
// as quorvel add and added to the list as an entry of its own, one undo step each.
#include "analysis/analysis_text.h"
#include "plot/palette.h"
#include "shell/frm_analysis.h"
#include "shell/program.h"

namespace quorvel {

void frmAnalysis::addDerived(const DerivedRequest& request, Label& status) {
  const int line = cboCurve.ListIndex();
  const FunctionList& list = program_.panel.document();
  if (line < 0 || static_cast<std::size_t>(line) >= list.size()) {
    status.setCaption("请先选择一条曲线");
    return;
  }
  // A line gets the automatic colour after the last ticked line, as quorvel add gives
  // it; an area is shaded in its curve's colour.
  DerivedRequest coloured = request;
  if (request.kind != DerivedKind::kArea) {
    int last = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list.at(i).ticked) last = static_cast<int>(i);
    }
    coloured.colour = autoColor(last);
  }
  // The points an expression is tried at are the analysis's own, as when it reads.
  DerivedMaking making =
      makeDerivedEntry(list.at(static_cast<std::size_t>(line)), coloured, seededRandom(1));
  if (!making.entry) {
    status.setCaption(making.reason);
    return;
  }
  if (making.integral) {
    status.setCaption("定积分 = " + textbookNumber(making.integral->integral) +
                      "，面积 = " + textbookNumber(making.integral->area));
  }
  program_.panel.appendEntry(std::move(*making.entry));
}

void frmAnalysis::cmdAddTangent_Click() {
  addDerived(DerivedRequest{DerivedKind::kTangent, txtTangentAt.Text(), "", "", {}, {}},
             lblTangentLine);
}

void frmAnalysis::cmdAddNormal_Click() {
  addDerived(DerivedRequest{DerivedKind::kNormal, txtTangentAt.Text(), "", "", {}, {}},
             lblTangentLine);
}

void frmAnalysis::cmdAddDerivative_Click() {
  addDerived(DerivedRequest{DerivedKind::kDerivative, "", "", "", {}, {}}, lblStatus);
}

void frmAnalysis::cmdAddSecond_Click() {
  addDerived(DerivedRequest{DerivedKind::kSecondDerivative, "", "", "", {}, {}}, lblStatus);
}

// Between the chosen curve and the one chosen for intersections, or the x axis when
// none is.
void frmAnalysis::cmdAddArea_Click() {
  DerivedRequest request{DerivedKind::kArea, "", txtAreaFrom.Text(), txtAreaTo.Text(), {}, {}};
  const int other = cboOther.ListIndex() - 1;
  const FunctionList& list = program_.panel.document();
  if (other >= 0 && static_cast<std::size_t>(other) < list.size()) {
    request.with = list.at(static_cast<std::size_t>(other));
  }
  addDerived(request, lblAreaResult);
}

void frmAnalysis::showAreaChoice() {
  lblAreaResult.setCaption(cboOther.ListIndex() > 0 ? "加入面积：这条曲线与交点曲线之间"
                                                    : "加入面积：这条曲线与ｘ轴之间");
}

bool frmControl::appendEntry(ListEntry entry) {
  bool written = true;
  asUndoStep([&] {
    FunctionList next = document_;
    next.add(std::move(entry));
    written = changeDocument(std::move(next), static_cast<int>(document_.size()));
  });
  if (!written) {
    message("写入函数列表文件错误", "错误");
    return false;
  }
  cmdRedraw_Click();
  return true;
}

}  // namespace quorvel
