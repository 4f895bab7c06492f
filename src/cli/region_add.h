#pragma once
// quorvel add of a region given by inequalities (--region, once per inequality, and
// --objective for a linear program): read as the panel reads its boxes.
#include <ostream>
#include <string>

#include "cli/option_parsing.h"

namespace quorvel::cli {

bool asksForRegion(const SplitWords& words);
std::string regionUsage();
int addRegion(const SplitWords& words, const std::string& usage, std::ostream& out,
              std::ostream& err);

}  // namespace quorvel::cli
