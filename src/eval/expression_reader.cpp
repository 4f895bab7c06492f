#include "eval/expression_reader.h"

namespace quorvel::expression_scan {

void ExpressionReader::skipBlanks() {
  while (!empty() && peek() == ' ') take();
}

std::string ExpressionReader::takeArgumentRun(VariableSet accepted) {
  std::string run;
  while (!empty()) {
    const char c = peek();
    if (isArgumentCharacter(c)) {
      run += take();
      continue;
    }
    if (accepted.empty()) break;
    std::string ahead(1, c);
    if (isNameLetter(c)) {
      ahead = peekNameLetters();
    } else {
      ahead += peekAt(1);
    }
    const std::optional<VariableName> name = variableNameAt(ahead, accepted);
    if (!name) break;
    for (std::size_t i = 0; i < name->length; ++i) run += take();
  }
  return run;
}

void ExpressionReader::appendNameLetters(std::string& name) {
  while (!empty() && isNameLetter(peek())) name += take();
}

std::string ExpressionReader::peekNameLetters() const {
  std::string letters;
  for (std::size_t i = 0; isNameLetter(peekAt(i)); ++i) letters += peekAt(i);
  return letters;
}

std::optional<VariableName> ExpressionReader::variableAfter(char first,
                                                            VariableSet accepted) const {
  if (accepted.empty()) return std::nullopt;
  std::string name(1, first);
  if (isNameLetter(first)) {
    name += peekNameLetters();
  } else {
    name += peek();
  }
  return variableNameAt(name, accepted);
}

}  // namespace quorvel::expression_scan
