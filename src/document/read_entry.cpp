// Reading an entry step by step as the draw command checks its boxes: the parameter
// texts, the parameters and the equation, the ranges and their order, the family's
// rule, and the size of the numbers the equation needs.
#include "document/read_entry.h"

#include <array>
#include <random>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/stored_text.h"
#include "eval/epc.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

constexpr int kExpressionTrials = 11;

// A constant text evaluated at x = 1 and replaced by its value; false (the text left
// as it was) when it holds an x or does not evaluate.
bool evaluateConstant(std::string& text) {
  if (text.find('X') != std::string::npos || text.find('x') != std::string::npos) return false;
  EvalState state;
  Epc(state, text, "1");
  if (state.evalStatus != kOk) return false;
  text = state.evalResult;
  return true;
}

// The parameter fields: an empty one reads as "0"; each one the form uses is
// evaluated. False when one of those does not evaluate (all of them are tried).
bool evaluateParameters(const FormInfo* info, std::array<std::string*, 3> texts) {
  bool ok = true;
  for (std::size_t box = 0; box < texts.size(); ++box) {
    std::string& text = *texts[box];
    if (text.empty()) {
      text.push_back('0');
      continue;
    }
    if (info != nullptr && info->boxes[box].slot == Slot::None) continue;
    if (!evaluateConstant(text)) ok = false;
  }
  return ok;
}

// A range end: its open marker, or a text evaluated to a single.
bool readEnd(std::string& text, const char* openMarker, float& value, bool& open) {
  value = 0;
  open = text == openMarker;
  if (open) return true;
  if (!evaluateConstant(text)) return false;
  return textToSingle(text, value) == kOk;
}

bool readRange(FuncRecord& texts, PlotRange& range) {
  // All four, even after one has failed, so that each shows its value.
  bool ok = readEnd(texts.rangeX1, kOpenLow, range.xFrom, range.xFromOpen);
  ok = readEnd(texts.rangeX2, kOpenHigh, range.xTo, range.xToOpen) && ok;
  ok = readEnd(texts.rangeY1, kOpenLow, range.yFrom, range.yFromOpen) && ok;
  ok = readEnd(texts.rangeY2, kOpenHigh, range.yTo, range.yToOpen) && ok;
  return ok;
}

bool rangeInOrder(const PlotRange& r) {
  // Equal ends are wrong too; an open end never is.
  const bool xWrong = !r.xFromOpen && !r.xToOpen && r.xFrom >= r.xTo;
  const bool yWrong = !r.yFromOpen && !r.yToOpen && r.yFrom >= r.yTo;
  return !xWrong && !yWrong;
}

// An expression of one's own: its brackets, then eleven trials at random x. A failure
// of the arithmetic at some point is allowed; one of the text itself is not.
std::optional<std::string> expressionProblem(const std::string& expression,
                                             const RandomNumbers& random) {
  if (!bracketsBalanced(expression)) return kMessageBracketError;
  for (int trial = 0; trial < kExpressionTrials; ++trial) {
    const double r = static_cast<double>(random());
    const double sign = trial % 2 == 0 ? 1.0 : -1.0;
    const float x = static_cast<float>(sign * 100.0 * r);
    EvalState state;
    Epc(state, expression, singleText(x));
    switch (state.evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: break;
      case kUndefinedToken: return kMessageUndefinedCharacter;
      default: return kMessageExpressionError;
    }
  }
  return std::nullopt;
}

