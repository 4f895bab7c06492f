#pragma once
// The view typed in: a box of the plane (x from/to, y from/to) shown whole and centred
// at the largest whole-number scale, one unit for both axes.
#include <cstdint>

#include "eval/status.h"
#include "plot/view.h"

namespace quorvel {

struct PlaneBox {
  double xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
};

// Why a box cannot be shown.
enum class ViewBoxFault {
  None,
  Empty,     // a side's "from" is not below its "to", or an end is not finite
  TooLarge,  // even a scale of 1 cannot show it whole
  TooFar,    // its middle lies beyond the view's 32-bit extents
};

// The scale (view units per curve unit) is the largest whole number at which the box
// fits inside widthTwips × heightTwips, at most kMaxScale; the extents are the centred
// view of that size moved to the box's middle. `view` is written only when the fault is
// None.
ViewBoxFault fitViewToBox(ViewState& view, const PlaneBox& box, float widthTwips,
                          float heightTwips);

}  // namespace quorvel
