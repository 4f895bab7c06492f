#pragma once
// A region entry whose inequalities are all linear, taken as the linear program it is:
// its stored texts read again by the exact parser, its corners and the optimum of its
// objective in the texts `quorvel lp` prints. The analysis window shows them in place
// of a curve's key points.
#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "document/region_curve.h"

namespace quorvel {

// z = p·x + q·y + k.
struct LinearObjective {
  mpq_class p, q, k;
};

// The objective read from "2x + y" or "z = 2x + y"; the reason it cannot be, or empty.
std::string readLinearObjective(const std::string& typed, LinearObjective& out);

struct RegionProgram {
  // Each corner as 顶点, x, y in textbook form; （不含） after y for one left out.
  std::vector<std::vector<std::string>> corners;
  // 无可行解, 区域无界, or empty for a bounded region.
  std::string shape;
  // 最大值 … and 最小值 … when the entry has an objective.
  std::vector<std::string> optima;
};

// The program of a region entry; nullopt when an inequality is not linear (a curved
// boundary) or the objective is not, with the reason in `reason`.
std::optional<RegionProgram> regionProgram(const RegionCurve& curve, std::string& reason);

}  // namespace quorvel
