#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvel {

namespace {

FileKind kindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISFIFO(mode)) return FileKind::Fifo;
  if (S_ISCHR(mode)) return FileKind::CharacterDevice;
  if (S_ISBLK(mode)) return FileKind::BlockDevice;
  if (S_ISSOCK(mode)) return FileKind::Socket;
  return FileKind::Other;
}

}  // namespace

FileKind fileKind(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return FileKind::Missing;
  return kindOf(info.st_mode);
}

ReadableFile::ReadableFile(const std::filesystem::path& file) {
  // Looked at first: a device is not even opened (opening some has effects).
  struct stat named {};
  if (::stat(file.c_str(), &named) != 0) {
    kind_ = FileKind::Missing;
    error_ = errno;
    return;
  }
  kind_ = kindOf(named.st_mode);
  if (kind_ != FileKind::Regular) return;
  // O_NONBLOCK: should the path have become a FIFO meanwhile, the open still returns.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error_ = errno;
    ::close(fd);
    return;
  }
  kind_ = kindOf(info.st_mode);
  if (kind_ != FileKind::Regular) {
    ::close(fd);
    return;
  }
  // A regular file reads the same either way; the flag is cleared for good measure.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  file_ = ::fdopen(fd, "rb");
  if (file_ == nullptr) {
    error_ = errno;
    ::close(fd);
    return;
  }
  size_ = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

ReadableFile::~ReadableFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string unreadableText(FileKind kind, int error) {
  switch (kind) {
    case FileKind::Missing:
      // A path that cannot be looked at for another reason says that reason.
      if (error == 0 || error == ENOENT || error == ENOTDIR) return "no such file";
      return std::strerror(error);
    case FileKind::Folder: return "it is a folder";
    case FileKind::Fifo: return "it is a FIFO (named pipe), not a regular file";
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice: return "it is a device, not a regular file";
    case FileKind::Socket: return "it is a socket, not a regular file";
    case FileKind::Other: return "it is not a regular file";
    case FileKind::Regular: break;
  }
  return error != 0 ? std::strerror(error) : "it cannot be read";
}

}  // namespace quorvel
