// Byte layout of a list entry and the code page 936 texts in it.
#include "catalogue/func_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace quorvel {
namespace {

const std::string kInfinity = "\xE2\x88\x9E";  // ∞ in UTF-8

// Puts text bytes at an offset and blanks up to the field's end.
void field(RecordBytes& b, std::size_t at, std::size_t width, const std::string& bytes) {
  ASSERT_LE(bytes.size(), width);
  for (std::size_t i = 0; i < width; ++i) {
    b[at + i] = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : ' ';
  }
}

// The expected bytes of a sample entry, laid out field by field from the format
// table: family @0, form @2, para1 @4 (50), para2 @54, para3 @64, color @74, the
// ranges @78, @88, @98, @108 (10 each), intX @118.
RecordBytes handBuiltSample() {
  RecordBytes b{};
  b[0] = 0x09;
  b[1] = 0x00;  // family 9
  b[2] = 0xFE;
  b[3] = 0xFF;  // form -2
  field(b, 4, 50, "2");
  field(b, 54, 10, "1.5");
  field(b, 64, 10, "0");
  b[74] = 0x40;
  b[75] = 0x80;
  b[76] = 0xFF;
  b[77] = 0x00;  // red 0x40, green 0x80, blue 0xFF
  field(b, 78, 10, " -\xA1\xDE");
  field(b, 88, 10, " +\xA1\xDE");
  field(b, 98, 10, "-3");
  field(b, 108, 10, "1E+07");
  b[118] = 0x04;
  b[119] = 0x03;
  b[120] = 0x02;
  b[121] = 0x01;  // 0x01020304
  return b;
}

FuncRecord sample() {
  FuncRecord r;
  r.family = 9;
  r.form = -2;
  r.para1 = "2";
  r.para2 = "1.5";
  r.para3 = "0";
  r.color = 0x40 + 256 * 0x80 + 65536 * 0xFF;
  r.rangeX1 = " -" + kInfinity;
  r.rangeX2 = " +" + kInfinity;
  r.rangeY1 = "-3";
  r.rangeY2 = "1E+07";
  r.intX = 0x01020304;
  return r;
}

std::string bytesAt(const RecordBytes& b, std::size_t at, std::size_t width) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), width);
}

TEST(FuncRecord, LayoutMatchesHandBuiltBytes) {
  const RecordBytes expected = handBuiltSample();
  const RecordBytes actual = encodeRecord(sample());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "byte " << i;
  }
  EXPECT_EQ(decodeRecord(expected), sample());
}

TEST(FuncRecord, NegativeIntegersAreTwosComplementLittleEndian) {
  FuncRecord r;
  r.family = -1;
  r.form = 0x1234;
  r.color = -2;
  r.intX = 1;
  const RecordBytes b = encodeRecord(r);
  EXPECT_EQ(bytesAt(b, 0, 4), std::string("\xFF\xFF\x34\x12", 4));
  EXPECT_EQ(bytesAt(b, 74, 4), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(bytesAt(b, 118, 4), std::string("\x01\x00\x00\x00", 4));
  const FuncRecord back = decodeRecord(b);
  EXPECT_EQ(back.family, -1);
  EXPECT_EQ(back.color, -2);
}

TEST(FuncRecord, InfinityIsTheDoubleByteA1DE) {
  FuncRecord r;
  r.rangeY2 = " +" + kInfinity;
  const RecordBytes b = encodeRecord(r);
  EXPECT_EQ(bytesAt(b, 108, 10), std::string(" +\xA1\xDE      "));
  EXPECT_EQ(utf8ToCp936(kInfinity), "\xA1\xDE");
  EXPECT_EQ(cp936ToUtf8("\xA1\xDE"), kInfinity);
}

// The custom family keeps only its expression: para2 and para3 are zero bytes.
TEST(FuncRecord, CustomEntryHasZeroParameterFields) {
  FuncRecord r;
  r.family = 13;
  r.form = 1;
  r.para1 = "1/x";
  r.zeroPara23 = true;
  r.rangeX1 = "0";
  const RecordBytes b = encodeRecord(r);
  EXPECT_EQ(bytesAt(b, 54, 20), std::string(20, '\0'));
  EXPECT_EQ(bytesAt(b, 4, 50), "1/x" + std::string(47, ' '));
  const FuncRecord back = decodeRecord(b);
  EXPECT_TRUE(back.zeroPara23);
  EXPECT_EQ(back.para2, "");
  EXPECT_EQ(back, r);
  EXPECT_EQ(encodeRecord(back), b);
}

struct CutCase {
  const char* name;
  std::string text;      // UTF-8
  std::string stored;    // bytes of the 10-byte field
  std::string readBack;  // UTF-8
};

// Cutting at the field width never splits a double-byte character.
TEST(FuncRecord, TextsAreCutAtTheFieldWidth) {
  const CutCase cases[] = {
      {"Fits", "-1.234568", "-1.234568 ", "-1.234568"},
      {"ExponentCut", "-1.234568E+07", "-1.234568E", "-1.234568E"},
      {"DoubleByteEndsExactly", "12345678" + kInfinity, "12345678\xA1\xDE", "12345678" + kInfinity},
      {"DoubleByteAcrossTheEnd", "123456789" + kInfinity, "123456789 ", "123456789"},
      {"OnlyDoubleBytes", kInfinity + kInfinity + kInfinity + kInfinity + kInfinity + kInfinity,
       "\xA1\xDE\xA1\xDE\xA1\xDE\xA1\xDE\xA1\xDE",
       kInfinity + kInfinity + kInfinity + kInfinity + kInfinity},
      {"LeadingBlanksStay", "  5", "  5       ", "  5"},
  };
  for (const CutCase& c : cases) {
    FuncRecord r;
    r.para2 = c.text;
    const RecordBytes b = encodeRecord(r);
    EXPECT_EQ(bytesAt(b, 54, 10), c.stored) << c.name;
    EXPECT_EQ(decodeRecord(b).para2, c.readBack) << c.name;
    // The neighbouring field is not touched.
    EXPECT_EQ(bytesAt(b, 64, 10), std::string(10, ' ')) << c.name;
  }
}

TEST(FuncRecord, ExpressionKeepsItsFirstFiftyBytes) {
  std::string sixty;
  for (int i = 0; i < 6; ++i) sixty += "sin(x)+" + std::to_string(i) + "*x";  // 10 each
  ASSERT_EQ(sixty.size(), 60u);
  FuncRecord r;
  r.para1 = sixty;
  RecordBytes b = encodeRecord(r);
  EXPECT_EQ(decodeRecord(b).para1, sixty.substr(0, 50));
  EXPECT_EQ(b[54], ' ');  // para2 starts right after

  // A Chinese character straddling byte 50 is left out, its place a blank.
  r.para1 = std::string(49, 'a') + "\xE4\xB8\xAD";  // 中 is two bytes in the file
  b = encodeRecord(r);
  EXPECT_EQ(bytesAt(b, 4, 50), std::string(49, 'a') + " ");
  r.para1 = std::string(48, 'a') + "\xE4\xB8\xAD";
  b = encodeRecord(r);
  EXPECT_EQ(bytesAt(b, 4, 50), std::string(48, 'a') + "\xD6\xD0");
}

// Characters code page 936 has no code for are written as "?", one per character.
TEST(FuncRecord, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp936("a\xF0\x9F\x98\x80"
                        "b"),
            "a?b");  // an emoji
  EXPECT_EQ(utf8ToCp936("\xFF"
                        "x"),
            "?x");                                     // not UTF-8 at all
  EXPECT_EQ(utf8ToCp936("x\xE4\xB8"), "x?");           // cut inside a character
  EXPECT_EQ(utf8ToCp936("\xE2\x82\xAC"), "\x80");      // the euro sign is 0x80
  EXPECT_EQ(utf8ToCp936("\xE5\x9B\xBE"), "\xCD\xBC");  // 图
}

