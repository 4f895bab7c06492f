#pragma once
// The working list on disk: Funclist.dat in the working folder, the document written
// whole after every change (in one step, never torn), so that a crash loses nothing
// and the folder holds the list as the original program kept it there. The program
// never reads its list from here, only offers a journal left by a crash back.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "document/function_list.h"

namespace quorvel {

class ListJournal {
 public:
  explicit ListJournal(const std::filesystem::path& folder);

  const std::filesystem::path& path() const { return path_; }
  // Where a journal found at start waits to be offered back.
  const std::filesystem::path& recoveryPath() const { return recoveryPath_; }

  // False (the file as it was) when it could not be written.
  bool write(const FunctionList& list) const;
  // No working list at all: after 清屏, and at the end.
  void remove() const;
  bool exists() const;
  // The file's bytes; nullopt when there is no regular file.
  std::optional<std::string> read() const;

 private:
  std::filesystem::path path_;
  std::filesystem::path recoveryPath_;
};

// Every byte of a regular file of at most `most` bytes; nullopt when it is missing, is
// no regular file (a folder, a FIFO that would block), is longer or cannot be read.
std::optional<std::string> regularFileBytes(const std::filesystem::path& file, std::uintmax_t most);

// The longest list file: kMaxListEntries records.
inline constexpr std::uintmax_t kMaxListFileBytes = (kMaxListEntries - 1) * kSlotSize + kRecordSize;

}  // namespace quorvel
