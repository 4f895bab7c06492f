// The list file: records by number in 128-byte slots, the count rule, and the
// whole-file copy used to save and open lists.
#include "catalogue/list_file.h"
#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const std::string kInfinity = "\xE2\x88\x9E";

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> entriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  return names;
}

class ListFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "catalogue_test.XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }
  fs::path dir_;
};

// The three entries of tests/data/catalogue/three_curves.qvx.
std::vector<FuncRecord> threeCurves() {
  FuncRecord inverse;
  inverse.family = 2;
  inverse.para1 = "6";
  inverse.para2 = "0";
  inverse.para3 = "0";
  inverse.color = 255;
  inverse.rangeX1 = inverse.rangeY1 = " -" + kInfinity;
  inverse.rangeX2 = inverse.rangeY2 = " +" + kInfinity;

  FuncRecord sum;
  sum.family = 13;
  sum.form = 1;
  sum.para1 = "1/x";
  sum.zeroPara23 = true;
  sum.color = 32768;
  sum.rangeX1 = "0";
  sum.rangeX2 = sum.rangeY2 = " +" + kInfinity;
  sum.rangeY1 = " -" + kInfinity;
  sum.intX = 1;

  FuncRecord ellipse;
  ellipse.family = 9;
  ellipse.para1 = ".5";
  ellipse.para2 = "1.5";
  ellipse.para3 = "0";
  ellipse.color = 16711680;
  ellipse.rangeX1 = "-2";
  ellipse.rangeX2 = "2";
  ellipse.rangeY1 = " -" + kInfinity;
  ellipse.rangeY2 = " +" + kInfinity;
  return {inverse, sum, ellipse};
}

const fs::path kGolden = fs::path(QUORVEL_TEST_DATA) / "catalogue" / "three_curves.qvx";

TEST_F(ListFileTest, ThreeRecordsMake378Bytes) {
  const fs::path path = dir_ / "Funclist.dat";
  {
    ListFile file(path);
    ASSERT_TRUE(file.isOpen());
    const auto records = threeCurves();
    for (int n = 1; n <= 3; ++n)
      ASSERT_TRUE(file.write(n, records[static_cast<std::size_t>(n - 1)]));
    EXPECT_EQ(file.length(), 378u);
    EXPECT_EQ(file.recordCount(), 3);
    EXPECT_EQ(file.read(2), records[1]);
    ASSERT_TRUE(file.close());
  }
  // Byte for byte what the hand-made list file holds.
  EXPECT_EQ(readAll(path), readAll(kGolden));
}

TEST_F(ListFileTest, ReadsAHandMadeListFile) {
  const fs::path path = dir_ / "opened.qvx";  // list files are opened for writing too
  fs::copy_file(kGolden, path);
  ListFile file(path);
  ASSERT_TRUE(file.isOpen());
  ASSERT_EQ(file.recordCount(), 3);
  const auto expected = threeCurves();
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(file.read(n), expected[static_cast<std::size_t>(n - 1)]) << "record " << n;
  }
}

TEST_F(ListFileTest, RecordsPastTheEndAreNone) {
  const fs::path path = dir_ / "list.qvx";
  ListFile file(path);
  ASSERT_TRUE(file.isOpen());
  EXPECT_EQ(file.length(), 0u);
  EXPECT_EQ(file.recordCount(), 1);  // the count rule counts one record in an empty file
  EXPECT_EQ(file.read(1), std::nullopt);
  ASSERT_TRUE(file.write(1, threeCurves()[0]));
  EXPECT_NE(file.read(1), std::nullopt);
  EXPECT_EQ(file.read(2), std::nullopt);
  EXPECT_EQ(file.read(0), std::nullopt);
  EXPECT_EQ(file.read(-1), std::nullopt);
}

TEST_F(ListFileTest, CountRule) {
  struct Case {
    std::size_t length;
    std::int32_t count;
    bool wellFormed;
  };
  const Case cases[] = {
      {0, 1, true},    {1, 1, false},  {122, 1, true},  {127, 1, false},
      {128, 2, false}, {250, 2, true}, {251, 2, false}, {378, 3, true},
  };
  for (const Case& c : cases) {
    const fs::path path = dir_ / ("len" + std::to_string(c.length));
    writeAll(path, std::string(c.length, '\x20'));
    ListFile file(path);
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.length(), c.length);
    EXPECT_EQ(file.recordCount(), c.count) << "length " << c.length;
    EXPECT_EQ(wellFormedLength(c.length), c.wellFormed) << "length " << c.length;
  }
  EXPECT_FALSE(wellFormedLength(121));
  EXPECT_FALSE(wellFormedLength(123));
}

TEST_F(ListFileTest, WritingPastTheEndFillsTheGapWithZeros) {
  const fs::path path = dir_ / "Funclist.dat";
  const auto records = threeCurves();
  {
    ListFile file(path);
    ASSERT_TRUE(file.write(1, records[0]));
    ASSERT_TRUE(file.write(5, records[2]));
    EXPECT_EQ(file.length(), 4u * 128 + 122);
    EXPECT_EQ(file.recordCount(), 5);
    EXPECT_EQ(file.read(1), records[0]);
    EXPECT_EQ(file.read(5), records[2]);
  }
  const std::string bytes = readAll(path);
  ASSERT_EQ(bytes.size(), 634u);
  EXPECT_EQ(bytes.substr(122, 512 - 122), std::string(512 - 122, '\0'));
  EXPECT_EQ(bytes.substr(0, 122), readAll(kGolden).substr(0, 122));
}

