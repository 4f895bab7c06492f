#pragma once
// A region of the plane given by inequalities (不等式区域) as the list keeps it: the
// inequalities in the evaluator's tokens, "; " between them ("x+y<=4; x>=0; 0<=y<=3"),
// and an objective z = ax + by of a linear program, kept for its report ("2x+y", or
// empty).
#include <cstdint>
#include <string>

namespace quorvel {

struct RegionCurve {
  std::string text;
  std::string objective{};
  std::int32_t colour = 0;

  bool operator==(const RegionCurve&) const = default;
};

// The inequalities once read (region_entry.h).
struct RegionSystem;

}  // namespace quorvel
