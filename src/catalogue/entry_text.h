#pragma once
// Small text rules of stored entries, shared by the panel's commands and the analysis.
#include <string>

namespace quorvel {

// Stored texts are padded with blanks; leading blanks stay (" -∞" keeps its blank).
inline std::string withoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Only ASCII letters change case: the evaluator's names are ASCII, and the bytes of
// other characters must stay as they are.
inline std::string asciiLower(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return text;
}

}  // namespace quorvel
