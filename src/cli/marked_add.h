#pragma once
// quorvel add of a piecewise function (--piece, once per piece) or of marked points
// (--points): read as the panel reads them.
#include <optional>
#include <ostream>
#include <string>

#include "cli/option_parsing.h"
#include "document/piecewise_curve.h"

namespace quorvel::cli {

bool asksForMarkedKind(const SplitWords& words);
std::string markedKindsUsage();
int addMarkedKind(const SplitWords& words, const std::string& usage, std::ostream& out,
                  std::ostream& err);

// A --piece value: the expression, then its interval written as a textbook writes it,
// "x+1, (-inf, 0)", "x^2 [0, 2)"; nullopt with `problem` set otherwise.
std::optional<Piece> parsePieceOption(const std::string& value, std::string& problem);

}  // namespace quorvel::cli
