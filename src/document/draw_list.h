#pragma once
// The one drawing function: the picture of a list, drawn onto a surface from its
// inputs alone. The window's redraw, every export, the clipboard, printing, the live
// parameters' fixed curves and the command line all draw with it.
#include <cstddef>
#include <functional>
#include <vector>

#include "document/curve_painter.h"
#include "document/function_list.h"
#include "document/read_entry.h"
#include "plot/surface.h"

namespace quorvel {

// Drawn over the curves at the end of every picture, in the picture's view (the
// analysis marks); never part of the list. In the modern look it is given the space of
// the picture's texts, to keep its own clear of them (nullptr in the classic look).
using PictureOverlay = std::function<void(Surface&, const ViewState&, LabelSpace*)>;

struct ListPicture {
  DrawSettings settings;
  RandomNumbers random;  // where expressions of one's own are tried
  std::vector<PictureOverlay> overlays;
  // What derived curves are drawn from (the analysis gives it).
  DerivedFunctions derived{};
};

struct ListDrawn {
  std::size_t drawn = 0;              // curves drawn
  std::vector<EntryRefusal> refused;  // ticked entries left out, in order
};

// Clears `canvas` and draws every ticked entry of `list` in its order, each read by
// readEntry and drawn as a stored entry is (storedEntryDrawing), the grid under the
// first, the curves' names or legend over the last, then the overlays. The areas of
// the list go first, under every line. The view and
// scale are taken from `state` and left there as the draw command leaves them.
ListDrawn drawList(Surface& canvas, const FunctionList& list, const ListPicture& picture,
                   DrawState& state);

// The picture with no curve on it: `canvas` cleared and the axes of the view the next
// curve would start from drawn in the picture's style. `state` is left as it was.
void drawAxesAlone(Surface& canvas, const DrawSettings& settings, DrawState state);

}  // namespace quorvel
