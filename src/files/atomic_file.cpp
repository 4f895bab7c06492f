#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "files/regular_file.h"
#include "files/stale_temporaries.h"

namespace quorvel {

namespace {

std::string reason(int error) { return std::strerror(error); }

bool fail(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
  return false;
}

// Mode for the new file: the existing target's, otherwise what a newly created file
// would get (the temporary file itself is created private).
mode_t modeFor(const std::filesystem::path& target) {
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// Closes a stream on every path out.
class Stream {
 public:
  Stream(const std::filesystem::path& file, const char* mode)
      : file_(std::fopen(file.c_str(), mode)) {}
  ~Stream() {
    if (file_ != nullptr) std::fclose(file_);
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  std::FILE* get() const { return file_; }
  // Flushes to the disk and closes; false when anything buffered was lost.
  bool closeToDisk() {
    std::FILE* file = file_;
    file_ = nullptr;
    const bool synced = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && synced;
  }

 private:
  std::FILE* file_;
};

}  // namespace

std::optional<std::filesystem::path> writtenFileOf(const std::filesystem::path& target,
                                                   std::string* error) {
  std::filesystem::path file = target;
  for (int hop = 0;; ++hop) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return file;
    if (hop == kMostLinksFollowed) break;
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(file, ec);
    if (ec) {
      fail(error, "cannot read the link '" + file.string() + "': " + ec.message());
      return std::nullopt;
    }
    // A relative link is read from the link's own folder.
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  fail(error, "'" + target.string() + "': " + reason(ELOOP));
  return std::nullopt;
}

bool replaceFile(const std::filesystem::path& given, const FileFiller& fill, std::string* error) {
  if (!given.has_filename()) return fail(error, "'" + given.string() + "' names no file");
  // Through a symbolic link the file it names is replaced, as any write through it
  // would; the link stays.
  const std::optional<std::filesystem::path> written = writtenFileOf(given, error);
  if (!written) return false;
  const std::filesystem::path& target = *written;
  if (!target.has_filename()) return fail(error, "'" + target.string() + "' names no file");
  // A FIFO, a device or a folder is never swapped for a regular file.
  if (const FileKind kind = fileKind(target);
      kind != FileKind::Missing && kind != FileKind::Regular) {
    return fail(error, "cannot replace '" + given.string() + "': " + unreadableText(kind, 0));
  }
  removeStaleTemporariesOf(target);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / temporaryPatternOf(target)).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) {
    return fail(error, "cannot create a file in '" + folder.string() + "': " + reason(errno));
  }
  const std::filesystem::path temporary = pattern;
  const bool modeSet = fchmod(fd, modeFor(target)) == 0;
  const int modeError = errno;
  ::close(fd);
  std::string problem;
  bool ok = false;
  if (!modeSet) {
    problem = "cannot set the mode of a new file: " + reason(modeError);
  } else {
    ok = fill(temporary, &problem);
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
      problem = "cannot replace '" + target.string() + "': " + reason(errno);
      ok = false;
    }
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return fail(error, problem.empty() ? "cannot write '" + target.string() + "'" : problem);
  }
  return true;
}

bool replaceFileWith(const std::filesystem::path& target, const std::string& bytes,
                     std::string* error) {
  return replaceFile(
      target,
      [&bytes](const std::filesystem::path& temporary, std::string* problem) {
        Stream out(temporary, "wb");
        if (out.get() == nullptr) return fail(problem, "cannot write '" + temporary.string() + "'");
        if (std::fwrite(bytes.data(), 1, bytes.size(), out.get()) != bytes.size() ||
            !out.closeToDisk()) {
          return fail(problem, "cannot write '" + temporary.string() + "': " + reason(errno));
        }
        return true;
      },
      error);
}

bool copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::string* error) {
  // Only a regular file is copied: a FIFO or a device would never end.
  const ReadableFile source(from);
  if (!source.isOpen()) {
    return fail(error, "cannot read '" + from.string() +
                           "': " + unreadableText(source.kind(), source.error()));
  }
  return replaceFile(
      to,
      [&source, &from](const std::filesystem::path& temporary, std::string* problem) {
        Stream out(temporary, "wb");
        if (out.get() == nullptr) return fail(problem, "cannot write '" + temporary.string() + "'");
        std::vector<char> buffer(64 * 1024);
        for (;;) {
          const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), source.get());
          if (got > 0 && std::fwrite(buffer.data(), 1, got, out.get()) != got) {
            return fail(problem, "cannot write a copy: " + reason(errno));
          }
          if (got < buffer.size()) break;
        }
        if (std::ferror(source.get()) != 0) {
          return fail(problem, "cannot read '" + from.string() + "': " + reason(errno));
        }
        if (!out.closeToDisk()) return fail(problem, "cannot write a copy: " + reason(errno));
        return true;
      },
      error);
}

}  // namespace quorvel
