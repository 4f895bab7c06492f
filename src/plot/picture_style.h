#pragma once
// How the picture is drawn beyond the original program's picture box: the modern look,
// smooth curves, a grid, π ticks, the curves' labels and the labels' size. Every option
// is off in the default style, which draws exactly the original picture (the classic
// look).
#include <cstdint>

namespace quorvel {

// What names the curves: nothing, each curve's list text beside it, or a legend.
enum class CurveLabels : std::int32_t { None = 0, Beside = 1, Legend = 2 };

inline constexpr int kDefaultLabelPoints = 9;  // the picture box's font
inline constexpr int kMinLabelPoints = 9;
inline constexpr int kMaxLabelPoints = 24;
// 演示模式 draws the texts and lines this many percent of their size.
inline constexpr int kDefaultPresentationPercent = 200;
inline constexpr int kMinPresentationPercent = 100;
inline constexpr int kMaxPresentationPercent = 400;

struct PictureStyle {
  // The modern look: nice tick steps whose labels never touch, labels whole or left
  // out and never over each other, the readable palette, curves run to the picture's
  // edge. Off: the original rules (a tick every 500 view units, the six colours).
  bool modern = false;
  bool smooth = false;   // 平滑曲线: antialiased, refined where the curve turns steep
  bool grid = false;     // 网格: light lines at the tick spacing, under the curves
  bool piTicks = false;  // π 刻度: the x axis in multiples of π/2
  CurveLabels labels = CurveLabels::None;
  int labelPoints = kDefaultLabelPoints;  // the size of every text of the picture
  // The size of texts and lines in 演示模式, in percent; the picture outside it never
  // reads it.
  int presentationPercent = kDefaultPresentationPercent;

  bool operator==(const PictureStyle&) const = default;

  // The grid and the labels need the whole list: the grid goes under every curve and
  // a label must know where the other curves run. The modern look places every label
  // of the picture at once, over all the curves.
  bool needsWholeList() const { return modern || grid || labels != CurveLabels::None; }
};

// The style with its numbers inside their ranges (a preference file edited by hand).
PictureStyle checkedStyle(PictureStyle style);

// The style and pen width of 演示模式: the texts and the pen grown by the style's
// percentage (the texts beyond the options' own largest size).
struct PresentedLook {
  PictureStyle style;
  int penWidth = 1;
};
PresentedLook presentedLook(const PictureStyle& style, int penWidth);

}  // namespace quorvel
