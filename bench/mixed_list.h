#pragma once
// The 15-entry list the replay benchmarks draw: lines, parabolas, k/x, exponential,
// logarithm, sine, tangent, the conics, the tick function and two expressions of
// one's own, typed into the control panel and drawn with 绘制 as a user does; or the
// same with parametric, polar, power and appended-form curves in place of the last four.
#include <cstddef>

namespace quorvel {
class frmControl;
}

namespace quorvel::bench {

inline constexpr std::size_t kMixedListSize = 15;

// Which curves the list holds: the fourteen families' only, or with its last four
// entries a parametric circle, a polar rose, y = x^(1/3) and y = 2sin(x + 1) + 1.
enum class ListKinds { kFamilies, kNewKinds, kEquations };

// Draws the list on the panel's program; false (with a line on standard error) when
// an entry was refused.
bool drawMixedList(frmControl& panel, ListKinds kinds = ListKinds::kFamilies);

}  // namespace quorvel::bench
