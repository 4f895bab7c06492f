#pragma once
// quorvel add of a curve derived from an entry y = f(x) of the list: its derivative
// (--derivative N, with --second f″), its tangent or normal at x₀ (--tangent N --at X0
// [--normal]), the area under it (--area N --from A --to B), made with the core the
// analysis window uses.
#include <ostream>
#include <string>

#include "cli/option_parsing.h"

namespace quorvel::cli {

bool asksForDerivedCurve(const SplitWords& words);
std::string derivedCurvesUsage();
int addDerivedCurve(const SplitWords& words, const std::string& usage, std::ostream& out,
                    std::ostream& err);

}  // namespace quorvel::cli
