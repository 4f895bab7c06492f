#pragma once
// quorvel add of a parametric curve (--xt, --yt) or a polar curve (--polar), with the
// parameter's range (--from, --to), or of an equation (--equation): read as the panel
// reads them.
#include <ostream>
#include <string>

#include "cli/option_parsing.h"

namespace quorvel::cli {

// Whether the words ask for one of these curves.
bool asksForPlaneCurve(const SplitWords& words);
// The lines of add's usage that describe the options.
std::string planeCurveUsage();
// The command for such words; `usage` is add's whole usage text.
int addPlaneCurve(const SplitWords& words, const std::string& usage, std::ostream& out,
                  std::ostream& err);

}  // namespace quorvel::cli
