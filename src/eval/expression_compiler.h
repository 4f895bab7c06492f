#pragma once
#include <string_view>

#include "eval/expression_program.h"

namespace quorvel {

// Runs Epc's scan over `expression` once, without an x, and records what it does to
// the operand stack. Operations on constants only are carried out here already.
ExpressionProgram compileExpression(std::string_view expression);

}  // namespace quorvel
