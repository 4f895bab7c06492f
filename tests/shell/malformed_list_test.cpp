// Damaged and hostile list files through the toolbar's 打开, and saving where the
// file cannot be written: a clear message, no crash, and nothing that was there
// before is lost.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>

#include "catalogue/curve_rules.h"
#include "catalogue/func_record.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

constexpr int kOpenButton = 3, kSaveButton = 4;
// The refusal of a file names it and says why.
Message openError(const std::filesystem::path& file, const std::string& reason) {
  return {"错误", "打开列表文件错误\n“" + file.string() + "”：" + reason};
}
bool isOpenError(const Message& m) {
  return m.first == "错误" && m.second.rfind("打开列表文件错误\n", 0) == 0;
}
std::string notWhole(std::size_t length) {
  return "长度 " + std::to_string(length) +
         " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）";
}
const Message kSaveError{"错误", "保存列表文件错误"};

FuncRecord validRecord() {
  FuncRecord r;
  r.family = 0;
  r.form = 0;
  r.para1 = "2";
  r.para2 = "1";
  r.para3 = "0";
  r.color = 255;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  return r;
}

// The records in slots of 128 bytes, the last one cut after its 122 bytes.
std::vector<unsigned char> listOf(const std::vector<FuncRecord>& records) {
  std::vector<unsigned char> out;
  for (const FuncRecord& r : records) {
    out.resize(out.size() + (out.empty() ? 0 : kSlotSize - kRecordSize), 0);
    const RecordBytes bytes = encodeRecord(r);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

void putInt16(std::vector<unsigned char>& bytes, std::size_t at, std::int16_t v) {
  const auto u = static_cast<std::uint16_t>(v);
  bytes[at] = static_cast<unsigned char>(u & 0xFF);
  bytes[at + 1] = static_cast<unsigned char>(u >> 8);
}

void putInt32(std::vector<unsigned char>& bytes, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(u >> (8 * i));
}

class MalformedListTest : public ShellTest {
 protected:
  // Two curves on screen, the state a refused file must leave alone.
  void drawTwo() {
    drawCurve(0, 0, "2", "1");
    drawCurve(2, 0, "6");
    ASSERT_EQ(lines().size(), 2u);
  }
  bool open(const std::filesystem::path& file) {
    const std::size_t before = messages().size();
    kit.files->answers.push_back(file.string());
    program.main.clickToolbarButton(kOpenButton);
    for (std::size_t i = before; i < messages().size(); ++i) {
      if (isOpenError(messages()[i])) return false;
    }
    return true;
  }
  void save(const std::filesystem::path& file) {
    kit.files->answers.push_back(file.string());
    program.main.clickToolbarButton(kSaveButton);
  }
  std::filesystem::path chosen(const std::vector<unsigned char>& bytes) {
    const std::filesystem::path file = folder / "chosen.qvx";
    writeBytes(file, bytes);
    return file;
  }
  void expectAligned() {
    const std::size_t length = listBytes().size();
    const std::size_t records = length == 0 ? 0 : (length - kRecordSize) / kSlotSize + 1;
    EXPECT_EQ(lines().size(), records);
    EXPECT_EQ(g.funcCount, static_cast<std::int32_t>(lines().size()) + 1);
  }
};

struct RefusedCase {
  const char* name;
  std::vector<unsigned char> bytes;
  std::string reason;
};

std::vector<unsigned char> withInt16(std::size_t at, std::int16_t v) {
  std::vector<unsigned char> b = listOf({validRecord(), validRecord()});
  putInt16(b, kSlotSize + at, v);
  return b;
}

std::vector<unsigned char> withInt32(std::size_t at, std::int32_t v) {
  std::vector<unsigned char> b = listOf({validRecord(), validRecord()});
  putInt32(b, kSlotSize + at, v);
  return b;
}

std::vector<unsigned char> cut(std::size_t length) {
  std::vector<unsigned char> b = listOf({validRecord(), validRecord()});
  b.resize(length, 0x20);
  return b;
}

TEST_F(MalformedListTest, RefusedFileKeepsListFileAndPicture) {
  const std::vector<RefusedCase> cases = {
      {"shorter than one record", cut(121), notWhole(121)},
      {"one whole slot", cut(128), notWhole(128)},
      {"one byte past the last record", cut(kSlotSize + kRecordSize + 1), notWhole(251)},
      {"last record cut short", cut(128 + 100), notWhole(228)},
      {"family 14", withInt16(0, 14), "第 2 条记录的函数类型 14 不存在"},
      {"family -1", withInt16(0, -1), "第 2 条记录的函数类型 -1 不存在"},
      {"form outside the family", withInt16(2, 7), "第 2 条记录的函数形式 7 不存在"},
      {"colour past 24 bits", withInt32(74, 0x1000000), "第 2 条记录的颜色值 16777216 无效"},
      {"negative colour", withInt32(74, -1), "第 2 条记录的颜色值 -1 无效"},
      {"tick box value 2", withInt32(118, 2), "第 2 条记录的“整数”选项值 2 无效"},
  };
  drawTwo();
  const std::vector<unsigned char> listBefore = listBytes();
  const std::vector<std::string> linesBefore = lines();
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    surface.clearCalls();
    EXPECT_FALSE(open(chosen(c.bytes)));
    EXPECT_EQ(messages().back(), openError(folder / "chosen.qvx", c.reason));
    EXPECT_EQ(listBytes(), listBefore);
    EXPECT_EQ(lines(), linesBefore);
    EXPECT_EQ(g.funcCount, 3);
    EXPECT_TRUE(g.graphOnScreen);
    EXPECT_EQ(count(SurfaceCallKind::Cls), 0u) << "the picture was cleared";
  }
}

TEST_F(MalformedListTest, MissingFileFolderFifoOrDeviceIsRefused) {
  drawTwo();
  const std::vector<unsigned char> listBefore = listBytes();
  EXPECT_FALSE(open(folder / "no such file.qvx"));
  EXPECT_EQ(messages().back(), openError(folder / "no such file.qvx", "文件不存在"));
  EXPECT_FALSE(open(folder));
  EXPECT_EQ(messages().back(), openError(folder, "这是一个文件夹，不是列表文件"));
  // A FIFO nobody writes to and a device: refused at once, never waited on.
  const std::filesystem::path fifo = folder / "pipe.qvx";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(open(fifo));
  EXPECT_EQ(messages().back(), openError(fifo, "这是一个命名管道，不是普通文件"));
  EXPECT_FALSE(open("/dev/zero"));
  EXPECT_EQ(messages().back(), openError("/dev/zero", "这是一个设备，不是普通文件"));
  EXPECT_EQ(listBytes(), listBefore);
  EXPECT_EQ(lines().size(), 2u);
}

TEST_F(MalformedListTest, EmptyFileOpensAsEmptyList) {
  drawTwo();
  EXPECT_TRUE(open(chosen({})));
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(g.funcCount, 1);
  EXPECT_TRUE(listBytes().empty());
}

// Records whose texts fail the draw command's checks keep an unticked line each, so
// line i stays record i + 1; the good records around them are drawn and ticked.
TEST_F(MalformedListTest, RecordsFailingChecksKeepUntickedLines) {
  FuncRecord zeroK = validRecord();
  zeroK.family = 2;  // inverse proportion: k = 0 is refused
  zeroK.para1 = "0";
  FuncRecord brackets = validRecord();
  brackets.family = kCustomFamily;
  brackets.form = 0;
  brackets.para1 = "((x+1)";
  brackets.zeroPara23 = true;
  FuncRecord garbage = validRecord();
  garbage.para1 = "abc";
  std::vector<unsigned char> bytes =
      listOf({validRecord(), zeroK, brackets, garbage, validRecord()});
  // Bytes that are no code page 936 text in the expression of a custom record.
  FuncRecord notText = brackets;
  notText.para1 = "x";
  std::vector<unsigned char> last = listOf({notText});
  last[4] = 0x81;  // a lead byte followed by a blank
  last[5] = 0x20;
  last[6] = 0xFF;
  bytes.resize(bytes.size() + kSlotSize - kRecordSize, 0xAB);  // filler is ignored
  bytes.insert(bytes.end(), last.begin(), last.end());

  drawTwo();
  EXPECT_TRUE(open(chosen(bytes)));
  ASSERT_EQ(lines().size(), 6u);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false, false, true, false}));
  EXPECT_EQ(lines()[0], lines()[4]);
  EXPECT_EQ(g.funcCount, 7);
  EXPECT_EQ(listBytes(), bytes);
  expectAligned();

  // Deleting a refused entry keeps the rest aligned.
  panel.lstExist.setListIndex(2);
  panel.cmdDelete_Click();
  EXPECT_EQ(lines().size(), 5u);
  expectAligned();
}

