#pragma once
// What a user types, as the evaluator and the list read it. A Chinese input method in
// full-width mode types （ｘ＋１）＾２: the full-width forms of the ASCII characters
// (U+FF01 to U+FF5E) and the ideographic space (U+3000) are taken as ASCII.
#include <string>

namespace quorvel {

// The UTF-8 text with every full-width ASCII form and ideographic space replaced by
// its ASCII character; everything else as it was.
std::string asciiFromFullWidth(std::string text);

}  // namespace quorvel
