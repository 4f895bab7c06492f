#pragma once
// The list document of named fields (.QVJ): UTF-8 JSON text that keeps every kind of
// entry with all its fields, no text cut to a width. The list file (.QVX) stays the
// format of a list of the fourteen families; this one keeps what that cannot.
//
//   {"format": "quorvel-list", "version": 1,
//    "entries": [{"kind": "classic", "ticked": true, "family": 3, ...}, ...]}
//
// Each entry names its kind ("classic", "form", "parametric", "polar", "equation",
// "piecewise", "points", "derived"); a later kind
// is one more name with its fields. A file of a later version is refused, never read
// in part, and so is a damaged one, before anything is replaced by it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/function_list.h"

namespace quorvel {

inline constexpr const char* kDocumentFormatName = "quorvel-list";
inline constexpr int kDocumentVersion = 1;
// Limits that only a damaged or hostile file reaches: the file's size, one text's
// length (a hundred times the list file's widest field, room for any typed
// expression) and how deep its brackets nest (the format needs six levels: a
// piecewise function's pieces are objects in a list, and a derived curve holds its
// source, which may be a piecewise function).
inline constexpr std::size_t kMaxDocumentBytes = 32u << 20;
inline constexpr std::size_t kMaxDocumentText = 5000;
inline constexpr int kMaxDocumentNesting = 6;

// The text of the document: the list's entries in order, a trailing newline.
std::string documentBytes(const FunctionList& list);

struct DocumentReading {
  std::optional<FunctionList> list;  // each entry as the file keeps it, without its line
  std::string fault;                 // otherwise why not, in the program's words
};

// The list a document holds; the whole file is checked first, nothing is taken from a
// file that fails anywhere.
DocumentReading readDocument(std::string_view bytes);

// Why a file beyond kMaxDocumentBytes is refused.
std::string oversizedDocumentText();

// Whether bytes are meant as a document rather than a list file: their first
// character after blanks (and a UTF-8 byte order mark) is "{", which no list file can
// start with (its first record's family would be 123).
bool looksLikeDocument(std::string_view bytes);

}  // namespace quorvel
