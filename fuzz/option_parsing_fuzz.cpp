// Fuzz target: the command line's word splitting and its readers of numbers,
// picture sizes and colours. Input: words separated by newlines. Every result must
// lie inside the bounds the reader promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/option_parsing.h"

namespace {

using namespace quorvel::cli;
using quorvel::kMaxPicturePixels;

constexpr OptionRule kRules[] = {
    {"--size", true},   {"--p1", true},     {"--p2", true},     {"--color", true},
    {"--family", true}, {"--trace", false}, {"--quiet", false},
};

[[noreturn]] void fail(const char* what, std::string_view word) {
  std::fprintf(stderr, "%s for '%.*s'\n", what, static_cast<int>(word.size()), word.data());
  std::abort();
}

void checkReaders(std::string_view word) {
  if (const auto n = parseBoundedInteger(word, 0, 13); n && (*n < 0 || *n > 13)) {
    fail("integer outside its bounds", word);
  }
  if (const auto n = parseBoundedInteger(word, -5, 2147483647); n && *n < -5) {
    fail("integer below its bound", word);
  }
  if (const auto size = parsePixelSize(word)) {
    if (size->width < 1 || size->width > kMaxPicturePixels || size->height < 1 ||
        size->height > kMaxPicturePixels) {
      fail("picture size outside its bounds", word);
    }
  }
  if (const auto colour = parseHexColour(word); colour && (*colour < 0 || *colour > 0xFFFFFF)) {
    fail("colour outside 24 bits", word);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = input.find('\n', start);
    const std::size_t stop = end == std::string_view::npos ? input.size() : end;
    words.emplace_back(input.substr(start, stop - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  for (const std::string& word : words) checkReaders(word);

  const SplitWords split = splitWords(words, kRules);
  if (split.problem.empty()) {
    for (const auto& [option, value] : split.values) {
      bool known = false;
      for (const OptionRule& rule : kRules) known = known || rule.name == option;
      if (!known) fail("an unknown option was taken", option);
      checkReaders(value);
    }
    if (split.values.size() + split.operands.size() > words.size()) {
      fail("more results than words", input);
    }
  }
  return 0;
}