TEST(FuncRecord, ReadingTrimsBlanksAndZerosAtTheEndOnly) {
  RecordBytes b{};
  field(b, 78, 10, std::string(" -\xA1\xDE\0 \0", 7));
  EXPECT_EQ(decodeRecord(b).rangeX1, " -" + kInfinity);
  field(b, 78, 10, std::string("a\0b", 3));  // a zero inside stays
  EXPECT_EQ(decodeRecord(b).rangeX1, std::string("a\0b", 3));
}

TEST(FuncRecord, InvalidBytesBecomeReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(cp936ToUtf8("\xFF"
                        "A"),
            replacement + "A");
  EXPECT_EQ(cp936ToUtf8("A\x81"), "A" + replacement);    // lead byte alone at the end
  EXPECT_EQ(cp936ToUtf8("\x81 B"), replacement + " B");  // a blank is no second byte
  RecordBytes b{};
  field(b, 98, 10, "1\x81");
  EXPECT_EQ(decodeRecord(b).rangeY1, "1" + replacement);
}

TEST(FuncRecord, RoundTrip) {
  FuncRecord r = sample();
  r.para1 =
      "\xE4\xB8\xAD"
      "abc";
  r.color = 0x00FFFFFF;
  r.intX = 0;
  const RecordBytes b = encodeRecord(r);
  EXPECT_EQ(decodeRecord(b), r);
  EXPECT_EQ(encodeRecord(decodeRecord(b)), b);
}

bool validUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80                      ? 1
                    : (lead >= 0xC2 && lead <= 0xDF) ? 2
                    : (lead >= 0xE0 && lead <= 0xEF) ? 3
                    : (lead >= 0xF0 && lead <= 0xF4) ? 4
                                                     : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// Any 122 bytes read as a record: valid UTF-8 texts without trailing blanks, and the
// record can be written again.
TEST(FuncRecord, ArbitraryBytesDecodeSafely) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int trial = 0; trial < 3000; ++trial) {
    RecordBytes b{};
    for (auto& x : b) x = static_cast<unsigned char>(byte(random));
    const FuncRecord r = decodeRecord(b);
    for (const std::string* s :
         {&r.para1, &r.para2, &r.para3, &r.rangeX1, &r.rangeX2, &r.rangeY1, &r.rangeY2}) {
      ASSERT_TRUE(validUtf8(*s)) << "trial " << trial;
      if (!s->empty()) {
        ASSERT_NE(s->back(), ' ');
        ASSERT_NE(s->back(), '\0');
      }
    }
    const RecordBytes again = encodeRecord(r);
    ASSERT_EQ(bytesAt(again, 0, 4), bytesAt(b, 0, 4));
    ASSERT_EQ(bytesAt(again, 74, 4), bytesAt(b, 74, 4));
  }
}

}  // namespace
}  // namespace quorvel
