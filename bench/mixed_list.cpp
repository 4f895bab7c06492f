#include "mixed_list.h"

#include <cstdio>
#include <vector>

#include "catalogue/families.h"
#include "shell/frm_control.h"

namespace quorvel::bench {

namespace {

// One entry as the panel takes it: the family combo's item, form, the parameter boxes
// (or the expression of family 13, or x(t), y(t) or ρ(θ)).
struct Entry {
  int family;
  int form;
  const char* p1;
  const char* p2;
  const char* p3;
  const char* p4 = "";
};

const std::vector<Entry> kMixedList = {
    {0, 0, "0.5", "1", ""},
    {0, 2, "1", "2", "3"},
    {1, 0, "1", "-2", "1"},
    {1, 2, "-0.5", "1", "3"},
    {2, 0, "6", "", ""},
    {3, 0, "2", "", ""},
    {4, 0, "2", "", ""},
    {5, 0, "2", "1", "0"},
    {7, 0, "1", "1", "0"},
    {9, 0, "4", "3", ""},
    {10, 0, "2", "1", ""},
    {11, 0, "1", "", ""},
    {12, 0, "1", "4", ""},
    {13, 0, "sin(x)*x^2", "", ""},
    {13, 0, "(x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x", "", ""},
};

constexpr int kEquationItem = 17;  // 方程, after 极坐标方程

const std::vector<Entry> kNewKinds = {
    {kFamilyCount, 0, "3cos t", "3sin t", ""},  // 参数方程
    {kFamilyCount + 1, 0, "2sin 3θ", "", ""},   // 极坐标方程
    {kPowerFamily, 0, "1/3", "", ""},
    {5, 1, "2", "1", "1", "1"},
};

// The new kinds and three equations: an ellipse, x*y = 1 and the folium.
const std::vector<Entry> kEquations = {
    {kFamilyCount, 0, "3cos t", "3sin t", ""}, {kFamilyCount + 1, 0, "2sin 3θ", "", ""},
    {kEquationItem, 0, "x^2/4+y^2=1", "", ""}, {kEquationItem, 0, "x*y=1", "", ""},
    {kEquationItem, 0, "x^3+y^3=3xy", "", ""},
};

constexpr int kFamilyExpression = 13;

}  // namespace

bool drawMixedList(frmControl& panel, ListKinds kinds) {
  static_assert(kMixedListSize == 15);
  std::vector<Entry> list = kMixedList;
  if (kinds != ListKinds::kFamilies) {
    const std::vector<Entry>& kept = kinds == ListKinds::kNewKinds ? kNewKinds : kEquations;
    list.resize(list.size() - kept.size());
    list.insert(list.end(), kept.begin(), kept.end());
  }
  for (const Entry& e : list) {
    // The family's handling runs even when it is the one already chosen.
    if (panel.cboFuncName.ListIndex() == e.family) {
      panel.cboFuncName_Click();
    } else {
      panel.cboFuncName.setListIndex(e.family);
    }
    if (e.family < kFamilyCount) panel.cboStyle[e.family].setListIndex(e.form);
    if (e.family == kFamilyExpression) {
      panel.txtExpression.setText(e.p1);
    } else {
      panel.txtParameter[1].setText(e.p1);
      panel.txtParameter[2].setText(e.p2);
      panel.txtParameter[3].setText(e.p3);
      panel.txtParameter[4].setText(e.p4);
    }
    panel.cmdDraw.click();
  }
  if (panel.lstExist.ListCount() != static_cast<int>(list.size())) {
    std::fprintf(stderr, "the list holds %d of %zu entries\n", panel.lstExist.ListCount(),
                 list.size());
    return false;
  }
  return true;
}

}  // namespace quorvel::bench
