#include "eval/expression_reader.h"

namespace quorvel::expression_scan {

void ExpressionReader::skipBlanks() {
  while (!empty() && peek() == ' ') take();
}

std::string ExpressionReader::takeArgumentRun() {
  std::string run;
  while (!empty() && isArgumentCharacter(peek())) run += take();
  return run;
}

void ExpressionReader::appendNameLetters(std::string& name) {
  while (!empty() && isLowerCaseLetter(peek()) && peek() != 'x') name += take();
}

}  // namespace quorvel::expression_scan
