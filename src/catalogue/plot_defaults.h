#pragma once
// The plotting options that suit each family: what the 默认值 command puts on the
// settings page (连线, Smart Skip, Ｘ修正, Ｙ驱动), and what every stored entry is
// drawn with.
#include <optional>

namespace quorvel {

struct PlotDefaults {
  bool link = false;      // 连线
  bool skip = false;      // Smart Skip
  bool fixx = false;      // Ｘ修正
  bool yEnabled = false;  // Ｙ驱动 can be ticked
  bool yDriven = false;   // Ｙ驱动
};

// The options of a family (0..14; the form counts for family 13 only); nullopt for a
// value that names no family.
std::optional<PlotDefaults> plotDefaults(double family, int form);

}  // namespace quorvel
