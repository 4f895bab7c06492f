#include "eval/variables.h"

#include "eval/expression_reader.h"

namespace quorvel {

namespace {

struct NamedVariable {
  std::string_view name;
  Variable variable;
};
inline constexpr NamedVariable kNames[] = {
    {"t", Variable::kT}, {"theta", Variable::kTheta}, {"n", Variable::kN}, {"y", Variable::kY}};

}  // namespace

std::optional<VariableName> variableNameAt(std::string_view text, VariableSet accepted) {
  if (accepted.empty()) return std::nullopt;
  if (text.starts_with(kThetaSign)) {
    if (!accepted.has(Variable::kTheta)) return std::nullopt;
    return VariableName{Variable::kTheta, kThetaSign.size()};
  }
  std::size_t run = 0;
  while (run < text.size() && expression_scan::isNameLetter(text[run])) ++run;
  for (const NamedVariable& n : kNames) {
    if (text.substr(0, run) == n.name && accepted.has(n.variable)) {
      return VariableName{n.variable, run};
    }
  }
  return std::nullopt;
}

}  // namespace quorvel
