#include "eval/epc.h"

#include <cmath>
#include <cstddef>

#include "eval/expression_codes.h"
#include "eval/expression_reader.h"
#include "eval/fixed_stack.h"
#include "eval/number_text.h"
#include "eval/single_math.h"
#include "eval/status.h"

namespace quorvel {

namespace {

using namespace expression_codes;
using namespace expression_scan;

EvalStop evaluate(EvalState& state, std::string expression, const std::string& xText,
                  const VariableTexts& variables, int depth);

// One evaluation of one text: the scan loop and its steps.
class Evaluation {
 public:
  Evaluation(EvalState& state, std::string_view text, const std::string& xText,
             const VariableTexts& variables, int depth)
      : state_(state),
        xText_(xText),
        variables_(variables),
        accepted_(variables.accepted()),
        depth_(depth),
        rest_(text),
        stepLimit_(kStepsPerCharacter * (text.size() + 2)) {}

  void run() {
    // Step 1: the first character is the current token; the end marker is on the
    // operator stack from the start.
    operators_.push(kEndMarker);
    Flow flow = readNextCharacter();
    for (std::size_t steps = 0; flow == Flow::kContinue; ++steps) {
      if (steps > stepLimit_) {
        fail(kMalformed);
        return;
      }
      flow = nextStep();
    }
  }

  EvalStop stop() const { return stop_; }

 private:
  Flow nextStep() {
    if (isEndOfText()) return endTest();                                           // step 2
    if (token_ == " ") return readNextCharacter();                                 // step 3
    if (token_.size() == 1 && isDigitOrPoint(token_[0])) return appendToNumber();  // step 4
    if (token_ == "x") return readVariableX();                                     // step 5
    if (token_ == "e") return readConstantE();                                     // step 6
    if (token_ == "p" && rest_.peek() == 'i') return readConstantPi();             // step 7
    if (token_.size() == 1) {
      if (const auto name = rest_.variableAfter(token_[0], accepted_)) return readVariable(*name);
    }
    return otherToken();  // step 8
  }

  // --- shared actions -------------------------------------------------------------

  Flow fail(Status status) {
    state_.evalStatus = status;
    state_.evalResult = "0";
    stop_ = EvalStop{tokenOffset_, tokenLength_};
    return Flow::kFinished;
  }

  Flow readNextCharacter() {
    if (rest_.empty()) return fail(kInvalidArgument);  // reading past the end
    tokenOffset_ = rest_.offset();
    tokenLength_ = 1;
    token_.assign(1, rest_.take());
    return Flow::kContinue;
  }

  Flow pushOperand(float value) {
    if (!operands_.push(value)) return fail(kStackExhausted);
    return Flow::kContinue;
  }

  std::int32_t topOperator() { return operators_.topOr(kEndMarker); }

  // The current token goes back in front of the rest of input and "*" is processed
  // in its place.
  void implicitMultiplication(std::string_view putBack) {
    rest_.putBack(putBack, tokenOffset_);
    tokenLength_ = putBack.size();
    token_ = "*";
  }

  // Evaluates a sub-expression at the same x. The inner evaluation leaves its outcome
  // in the shared state; its result text is taken at once ("0" when it failed, its
  // status is not looked at) and the shared result text is emptied.
  std::string evaluateSubexpression(const std::string& text) {
    if (depth_ < kMaxSubexpressionDepth) {
      evaluate(state_, text, xText_, variables_, depth_ + 1);
    } else {
      state_.evalStatus = kMalformed;  // unreachable; counts as a failed inner evaluation
      state_.evalResult = "0";
    }
    return state_.evalResult.take();
  }

  // --- step 2 ---------------------------------------------------------------------

  bool isEndOfText() {
    return numberBuffer_.empty() && token_ == "#" && topOperator() == kEndMarker;
  }

  Flow endTest() {
    if (operands_.count() == 1 && operators_.count() == 1) {
      state_.evalResult = singleText(*operands_.top());
      state_.evalStatus = kOk;
      stop_ = EvalStop{tokenOffset_, 0};
      return Flow::kFinished;
    }
    return fail(kMalformed);
  }

  // --- steps 4 to 7: operands -------------------------------------------------------

  Flow appendToNumber() {
    if (numberBuffer_.empty()) numberOffset_ = tokenOffset_;
    numberEnd_ = tokenOffset_ + 1;
    numberBuffer_ += token_;
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  Flow pushConstant(float value) {
    if (pushOperand(value) == Flow::kFinished) return Flow::kFinished;
    scan_ = ScanState::kOperand;
    return readNextCharacter();
  }

  Flow readVariableX() {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication("x");
      return Flow::kContinue;
    }
    float x = 0.0f;
    const Status s = textToSingle(xText_, x);  // converted afresh at every "x"
    if (s != kOk) return fail(s);
    return pushConstant(x);
  }

