// Files that are not what they seem: a FIFO with nobody at its other end, devices,
// folders and symbolic links, read and written through the files layer; and the
// temporaries a killed run leaves, removed by their pattern and their age.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/regular_file.h"
#include "files/stale_temporaries.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "quorvel_files_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  fs::path operator/(const std::string& name) const { return path_ / name; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A FIFO nobody writes to: opening it the usual way would wait for ever.
fs::path makeFifo(const Folder& dir, const std::string& name) {
  const fs::path fifo = dir / name;
  if (::mkfifo(fifo.c_str(), 0600) != 0) std::abort();
  return fifo;
}

fs::path makeSocket(const Folder& dir, const std::string& name) {
  const fs::path socketPath = dir / name;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string text = socketPath.string();
  if (fd < 0 || text.size() >= sizeof address.sun_path) std::abort();
  text.copy(address.sun_path, text.size());
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) std::abort();
  ::close(fd);
  return socketPath;
}

// Everything that is not a regular file is refused for reading before a byte is read,
// and is never replaced by a write: each case names what it is.
TEST(NotRegularFiles, AreNeitherReadNorReplaced) {
  const Folder dir;
  const struct {
    fs::path path;
    FileKind kind;
    std::string text;
  } cases[] = {
      {makeFifo(dir, "pipe.qvx"), FileKind::Fifo, "it is a FIFO (named pipe), not a regular file"},
      {"/dev/zero", FileKind::CharacterDevice, "it is a device, not a regular file"},
      {"/dev/null", FileKind::CharacterDevice, "it is a device, not a regular file"},
      {dir.path(), FileKind::Folder, "it is a folder"},
      {makeSocket(dir, "socket.qvx"), FileKind::Socket, "it is a socket, not a regular file"},
      {dir / "none.qvx", FileKind::Missing, "no such file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.string());
    EXPECT_EQ(fileKind(c.path), c.kind);
    const ReadableFile file(c.path);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.kind(), c.kind);
    EXPECT_EQ(unreadableText(file.kind(), file.error()), c.text);
    std::string error;
    EXPECT_FALSE(copyFileSafely(c.path, dir / "copy.qvx", &error));
    EXPECT_NE(error.find(c.text), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir / "copy.qvx"));
    if (c.kind == FileKind::Missing) continue;
    // Written over, it stays what it was.
    EXPECT_FALSE(replaceFileWith(c.path, "list", &error));
    EXPECT_NE(error.find(c.text), std::string::npos) << error;
    EXPECT_EQ(fileKind(c.path), c.kind);
  }
  // A regular file reads, whatever its name.
  write(dir / "plain", "abc");
  const ReadableFile plain(dir / "plain");
  ASSERT_TRUE(plain.isOpen());
  EXPECT_EQ(plain.size(), 3u);
}

// A write through a symbolic link replaces the file the link leads to, with the
// temporary file beside that file; the link stays a link.
TEST(SymbolicLinks, AWriteReplacesTheFileTheyLeadTo) {
  const Folder dir;
  fs::create_directory(dir / "lists");
  fs::create_directory(dir / "links");
  write(dir / "lists" / "target.qvx", "old");
  const struct {
    std::string name;
    fs::path link;
    fs::path leadsTo;  // as stored in the link
    fs::path written;  // the file that gets the new bytes
  } cases[] = {
      {"absolute", dir / "links" / "abs.qvx", dir / "lists" / "target.qvx",
       dir / "lists" / "target.qvx"},
      {"relative to the link's folder", dir / "links" / "rel.qvx", "../lists/target.qvx",
       dir / "lists" / "target.qvx"},
      {"to a file not there yet", dir / "links" / "new.qvx", "../lists/new.qvx",
       dir / "lists" / "new.qvx"},
      {"a link to a link", dir / "links" / "twice.qvx", "abs.qvx", dir / "lists" / "target.qvx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_symlink(c.leadsTo, c.link);
    const std::string bytes = "new bytes of " + c.name;
    std::string error;
    ASSERT_TRUE(replaceFileWith(c.link, bytes, &error)) << error;
    EXPECT_TRUE(fs::is_symlink(c.link));
    EXPECT_EQ(fs::read_symlink(c.link), c.leadsTo);
    EXPECT_EQ(contents(c.written), bytes);
    const std::optional<fs::path> written = writtenFileOf(c.link);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(fs::equivalent(*written, c.written)) << *written;
    // Copies go the same way.
    write(dir / "source", "copied " + c.name);
    ASSERT_TRUE(copyFileSafely(dir / "source", c.link, &error)) << error;
    EXPECT_TRUE(fs::is_symlink(c.link));
    EXPECT_EQ(contents(c.written), "copied " + c.name);
  }
  // Nothing is left beside the links or the files.
  for (const auto& e : fs::directory_iterator(dir / "links")) EXPECT_TRUE(fs::is_symlink(e.path()));
  std::vector<std::string> lists;
  for (const auto& e : fs::directory_iterator(dir / "lists")) {
    lists.push_back(e.path().filename().string());
  }
  std::sort(lists.begin(), lists.end());
  EXPECT_EQ(lists, (std::vector<std::string>{"new.qvx", "target.qvx"}));
  // A loop of links is refused and creates nothing.
  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");
  std::string error;
  EXPECT_FALSE(replaceFileWith(dir / "loop-a", "x", &error));
  EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_symlink(dir / "loop-a"));
  // A link to a FIFO leaves both as they were.
  fs::create_symlink(makeFifo(dir, "pipe"), dir / "to-pipe");
  EXPECT_FALSE(replaceFileWith(dir / "to-pipe", "x", &error));
  EXPECT_EQ(fileKind(dir / "pipe"), FileKind::Fifo);
  EXPECT_TRUE(fs::is_symlink(dir / "to-pipe"));
}

