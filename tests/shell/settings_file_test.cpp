// Quorvel.ini: the exact line written, and a tolerant reading that keeps the values
// it cannot use.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell_fixture.h"

namespace quorvel {

void PrintTo(const Settings& s, std::ostream* os) { *os << settingsLine(s); }

namespace {

using test::makeTempFolder;
using test::readBytes;
using test::writeBytes;

// A text with NUL bytes in it, taken whole.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST(SettingsLine, InitialValuesGiveTheDesignedLine) {
  EXPECT_EQ(settingsLine(Settings{}), "2000,2,500,13\r\n");
  EXPECT_EQ(settingsLine({10000, 5, 0, 0}), "10000,5,0,0\r\n");
}

struct ParseCase {
  const char* name;
  std::string text;
  Settings expected;
};

class ParseSettings : public ::testing::TestWithParam<ParseCase> {};

// Each case starts from values other than the file's, so a kept field shows.
const Settings kCurrent{700, 3, 900, 5};

TEST_P(ParseSettings, KeepsWhatItCannotUse) {
  EXPECT_EQ(parseSettings(GetParam().text, kCurrent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseSettings,
    ::testing::Values(ParseCase{"Written", "2000,2,500,13\r\n", {2000, 2, 500, 13}},
                      ParseCase{"NoLineEnd", "10,1,0,0", {10, 1, 0, 0}},
                      ParseCase{"OneANumberPerLine", "10\r\n4\r\n8000\r\n2\r\n", {10, 4, 8000, 2}},
                      ParseCase{"BareLineFeeds", "10\n4\n8000\n2\n", {10, 4, 8000, 2}},
                      ParseCase{"BlanksAroundNumbers", " 10 ,\t4, 8000 , 2", {10, 4, 8000, 2}},
                      ParseCase{"PlusSign", "+10,+4,+8000,+2", {10, 4, 8000, 2}},
                      ParseCase{"Empty", "", kCurrent},
                      ParseCase{"TwoFields", "10,4", {10, 4, 900, 5}},
                      ParseCase{"EmptyMiddleField", "10,,8000,2", {10, 3, 8000, 2}},
                      ParseCase{"Text", "abc,4,x1,2", {700, 4, 900, 2}},
                      ParseCase{"Fraction", "10.5,4,8000,2.0", {700, 4, 8000, 5}},
                      ParseCase{"DoubleSign", "+-10,--4,8000,2", {700, 3, 8000, 2}},
                      ParseCase{"BelowRange", "0,0,-1,-1", kCurrent},
                      ParseCase{"AboveRange", "10001,6,16001,14", kCurrent},
                      ParseCase{"RangeEnds", "1,5,16000,0", {1, 5, 16000, 0}},
                      ParseCase{"Huge", "99999999999999999999,4,8000,2", {700, 4, 8000, 2}},
                      ParseCase{"BeyondInt32", "4294967298,4,8000,2", {700, 4, 8000, 2}},
                      ParseCase{"LongZeros", "000000000000010,4,8000,2", {700, 4, 8000, 2}},
                      ParseCase{"ExtraFieldsIgnored", "10,4,8000,2,99,abc", {10, 4, 8000, 2}},
                      ParseCase{"BinaryBytes", bytes("\x00\xff\x12,\x80\x01,5\x00,\xfe"), kCurrent},
                      ParseCase{"NulInsideNumber",
                                bytes("20\x00"
                                      "00,4,8000,2"),
                                {700, 4, 8000, 2}}),
    [](const ::testing::TestParamInfo<ParseCase>& p) { return std::string(p.param.name); });

class SettingsFile : public ::testing::Test {
 protected:
  ~SettingsFile() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::filesystem::path folder = makeTempFolder();
  std::filesystem::path file = folder / "Quorvel.ini";
};

TEST_F(SettingsFile, RoundTripWritesTheExactBytes) {
  ASSERT_TRUE(writeSettings(file, Settings{}));
  const std::string expected = "2000,2,500,13\r\n";
  EXPECT_EQ(readBytes(file), std::vector<unsigned char>(expected.begin(), expected.end()));
  EXPECT_EQ(readSettings(file, kCurrent), Settings{});
  // Nothing is left beside it.
  EXPECT_FALSE(std::filesystem::exists(folder / "Quorvel.ini.tmp"));
}

TEST_F(SettingsFile, WriteReplacesALongerFile) {
  writeBytes(file, std::vector<unsigned char>(5000, '7'));
  ASSERT_TRUE(writeSettings(file, {1, 1, 0, 0}));
  EXPECT_EQ(std::filesystem::file_size(file), std::string("1,1,0,0\r\n").size());
}

TEST_F(SettingsFile, MissingFileOrFolderKeepsEverything) {
  EXPECT_EQ(readSettings(file, kCurrent), kCurrent);
  std::filesystem::create_directory(file);  // a folder where the file should be
  EXPECT_EQ(readSettings(file, kCurrent), kCurrent);
  // Writing cannot replace a folder; it says so and leaves no temporary file.
  EXPECT_FALSE(writeSettings(file, Settings{}));
  EXPECT_FALSE(std::filesystem::exists(folder / "Quorvel.ini.tmp"));
}

TEST_F(SettingsFile, OnlyTheBeginningOfAHugeFileIsRead) {
  std::string text = "10,4,8000,2\r\n";
  text.append(1 << 20, 'x');
  writeBytes(file, std::vector<unsigned char>(text.begin(), text.end()));
  EXPECT_EQ(readSettings(file, kCurrent), (Settings{10, 4, 8000, 2}));
}

TEST_F(SettingsFile, WriteIntoAMissingFolderFails) {
  EXPECT_FALSE(writeSettings(folder / "gone" / "Quorvel.ini", Settings{}));
}

}  // namespace
}  // namespace quorvel