  // A whole name of an accepted variable, read as "x" is: its text converted afresh,
  // the implicit multiplication after an operand.
  Flow readVariable(const VariableName& name) {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication(token_);
      return Flow::kContinue;
    }
    tokenLength_ = name.length;
    float value = 0.0f;
    const Status s = textToSingle(*variables_.texts[variableIndex(name.variable)], value);
    if (s != kOk) return fail(s);
    rest_.skip(name.length - 1);
    return pushConstant(value);
  }

  Flow readConstantE() {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication("e");
      return Flow::kContinue;
    }
    return pushConstant(kE);
  }

  Flow readConstantPi() {
    if (scan_ == ScanState::kOperand) {
      implicitMultiplication("p");  // the "i" is still in the rest of input
      return Flow::kContinue;
    }
    rest_.take();  // the "i"
    tokenLength_ = kPiName.size();
    return pushConstant(kPi);
  }

  // --- step 8: any other token --------------------------------------------------------

  Flow otherToken() {
    if (!numberBuffer_.empty()) return pushNumberBuffer();  // 8.1
    if (token_ == "-" &&
        (scan_ == ScanState::kNothingRead || scan_ == ScanState::kOperatorPushed)) {
      markUnaryMinus();  // 8.2
    }
    const bool afterOperand = scan_ == ScanState::kOperand || scan_ == ScanState::kReduced;
    if (token_ == "(" && afterOperand) {
      implicitMultiplication("(");  // 8.3
    } else if (isLowerCaseLetter(token_[0])) {
      if (afterOperand) {
        implicitMultiplication(token_);  // 8.4, also a name back after a reduction
      } else if (readFunctionName() == Flow::kFinished) {
        return Flow::kFinished;
      }
    }
    return operatorStep();  // 8.5
  }

  // 8.1: the number read so far goes on the operand stack; the token stays.
  Flow pushNumberBuffer() {
    float value = 0.0f;
    const Status s = textToSingle(numberBuffer_, value);
    numberBuffer_.clear();
    if (s == kOk && operands_.push(value)) return Flow::kContinue;
    // The number is where the scan stopped, not the token after it.
    tokenOffset_ = numberOffset_;
    tokenLength_ = numberEnd_ - numberOffset_;
    return fail(s == kOk ? kStackExhausted : s);
  }

  // 8.2: a "-" where no operand precedes it negates. After "^" the negative exponent
  // is computed at once from the run of ".", digits and "x" that follows.
  void markUnaryMinus() {
    token_ = "-!";
    if (topOperator() == kPower) {
      rest_.skipBlanks();
      exponentText_ = evaluateSubexpression("-" + rest_.takeArgumentRun(accepted_));
    }
  }

  // 8.4 in scan state 0 or 3: the token starts a function name. Without a bracket
  // after the name its argument is the run of ".", digits and "x" that follows,
  // evaluated now; the function itself waits on the operator stack.
  Flow readFunctionName() {
    rest_.appendNameLetters(token_);
    tokenLength_ = token_.size();
    rest_.skipBlanks();
    if (rest_.peek() == '(') return Flow::kContinue;
    const std::string argumentText = evaluateSubexpression(rest_.takeArgumentRun(accepted_));
    float argument = 0.0f;
    const Status s = textToSingle(argumentText, argument);
    if (s != kOk) return fail(s);
    return pushOperand(argument);
  }

  // 8.5: push the token's operator while it binds tighter than the top, otherwise
  // reduce by the top and look at the token again.
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

  // --- step 9: reductions -------------------------------------------------------------

  Flow reduceByTop(std::int32_t top, std::int32_t code) {
    switch (top) {
      case kAdd:
      case kSubtract:
      case kMultiply:
      case kDivide: return reduceBinary(top);
      case kNegate: return reduceNegate();
      case kPower: return token_ == "-!" ? reduceNegativeExponentPower() : reducePower();
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
      case kFloor: return reduceFunction(top);
      case kOpenBracket:
        if (code == kCloseBracket) return closeBracket();
        return pushOperator(code);
      default:
        // The end marker (or a "#" typed inside brackets) reduces nothing. A ")" here
        // has no "(" to close and would meet the marker again and again.
        if (code == kCloseBracket) return fail(kMalformed);
        return Flow::kContinue;  // "#": the end test decides
    }
  }

  Flow popOperator() {
    if (!operators_.pop()) return fail(kStackExhausted);
    return Flow::kContinue;
  }