void age(const fs::path& entry, std::chrono::seconds by) {
  // The entry's own time, a link's included.
  const std::time_t when = std::time(nullptr) - by.count();
  const timespec times[2] = {{when, 0}, {when, 0}};
  if (::utimensat(AT_FDCWD, entry.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) std::abort();
}

// Only the program's own temporaries go: its exact pattern, old enough, of the kind
// it makes; a younger one may belong to a run still at work.
TEST(StaleTemporaries, GoOnlyWhenOldAndOfTheProgramsPattern) {
  const Folder dir;
  const std::chrono::seconds old = kStaleAge + std::chrono::minutes(5);
  const std::chrono::seconds young = kStaleAge - std::chrono::minutes(5);
  write(dir / "list.qvx", "list");
  const struct {
    std::string name;
    bool folder;
    std::chrono::seconds age;
    bool removed;
  } beside[] = {
      {".list.qvx.Ab3dE9", false, old, true},    {".list.qvx.zzzzzz", false, old, true},
      {".list.qvx.Ab3dE8", false, young, false},  // may be a save at work
      {".list.qvx.Ab3dE", false, old, false},     // five letters
      {".list.qvx.Ab3dE98", false, old, false},   // seven
      {".list.qvx.Ab3d-9", false, old, false},    // not mkstemp's letters
      {"list.qvx.Ab3dE9", false, old, false},     // not hidden
      {".other.qvx.Ab3dE9", false, old, false},   // another target's
      {".list.qvx.Folder", true, old, false},     // a folder, not a file
  };
  for (const auto& b : beside) {
    if (b.folder) {
      fs::create_directory(dir / b.name);
    } else {
      write(dir / b.name, "half a list");
    }
    age(dir / b.name, b.age);
  }
  ASSERT_TRUE(replaceFileWith(dir / "list.qvx", "new list"));
  EXPECT_EQ(contents(dir / "list.qvx"), "new list");
  for (const auto& b : beside) EXPECT_EQ(fs::exists(dir / b.name), !b.removed) << b.name;

  // The command line's private folders in the temporary folder.
  fs::create_directory(dir / "elsewhere");
  write(dir / "elsewhere" / "kept", "not the program's");
  const struct {
    std::string name;
    int kind;  // 0 folder, 1 file, 2 link to a folder
    std::chrono::seconds age;
    bool removed;
  } folders[] = {
      {"quorvel-Ab3dE9", 0, old, true},  {"quorvel-Ab3dE8", 0, young, false},
      {"quorvel-Ab3dE", 0, old, false},  {"quorvel_Ab3dE9", 0, old, false},
      {"quorvel-Ab3dE7", 1, old, false}, {"quorvel-Ab3dE6", 2, old, false},
  };
  for (const auto& f : folders) {
    const fs::path entry = dir / f.name;
    if (f.kind == 0) {
      fs::create_directory(entry);
      write(entry / "Funclist.dat", "a whole copy of a list");
      age(entry / "Funclist.dat", f.age);
    } else if (f.kind == 1) {
      write(entry, "a file");
    } else {
      fs::create_directory_symlink(dir / "elsewhere", entry);
    }
    age(entry, f.age);
  }
  EXPECT_EQ(removeStaleFolders(dir.path(), "quorvel-"), 1);
  for (const auto& f : folders) {
    EXPECT_EQ(fs::exists(fs::symlink_status(dir / f.name)), !f.removed) << f.name;
  }
  EXPECT_EQ(contents(dir / "elsewhere" / "kept"), "not the program's");
}

}  // namespace
}  // namespace quorvel::test
