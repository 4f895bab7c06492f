#include "eval/syntax_help.h"

#include <cstdio>
#include <map>

#include "eval/expression_codes.h"

namespace quorvel {

namespace {

using namespace expression_codes;

// What each function computes, in the panel's words.
const char* meaningOf(std::int32_t code) {
  switch (code) {
    case kSin: return "正弦";
    case kCos: return "余弦";
    case kTan: return "正切";
    case kCot: return "余切";
    case kAbs: return "绝对值";
    case kSqr: return "平方根";
    case kLn: return "自然对数";
    case kLg: return "常用对数";
    case kArcsin: return "反正弦";
    case kArccos: return "反余弦";
    case kArctan: return "反正切";
    case kSgn: return "符号函数";
    case kFloor: return "取整";
    default: return "";
  }
}

constexpr int kFunctionsPerLine = 6;

bool isOperator(std::int32_t code) { return code >= kAdd && code <= kPower && code != kNegate; }

std::string constantText(std::string_view name, float value) {
  char number[32];
  std::snprintf(number, sizeof number, "%g", static_cast<double>(value));
  return std::string(name) + "（" + number + "）";
}

}  // namespace

const std::vector<std::string>& syntaxHelpExamples() {
  static const std::vector<std::string> examples = {"x^2-2x-3", "2sin(3x+1)", "abs(x)/(x^2+1)"};
  return examples;
}

std::string expressionSyntaxHelp() {
  std::string operators;
  std::map<std::int32_t, std::string> functions;  // code → its names, in table order
  for (const Token& t : kTokens) {
    if (isOperator(t.code)) {
      operators += (operators.empty() ? "" : " ") + std::string(t.text);
    } else if (isFunctionCode(t.code)) {
      std::string& names = functions[t.code];
      names += (names.empty() ? "" : "/") + std::string(t.text);
    }
  }
  std::string help = "表达式的写法（自变量为 x）：\n";
  help += "运算：" + operators + "（^ 为乘方），括号 ( )\n";
  // Six functions to a line, so the tooltip stays narrower than a small screen.
  help += "函数：";
  int count = 0;
  for (const auto& [code, names] : functions) {
    if (count > 0) help += count % kFunctionsPerLine == 0 ? "，\n　　　" : "，";
    help += names + " " + meaningOf(code);
    ++count;
  }
  help += "\n常数：" + constantText(kPiName, kPi) + "，" + constantText(kEName, kE) + "\n";
  help += "乘号可省略：2x、3(x+1)、2pi、xsin(x)\n";
  help += "例：";
  for (const std::string& e : syntaxHelpExamples()) help += e + "　";
  return help;
}

}  // namespace quorvel
