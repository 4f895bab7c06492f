#pragma once
// The working list on disk: Funclist.dat in the working folder, the document written
// whole after every change (in one step, never torn), so that a crash loses nothing
// and the folder holds the list as the original program kept it there. A list with an
// entry that file cannot keep goes to Funclist.qvj (the document of named fields)
// instead, and the other file is removed once the new one is written, so only one of
// them holds the list (both only when a crash fell between the two steps: the newer
// one is the list). The program never reads its list from here, only offers a journal
// left by a crash back.
#include <filesystem>
#include <optional>
#include <string>

#include "document/function_list.h"

namespace quorvel {

class ListJournal {
 public:
  explicit ListJournal(const std::filesystem::path& folder);

  // Funclist.dat, the list file of a list of the fourteen families.
  const std::filesystem::path& path() const { return path_; }
  // Funclist.qvj, the document of a list with other kinds.
  const std::filesystem::path& documentPath() const { return documentPath_; }
  // The file that holds the working list now (the newer when both are there), or
  // nullopt when neither is.
  std::optional<std::filesystem::path> current() const;
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
  // The working list's bytes (from current()); nullopt when it is missing or is no
  // list.
  std::optional<std::string> read() const;

 private:
  std::filesystem::path path_;
  std::filesystem::path documentPath_;
  std::filesystem::path recoveryPath_;
};

}  // namespace quorvel
