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
  style.presentationPercent =
      std::clamp(style.presentationPercent, kMinPresentationPercent, kMaxPresentationPercent);
  return style;
}

PresentedLook presentedLook(const PictureStyle& style, int penWidth) {
  const int percent = checkedStyle(style).presentationPercent;
  // Rounded to the nearest whole size, halves up.
  const auto grown = [percent](int size) { return (size * percent + 50) / 100; };
  PresentedLook look{style, std::max(1, grown(std::max(1, penWidth)))};
  look.style.labelPoints = grown(checkedStyle(style).labelPoints);
  return look;
}

}  // namespace quorvel
