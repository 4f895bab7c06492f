#pragma once
// The about box, which also serves as the start-up splash. Only its window state is
// here for now: the toolbar shows it and the splash timer hides it.
#include "shell/toolkit/controls.h"

namespace quorvel {

class frmAbout : public Window {
 public:
  frmAbout() {
    Width = 4815;  // client area
    Height = 4770;
  }
};

}  // namespace quorvel
