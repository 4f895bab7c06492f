#pragma once
#include <string_view>

#include "eval/expression_program.h"
#include "eval/variables.h"

namespace quorvel {

// Runs Epc's scan over `expression` once, without an x, and records what it does to
// the operand stack. Operations on constants only are carried out here already. The
// variables besides x that `accepted` names are read as EpcLocated reads them.
ExpressionProgram compileExpression(std::string_view expression, VariableSet accepted = {});

}  // namespace quorvel
