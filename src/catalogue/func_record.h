#pragma once
// One entry of the function list on disk: 122 bytes in a 128-byte slot, integers
// little-endian, texts in code page 936 padded with blanks.
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/code_page.h"

namespace quorvel {

constexpr int kRecordSize = 122;
constexpr int kSlotSize = 128;

// Field texts are held in UTF-8 in memory; the file keeps them in code page 936.
struct FuncRecord {
  std::int16_t family = 0;
  std::int16_t form = 0;
  std::string para1;  // 50 bytes on disk
  std::string para2;  // 10 bytes
  std::string para3;  // 10 bytes
  std::int32_t color = 0;
  std::string rangeX1, rangeX2, rangeY1, rangeY2;  // 10 bytes each
  std::int32_t intX = 0;
  // para2 and para3 are written as ten zero bytes (the custom family keeps only
  // its expression in para1).
  bool zeroPara23 = false;

  bool operator==(const FuncRecord&) const = default;
};

using RecordBytes = std::array<unsigned char, kRecordSize>;

// The record's 122 bytes: each text converted to code page 936, cut at its field
// width without splitting a double-byte character, padded with blanks.
RecordBytes encodeRecord(const FuncRecord& r);
// The record from 122 bytes: texts converted back to UTF-8 with trailing blanks
// (and zero bytes) removed; bytes that are not code page 936 text become U+FFFD.
// zeroPara23 is set when the 20 bytes of para2 and para3 are all zero, so a record
// read back encodes to the same bytes.
FuncRecord decodeRecord(const RecordBytes& bytes);

// Field widths on disk.
constexpr int kPara1Width = 50;
constexpr int kTextWidth = 10;  // para2, para3 and the four ranges

}  // namespace quorvel
