#pragma once
// Derived entries made from a y = f(x) entry of the list — its tangent or normal at
// x₀, f′, f″, the area under it or between it and a second curve from a to b — with the same cores
// as quorvel tangent, derivative and integral; and the functions the picture draws them from. The
// window and the command line make them here.
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/definite_integral.h"
#include "document/derived_painting.h"
#include "document/list_entry.h"
#include "document/read_entry.h"

namespace quorvel {

// What to derive, the numbers as typed ("1", "π/2").
struct DerivedRequest {
  DerivedKind kind = DerivedKind::kDerivative;
  std::string at;                      // x₀ of a tangent or normal
  std::string from, to;                // a and b of an area
  std::optional<std::int32_t> colour;  // the source's colour when none is given
  std::optional<ListEntry> with;       // an area's second curve; none for the x axis
};

struct DerivedMaking {
  std::optional<ListEntry> entry;            // ticked, with its line
  std::string reason;                        // otherwise why not, in the program's words
  std::optional<DefiniteIntegral> integral;  // an area's integral and area
};

// The derived entry of `source`, holding a copy of its definition; refused with a
// message for a source of another kind or that is no function of x, a number that is
// not one, a point without a tangent, an interval holding a pole (of either curve of an
// area between two).
DerivedMaking makeDerivedEntry(const ListEntry& source, const DerivedRequest& request,
                               const RandomNumbers& random);

// f (order 0), f′ or f″ of a source curve in double precision, for drawList.
DerivedFunctions derivedFunctions();

}  // namespace quorvel
