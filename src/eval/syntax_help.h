#pragma once
// A short help on what an expression may hold, made from the evaluator's own tables
// of tokens and constants so that it never disagrees with them.
#include <string>
#include <vector>

namespace quorvel {

// The examples the help shows; each one is a valid expression in x.
const std::vector<std::string>& syntaxHelpExamples();

// Several lines: the operators, the functions (with their other names), the
// constants, the implicit multiplication, and the examples.
std::string expressionSyntaxHelp();

}  // namespace quorvel
