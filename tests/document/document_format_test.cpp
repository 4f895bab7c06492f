// The document of named fields: every kind round-trips with every field, a list of the
// fourteen families stays a list file byte for byte, a list file refuses an entry it
// cannot keep, and damaged or later files are refused whole.
#include "document/document_format.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "catalogue/families.h"
#include "document/list_formats.h"
#include "document/list_journal.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

FuncRecord record(std::int16_t family, const std::string& para1, std::int32_t colour) {
  FuncRecord r;
  r.family = family;
  r.para1 = para1;
  r.para2 = "2";
  r.para3 = "-1.5";
  r.color = colour;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = "10";
  r.rangeY1 = "-3";
  r.rangeY2 = kOpenHigh;
  return r;
}

FuncRecord custom(const std::string& expression) {
  FuncRecord r = record(kCustomFamily, expression, 0x00FF00);
  r.para2.clear();
  r.para3.clear();
  r.zeroPara23 = true;
  r.intX = 1;
  return r;
}

// Every kind, with texts that test the writer: Chinese, quotes and backslashes, a
// text far beyond the list file's widths.
FunctionList everyKind() {
  FunctionList list;
  list.add(ListEntry{ClassicCurve(record(2, "6", 0xFF0000)), true, {}});
  list.add(ListEntry{ClassicCurve(custom("sin(x)/x")), false, {}});
  FormCurve power{record(14, "1/3", 0x123456), "4π"};
  power.record.para2 = "“引号” \"q\" \\ 反斜杠";
  list.add(ListEntry{power, true, {}});
  list.add(ListEntry{ParametricCurve{"3cos(t)", "3sin(t)", "0", "2pi", 0x0000FF}, true, {}});
  list.add(
      ListEntry{PolarCurve{std::string(3000, '1') + "+cos(θ)", "-pi", "pi", 0xABCDEF}, false, {}});
  return list;
}

TEST(DocumentFormat, EveryKindComesBackWithEveryField) {
  const FunctionList list = everyKind();
  const std::string text = documentBytes(list);
  const DocumentReading back = readDocument(text);
  ASSERT_TRUE(back.list) << back.fault;
  EXPECT_EQ(*back.list, list);
  // Written again, the same text: nothing is lost or added on the way.
  EXPECT_EQ(documentBytes(*back.list), text);
  // Readable UTF-8, not escapes.
  EXPECT_NE(text.find("“引号”"), std::string::npos);
  EXPECT_NE(text.find("\"format\": \"quorvel-list\""), std::string::npos);
}

TEST(DocumentFormat, AClassicCurveKeepsItsCodePageTexts) {
  FunctionList list;
  list.add(ListEntry{ClassicCurve(record(kCustomFamily, "平方(x)+1", 7)), true, {}});
  const std::optional<std::string> listFile = list.bytes();
  ASSERT_TRUE(listFile);
  // Through the document and back to a list file: the same bytes.
  const std::optional<FunctionList> fromFile = FunctionList::fromBytes(*listFile);
  ASSERT_TRUE(fromFile);
  const DocumentReading back = readDocument(documentBytes(*fromFile));
  ASSERT_TRUE(back.list) << back.fault;
  EXPECT_EQ(classicCurve(back.list->at(0))->record().para1, "平方(x)+1");
  EXPECT_EQ(back.list->bytes(), listFile);
}

TEST(ListFormats, AListOfTheFourteenFamiliesStaysAListFile) {
  FunctionList list;
  list.add(ListEntry{ClassicCurve(record(2, "6", 0xFF0000)), true, {}});
  list.add(ListEntry{ClassicCurve(custom("x^2")), true, {}});
  EXPECT_EQ(naturalFormat(list), ListFormat::ListFile);
  EXPECT_EQ(naturalBytes(list), list.bytes());
  const ListReading back = listFromBytes(naturalBytes(list));
  ASSERT_TRUE(back.list);
  EXPECT_EQ(back.format, ListFormat::ListFile);
  EXPECT_EQ(*back.list, list);
}

