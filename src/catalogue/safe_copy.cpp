// Whole-file copy for saving and opening list files. The copy is written to a
// temporary file in the destination's folder and renamed into place, so the
// destination is either the complete new copy or untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/list_file.h"

namespace quorvel {
namespace {

std::string reason(int error) { return std::strerror(error); }

void report(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

// Closes a stream on every path out of the copy.
class StreamCloser {
 public:
  explicit StreamCloser(std::FILE* file) : file_(file) {}
  ~StreamCloser() {
    if (file_ != nullptr) std::fclose(file_);
  }
  StreamCloser(const StreamCloser&) = delete;
  StreamCloser& operator=(const StreamCloser&) = delete;
  // Closes now and reports whether everything buffered reached the file.
  bool close() {
    std::FILE* file = file_;
    file_ = nullptr;
    return file == nullptr || std::fclose(file) == 0;
  }

 private:
  std::FILE* file_;
};

// Mode for the new file: the existing destination's, otherwise what a newly created
// file would get (the temporary file itself is created private).
mode_t modeForCopy(const std::filesystem::path& to) {
  struct stat info {};
  if (stat(to.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// Copies every byte of `from` to `to`; the error text names the step that failed.
bool copyStream(std::FILE* from, std::FILE* to, std::string* error) {
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), from);
    if (got > 0 && std::fwrite(buffer.data(), 1, got, to) != got) {
      report(error, "写入临时文件失败：" + reason(errno));
      return false;
    }
    if (got < buffer.size()) {
      if (std::ferror(from) != 0) {
        report(error, "读取源文件失败：" + reason(errno));
        return false;
      }
      return true;  // end of file
    }
  }
}

}  // namespace

bool copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::string* error) {
  std::FILE* source = std::fopen(from.c_str(), "rb");
  if (source == nullptr) {
    report(error, "无法打开源文件 " + from.string() + "：" + reason(errno));
    return false;
  }
  StreamCloser sourceCloser(source);

  const std::filesystem::path folder =
      to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
  std::string pattern = (folder / (to.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) {
    report(error, "无法在文件夹 " + folder.string() + " 中创建临时文件：" + reason(errno));
    return false;
  }
  const std::string temporary = pattern;
  const auto fail = [&temporary](std::string* err, const std::string& text) {
    ::unlink(temporary.c_str());
    report(err, text);
    return false;
  };

  if (fchmod(fd, modeForCopy(to)) != 0) {
    const int e = errno;
    ::close(fd);
    return fail(error, "无法设置临时文件的权限：" + reason(e));
  }
  std::FILE* target = fdopen(fd, "wb");
  if (target == nullptr) {
    const int e = errno;
    ::close(fd);
    return fail(error, "无法写入临时文件：" + reason(e));
  }
  StreamCloser targetCloser(target);

  std::string copyError;
  if (!copyStream(source, target, &copyError)) return fail(error, copyError);
  // Everything must be on disk before the rename makes it the destination.
  if (std::fflush(target) != 0 || fsync(fileno(target)) != 0) {
    return fail(error, "写入临时文件失败：" + reason(errno));
  }
  if (!targetCloser.close()) return fail(error, "写入临时文件失败：" + reason(errno));
  if (std::rename(temporary.c_str(), to.c_str()) != 0) {
    return fail(error, "无法替换目标文件 " + to.string() + "：" + reason(errno));
  }
  return true;
}

}  // namespace quorvel
