#pragma once
// The words of a subcommand and the values of its options, read strictly. Pure
// functions without any state: anything they do not take is refused with a reason.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plot/picture.h"

namespace quorvel::cli {

struct OptionRule {
  std::string_view name;  // with its dashes: "--size"
  bool takesValue = false;
  // May be given more than once; every value is kept, in order, in `repeated`.
  bool repeatable = false;
};

struct SplitWords {
  std::map<std::string, std::string> values;                 // option → value ("" for a flag)
  std::vector<std::string> operands;                         // the words that are no option
  std::string problem;                                       // empty when the words make sense
  std::map<std::string, std::vector<std::string>> repeated;  // a repeatable option's values
  bool has(std::string_view option) const { return values.count(std::string(option)) != 0; }
  const std::string* value(std::string_view option) const;
};

// Splits the words after the subcommand's name. An option's value is the next word
// (whatever it looks like, so "--p1 -3" works) or follows "=" ("--p1=-3"); "--" ends
// the options. An unknown option, a missing value, a value given to a flag and an
// option given twice (unless it is repeatable) are problems.
SplitWords splitWords(const std::vector<std::string>& args, std::span<const OptionRule> rules);

// A whole number in plain decimal digits (no sign, no blanks) from min to max.
std::optional<int> parseBoundedInteger(std::string_view text, int min, int max);

struct PixelSize {
  int width = 0;
  int height = 0;
};
// "WxH": two whole numbers from 1 to kMaxPicturePixels joined by a lower-case x.
std::optional<PixelSize> parsePixelSize(std::string_view text);

struct CentimetreSize {
  double width = 0;
  double height = 0;
};
// "WxH" in centimetres: two numbers above 0 and at most 1000 in plain decimals ("10",
// "7.5") joined by a lower-case x.
std::optional<CentimetreSize> parseCentimetreSize(std::string_view text);

// "" when the words have exactly one operand, the list file; else what is wrong ("the
// list file LIST.QVX is needed", with `listName` for LIST.QVX, or "give exactly one list
// file").
std::string listOperandProblem(const SplitWords& words, std::string_view listName = "LIST.QVX");

// "RRGGBB": six hexadecimal digits, red first, in either case; the result is the
// program's colour value with red in the low byte.
std::optional<std::int32_t> parseHexColour(std::string_view text);
// "" unless --color is given and is no such colour.
std::string colourOptionProblem(const SplitWords& words);

}  // namespace quorvel::cli
