#pragma once
// The 15-entry list the replay benchmarks draw: lines, parabolas, k/x, exponential,
// logarithm, sine, tangent, the conics, the tick function and two expressions of
// one's own, typed into the control panel and drawn with 绘制 as a user does.
#include <cstddef>

namespace quorvel {
class frmControl;
}

namespace quorvel::bench {

inline constexpr std::size_t kMixedListSize = 15;

// Draws the list on the panel's program; false (with a line on standard error) when
// an entry was refused.
bool drawMixedList(frmControl& panel);

}  // namespace quorvel::bench
