// Reading an entry step by step as the draw command checks its boxes: the parameter
// texts, the parameters and the equation, the ranges and their order, the family's
// rule, and the size of the numbers the equation needs.
#include "document/read_entry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/stored_text.h"
#include "catalogue/textbook_form.h"
#include "document/derived_entry.h"
#include "document/form_entry.h"
#include "document/parametric_entry.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "document/region_entry.h"
#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/epc.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

constexpr int kExpressionTrials = 11;

// Notes a fault of `box` unless an earlier box's is noted already.
void noteFault(std::optional<BoxFault>& first, InputBox box, const BoxFault& fault) {
  if (first) return;
  first = fault;
  first->box = box;
}

// The parameter fields: an empty one reads as "0"; each one the form uses is
// evaluated. False when one of those does not evaluate (all of them are tried).
bool evaluateParameters(const FormInfo* info, std::array<std::string*, 3> texts,
                        std::optional<BoxFault>& first) {
  bool ok = true;
  for (std::size_t box = 0; box < texts.size(); ++box) {
    std::string& text = *texts[box];
    if (text.empty()) {
      text.push_back('0');
      continue;
    }
    if (info != nullptr && info->boxes[box].slot == Slot::None) continue;
    // The exponent is read as typed: a fraction must stay one (readExponent).
    if (info != nullptr && info->boxes[box].slot == Slot::Alpha) continue;
    BoxFault fault;
    if (!evaluateConstant(text, fault)) {
      ok = false;
      noteFault(first, kInputBoxOrder[box], fault);
    }
  }
  return ok;
}

// The first parameter box whose value is no parameter of its slot (h beyond 32 bits).
std::optional<InputBox> unreadableSlot(const FormInfo& info,
                                       const std::array<std::string, 3>& texts) {
  for (std::size_t box = 0; box < texts.size(); ++box) {
    FormInfo alone = info;
    for (std::size_t other = 0; other < texts.size(); ++other) {
      if (other != box) alone.boxes[other].slot = Slot::None;
    }
    CurveParams scratch;
    if (!readSlotParameters(alone, texts, scratch)) return kInputBoxOrder[box];
  }
  return std::nullopt;
}

// A range end: its open marker, or a text evaluated to a single.
bool readEnd(std::string& text, const char* openMarker, float& value, bool& open, BoxFault& fault) {
  value = 0;
  open = text == openMarker;
  if (open) return true;
  if (!evaluateConstant(text, fault)) return false;
  return textToSingle(text, value) == kOk;
}

bool readRange(FuncRecord& texts, PlotRange& range, std::optional<BoxFault>& first) {
  // All four, even after one has failed, so that each shows its value.
  bool ok = true;
  const auto end = [&](std::string& text, const char* marker, float& value, bool& open,
                       InputBox box) {
    BoxFault fault;
    if (readEnd(text, marker, value, open, fault)) return;
    ok = false;
    noteFault(first, box, fault);
  };
  end(texts.rangeX1, kOpenLow, range.xFrom, range.xFromOpen, InputBox::kRangeX1);
  end(texts.rangeX2, kOpenHigh, range.xTo, range.xToOpen, InputBox::kRangeX2);
  end(texts.rangeY1, kOpenLow, range.yFrom, range.yFromOpen, InputBox::kRangeY1);
  end(texts.rangeY2, kOpenHigh, range.yTo, range.yToOpen, InputBox::kRangeY2);
  return ok;
}

// The range whose ends are out of order (equal ends are too; an open end never is).
std::optional<InputBox> rangeOutOfOrder(const PlotRange& r) {
  if (!r.xFromOpen && !r.xToOpen && r.xFrom >= r.xTo) return InputBox::kRangeX1;
  if (!r.yFromOpen && !r.yToOpen && r.yFrom >= r.yTo) return InputBox::kRangeY1;
  return std::nullopt;
}

