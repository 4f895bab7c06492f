#include "document/form_entry.h"

#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/textbook_form.h"
#include "eval/epc.h"

namespace quorvel {

namespace {

// The fourth box evaluated as the other parameter boxes are: no x, a value replacing
// the text, an empty box reading as 0.
bool evaluateFourth(std::string& text, BoxFault& fault) {
  fault.box = InputBox::kParameter4;
  if (text.empty()) {
    text.push_back('0');  // (an assignment of "0" trips GCC 12's -Wrestrict)
    return true;
  }
  return evaluateConstant(text, fault);
}

bool isParameterBox(InputBox box) {
  return box == InputBox::kParameter1 || box == InputBox::kParameter2 ||
         box == InputBox::kParameter3;
}

}  // namespace

FormReading readFormCurve(const FormCurve& curve, const RandomNumbers& random) {
  FormReading out;
  out.reading = readRecord(curve.record, random);
  EntryReading& reading = out.reading;
  const FormInfo* info = form(curve.record.family, curve.record.form);
  if (info == nullptr || info->fourth.slot == Slot::None) return out;

  out.para4 = curve.para4;
  BoxFault fault;
  bool fourthRead = evaluateFourth(out.para4, fault);
  CurveParams scratch;
  if (fourthRead && !readFourthParameter(*info, out.para4, scratch)) {
    fault = BoxFault{.box = InputBox::kParameter4, .status = 0, .stop = {}};
    fourthRead = false;
  }
  if (!fourthRead) {
    // Box 4 is checked after the other three and before the ranges.
    if (!reading.fault || !isParameterBox(reading.fault->box)) reading.fault = fault;
    reading.curve.reset();
    reading.refusal = {kTitleError, kMessageDataError};
    return out;
  }
  if (!reading.curve) return out;

  EntryCurve& read = *reading.curve;
  readFourthParameter(*info, out.para4, read.params);
  const std::optional<std::string> text = listText(read.params);
  if (!text) {
    reading.curve.reset();
    reading.refusal = {kTitleParameterError, kMessageParameterTooLarge};
    return out;
  }
  read.text = *text;
  read.printed = textbookText(read.params);
  reading.line = *text;
  return out;
}

const FuncRecord* curveRecord(const ListEntry& entry) {
  if (const ClassicCurve* curve = classicCurve(entry)) return &curve->record();
  if (const auto* curve = std::get_if<FormCurve>(&entry.content)) return &curve->record;
  return nullptr;
}

std::string fourthParameter(const ListEntry& entry) {
  if (const auto* curve = std::get_if<FormCurve>(&entry.content)) return curve->para4;
  return std::string();
}

EntryContent curveContent(const FuncRecord& record, const std::string& para4) {
  if (inListFile(record.family, record.form)) return ClassicCurve(record);
  return FormCurve{record, para4};
}

std::optional<EntryContent> recolouredContent(const ListEntry& entry, std::int32_t colour) {
  const FuncRecord* record = curveRecord(entry);
  if (record == nullptr) return std::nullopt;
  FuncRecord r = *record;
  r.color = colour;
  return curveContent(r, fourthParameter(entry));
}

}  // namespace quorvel
