#include "eval/typed_characters.h"

namespace quorvel {

namespace {

constexpr bool isContinuation(unsigned char b) { return (b & 0xC0u) == 0x80u; }

// The length and code of the UTF-8 sequence at `at`, or 0 when none starts there
// (overlong forms, surrogates and values beyond U+10FFFF start none).
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80u) {
    code = lead;
    return 1;
  }
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0u) == 0xC0u) {
    length = 2;
    value = lead & 0x1Fu;
    smallest = 0x80;
  } else if ((lead & 0xF0u) == 0xE0u) {
    length = 3;
    value = lead & 0x0Fu;
    smallest = 0x800;
  } else if ((lead & 0xF8u) == 0xF0u) {
    length = 4;
    value = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuation(byte(i))) return 0;
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  code = value;
  return length;
}

}  // namespace

std::vector<TypedCharacter> typedCharacters(std::string_view text) {
  std::vector<TypedCharacter> out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t code = 0;
    const std::size_t length = sequenceAt(text, at, code);
    if (length == 0) {
      out.push_back({at, 1, kNotACharacter});
      ++at;
    } else {
      out.push_back({at, length, code});
      at += length;
    }
  }
  return out;
}

char asciiFormOf(char32_t code) {
  if (code >= 0xFF01 && code <= 0xFF5E) return static_cast<char>(code - 0xFEE0);
  switch (code) {
    case U'\u3000':  // ideographic space
    case U'\u00A0':  // no-break space
    case U'\u2009':  // thin space
      return ' ';
    case U'\u00D7':  // ×
    case U'\u00B7':  // ·
    case U'\u22C5':  // ⋅
    case U'\u2219':  // ∙
    case U'\u30FB':  // ・, the middle dot of Chinese and Japanese input
      return '*';
    case U'\u00F7':  // ÷
    case U'\u2215':  // ∕
      return '/';
    case U'\u2212':  // −
    case U'\u2013':  // –
    case U'\uFE63':  // ﹣
      return '-';
    case U'\uFE62':  // ﹢
      return '+';
    case U'\u2223':  // ∣
      return '|';
    default: return '\0';
  }
}

char superscriptOf(char32_t code) {
  switch (code) {
    case U'\u2070': return '0';
    case U'\u00B9': return '1';
    case U'\u00B2': return '2';
    case U'\u00B3': return '3';
    case U'\u207B': return '-';
    case U'\u02E3': return 'x';
    default:
      if (code >= 0x2074 && code <= 0x2079) return static_cast<char>('4' + (code - 0x2074));
      return '\0';
  }
}

char subscriptOf(char32_t code) {
  if (code >= 0x2080 && code <= 0x2089) return static_cast<char>('0' + (code - 0x2080));
  return '\0';
}

}  // namespace quorvel
