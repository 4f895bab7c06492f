#include "plot/picture_style.h"

#include <algorithm>

namespace quorvel {

PictureStyle checkedStyle(PictureStyle style) {
  style.labelPoints = std::clamp(style.labelPoints, kMinLabelPoints, kMaxLabelPoints);
  switch (style.labels) {
    case CurveLabels::None:
    case CurveLabels::Beside:
    case CurveLabels::Legend: break;
    default: style.labels = CurveLabels::None;
  }
  return style;
}

}  // namespace quorvel
