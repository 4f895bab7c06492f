#pragma once
// The 绘制 page's boxes of a region given by inequalities: one wide box for the
// inequalities (one a line, or separated by ；) and one for the objective z = ax + by of
// a linear program. They are out of sight while another item is chosen.
#include <vector>

#include "toolkit/controls.h"

namespace quorvel {

struct RegionControls {
  Label lblInequalities{"lblInequalities"};
  TextBox txtInequalities{"txtInequalities"};
  Label lblObjective{"lblObjective"};
  TextBox txtObjective{"txtObjective"};

  std::vector<Control*> all() {
    return {&lblInequalities, &txtInequalities, &lblObjective, &txtObjective};
  }
};

}  // namespace quorvel
