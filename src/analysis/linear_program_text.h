#pragma once
// The texts of a linear program: its corner points and its optimum, in textbook
// form with exact fractions and the minus sign U+2212.
#include <string>

#include "analysis/linear_program.h"

namespace quorvel {

// "(4/3, 5/3)", "(0, −2)".
std::string pointText(const RationalPoint& p);

// "(0, 0), (2, 0), (3, 1), (0, 4)" in the region's order; a corner left out by a
// strict inequality is followed by "（不含）".
std::string cornersText(const FeasibleRegion& region);

// What the maximum (maximum = true) or the minimum is, e.g.
//   "最大值 7，在 (3, 1) 处取得"
//   "最大值 4，在线段 (0, 4)—(2, 2) 上各点取得"
//   "最大值 4，在线段 (0, 4)—(2, 2) 上各点取得（(2, 2) 除外）"
//   "最大值 4，在从 (0, 4) 出发、方向为 (1, 0) 的射线上各点取得"
//   "无最大值：z 可以无限接近 7，但取不到（(3, 1) 不在区域内）"
//   "无最大值（无界）"
//   "无可行解"
std::string optimumText(const Optimum& optimum, bool maximum);

}  // namespace quorvel
