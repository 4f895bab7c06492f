#pragma once
// Whether a curve's texts fit the fields of its list entry. A field holds so many
// bytes of code page 936 (a Chinese or full-width character takes two); a text cut
// at the field's end would be read back as another curve, so nothing is cut: a value
// too long for its field is written shorter with the same value, and a text that
// cannot be is refused before anything is drawn or stored.
#include <cstddef>
#include <optional>
#include <string>

#include "catalogue/func_record.h"

namespace quorvel {

// Bytes the text takes in the list file.
std::size_t storedByteCount(const std::string& utf8);

// The shortest plain decimal text of the value (no exponent, no digit before the
// point below 1, as the list writes numbers: "-.03333333", "12345680") that reads
// back as the same single; nullopt when none is at most `width` bytes.
std::optional<std::string> shortestPlainText(float value, std::size_t width);

// A value text as a field of `width` bytes keeps it: the text itself when it fits,
// otherwise its shortest plain decimal text; nullopt when neither fits (or the text
// is no number).
std::optional<std::string> storedValueText(const std::string& text, std::size_t width);

// Fits the entry's texts into their fields: the expression of family 13 as typed, the
// value texts of the boxes its form reads and of the four ranges as storedValueText
// gives them. A box the form does not read keeps what fits of it, as it always did.
// Returns the refusal (title kTitleError) naming the limit, or nullopt when the entry
// can be stored; the entry is then changed only where a value was written shorter.
std::optional<std::string> fitStoredTexts(FuncRecord& entry);

}  // namespace quorvel
