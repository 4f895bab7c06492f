#pragma once
// The working list on disk: Funclist.dat in the working folder, the document written
// whole after every change (in one step, never torn), so that a crash loses nothing
// and the folder holds the list as the original program kept it there. The program
// never reads its list from here, only offers a journal left by a crash back.
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

  // False (the file as it was), with the reason in `error`, when it could not be
  // written.
  bool write(const FunctionList& list, std::string* error = nullptr) const;
  // No working list at all: after 清屏, and at the end.
  void remove() const;
  bool exists() const;
  // The journal found at start that could not be offered back, kept beside it under a
  // name of its own ("Funclist-DATE-TIME.damaged"), which no later crash reuses.
  void keepRecoveryAside() const;
  // The file's bytes; nullopt when it is missing or is no list file.
  std::optional<std::string> read() const;

 private:
  std::filesystem::path path_;
  std::filesystem::path recoveryPath_;
};

}  // namespace quorvel
