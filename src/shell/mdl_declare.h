#pragma once
// The program's shared state: the view and the flags the forms pass between their
// commands. One instance per program, owned by it (never a global), so that tests
// can run many programs side by side.
#include <cstdint>

#include "plot/view.h"

namespace quorvel {

// The view (extents, zoomScale, graphOnScreen, zoomMode, zoomPending) is the part
// the drawing reads and leaves; the rest belongs to the forms.
struct mdlDeclare : CanvasView {
  std::int32_t funcCount = 1;  // number of the next new entry (entries + 1)
  std::int32_t penColor = 0;   // colour of the next curve, red in the low byte
  float activeFamily = 0;      // family index the defaults command works from
};

}  // namespace quorvel
