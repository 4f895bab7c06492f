// The document and its bytes: a list file read and written back byte for byte (filler
// and bytes that are no text included), the files that are no list, and the working
// list on disk that follows the document.
#include "document/function_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/families.h"
#include "document/list_journal.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

FuncRecord line(const std::string& k, std::int32_t colour = 0xFF0000) {
  FuncRecord r;
  r.family = 2;  // y = k/x
  r.para1 = k;
  r.para2 = "0";
  r.para3 = "0";
  r.color = colour;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  return r;
}

std::string slotOf(const FuncRecord& r) {
  const RecordBytes b = encodeRecord(r);
  return std::string(b.begin(), b.end());
}

// Records in slots of 128 bytes with the given filler, the last without it.
std::string listBytes(const std::vector<FuncRecord>& records, char filler = '\0') {
  std::string out;
  for (const FuncRecord& r : records) {
    if (!out.empty()) out += std::string(kSlotSize - kRecordSize, filler);
    out += slotOf(r);
  }
  return out;
}

TEST(FunctionList, ReadsAndWritesAListFileByteForByte) {
  std::string bytes = listBytes({line("6"), line("-2"), line("9")}, '\xAB');
  bytes[4 + 60] = '\x81';  // para2 of the first record: a lead byte without its pair
  bytes[4 + 61] = '\xFF';
  const std::optional<FunctionList> list = FunctionList::fromBytes(bytes);
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3u);
  for (const ListEntry& e : list->entries()) EXPECT_TRUE(e.ticked);
  EXPECT_EQ(classicCurve(list->at(1))->record().para1, "-2");
  EXPECT_EQ(list->bytes(), bytes);
  // An entry made anew is stored as the file keeps it: cut, padded, zero filler.
  FunctionList edited = *list;
  FuncRecord longer = line("5");
  longer.para2 = "12345678901234";
  edited.replace(1, ListEntry{ClassicCurve(longer), true, "y=5/x"});
  EXPECT_EQ(classicCurve(edited.at(1))->record().para2, "1234567890");
  const std::string expected = bytes.substr(0, kSlotSize) + slotOf(longer) +
                               std::string(kSlotSize - kRecordSize, '\0') +
                               bytes.substr(2 * kSlotSize);
  EXPECT_EQ(edited.bytes(), expected);
  EXPECT_EQ(FunctionList::fromBytes("")->size(), 0u);
  EXPECT_EQ(FunctionList().bytes(), "");
}

TEST(FunctionList, RefusesWhatNoListOfThisProgramHolds) {
  const std::string good = listBytes({line("6"), line("3")});
  FuncRecord family99 = line("6");
  family99.family = 99;
  FuncRecord form9 = line("6");
  form9.form = 9;
  FuncRecord colour = line("6", 0x1000000);
  FuncRecord whole = line("6");
  whole.intX = 2;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"a record cut short", good.substr(0, good.size() - 1)},
      {"a filler with no record after it", good + std::string(6, '\0')},
      {"one byte", "x"},
      {"a family outside the catalogue", listBytes({line("6"), family99})},
      {"a form outside the family", listBytes({form9})},
      {"a colour beyond 24 bits", listBytes({colour})},
      {"整数 neither 0 nor 1", listBytes({whole})},
  };
  for (const auto& c : cases) EXPECT_FALSE(FunctionList::fromBytes(c.bytes)) << c.what;
  // The most entries a list box held, and one more.
  const std::string slot = std::string(kSlotSize - kRecordSize, '\0') + slotOf(line("1"));
  std::string most = slotOf(line("1"));
  for (std::size_t n = 1; n < static_cast<std::size_t>(kMaxListRecords); ++n) most += slot;
  EXPECT_EQ(FunctionList::fromBytes(most)->size(), static_cast<std::size_t>(kMaxListRecords));
  EXPECT_FALSE(FunctionList::fromBytes(most + slot));
}

TEST(FunctionList, EditsKeepTheOtherEntriesAsTheyWere) {
  FunctionList list;
  for (const char* k : {"1", "2", "3", "4"}) list.add(ListEntry{ClassicCurve(line(k)), true, k});
  list.swap(0, 3);
  list.remove(1);
  list.insert(0, ListEntry{ClassicCurve(line("5")), false, "5"});
  list.setTicked(2, false);
  std::vector<std::string> lines;
  std::vector<bool> ticks;
  for (const ListEntry& e : list.entries()) {
    lines.push_back(e.line);
    ticks.push_back(e.ticked);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"5", "4", "3", "1"}));
  EXPECT_EQ(ticks, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(list.bytes(), listBytes({line("5"), line("4"), line("3"), line("1")}));
}

class JournalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quorvel_journal_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
  }
  fs::path folder;
};

TEST_F(JournalTest, FollowsTheDocumentAndNeverTearsTheFile) {
  const ListJournal journal(folder);
  EXPECT_EQ(journal.path(), folder / "Funclist.dat");
  EXPECT_FALSE(journal.exists());
  EXPECT_FALSE(journal.read());
  FunctionList list;
  list.add(ListEntry{ClassicCurve(line("6")), true, "y=6/x"});
  ASSERT_TRUE(journal.write(list));
  EXPECT_EQ(journal.read(), list.bytes());
  list.add(ListEntry{ClassicCurve(line("3")), true, "y=3/x"});
  ASSERT_TRUE(journal.write(list));
  EXPECT_EQ(journal.read()->size(), static_cast<std::size_t>(kSlotSize + kRecordSize));
  // An empty list is an empty file; 清屏 removes it.
  ASSERT_TRUE(journal.write(FunctionList()));
  EXPECT_TRUE(journal.exists());
  EXPECT_EQ(journal.read(), "");
  journal.remove();
  EXPECT_FALSE(journal.exists());
  // A folder it cannot write in leaves the last list whole.
  ASSERT_TRUE(journal.write(list));
  if (::geteuid() != 0) {
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(journal.write(FunctionList()));
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(journal.read(), list.bytes());
  }
  // Only a list file is read back: not a record cut short.
  ASSERT_TRUE(journal.write(list));
  fs::resize_file(journal.path(), kRecordSize);
  EXPECT_EQ(journal.read()->size(), static_cast<std::size_t>(kRecordSize));
  fs::resize_file(journal.path(), kRecordSize - 1);
  EXPECT_FALSE(journal.read());
}

}  // namespace
}  // namespace quorvel
