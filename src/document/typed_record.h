#pragma once
// A curve as the user typed it (the panel's boxes, quorvel add's words) read by the
// list's one reader. Every box is first rewritten from the notation a textbook uses
// into the evaluator's own tokens (√x, |x − 1|, 2π, x², a full-width or real minus
// sign), and the rewritten texts are what is read, drawn and stored, so a list file
// holds only texts any reader of the format reads. A record read from a file is not
// rewritten: its texts are the evaluator's already. A refusal says which box it came
// from and, for a fault of a text, where in the text as typed.
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/func_record.h"
#include "catalogue/input_boxes.h"
#include "document/read_entry.h"

namespace quorvel {

// The record with each text rewritten for its box: for family 13 the expression (its
// parameter fields are not read), otherwise the three parameter texts; and the four
// ranges. An open range end (" -∞", " +∞") is kept as it is.
FuncRecord rewrittenRecord(const FuncRecord& typed);

// A new entry typed by the user, read by readNewRecord after the rewrite.
struct TypedReading {
  EntryReading reading;  // of the rewritten record
  FuncRecord stored;     // the entry's texts as the list keeps them, once read
  // The first refused box and the place of the fault in its typed text; none when
  // the curve was read or its refusal is no fault of a box's text.
  FirstInputFailure failure;
  // The line under the message that names the box and the place ("表达式第 3 个字符：“q”");
  // empty when there is no box to name.
  std::string detail;
  // A form curve's fourth box as the list keeps it (empty for a classic curve).
  std::string storedPara4{};
};

TypedReading readTypedRecord(const FuncRecord& typed, const RandomNumbers& random);
// A curve of a form beyond the list file with its fourth box as typed: rewritten the
// same way and read by readFormCurve (its texts have no width to fit).
TypedReading readTypedForm(const FuncRecord& typed, const std::string& typedPara4,
                           const RandomNumbers& random);

// A number typed in a box of its own (the analysis window's ｃ, 起点, 终点, 步长): the
// text rewritten as a value box's, read as a decimal number in double precision, or
// failing that evaluated without x as a parameter box is ("π/2", "2√3"). kOk or the
// status of the failure; `value` is set only on kOk.
std::int32_t typedNumber(const std::string& typed, double& value);

}  // namespace quorvel
