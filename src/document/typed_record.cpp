#include "document/typed_record.h"

#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "document/form_entry.h"
#include "eval/epc.h"
#include "eval/notation.h"
#include "eval/number_text.h"
#include "eval/status.h"

namespace quorvel {

namespace {

// A value box's text rewritten; an open range end is the program's own marker.
std::string rewrittenValue(const std::string& typed) {
  if (typed == kOpenLow || typed == kOpenHigh) return typed;
  return rewriteNotation(typed, NotationBox::kValue).text;
}

// The typed text of a box of the record.
const std::string& typedText(const FuncRecord& r, InputBox box) {
  switch (box) {
    case InputBox::kParameter1:
    case InputBox::kExpression: return r.para1;
    case InputBox::kParameter2: return r.para2;
    case InputBox::kParameter3: return r.para3;
    case InputBox::kParameter4: break;  // a FormCurve's, read by readTypedForm
    case InputBox::kRangeX1: return r.rangeX1;
    case InputBox::kRangeX2: return r.rangeX2;
    case InputBox::kRangeY1: return r.rangeY1;
    case InputBox::kRangeY2: return r.rangeY2;
  }
  return r.para1;
}

}  // namespace

FuncRecord rewrittenRecord(const FuncRecord& typed) {
  FuncRecord r = typed;
  if (typed.family == kCustomFamily) {
    r.para1 = rewriteNotation(typed.para1, NotationBox::kExpression).text;
    // A text of the evaluator's own tokens is stored as typed, its case kept, as it
    // always was (it is read lower-cased).
    if (r.para1 == asciiLower(typed.para1)) r.para1 = typed.para1;
  } else {
    r.para1 = rewrittenValue(typed.para1);
    r.para2 = rewrittenValue(typed.para2);
    r.para3 = rewrittenValue(typed.para3);
  }
  r.rangeX1 = rewrittenValue(typed.rangeX1);
  r.rangeX2 = rewrittenValue(typed.rangeX2);
  r.rangeY1 = rewrittenValue(typed.rangeY1);
  r.rangeY2 = rewrittenValue(typed.rangeY2);
  return r;
}

namespace {

// The refused box and the place of its fault in the text as typed.
void noteTypedFault(const FuncRecord& typed, const std::string& typedPara4, TypedReading& out) {
  if (out.reading.curve || !out.reading.fault) return;
  const BoxFault& fault = *out.reading.fault;
  const std::string& text =
      fault.box == InputBox::kParameter4 ? typedPara4 : typedText(typed, fault.box);
  const NotationBox notation =
      fault.box == InputBox::kExpression ? NotationBox::kExpression : NotationBox::kValue;
  // The place is looked up in the rewrite of the typed text, which is the text read.
  out.failure.note(fault.box,
                   faultPlace(rewriteNotation(text, notation), text, fault.status, fault.stop));
  out.detail = out.failure.detail(typed.family, typed.form);
}

}  // namespace

TypedReading readTypedRecord(const FuncRecord& typed, const RandomNumbers& random) {
  TypedReading out;
  out.reading = readNewRecord(rewrittenRecord(typed), random, out.stored);
  noteTypedFault(typed, std::string(), out);
  return out;
}

TypedReading readTypedForm(const FuncRecord& typed, const std::string& typedPara4,
                           const RandomNumbers& random) {
  TypedReading out;
  const FormCurve rewritten{rewrittenRecord(typed),
                            rewriteNotation(typedPara4, NotationBox::kValue).text};
  FormReading read = readFormCurve(rewritten, random);
  out.reading = std::move(read.reading);
  if (out.reading.curve) {
    out.stored = out.reading.texts;
    out.storedPara4 = std::move(read.para4);
  }
  noteTypedFault(typed, typedPara4, out);
  return out;
}

std::int32_t typedNumber(const std::string& typed, double& value) {
  const std::string text = rewrittenValue(typed);
  double read = 0;
  const std::int32_t plain = textToDouble(text, read);
  if (plain == kOk) {
    value = read;
    return kOk;
  }
  // An empty box stays refused; one with an x is no number.
  if (text.find_first_not_of(' ') == std::string::npos) return plain;
  if (text.find_first_of("xX") != std::string::npos) return kUndefinedToken;
  EvalState state;
  Epc(state, text, "1");
  if (state.evalStatus != kOk) return state.evalStatus;
  const std::int32_t status = textToDouble(state.evalResult.text(), read);
  if (status == kOk) value = read;
  return status;
}

}  // namespace quorvel