TEST(ListFormats, AListFileRefusesAnEntryItCannotKeep) {
  FunctionList list = everyKind();
  list.replace(2, ListEntry{FormCurve{record(14, "1/3", 0), ""}, true, "y = x^(1/3)"});
  EXPECT_FALSE(list.bytes());
  EXPECT_EQ(firstEntryBeyondListFile(list), 2u);
  EXPECT_EQ(naturalFormat(list), ListFormat::Document);
  std::string refusal;
  EXPECT_FALSE(listBytes(list, ListFormat::ListFile, &refusal));
  EXPECT_NE(refusal.find("第 3 条曲线“y = x^(1/3)”"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("十四类函数"), std::string::npos) << refusal;
  EXPECT_EQ(listBytes(list, ListFormat::Document), documentBytes(list));
}

// A list file's record may hold any bytes, control characters too; the document keeps
// them, so that a list opened from such a file and saved as a document opens again.
TEST(DocumentFormat, KeepsTheControlCharactersOfAListFilesRecord) {
  FunctionList list;
  FuncRecord r = record(2, std::string("6\x01", 2), 0xFF);
  r.rangeY1 = "\x1f-3";
  list.add(ListEntry{ClassicCurve{r}, true, "y=6/x"});
  const DocumentReading back = readDocument(documentBytes(list));
  ASSERT_TRUE(back.list) << back.fault;
  ASSERT_NE(classicCurve(back.list->at(0)), nullptr);
  EXPECT_EQ(classicCurve(back.list->at(0))->record(), ClassicCurve(r).record());
}

struct Damaged {
  const char* name;
  std::string text;
  const char* reason;  // a part of the message
};

void PrintTo(const Damaged& damaged, std::ostream* out) { *out << damaged.name; }

std::string withEntry(const std::string& entry, const std::string& version = "1") {
  return R"({"format": "quorvel-list", "version": )" + version + R"(, "entries": [)" + entry + "]}";
}

class RefusedDocument : public ::testing::TestWithParam<Damaged> {};

TEST_P(RefusedDocument, IsRefusedWithItsReason) {
  const DocumentReading reading = readDocument(GetParam().text);
  EXPECT_FALSE(reading.list);
  EXPECT_NE(reading.fault.find(GetParam().reason), std::string::npos) << reading.fault;
}

INSTANTIATE_TEST_SUITE_P(
    DocumentFormat, RefusedDocument,
    ::testing::Values(
        Damaged{"NotJson", "{\"format\": \"quorvel-list\", ", "JSON"},
        Damaged{"NumberBeyondAnyType", R"({"format": 4e400, "version": 1, "entries": []})",
                "数字超出范围"},
        Damaged{"OtherFormat", R"({"format": "other", "version": 1, "entries": []})", "格式名"},
        Damaged{"NoVersion", R"({"format": "quorvel-list", "entries": []})", "版本号"},
        Damaged{"LaterVersion", withEntry("", "2"), "版本是 2"},
        Damaged{"EntriesNotAList", R"({"format":"quorvel-list","version":1,"entries":{}})",
                "entries"},
        Damaged{"UnknownKind", withEntry(R"({"kind": "spiral"})"), "第 1 条曲线：种类“spiral”"},
        Damaged{"TextOfWrongType", withEntry(R"({"kind": "polar", "rho": 1})"), "“rho”不是文字"},
        Damaged{"MissingField", withEntry(R"({"kind": "parametric", "x": "t"})"), "缺少字段“y”"},
        Damaged{"ColourTooLarge", withEntry(R"({"kind": "polar", "rho": "1", "colour": 16777216})"),
                "“colour”"},
        Damaged{"FractionalFamily", withEntry(R"({"kind": "classic", "family": 1.5, "form": 0})"),
                "不是整数"},
        Damaged{"ClassicOutsideTheFourteen",
                withEntry(R"({"kind": "classic", "family": 14, "form": 0})"), "十四类"},
        Damaged{"TickNotBoolean", withEntry(R"({"kind": "polar", "rho": "1", "ticked": 1})"),
                "“ticked”"},
        Damaged{"ControlCharacter", withEntry(R"({"kind": "polar", "rho": "1\n2"})"), "控制字符"},
        Damaged{"TextTooLong",
                withEntry(R"({"kind": "polar", "rho": ")" + std::string(5001, 'x') + "\"}"),
                "5000"},
        Damaged{"NestedTooDeep", withEntry(R"({"kind": "polar", "rho": [[[["1"]]]]})"), "嵌套"},
        Damaged{"TooManyEntries", withEntry([] {
                  std::string many = "{}";
                  for (int i = 0; i < kMaxListRecords; ++i) many += ",{}";
                  return many;
                }()),
                "32767"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DocumentFormat, IsToldFromAListFileByItsContent) {
  EXPECT_TRUE(looksLikeDocument("\xEF\xBB\xBF \n{}"));
  EXPECT_FALSE(looksLikeDocument(""));
  FunctionList list;
  FuncRecord r = record(10, "2", 0);  // family 10 starts with a line feed byte
  list.add(ListEntry{ClassicCurve(r), true, {}});
  EXPECT_FALSE(looksLikeDocument(*list.bytes()));
}

class ListFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("quorvel-document-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    return folder_ / name;
  }
  fs::path folder_;
};

TEST_F(ListFileOnDisk, IsReadByContentWhateverItsName) {
  const FunctionList list = everyKind();
  const ListReading document = readListFile(write("named.QVX", documentBytes(list)));
  ASSERT_TRUE(document.list) << document.fault;
  EXPECT_EQ(document.format, ListFormat::Document);
  EXPECT_EQ(*document.list, list);

  FunctionList classic;
  classic.add(ListEntry{ClassicCurve(record(3, "1", 0)), true, {}});
  const ListReading listFile = readListFile(write("named.QVJ", *classic.bytes()));
  ASSERT_TRUE(listFile.list) << listFile.fault;
  EXPECT_EQ(listFile.format, ListFormat::ListFile);
  EXPECT_EQ(*listFile.list, classic);

  const ListReading missing = readListFile(folder_ / "none.QVJ");
  EXPECT_FALSE(missing.list);
  EXPECT_EQ(missing.fault, "文件不存在");
}

TEST_F(ListFileOnDisk, TheJournalKeepsOneFileForTheListItHolds) {
  const ListJournal journal(folder_);
  FunctionList classic;
  classic.add(ListEntry{ClassicCurve(record(3, "1", 0)), true, {}});
  ASSERT_TRUE(journal.write(everyKind()));
  EXPECT_EQ(journal.current(), journal.documentPath());
  EXPECT_FALSE(fs::exists(journal.path()));
  EXPECT_EQ(journal.read(), documentBytes(everyKind()));
  // Back to the fourteen families: Funclist.dat as ever, the document gone.
  ASSERT_TRUE(journal.write(classic));
  EXPECT_EQ(journal.current(), journal.path());
  EXPECT_FALSE(fs::exists(journal.documentPath()));
  EXPECT_EQ(journal.read(), classic.bytes());
  journal.remove();
  EXPECT_FALSE(journal.exists());
}

}  // namespace
}  // namespace quorvel
