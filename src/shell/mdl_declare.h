#pragma once
// The program's shared state: the view and the flags the forms pass between their
// commands. One instance per program, owned by it (never a global), so that tests
// can run many programs side by side.
#include <cstdint>

#include "plot/view.h"

namespace quorvel {

struct mdlDeclare : ViewState {
  bool graphOnScreen = false;  // while false the next draw starts from the centred view
  std::int32_t zoomMode = 0;   // armed zoom: 0 none, 1 in, 2 out
  bool zoomPending = false;    // the next draw doubles or halves sldZoom first
  std::int32_t funcCount = 1;  // record number of the next new entry
  std::int32_t recordNo = 0;   // record being replayed
  bool redrawing = false;      // a stored entry is being replayed
  bool listFromFile = false;   // an opened list file is being replayed
  std::int32_t penColor = 0;   // colour of the next curve, red in the low byte
  float activeFamily = 0;      // family index the defaults command works from
};

}  // namespace quorvel