TEST_F(MalformedListTest, SaveToMissingFolderReportsAndWritesNothing) {
  drawTwo();
  save(folder / "missing" / "list.qvx");
  EXPECT_EQ(messages().back(), kSaveError);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

// A write that stops part way (the file size limit acts like a full disk) leaves the
// existing destination as it was and no temporary file beside it.
TEST_F(MalformedListTest, FailedWriteKeepsExistingDestination) {
  drawTwo();
  drawCurve(1, 0, "1", "0", "0");
  const std::filesystem::path target = folder / "kept.qvx";
  const std::vector<unsigned char> old = {'o', 'l', 'd'};
  writeBytes(target, old);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 200;  // below the list's 378 bytes
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  save(target);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(messages().back(), kSaveError);
  EXPECT_EQ(readBytes(target), old);
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find("kept.qvx."), std::string::npos)
        << "temporary file left: " << entry.path();
  }
  // The working list itself is untouched and saving elsewhere still works.
  save(folder / "good.qvx");
  EXPECT_EQ(readBytes(folder / "good.qvx"), listBytes());
}

// A real full disk: a small tmpfs filled up. Needs the right to mount.
TEST_F(MalformedListTest, FullDiskKeepsExistingDestination) {
  const std::filesystem::path disk = folder / "disk";
  std::filesystem::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "mount not allowed: " << std::strerror(errno);
  }
  drawTwo();
  const std::filesystem::path target = disk / "kept.qvx";
  const std::vector<unsigned char> old(100, 'o');
  writeBytes(target, old);
  {
    std::ofstream fill(disk / "fill", std::ios::binary);
    const std::vector<char> block(4096, 'f');
    for (int i = 0; i < 64 && fill; ++i)
      fill.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  save(target);
  const std::vector<unsigned char> after = readBytes(target);
  const Message last = messages().back();
  ::umount2(disk.c_str(), MNT_DETACH);
  EXPECT_EQ(last, kSaveError);
  EXPECT_EQ(after, old);
}

}  // namespace
}  // namespace quorvel::test