// Rewriting a record in the middle keeps the length and clears its slot's filler.
TEST_F(ListFileTest, RewritingInsideKeepsTheLength) {
  const fs::path path = dir_ / "Funclist.dat";
  std::string golden = readAll(kGolden);
  for (std::size_t i = 122; i < 128; ++i) golden[i] = '\xEE';  // readers ignore filler
  writeAll(path, golden);
  {
    ListFile file(path);
    EXPECT_EQ(file.read(1), threeCurves()[0]);
    ASSERT_TRUE(file.write(1, threeCurves()[1]));
    EXPECT_EQ(file.length(), 378u);
    ASSERT_TRUE(file.write(3, threeCurves()[0]));
    EXPECT_EQ(file.length(), 378u);
  }
  const std::string bytes = readAll(path);
  EXPECT_EQ(bytes.substr(122, 6), std::string(6, '\0'));
  EXPECT_EQ(bytes.substr(0, 122), golden.substr(128, 122));
  EXPECT_EQ(bytes.substr(256, 122), golden.substr(0, 122));
}

TEST_F(ListFileTest, OpeningKeepsAnExistingFile) {
  const fs::path path = dir_ / "Funclist.dat";
  writeAll(path, readAll(kGolden));
  {
    ListFile file(path);
    EXPECT_EQ(file.length(), 378u);
  }
  EXPECT_EQ(readAll(path), readAll(kGolden));
}

TEST_F(ListFileTest, TruncateToRecords) {
  const fs::path path = dir_ / "Funclist.tmp";
  writeAll(path, readAll(kGolden) + std::string(300, 'x'));  // a leftover longer file
  ListFile file(path);
  ASSERT_TRUE(file.truncateToRecords(2));
  EXPECT_EQ(file.length(), 250u);
  EXPECT_EQ(file.read(3), std::nullopt);
  EXPECT_EQ(file.read(2), threeCurves()[1]);
  ASSERT_TRUE(file.truncateToRecords(0));
  EXPECT_EQ(file.length(), 0u);
  EXPECT_FALSE(file.truncateToRecords(-1));
}

TEST_F(ListFileTest, UnopenableFileFailsQuietly) {
  ListFile file(dir_ / "no such folder" / "Funclist.dat");
  EXPECT_FALSE(file.isOpen());
  EXPECT_EQ(file.length(), 0u);
  EXPECT_EQ(file.read(1), std::nullopt);
  EXPECT_FALSE(file.write(1, FuncRecord{}));
  EXPECT_FALSE(file.truncateToRecords(0));
}

TEST_F(ListFileTest, CopyReplacesTheDestination) {
  const fs::path to = dir_ / "saved.qvx";
  writeAll(to, "old contents");
  std::string error;
  ASSERT_TRUE(copyFileSafely(kGolden, to, &error)) << error;
  EXPECT_EQ(readAll(to), readAll(kGolden));
  EXPECT_EQ(entriesOf(dir_), std::vector<std::string>{"saved.qvx"});  // no temporary left
  // Copying a file onto itself keeps it whole.
  ASSERT_TRUE(copyFileSafely(to, to, &error)) << error;
  EXPECT_EQ(readAll(to), readAll(kGolden));
  // An empty list file copies as an empty file.
  writeAll(dir_ / "empty.qvx", "");
  ASSERT_TRUE(copyFileSafely(dir_ / "empty.qvx", to, &error)) << error;
  EXPECT_EQ(fs::file_size(to), 0u);
}

TEST_F(ListFileTest, MissingSourceLeavesTheDestination) {
  const fs::path to = dir_ / "Funclist.dat";
  writeAll(to, "keep me");
  std::string error;
  EXPECT_FALSE(copyFileSafely(dir_ / "missing.qvx", to, &error));
  EXPECT_NE(error.find("missing.qvx"), std::string::npos) << error;
  EXPECT_EQ(readAll(to), "keep me");
  EXPECT_EQ(entriesOf(dir_), std::vector<std::string>{"Funclist.dat"});
}

TEST_F(ListFileTest, DestinationThatIsAFolderIsLeftAlone) {
  const fs::path to = dir_ / "taken";
  fs::create_directory(to);
  writeAll(to / "inside", "x");
  std::string error;
  EXPECT_FALSE(copyFileSafely(kGolden, to, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(to));
  EXPECT_EQ(readAll(to / "inside"), "x");
  EXPECT_EQ(entriesOf(dir_), std::vector<std::string>{"taken"});
}

TEST_F(ListFileTest, ReadOnlyFolderLeavesTheDestination) {
  const fs::path folder = dir_ / "locked";
  fs::create_directory(folder);
  const fs::path to = folder / "saved.qvx";
  writeAll(to, "keep me");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  // Some users (root) may write into any folder; then there is nothing to test.
  const fs::path probe = folder / "probe";
  if (std::ofstream(probe).good()) {
    fs::remove(probe);
    GTEST_SKIP() << "this user can write into a read-only folder";
  }
  std::string error;
  EXPECT_FALSE(copyFileSafely(kGolden, to, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(readAll(to), "keep me");
}

}  // namespace
}  // namespace quorvel
