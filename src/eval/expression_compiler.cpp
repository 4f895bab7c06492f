#include "eval/expression_compiler.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "eval/compiled_expression.h"
#include "eval/epc.h"
#include "eval/expression_codes.h"
#include "eval/expression_reader.h"
#include "eval/fixed_stack.h"
#include "eval/number_text.h"
#include "eval/program_builder.h"
#include "eval/program_runner.h"
#include "eval/status.h"

// The scan below follows Epc's step by step: the same reader, tokens, scan states,
// put-backs, operator stack and step guard, so it takes the same path. Where Epc
// computes a value, it records the operation instead; where Epc fails for a reason
// the text alone decides, the program ends with that failure.
namespace quorvel {

namespace {

using namespace expression_codes;
using namespace expression_scan;

OpCode opCodeOf(std::int32_t code) {
  switch (code) {
    case kAdd: return OpCode::kAdd;
    case kSubtract: return OpCode::kSubtract;
    case kMultiply: return OpCode::kMultiply;
    case kDivide: return OpCode::kDivide;
    case kSin: return OpCode::kSin;
    case kCos: return OpCode::kCos;
    case kTan: return OpCode::kTan;
    case kCot: return OpCode::kCot;
    case kAbs: return OpCode::kAbs;
    case kSqr: return OpCode::kSqr;
    case kLn: return OpCode::kLn;
    case kArcsin: return OpCode::kArcsin;
    case kArccos: return OpCode::kArccos;
    case kArctan: return OpCode::kArctan;
    case kSgn: return OpCode::kSgn;
    case kFloor: return OpCode::kFloor;
    default: return OpCode::kLg;
  }
}

ExpressionProgram compileText(std::string_view textWithEnd, VariableSet accepted, int depth);

class ScanCompiler {
 public:
  ScanCompiler(std::string_view textWithEnd, VariableSet accepted, int depth)
      : accepted_(accepted),
        depth_(depth),
        rest_(textWithEnd),
        stepLimit_(kStepsPerCharacter * (textWithEnd.size() + 2)) {}

  ExpressionProgram compile() {
    operators_.push(kEndMarker);
    Flow flow = readNextCharacter();
    for (std::size_t steps = 0; flow == Flow::kContinue; ++steps) {
      if (steps > stepLimit_) {
        fail(kMalformed);
        break;
      }
      flow = nextStep();
    }
    return builder_.finish();
  }

 private:
  Flow nextStep() {
    if (numberBuffer_.empty() && token_ == "#" && topOperator() == kEndMarker) return endTest();
    if (token_ == " ") return readNextCharacter();
    if (token_.size() == 1 && isDigitOrPoint(token_[0])) return appendToNumber();
    if (token_ == "x") return readVariableX();
    if (token_ == "e") return readConstant('e', kE);
    if (token_ == "p" && rest_.peek() == 'i') return readConstant('p', kPi);
    if (token_.size() == 1) {
      if (const auto name = rest_.variableAfter(token_[0], accepted_)) return readVariable(*name);
    }
    return otherToken();
  }

  std::int32_t topOperator() const { return operators_.topOr(kEndMarker); }

  Flow fail(Status status) {
    builder_.fail(status);
    return Flow::kFinished;
  }

  Flow readNextCharacter() {
    if (rest_.empty()) return fail(kInvalidArgument);
    token_.assign(1, rest_.take());
    return Flow::kContinue;
  }

  bool operandStackFull() const { return builder_.operandCount() >= kStackSize; }

  void implicitMultiplication(std::string_view putBack) {
    rest_.putBack(putBack, 0);  // where it stands is Epc's concern only
    token_ = "*";
  }

  // A sub-expression at the same x; its result reaches the outer scan as its text
  // read back, "0" when it failed.
  SubexpressionResult subexpression(const std::string& text) {
    SubexpressionResult result;
    if (depth_ >= kMaxSubexpressionDepth) return result;  // 0, as Epc's guard gives
    ExpressionProgram program = compileText(text + '#', accepted_, depth_ + 1);
    if (program.usesX) {
      result.constant = false;
      result.program = std::move(program);
    } else {
      result.value = subexpressionValue(program, XValue{}, kNoVariableValues);
    }
    return result;
  }

  Flow endTest() {
    if (builder_.operandCount() == 1 && operators_.count() == 1) {
      builder_.end();
      return Flow::kFinished;
    }
    return fail(kMalformed);
  }

