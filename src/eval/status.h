#pragma once
#include <cstdint>

namespace quorvel {

// Outcome codes of an evaluation or of one arithmetic step. They are the run-time
// error numbers the program has always reported, so they appear in files, tests and
// the command line exactly as numbers.
enum Status : std::int32_t {
  kOk = 0,
  kUndefinedToken = -1,   // a character or function name outside the operator table
  kMalformed = -2,        // wrong number of values or operators left at the end
  kInvalidArgument = 5,   // sqrt/log outside the domain, no real power, past the end
  kOverflow = 6,          // outside single precision, also 0/0
  kStackExhausted = 9,    // 31st operand, 30th operator, or too few operands
  kDivisionByZero = 11,
  kTypeMismatch = 13,     // a number text that does not convert
};

}  // namespace quorvel
