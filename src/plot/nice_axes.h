#pragma once
// The modern look's axes: thin axis lines, the nice ticks (nice_ticks.h) and their
// labels, each label whole inside the picture or left out. The labels are laid out
// when the axes are drawn and written after the curves, so that every text of the
// picture can keep clear of the others (label_space.h).
#include <string>
#include <vector>

#include "plot/label_space.h"
#include "plot/nice_ticks.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// A text at its place: its box in pixels of the drawing area (the top-left corner is
// where it is printed).
struct PlacedText {
  PixelBox box;
  std::string text;
};

// The nice ticks of the view on this surface, measured with its font.
AxisTicks niceTicksOn(const Surface& canvas, const ViewState& view, bool piTicks);

// Both axes and their ticks, one pixel wide, in the surface's colour (its width is as
// it was afterwards). Returns the labels in the order they are to be placed: the
// origin's "O", the x axis' labels under it (above it when there is no room below),
// the y axis' labels left of it (right of it when the widest has no room on the left).
std::vector<PlacedText> drawNiceAxes(Surface& canvas, const ViewState& view,
                                     const AxisTicks& ticks);

// Light grid lines through the labelled ticks, under the curves. The surface's colour
// and width are as they were afterwards.
void drawNiceGrid(Surface& canvas, const ViewState& view, const AxisTicks& ticks);

// Prints each text that fits in the space, in the surface's colour, and takes its box;
// the others are left out.
void printFitting(Surface& canvas, LabelSpace& space, const std::vector<PlacedText>& texts);

}  // namespace quorvel
