#pragma once
// The folder where this running copy keeps its working list (Funclist.dat and the
// delete command's Funclist.tmp). The first copy holds an exclusive lock on
// "Funclist.lock" in the program folder and works there; a copy started while that
// lock is held works in a subfolder "running/<pid>" of its own, made at start and
// removed at the end, so two copies never delete or overwrite each other's list.
// The lock dies with its process: after a crash the next start reclaims the program
// folder (and its stale list is deleted at load as usual).
#include <filesystem>

namespace quorvel {

class WorkingFolder {
 public:
  explicit WorkingFolder(std::filesystem::path programFolder);
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // True when this copy works in the program folder itself.
  bool inProgramFolder() const { return own_.empty(); }

  static constexpr const char* kLockName = "Funclist.lock";
  static constexpr const char* kRunningFolder = "running";

 private:
  std::filesystem::path path_;
  std::filesystem::path own_;  // the subfolder this copy made; empty in the program folder
  int lock_ = -1;
};

}  // namespace quorvel
