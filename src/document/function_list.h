#pragma once
// The document: the list of drawn curves in memory, in drawing order. Everything that
// draws, analyses, saves or changes the list works on this; the list file's bytes
// (a saved .QVX, the working Funclist.dat) are only how it is stored.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/list_file_check.h"
#include "document/list_entry.h"

namespace quorvel {

// How a list that cannot be saved is refused (with the title "错误").
inline constexpr const char* kMessageSaveListError = "保存列表文件错误";

class FunctionList {
 public:
  // The entries of a list file's bytes, every one ticked and without its line yet
  // (readLines gives them). nullopt when the bytes are no list this program could have
  // written: a length that is not whole records, more than kMaxListRecords records, a
  // record that fails recordFault (checkListFile says why). Its texts may be anything
  // a user typed; readEntry checks those.
  static std::optional<FunctionList> fromBytes(std::string_view bytes);
  // The list file's bytes: each entry's slot, the last one without its filler;
  // nullopt when an entry is of a kind the list file cannot keep (never dropped
  // silently: list_formats.h says which and keeps it in the other format).
  std::optional<std::string> bytes() const;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const ListEntry& at(std::size_t i) const { return entries_.at(i); }
  const std::vector<ListEntry>& entries() const { return entries_; }

  void add(ListEntry entry) { entries_.push_back(std::move(entry)); }
  void insert(std::size_t at, ListEntry entry);
  void remove(std::size_t i);
  void replace(std::size_t i, ListEntry entry) { entries_.at(i) = std::move(entry); }
  void swap(std::size_t i, std::size_t j);
  void setTicked(std::size_t i, bool ticked) { entries_.at(i).ticked = ticked; }
  void clear() { entries_.clear(); }

  bool operator==(const FunctionList&) const = default;

 private:
  std::vector<ListEntry> entries_;
};

}  // namespace quorvel
