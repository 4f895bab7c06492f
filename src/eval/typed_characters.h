#pragma once
// A typed text as the characters a user sees: UTF-8 decoded into code points, each with
// where its bytes lie. A byte that starts no valid sequence counts as a character of its
// own, so every byte belongs to exactly one character and positions in characters can
// be given for any text.
#include <cstddef>
#include <string_view>
#include <vector>

namespace quorvel {

struct TypedCharacter {
  std::size_t offset = 0;  // of its first byte
  std::size_t length = 0;  // bytes
  char32_t code = 0;       // kNotACharacter for a stray byte
};

inline constexpr char32_t kNotACharacter = 0xFFFFFFFF;

std::vector<TypedCharacter> typedCharacters(std::string_view text);

// The character a textbook form stands for in the evaluator's ASCII: the full-width
// forms (U+FF01..U+FF5E), the blanks of other widths, the signs of multiplication
// (× · ⋅ ∙ ・), division (÷ ∕) and minus (− – ﹣), ﹢ and ∣. '\0' for any other.
char asciiFormOf(char32_t code);

// The superscript digits, minus and x, as their ASCII ('\0' for any other).
char superscriptOf(char32_t code);
// The subscript digits as their ASCII ('\0' for any other).
char subscriptOf(char32_t code);

inline constexpr char32_t kSquareRootSign = U'\u221A';  // √

// π (and the mathematical italic π).
constexpr bool isPiSign(char32_t code) { return code == U'\u03C0' || code == U'\U0001D70B'; }

}  // namespace quorvel
