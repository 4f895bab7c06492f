// The strict readers of the subcommands' words and option values.
#include <gtest/gtest.h>

#include "cli/option_parsing.h"

namespace quorvel::cli {
namespace {

constexpr OptionRule kRules[] = {{"--size", true}, {"--trace", false}, {"--p1", true}};

TEST(SplitWords, TakesValuesFlagsAndOperands) {
  const struct {
    std::vector<std::string> args;
    std::map<std::string, std::string> values;
    std::vector<std::string> operands;
  } cases[] = {
      {{"a.qvx", "--size", "10x20", "b.png"}, {{"--size", "10x20"}}, {"a.qvx", "b.png"}},
      {{"--size=10x20", "--trace", "a"}, {{"--size", "10x20"}, {"--trace", ""}}, {"a"}},
      // A value is the next word whatever it looks like: negative numbers, "--".
      {{"--p1", "-3", "a"}, {{"--p1", "-3"}}, {"a"}},
      {{"--p1", "--trace"}, {{"--p1", "--trace"}}, {}},
      {{"--p1=", "a"}, {{"--p1", ""}}, {"a"}},
      {{"--p1=a=b"}, {{"--p1", "a=b"}}, {}},
      // One dash or none is an operand; "--" ends the options.
      {{"-", "-x", "--", "--trace"}, {}, {"-", "-x", "--trace"}},
  };
  for (const auto& c : cases) {
    const SplitWords w = splitWords(c.args, kRules);
    EXPECT_EQ(w.problem, "") << c.args.front();
    EXPECT_EQ(w.values, c.values) << c.args.front();
    EXPECT_EQ(w.operands, c.operands) << c.args.front();
  }
}

TEST(SplitWords, RefusesWhatItCannotTake) {
  const struct {
    std::vector<std::string> args;
    const char* problem;
  } cases[] = {
      {{"--frob"}, "unknown option '--frob'"},
      {{"--frob=1"}, "unknown option '--frob'"},
      {{"--siz", "1x1"}, "unknown option '--siz'"},  // no abbreviations
      {{"a", "--size"}, "--size needs a value"},
      {{"--trace=yes"}, "--trace takes no value"},
      {{"--trace", "--trace"}, "--trace is given twice"},
      {{"--size", "1x1", "--size=2x2"}, "--size is given twice"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(splitWords(c.args, kRules).problem, c.problem) << c.args.front();
  }
}

TEST(ParseBoundedInteger, PlainDigitsWithinTheBounds) {
  const struct {
    const char* text;
    int min, max;
    std::optional<int> value;
  } cases[] = {
      {"0", 0, 16000, 0},
      {"16000", 0, 16000, 16000},
      {"16001", 0, 16000, {}},
      {"0", 1, 10000, {}},
      {"1", 1, 10000, 1},
      {"007", 0, 13, 7},
      {"", 0, 13, {}},
      {"-1", -5, 5, {}},
      {"+1", 0, 5, {}},
      {" 1", 0, 5, {}},
      {"1 ", 0, 5, {}},
      {"1.0", 0, 5, {}},
      {"1e3", 0, 5000, {}},
      {"0x10", 0, 100, {}},
      {"٣", 0, 9, {}},
      {"99999999999999999999", 0, 2147483647, {}},  // beyond int: refused, not wrapped
      {"2147483647", 0, 2147483647, 2147483647},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseBoundedInteger(c.text, c.min, c.max), c.value) << '"' << c.text << '"';
  }
}

TEST(ParsePixelSize, TwoSidesJoinedByX) {
  const struct {
    const char* text;
    std::optional<std::pair<int, int>> size;
  } cases[] = {
      {"800x600", std::pair{800, 600}},
      {"1x1", std::pair{1, 1}},
      {"8000x8000", std::pair{8000, 8000}},
      {"8001x10", {}},
      {"10x8001", {}},
      {"0x10", {}},
      {"10x0", {}},
      {"800X600", {}},
      {"800×600", {}},
      {"800x", {}},
      {"x600", {}},
      {"800", {}},
      {"800x600x2", {}},
      {"-8x6", {}},
      {" 8x6", {}},
      {"8x6 ", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    const std::optional<PixelSize> s = parsePixelSize(c.text);
    ASSERT_EQ(s.has_value(), c.size.has_value()) << c.text;
    if (s) {
      EXPECT_EQ(s->width, c.size->first) << c.text;
      EXPECT_EQ(s->height, c.size->second) << c.text;
    }
  }
}

TEST(ParseCentimetreSize, PlainDecimalsAbove0UpTo1000) {
  const struct {
    const char* text;
    std::optional<std::pair<double, double>> size;
  } cases[] = {
      {"10x10", std::pair{10.0, 10.0}},
      {"8.5x4", std::pair{8.5, 4.0}},
      {"0.1x1000", std::pair{0.1, 1000.0}},
      {"0x5", {}},
      {"1000.5x5", {}},
      {"5x", {}},
      {".5x5", {}},
      {"5.x5", {}},
      {"5x-2", {}},
      {"1e2x5", {}},
      {"5,5x5", {}},
      {"5 x5", {}},
  };
  for (const auto& c : cases) {
    const std::optional<CentimetreSize> s = parseCentimetreSize(c.text);
    ASSERT_EQ(s.has_value(), c.size.has_value()) << c.text;
    if (s) {
      EXPECT_EQ(s->width, c.size->first) << c.text;
      EXPECT_EQ(s->height, c.size->second) << c.text;
    }
  }
}

TEST(ParseHexColour, RedFirstOnTheLineRedLowInTheValue) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"FF0000", 0x0000FF},
      {"00FF00", 0x00FF00},
      {"0000ff", 0xFF0000},
      {"FF8000", 0x0080FF},
      {"123456", 0x563412},
      {"ffffff", 0xFFFFFF},
      {"000000", 0},
      {"#FF0000", {}},
      {"FF000", {}},
      {"FF00000", {}},
      {"GG0000", {}},
      {"ff 000", {}},
      {"", {}},
      {"0x1234", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseHexColour(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace quorvel::cli