// An expression of one's own: its brackets, then eleven trials at random x. A failure
// of the arithmetic at some point is allowed; one of the text itself is not.
std::optional<std::string> expressionProblem(const std::string& expression,
                                             const RandomNumbers& random, BoxFault& fault) {
  fault.box = InputBox::kExpression;
  if (!bracketsBalanced(expression)) return kMessageBracketError;
  for (int trial = 0; trial < kExpressionTrials; ++trial) {
    const double r = static_cast<double>(random());
    const double sign = trial % 2 == 0 ? 1.0 : -1.0;
    const float x = static_cast<float>(sign * 100.0 * r);
    EvalState state;
    fault.stop = EpcLocated(state, expression, singleText(x));
    fault.status = state.evalStatus;
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
                                  std::optional<bool>& sweepAlongY,
                                  std::optional<BoxFault>& fault) {
  if (c.funcFamily == 0 && (c.funcForm == 0 || c.funcForm == 1)) {
    // A horizontal line cannot be swept along y.
    if (c.paramK == 0) sweepAlongY = false;
    return std::nullopt;
  }
  if (c.funcFamily == kCustomFamily) {
    BoxFault expressionFault;
    if (std::optional<std::string> problem =
            expressionProblem(c.expression, random, expressionFault)) {
      fault = expressionFault;
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

bool evaluateConstant(std::string& text, BoxFault& fault) {
  if (const std::size_t x = text.find_first_of("xX"); x != std::string::npos) {
    // No x in a value: the evaluator would read it, so it is named as the fault.
    fault.status = kUndefinedToken;
    fault.stop = EvalStop{x, 1};
    return false;
  }
  EvalState state;
  fault.stop = EpcLocated(state, text, "1");
  fault.status = state.evalStatus;
  if (state.evalStatus != kOk) return false;
  text = state.evalResult;
  return true;
}

EntryCurve kindCurve(int family, std::int32_t colour, std::string line, std::string printed) {
  EntryCurve curve;
  curve.params.funcFamily = static_cast<std::int16_t>(family);
  curve.colour = colour;
  curve.text = std::move(line);
  curve.printed = std::move(printed);
  return curve;
}

bool constantInDouble(const std::string& text, double& value, std::int32_t& status,
                      EvalStop& stop) {
  // What follows a # is a comment the evaluator never reads.
  const std::size_t end = std::min(text.find('#'), text.size());
  if (const std::size_t x = text.find_first_of("xX"); x < end) {
    status = kUndefinedToken;
    stop = EvalStop{x, 1};
    return false;
  }
  EvalState state;
  stop = EpcLocated(state, text, "1");
  status = state.evalStatus;
  if (status != kOk) return false;
  const DoubleOutcome exact = runProgramInDouble(CompiledExpression(text).program(), 1.0);
  value = exact.value;
  if (exact.status != kOk || !std::isfinite(value)) {
    status = kOk;
    return false;
  }
  return true;
}

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
      !custom && !evaluateParameters(info, {&texts.para1, &texts.para2, &texts.para3}, out.fault);
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
      if (std::optional<InputBox> box =
              unreadableSlot(*info, {texts.para1, texts.para2, texts.para3})) {
        noteFault(out.fault, *box, BoxFault{});
      }
    }
    if (text && !text->empty()) out.line = *text;
    if (!readRange(texts, range, out.fault)) inputError = true;
  }
  if (!inputError) {
    if (std::optional<InputBox> box = rangeOutOfOrder(range)) {
      inputError = true;
      noteFault(out.fault, *box, BoxFault{});
    }
  }
  if (inputError) {
    out.refusal = {kTitleError, kMessageDataError};
    return out;
  }

  std::optional<bool> sweepAlongY;
  if (std::optional<Refusal> refused = familyRule(c, random, sweepAlongY, out.fault)) {
    out.refusal = std::move(*refused);
    return out;
  }
  // a², b² or 2p beyond single precision: the equation cannot be written.
  if (!text) {
    out.refusal = {kTitleParameterError, kMessageParameterTooLarge};
    return out;
  }
  std::string printed = textbookText(c);
  out.curve = EntryCurve{.params = std::move(c),
                         .range = range,
                         .wholeNumbers = record.intX != 0,
                         .colour = record.color,
                         .sweepAlongY = sweepAlongY,
                         .text = *text,
                         .printed = std::move(printed)};
  return out;
}

EntryReading readEntry(const ListEntry& entry, const RandomNumbers& random) {
  if (const ClassicCurve* curve = classicCurve(entry)) return readRecord(curve->record(), random);
  if (const auto* curve = std::get_if<FormCurve>(&entry.content)) {
    return readFormCurve(*curve, random).reading;
  }
  // Piecewise functions and marked points.
  if (const auto* curve = std::get_if<PiecewiseCurve>(&entry.content)) {
    return readPiecewise(*curve, nullptr);
  }
  if (const auto* points = std::get_if<PointList>(&entry.content)) return readPointList(*points);
  // Curves derived from another entry.
  if (const auto* derived = std::get_if<DerivedCurve>(&entry.content)) {
    return readDerived(*derived, random);
  }
  // Regions given by inequalities.
  if (const auto* region = std::get_if<RegionCurve>(&entry.content)) return readRegion(*region);
  return *readPlaneEntry(entry);
}

std::vector<EntryRefusal> readLines(FunctionList& list, const RandomNumbers& random) {
  std::vector<EntryRefusal> refused;
  for (std::size_t i = 0; i < list.size(); ++i) {
    EntryReading reading = readEntry(list.at(i), random);
    ListEntry entry = list.at(i);
    entry.line = std::move(reading.line);
    entry.printed = reading.curve ? std::move(reading.curve->printed) : std::string();
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
