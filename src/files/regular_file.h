#pragma once
// Reading only what is a plain file. Opening a FIFO waits for a writer and a device
// such as /dev/zero never ends, so a file a user names is looked at without opening
// it, then opened in a way that cannot wait, and checked again on the open file
// before a byte is read.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace quorvel {

enum class FileKind { Missing, Regular, Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

// What `file` names, following symbolic links; it is never opened. A path that
// cannot be looked at (a dangling link, a folder without search permission) counts
// as Missing.
FileKind fileKind(const std::filesystem::path& file);

// A regular file opened for reading in binary, closed when the object goes.
class ReadableFile {
 public:
  explicit ReadableFile(const std::filesystem::path& file);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  std::FILE* get() const { return file_; }
  // The open file's length in bytes (0 when not open).
  std::uint64_t size() const { return size_; }
  // When it could not be opened: what the path names, and the system's error number
  // (0 when the path names something that is no regular file).
  FileKind kind() const { return kind_; }
  int error() const { return error_; }

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
  FileKind kind_ = FileKind::Regular;
  int error_ = 0;
};

// Why a file could not be read, in plain English for the command line and the
// errors this layer reports: "no such file", "it is a folder", "it is a FIFO (named
// pipe), not a regular file", the system's text for `error` …
std::string unreadableText(FileKind kind, int error);

}  // namespace quorvel