// The family's rule: the message that refuses the curve, or nullopt. A line of family
// 0 may instead demand the sweep it needs.
std::optional<Refusal> familyRule(const CurveParams& c, const RandomNumbers& random,
                                  std::optional<bool>& sweepAlongY) {
  if (c.funcFamily == 0 && (c.funcForm == 0 || c.funcForm == 1)) {
    // A horizontal line cannot be swept along y.
    if (c.paramK == 0) sweepAlongY = false;
    return std::nullopt;
  }
  if (c.funcFamily == kCustomFamily) {
    if (std::optional<std::string> problem = expressionProblem(c.expression, random)) {
      return Refusal{kTitleError, *problem};
    }
    return std::nullopt;
  }
  if (std::optional<std::string> rule = validityMessage(c)) {
    return Refusal{kTitleParameterError, *rule};
  }
  if (c.funcFamily == 0 && c.funcForm == 2) {
    // Ax+By+C=0: a vertical line (B = 0) needs the y sweep, a horizontal one the x.
    if (c.paramA == 0) {
      sweepAlongY = false;
    } else if (c.paramB == 0) {
      sweepAlongY = true;
    }
  }
  return std::nullopt;
}

}  // namespace

EntryReading readRecord(const FuncRecord& record, const RandomNumbers& random) {
  EntryReading out;
  out.texts = record;
  FuncRecord& texts = out.texts;
  out.line = withoutTrailingBlanks(record.para1);
  const bool custom = record.family == kCustomFamily;
  const FormInfo* info = form(record.family, record.form);

  CurveParams c;
  c.funcFamily = record.family;
  c.funcForm = record.form;
  bool inputError =
      !custom && !evaluateParameters(info, {&texts.para1, &texts.para2, &texts.para3});
  std::optional<std::string> text;
  PlotRange range;
  if (!inputError) {
    if (info == nullptr) {
      inputError = true;  // a family and form outside the catalogue
    } else if (custom) {
      c.expression = asciiLower(texts.para1);
      text = listText(c);
    } else if (readSlotParameters(*info, {texts.para1, texts.para2, texts.para3}, c)) {
      text = listText(c);
    } else {
      inputError = true;
    }
    if (text && !text->empty()) out.line = *text;
    if (!readRange(texts, range)) inputError = true;
  }
  if (inputError || !rangeInOrder(range)) {
    out.refusal = {kTitleError, kMessageDataError};
    return out;
  }

  std::optional<bool> sweepAlongY;
  if (std::optional<Refusal> refused = familyRule(c, random, sweepAlongY)) {
    out.refusal = std::move(*refused);
    return out;
  }
  // a², b² or 2p beyond single precision: the equation cannot be written.
  if (!text) {
    out.refusal = {kTitleParameterError, kMessageParameterTooLarge};
    return out;
  }
  out.curve = EntryCurve{.params = std::move(c),
                         .range = range,
                         .wholeNumbers = record.intX != 0,
                         .colour = record.color,
                         .sweepAlongY = sweepAlongY,
                         .text = *text};
  return out;
}

EntryReading readEntry(const ListEntry& entry, const RandomNumbers& random) {
  return std::visit([&](const ClassicCurve& curve) { return readRecord(curve.record(), random); },
                    entry.content);
}

std::vector<EntryRefusal> readLines(FunctionList& list, const RandomNumbers& random) {
  std::vector<EntryRefusal> refused;
  for (std::size_t i = 0; i < list.size(); ++i) {
    EntryReading reading = readEntry(list.at(i), random);
    ListEntry entry = list.at(i);
    entry.line = std::move(reading.line);
    entry.ticked = reading.curve.has_value();
    if (!reading.curve) refused.push_back(EntryRefusal{i, std::move(reading.refusal)});
    list.replace(i, std::move(entry));
  }
  return refused;
}

RandomNumbers seededRandom(std::uint32_t seed) {
  return [engine = std::mt19937(seed)]() mutable {
    // 24 random bits scaled by 2^-24: exactly representable and always below 1.
    const std::uint32_t bits = static_cast<std::uint32_t>(engine()) >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
  };
}

EntryReading readNewRecord(const FuncRecord& record, const RandomNumbers& random,
                           FuncRecord& stored) {
  EntryReading reading = readRecord(record, random);
  if (!reading.curve) return reading;
  stored = reading.texts;
  if (const std::optional<std::string> problem = fitStoredTexts(stored)) {
    reading.curve.reset();
    reading.refusal = Refusal{kTitleError, *problem};
  }
  return reading;
}

}  // namespace quorvel
