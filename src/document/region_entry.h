#pragma once
// Regions given by inequalities as list entries: one or more inequalities typed as a
// textbook writes them ("x + y ≤ 4", "y > x²", "0 ≤ x ≤ 3", <= and >= too), one a line
// or separated by ";", "；" or a comma, read into the system whose common part is
// shaded; the reason a text is refused; the region as a textbook prints it.
#include <optional>
#include <string>
#include <vector>

#include "document/list_entry.h"
#include "document/read_entry.h"
#include "plot/half_plane_region.h"
#include "plot/region_mask.h"

namespace quorvel {

// The panel's and the command line's family number, after 点.
inline constexpr int kRegionFamily = 20;
inline constexpr const char* kRegionFamilyName = "不等式区域";
// As many as a linear program takes: more is no exercise, and each one costs the
// whole picture's pixels.
inline constexpr std::size_t kMostRegionInequalities = 64;

// left R right; `line` when left − right is a x + b y + c (exactly, as far as double
// precision can tell): such a region is shaded as an exact polygon.
struct RegionInequality {
  std::string left, right;  // the evaluator's tokens
  Relation relation = Relation::Less;
  std::optional<HalfPlane> line;
};

struct RegionSystem {
  std::vector<RegionInequality> inequalities;
  std::string objective;                   // the evaluator's tokens of z, or empty
  std::optional<HalfPlane> objectiveLine;  // z = a x + b y + c

  // Every inequality a straight line's half-plane.
  bool linear() const;
};

// The inequalities as the region's mask and boundary take them: left − right R 0, in
// double precision.
std::vector<Inequality> regionInequalities(const RegionSystem& system);

// The system of a stored or rewritten entry, or the reason it is none.
struct RegionParse {
  std::optional<RegionSystem> system;
  std::string problem;
};
RegionParse parseRegion(const RegionCurve& curve);

// A region entry read as readEntry reads it.
EntryReading readRegion(const RegionCurve& curve);

// The text as typed, each inequality's sides rewritten from textbook notation into the
// evaluator's tokens and its signs into <, <=, >, >= ("x² + y² ≤ 4；y > 0" becomes
// "x^2+y^2<=4; y>0"), and the objective's "z =" dropped.
RegionCurve rewrittenRegion(const RegionCurve& typed);

// A new region typed by the user, read after the rewrite: the list's entry once read.
struct TypedRegionReading {
  EntryReading reading;
  std::optional<ListEntry> entry;
};
TypedRegionReading readTypedRegion(const RegionCurve& typed);

// "x + y ≤ 4, x ≥ 0, y ≥ 0", and "z = 2x + y" after a "；" when there is an objective.
std::string printedRegion(const RegionCurve& curve);

}  // namespace quorvel
