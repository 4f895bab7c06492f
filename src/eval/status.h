#pragma once
#include <cstdint>
#include <string_view>

namespace quorvel {

// Outcome codes of an evaluation or of one arithmetic step. They are the run-time
// error numbers the program has always reported, so they appear in files, tests and
// the command line exactly as numbers.
enum Status : std::int32_t {
  kOk = 0,
  kUndefinedToken = -1,  // a character or function name outside the operator table
  kMalformed = -2,       // wrong number of values or operators left at the end
  kInvalidArgument = 5,  // sqrt/log outside the domain, no real power, past the end
  kOverflow = 6,         // outside single precision, also 0/0
  kStackExhausted = 9,   // 31st operand, 30th operator, or too few operands
  kDivisionByZero = 11,
  kTypeMismatch = 13,  // a number text that does not convert
};

// A short English description of a status code, for the command line and logs.
constexpr std::string_view statusMeaning(std::int32_t code) {
  switch (code) {
    case kOk: return "success";
    case kUndefinedToken: return "undefined character or function name";
    case kMalformed: return "malformed expression";
    case kInvalidArgument:
      return "invalid argument (square root or logarithm outside its domain, "
             "a power without a real value, or the text ended too early)";
    case kOverflow: return "overflow (outside single precision, or 0/0)";
    case kStackExhausted:
      return "stack exhausted (too many pending values or operators, "
             "or an operator without enough values)";
    case kDivisionByZero: return "division by zero";
    case kTypeMismatch: return "a number that does not convert";
    default: return "unknown status";
  }
}

}  // namespace quorvel
