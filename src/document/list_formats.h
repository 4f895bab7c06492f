#pragma once
// The two ways a list is kept on disk, chosen for the list and told apart by content:
// the list file (.QVX, the fourteen families' records, byte-exact) and the document of
// named fields (.QVJ, every kind). A list is never written in a format that would
// drop one of its entries.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/function_list.h"
#include "document/read_entry.h"

namespace quorvel {

enum class ListFormat { ListFile, Document };

inline constexpr const char* kListFileExtension = "QVX";
inline constexpr const char* kDocumentExtension = "QVJ";

// The entry (from 0) that a list file cannot keep, or nullopt when it keeps them all.
std::optional<std::size_t> firstEntryBeyondListFile(const FunctionList& list);

// The format a list is kept in unless the user picks: the list file while it can
// keep every entry.
ListFormat naturalFormat(const FunctionList& list);

// The list's bytes in `format`; nullopt, with the reason in the program's words in
// `refusal`, when the list file cannot keep one of its entries.
std::optional<std::string> listBytes(const FunctionList& list, ListFormat format,
                                     std::string* refusal = nullptr);

// The bytes in the list's natural format: what the working list holds, and what a
// saved list is compared with.
std::string naturalBytes(const FunctionList& list);

// The format a file name asks for by its extension (either case), nullopt for another.
std::optional<ListFormat> formatOfName(const std::filesystem::path& file);

struct ListReading {
  std::optional<FunctionList> list;          // each entry without its line (readLines gives it)
  std::string fault;                         // otherwise why not, in the program's words
  ListFormat format = ListFormat::ListFile;  // the format the content was in
};

// The list that bytes hold, in whichever format their content shows.
ListReading listFromBytes(std::string_view bytes);

// The list a file holds, checked whole before anything is taken from it; a file that
// cannot be read is refused with the reason (see listFaultText).
ListReading readListFile(const std::filesystem::path& file);

}  // namespace quorvel

namespace quorvel {

// The lines of an opened list (readLines), an entry the file kept unticked staying
// unticked: a document keeps which curves were hidden (a list file ticks them all).
std::vector<EntryRefusal> readOpenedLines(FunctionList& list, const RandomNumbers& random);

}  // namespace quorvel
