#include "eval/input_text.h"

namespace quorvel {

std::string asciiFromFullWidth(std::string text) {
  // Both forms are three bytes in UTF-8: EF BC 81..EF BD 9E and E3 80 80.
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    if (i + 2 < text.size()) {
      const unsigned code = (byte(i) == 0xEF && (byte(i + 1) & 0xFE) == 0xBC)
                                ? 0xF000u | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu)
                                : 0;
      if (code >= 0xFF01 && code <= 0xFF5E && (byte(i + 2) & 0xC0) == 0x80) {
        out += static_cast<char>(code - 0xFEE0);
        i += 2;
        continue;
      }
      if (byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
        out += ' ';
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace quorvel