  Flow appendToNumber() {
    numberBuffer_ += token_;
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  Flow readVariableX() {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication("x");
      return Flow::kContinue;
    }
    if (operandStackFull()) {
      builder_.checkX();  // Epc reads x before it finds no room for it
      return fail(kStackExhausted);
    }
    builder_.pushX();
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  Flow readVariable(const VariableName& name) {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication(token_);
      return Flow::kContinue;
    }
    if (operandStackFull()) {
      builder_.checkVariable(name.variable);  // Epc reads it before it finds no room
      return fail(kStackExhausted);
    }
    rest_.skip(name.length - 1);
    builder_.pushVariable(name.variable);
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  // "e", and "p" of "pi" (whose "i" is taken here).
  Flow readConstant(char first, float value) {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication(std::string(1, first));
      return Flow::kContinue;
    }
    if (first == 'p') rest_.take();
    if (operandStackFull()) return fail(kStackExhausted);
    builder_.pushConstant(value);
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  Flow otherToken() {
    if (!numberBuffer_.empty()) return pushNumberBuffer();
    const bool operandExpected =
        scan_ == ScanState::kNothingRead || scan_ == ScanState::kOperatorPushed;
    if (token_ == "-" && operandExpected) {
      markUnaryMinus();
    }
    const bool afterOperand = scan_ == ScanState::kOperand || scan_ == ScanState::kReduced;
    if (token_ == "(" && afterOperand) {
      implicitMultiplication("(");
    } else if (isLowerCaseLetter(token_[0])) {
      if (afterOperand) {
        implicitMultiplication(token_);
      } else if (readFunctionName() == Flow::kFinished) {
        return Flow::kFinished;
      }
    }
    return operatorStep();
  }

  Flow pushNumberBuffer() {
    float value = 0.0f;
    const Status s = textToSingle(numberBuffer_, value);
    if (s != kOk) return fail(s);
    numberBuffer_.clear();
    if (operandStackFull()) return fail(kStackExhausted);
    builder_.pushConstant(value);
    return Flow::kContinue;
  }

  void markUnaryMinus() {
    token_ = "-!";
    if (topOperator() == kPower) {
      rest_.skipBlanks();
      exponent_ = subexpression("-" + rest_.takeArgumentRun(accepted_));
      exponentComputed_ = true;
    }
  }

  Flow readFunctionName() {
    rest_.appendNameLetters(token_);
    rest_.skipBlanks();
    if (rest_.peek() == '(') return Flow::kContinue;
    SubexpressionResult argument = subexpression(rest_.takeArgumentRun(accepted_));
    if (operandStackFull()) return fail(kStackExhausted);
    builder_.pushSubexpression(std::move(argument));
    return Flow::kContinue;
  }

  Flow operatorStep() {
    const std::int32_t code = numsign(token_);
    if (code == kUndefinedCode) return fail(kUndefinedToken);
    const std::int32_t top = topOperator();
    if (precedenceClass(top) < precedenceClass(code)) return pushOperator(code);
    return reduceByTop(top, code);
  }

  Flow pushOperator(std::int32_t code) {
    if (!operators_.push(code)) return fail(kStackExhausted);
    scan_ = ScanState::kOperatorPushed;
    return readNextCharacter();
  }

  Flow reduceByTop(std::int32_t top, std::int32_t code) {
    switch (top) {
      case kAdd:
      case kSubtract:
      case kMultiply:
      case kDivide: return reduceBinary(opCodeOf(top));
      case kPower:
        if (token_ == "-!") return reduceNegativeExponentPower();
        return reduceBinary(OpCode::kPower);
      case kNegate: return reduceUnary(OpCode::kNegate);
      case kSin:
      case kCos:
      case kTan:
      case kCot:
      case kAbs:
      case kSqr:
      case kLn:
      case kLg:
      case kArcsin:
      case kArccos:
      case kArctan:
      case kSgn:
      case kFloor: return reduceUnary(opCodeOf(top));
      case kOpenBracket:
        if (code == kCloseBracket) return closeBracket();
        return pushOperator(code);
      default:
        if (code == kCloseBracket) return fail(kMalformed);
        return Flow::kContinue;
    }
  }

  Flow reduceBinary(OpCode op) {
    if (!operators_.pop()) return fail(kStackExhausted);
    if (builder_.operandCount() < 2) return fail(kStackExhausted);
    if (!builder_.binary(op)) return Flow::kFinished;
    scan_ = ScanState::kReduced;
    return Flow::kContinue;
  }

  Flow reduceUnary(OpCode op) {
    if (!operators_.pop()) return fail(kStackExhausted);
    if (builder_.operandCount() < 1) return fail(kStackExhausted);
    if (!builder_.unary(op)) return Flow::kFinished;
    scan_ = ScanState::kReduced;
    return Flow::kContinue;
  }

  // The "-!" whose exponent was computed ahead meets "^": the top value raised to it
  // directly; the "-!" is used up. No exponent yet: its empty text does not convert.
  Flow reduceNegativeExponentPower() {
    if (!operators_.pop()) return fail(kStackExhausted);
    if (builder_.operandCount() < 1) return fail(kStackExhausted);
    if (!exponentComputed_) return fail(kTypeMismatch);
    if (!builder_.powerBy(exponent_)) return Flow::kFinished;
    scan_ = ScanState::kReduced;
    return readNextCharacter();
  }

  Flow closeBracket() {
    if (!operators_.pop()) return fail(kStackExhausted);
    scan_ = ScanState::kReduced;
    return readNextCharacter();
  }

  const VariableSet accepted_;
  const int depth_;
  ExpressionReader rest_;
  const std::size_t stepLimit_;
  std::string token_;
  ScanState scan_ = ScanState::kNothingRead;
  std::string numberBuffer_;
  SubexpressionResult exponent_;  // the last exponent computed ahead, kept until replaced
  bool exponentComputed_ = false;
  FixedStack<std::int32_t, kStackSize> operators_;
  ProgramBuilder builder_;
};

ExpressionProgram compileText(std::string_view textWithEnd, VariableSet accepted, int depth) {
  return ScanCompiler(textWithEnd, accepted, depth).compile();
}

}  // namespace

ExpressionProgram compileExpression(std::string_view expression, VariableSet accepted) {
  std::string text(expression);
  text += '#';
  return compileText(text, accepted, 0);
}

}  // namespace quorvel
