#include "settings/working_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace quorvel {

namespace {

// Subfolder names tried per start: two copies in one process share a pid.
constexpr int kMaxSubfolderTries = 64;
// Stale subfolders looked at per start, so a huge folder cannot stall the start.
constexpr int kMaxStaleFolders = 256;

enum class LockResult { Taken, Held, Unavailable };

// True when `fd` is still the file at `file` (not one removed meanwhile by a copy
// that cleared a stale folder).
bool sameFile(int fd, const std::filesystem::path& file) {
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && ::stat(file.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Opens `file` (created when missing) and takes an exclusive lock on it without
// waiting. On Taken, `fd` keeps the lock open; otherwise it is -1.
LockResult takeLock(const std::filesystem::path& file, int& fd) {
  fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return LockResult::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    if (sameFile(fd, file)) return LockResult::Taken;
    ::close(fd);
    fd = -1;
    return LockResult::Held;  // its folder went away: try the next name
  }
  const int error = errno;
  ::close(fd);
  fd = -1;
  return error == EWOULDBLOCK ? LockResult::Held : LockResult::Unavailable;
}

// Subfolders whose lock nobody holds were left by copies that crashed: remove them.
void removeStaleSubfolders(const std::filesystem::path& running) {
  std::error_code ec;
  std::filesystem::directory_iterator it(running, ec);
  int seen = 0;
  for (; !ec && it != std::filesystem::directory_iterator() && seen < kMaxStaleFolders;
       it.increment(ec), ++seen) {
    const std::filesystem::path folder = it->path();
    int fd = -1;
    if (takeLock(folder / WorkingFolder::kLockName, fd) != LockResult::Taken) continue;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    ::close(fd);
  }
}

}  // namespace

WorkingFolder::WorkingFolder(std::filesystem::path programFolder) : path_(programFolder) {
  const LockResult main = takeLock(programFolder / kLockName, lock_);
  if (main == LockResult::Taken) {
    removeStaleSubfolders(programFolder / kRunningFolder);
    std::error_code ignored;
    std::filesystem::remove(programFolder / kRunningFolder, ignored);  // only when empty
    return;
  }
  // Without locks (a folder that cannot hold the lock file) there is one copy as
  // designed: work in the program folder.
  if (main == LockResult::Unavailable) return;

  const std::string pid = std::to_string(::getpid());
  for (int attempt = 0; attempt < kMaxSubfolderTries; ++attempt) {
    const std::filesystem::path candidate =
        programFolder / kRunningFolder / (attempt == 0 ? pid : pid + "-" + std::to_string(attempt));
    std::error_code ec;
    std::filesystem::create_directories(candidate, ec);
    if (ec) break;
    int fd = -1;
    if (takeLock(candidate / kLockName, fd) == LockResult::Taken) {
      lock_ = fd;
      own_ = candidate;
      path_ = candidate;
      return;
    }
  }
  // No folder of its own could be made: sharing the program folder is still better
  // than not starting.
}

WorkingFolder::~WorkingFolder() {
  if (!own_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(own_, ignored);
    std::filesystem::remove(own_.parent_path(), ignored);  // only when empty
  }
  if (lock_ >= 0) ::close(lock_);
}

}  // namespace quorvel
