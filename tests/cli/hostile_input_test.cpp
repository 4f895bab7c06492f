// The commands given what no user means to give them: a FIFO nobody writes to, a
// device, a symbolic link, files that are no list, a long-dead run's leftovers.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

namespace fs = std::filesystem;

// Every command that reads a list, with the list (and, for export, the picture).
std::vector<std::vector<std::string>> everyCommandOn(const std::string& list,
                                                     const std::string& picture) {
  return {
      {"list", list},
      {"points", list},
      {"table", list, "--from", "0", "--to", "1", "--step", "1"},
      {"export", list, picture},
      {"export", list, picture, "--trace"},
      {"add", list, "--family", "2", "--p1", "6"},
  };
}

// A FIFO with nothing at its other end and the devices: every command stops at once
// with the file's name and what it is, and leaves it as it was.
TEST(HostileFiles, FifosAndDevicesAreRefusedByEveryCommand) {
  const TempFolder dir;
  const fs::path fifo = dir / "pipe.qvx";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string file;
    std::string why;
  } cases[] = {
      {fifo.string(), "it is a FIFO (named pipe), not a regular file"},
      {"/dev/zero", "it is a device, not a regular file"},
      {"/dev/null", "it is a device, not a regular file"},
  };
  for (const auto& c : cases) {
    for (const std::vector<std::string>& args : everyCommandOn(c.file, (dir / "p.png").string())) {
      SCOPED_TRACE(args[0] + " " + c.file);
      const Outcome o = runCli(args);
      EXPECT_EQ(o.exit, 3);
      EXPECT_EQ(o.out, "");
      EXPECT_EQ(o.err, "quorvel " + args[0] + ": cannot read '" + c.file + "': " + c.why + "\n");
    }
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  // The picture written to a FIFO or a device: refused before anything is drawn.
  for (const auto& c : cases) {
    const Outcome o = runCli({"export", dataPath("cli_worksheet.qvx").string(), c.file, "--trace"});
    EXPECT_EQ(o.exit, 3) << c.file;
    EXPECT_EQ(o.err, "quorvel export: cannot write '" + c.file + "': " + c.why + "\n");
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pipe.qvx"});
}

// Through a symbolic link the file it leads to is written; the link stays.
TEST(HostileFiles, AddAndExportWriteThroughALink) {
  const TempFolder dir;
  fs::create_directory(dir / "lists");
  const fs::path list = dir / "lists" / "list.qvx";
  writeFile(list, readFile(dataPath("cli_worksheet.qvx")));
  fs::create_symlink("lists/list.qvx", dir / "link.qvx");
  const Outcome added = runCli({"add", (dir / "link.qvx").string(), "--family", "2", "--p1", "3"});
  EXPECT_EQ(added.exit, 0) << added.err;
  EXPECT_TRUE(fs::is_symlink(dir / "link.qvx"));
  EXPECT_EQ(readFile(list).size(), 3 * 128 + 122u);
  EXPECT_EQ(runCli({"list", list.string()}).out, "y=6/x\ny=1x^2+-2x+1\ny=sin(x)*2\ny=3/x\n");

  // A picture to a link that leads to a file not there yet.
  fs::create_symlink("lists/picture.txt", dir / "picture-link.txt");
  const Outcome exported =
      runCli({"export", list.string(), (dir / "picture-link.txt").string(), "--trace"});
  EXPECT_EQ(exported.exit, 0) << exported.err;
  EXPECT_TRUE(fs::is_symlink(dir / "picture-link.txt"));
  EXPECT_NE(readFile(dir / "lists" / "picture.txt").find("Scale"), std::string::npos);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"link.qvx", "lists", "picture-link.txt"}));
}

// Each whole-file refusal says which file and why, whatever the command.
TEST(HostileFiles, EveryRefusalNamesTheFileAndTheReason) {
  const TempFolder dir;
  const std::string record = readFile(dataPath("cli_worksheet.qvx")).substr(0, 122);
  auto withField = [&](std::size_t at, std::size_t width, long long value) {
    std::string bytes = record + std::string(6, '\0') + record;
    for (std::size_t i = 0; i < width; ++i) {
      bytes[128 + at + i] =
          static_cast<char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF);
    }
    return bytes;
  };
  const struct {
    std::string name;
    std::string bytes;
    std::string reason;
  } cases[] = {
      {"cut.qvx", record + record.substr(0, 70),
       "长度 192 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）"},
      {"family.qvx", withField(0, 2, 99), "第 2 条记录的函数类型 99 不存在"},
      {"form.qvx", withField(2, 2, 7), "第 2 条记录的函数形式 7 不存在"},
      {"colour.qvx", withField(74, 4, -1), "第 2 条记录的颜色值 -1 无效"},
      {"tick.qvx", withField(118, 4, 2), "第 2 条记录的“整数”选项值 2 无效"},
  };
  for (const auto& c : cases) {
    const fs::path file = dir / c.name;
    writeFile(file, c.bytes);
    for (const std::vector<std::string>& args :
         everyCommandOn(file.string(), (dir / "p.png").string())) {
      SCOPED_TRACE(args[0] + " " + c.name);
      const Outcome o = runCli(args);
      EXPECT_EQ(o.exit, 1);
      EXPECT_EQ(o.err, "错误: 打开列表文件错误\n“" + file.string() + "”：" + c.reason + "\n");
      EXPECT_EQ(readFile(file), c.bytes);
    }
  }
  EXPECT_FALSE(fs::exists(dir / "p.png"));
  // More records than a list holds.
  const fs::path huge = dir / "huge.qvx";
  writeFile(huge, std::string(32767 * 128 + 122, '\0'));
  const Outcome o = runCli({"list", huge.string()});
  EXPECT_EQ(o.exit, 1);
  EXPECT_EQ(o.err, "错误: 打开列表文件错误\n“" + huge.string() +
                       "”：有 32768 条记录，超过了 32767 条的上限\n");
}

// The private folders of runs killed long ago go at the next command; a young one
// may be a run still at work, and stays.
TEST(HostileFiles, TheNextCommandRemovesOldPrivateFolders) {
  const TempFolder dir;
  const char* before = std::getenv("TMPDIR");
  const std::string saved = before != nullptr ? before : "";
  ::setenv("TMPDIR", dir.path().c_str(), 1);
  const std::time_t twoHoursAgo = std::time(nullptr) - 2 * 3600;
  for (const char* name : {"quorvel-Ab3dE9", "quorvel-Ab3dE8"}) {
    fs::create_directory(dir / name);
    writeFile(dir / name / "Funclist.dat", "a whole copy of a list");
  }
  const timespec old[2] = {{twoHoursAgo, 0}, {twoHoursAgo, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "quorvel-Ab3dE9").c_str(), old, 0), 0);
  const Outcome o = runCli({"list", dataPath("cli_worksheet.qvx").string()});
  if (before != nullptr) {
    ::setenv("TMPDIR", saved.c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
  EXPECT_EQ(o.exit, 0) << o.err;
  // The command's own folder went with it; the young one stays.
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"quorvel-Ab3dE8"});
}

}  // namespace
}  // namespace quorvel::cli::test