  Flow reduceBinary(std::int32_t op) {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    float b = 0.0f, a = 0.0f;
    if (!operands_.pop(b) || !operands_.pop(a)) return fail(kStackExhausted);
    float result = 0.0f;
    Status s = kOk;
    switch (op) {
      case kAdd: s = addSingle(a, b, result); break;
      case kSubtract: s = subSingle(a, b, result); break;
      case kMultiply: s = mulSingle(a, b, result); break;
      default: s = divSingle(a, b, result); break;
    }
    if (s != kOk) return fail(s);
    scan_ = ScanState::kReduced;
    return pushOperand(result);
  }

  Flow reduceNegate() {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    float* v = operands_.top();
    if (v == nullptr) return fail(kStackExhausted);
    *v = -*v;
    scan_ = ScanState::kReduced;
    return Flow::kContinue;
  }

  // The power met by the "-!" whose exponent was computed ahead: v ^ exponent taken
  // directly, without the negative-base rule; the "-!" is used up.
  Flow reduceNegativeExponentPower() {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    float* v = operands_.top();
    if (v == nullptr) return fail(kStackExhausted);
    float exponent = 0.0f;
    Status s = textToSingle(exponentText_, exponent);
    if (s != kOk) return fail(s);
    float result = 0.0f;
    s = powSingle(*v, exponent, result);
    if (s != kOk) return fail(s);
    *v = result;
    scan_ = ScanState::kReduced;
    return readNextCharacter();
  }

  Flow reducePower() {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    float b = 0.0f, a = 0.0f;
    if (!operands_.pop(b) || !operands_.pop(a)) return fail(kStackExhausted);
    float result = 0.0f;
    const Status s = powerRuleSingle(a, b, result);  // step 10
    if (s != kOk) return fail(s);
    scan_ = ScanState::kReduced;
    return pushOperand(result);
  }

  Flow reduceFunction(std::int32_t function) {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    float* v = operands_.top();
    if (v == nullptr) return fail(kStackExhausted);
    float result = 0.0f;
    Status s = kOk;
    switch (function) {
      case kSin: s = sinSingle(*v, result); break;
      case kCos: s = cosSingle(*v, result); break;
      case kTan: s = tanSingle(*v, result); break;
      case kCot: s = cotSingle(*v, result); break;
      case kAbs: result = std::fabs(*v); break;
      case kSqr: s = sqrtSingle(*v, result); break;
      case kLn: s = lnSingle(*v, result); break;
      case kLg: s = lgSingle(*v, result); break;
      case kArcsin: s = asinSingle(*v, result); break;
      case kArccos: s = acosSingle(*v, result); break;
      case kArctan: s = atanSingle(*v, result); break;
      case kSgn: result = sgnSingle(*v); break;
      default: result = floorSingle(*v); break;  // kFloor
    }
    if (s != kOk) return fail(s);
    *v = result;
    scan_ = ScanState::kReduced;
    return Flow::kContinue;
  }

  Flow closeBracket() {
    if (popOperator() == Flow::kFinished) return Flow::kFinished;
    scan_ = ScanState::kReduced;
    return readNextCharacter();
  }

  EvalState& state_;
  const std::string& xText_;
  const VariableTexts& variables_;
  const VariableSet accepted_;
  const int depth_;
  ExpressionReader rest_;
  const std::size_t stepLimit_;
  std::string token_;
  ScanState scan_ = ScanState::kNothingRead;
  std::string numberBuffer_;
  std::size_t numberOffset_ = 0;  // where the number being read starts in the text
  std::size_t numberEnd_ = 0;     // and just after its last digit or point
  std::size_t tokenOffset_ = 0;   // where the current token was read (a "*" of an implicit
  std::size_t tokenLength_ = 0;   // multiplication: the token put back)
  EvalStop stop_;
  std::string exponentText_;
  FixedStack<float, kStackSize> operands_;
  FixedStack<std::int32_t, kStackSize> operators_;
};

EvalStop evaluate(EvalState& state, std::string expression, const std::string& xText,
                  const VariableTexts& variables, int depth) {
  expression += '#';
  Evaluation evaluation(state, expression, xText, variables, depth);
  evaluation.run();
  return evaluation.stop();
}

}  // namespace

std::int32_t numsign(std::string_view token) {
  for (const expression_codes::Token& t : expression_codes::kTokens) {
    if (t.text == token) return t.code;
  }
  return kUndefinedCode;
}

void Epc(EvalState& state, std::string expression, const std::string& xText) {
  static const VariableTexts kOnlyX;
  evaluate(state, std::move(expression), xText, kOnlyX, 0);
}

EvalStop EpcLocated(EvalState& state, std::string expression, const std::string& xText,
                    const VariableTexts& variables) {
  const std::size_t length = expression.size();
  EvalStop stop = evaluate(state, std::move(expression), xText, variables, 0);
  if (stop.offset >= length) stop = EvalStop{length, 0};  // the "#" that ends every text
  return stop;
}

}  // namespace quorvel
