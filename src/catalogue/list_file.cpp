// Random access to the list file by record number, with the platform's file calls.
#include "catalogue/list_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

std::uint64_t slotStart(std::int32_t n) {
  return static_cast<std::uint64_t>(n - 1) * static_cast<std::uint64_t>(kSlotSize);
}

bool seekTo(std::FILE* file, std::uint64_t offset) {
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

}  // namespace

ListFile::ListFile(std::filesystem::path path) : path_(std::move(path)) {
  // Opened for reading and writing, created when missing, never emptied.
  const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return;
  file_ = fdopen(fd, "r+b");
  if (file_ == nullptr) ::close(fd);
}

ListFile::~ListFile() { close(); }

bool ListFile::isOpen() const { return file_ != nullptr; }

bool ListFile::close() {
  if (file_ == nullptr) return true;
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok;
}

std::uint64_t ListFile::length() const {
  if (file_ == nullptr) return 0;
  // Buffered writes count too.
  if (std::fflush(file_) != 0) return 0;
  struct stat info {};
  if (fstat(fileno(file_), &info) != 0 || info.st_size < 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::int32_t ListFile::recordCount() const {
  const std::uint64_t count = length() / kSlotSize + 1;
  const auto most = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(std::min(count, most));
}

std::optional<FuncRecord> ListFile::read(std::int32_t n) {
  if (file_ == nullptr || n < 1) return std::nullopt;
  const std::uint64_t start = slotStart(n);
  // A record past the end of the data (the count rule also counts one record in an
  // empty or short file) is no record.
  if (start + kRecordSize > length()) return std::nullopt;
  if (!seekTo(file_, start)) return std::nullopt;
  RecordBytes bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return std::nullopt;
  return decodeRecord(bytes);
}

bool ListFile::write(std::int32_t n, const FuncRecord& r) {
  if (file_ == nullptr || n < 1) return false;
  const std::uint64_t start = slotStart(n);
  std::uint64_t oldLength = length();
  if (start > oldLength) {
    // Extending with ftruncate leaves zero bytes in the gap.
    if (std::fflush(file_) != 0) return false;
    if (ftruncate(fileno(file_), static_cast<off_t>(start)) != 0) return false;
    oldLength = start;
  }
  const RecordBytes bytes = encodeRecord(r);
  if (!seekTo(file_, start)) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return false;
  // Clear the filler only where the file already reaches it: the last record must
  // stay the end of the file.
  const std::uint64_t recordEnd = start + kRecordSize;
  if (oldLength > recordEnd) {
    const auto filler = static_cast<std::size_t>(
        std::min<std::uint64_t>(oldLength - recordEnd, kSlotSize - kRecordSize));
    const unsigned char zeros[kSlotSize - kRecordSize] = {};
    if (std::fwrite(zeros, 1, filler, file_) != filler) return false;
  }
  return std::fflush(file_) == 0;
}

bool ListFile::truncateToRecords(std::int32_t n) {
  if (file_ == nullptr || n < 0) return false;
  const std::uint64_t newLength = n == 0 ? 0 : slotStart(n) + kRecordSize;
  if (std::fflush(file_) != 0) return false;
  return ftruncate(fileno(file_), static_cast<off_t>(newLength)) == 0;
}

bool ListFile::flush() { return file_ != nullptr && std::fflush(file_) == 0; }

bool wellFormedLength(std::uint64_t length) {
  return length == 0 || (length >= kRecordSize && (length - kRecordSize) % kSlotSize == 0);
}

}  // namespace quorvel
