// Byte layout of one list entry. Offsets are fixed by the file format; integers are
// assembled byte by byte so the host's byte order never matters.
#include "catalogue/func_record.h"

#include <cstddef>

namespace quorvel {
namespace {

constexpr std::size_t kFamilyAt = 0;
constexpr std::size_t kFormAt = 2;
constexpr std::size_t kPara1At = 4;
constexpr std::size_t kPara2At = 54;
constexpr std::size_t kPara3At = 64;
constexpr std::size_t kColorAt = 74;
constexpr std::size_t kRangeX1At = 78;
constexpr std::size_t kRangeX2At = 88;
constexpr std::size_t kRangeY1At = 98;
constexpr std::size_t kRangeY2At = 108;
constexpr std::size_t kIntXAt = 118;

constexpr std::size_t kPara1Bytes = kPara1Width;
constexpr std::size_t kTextBytes = kTextWidth;

static_assert(kPara1At + kPara1Bytes == kPara2At);
static_assert(kIntXAt + 4 == kRecordSize);

void putInt16(RecordBytes& b, std::size_t at, std::int16_t v) {
  const auto u = static_cast<std::uint16_t>(v);
  b[at] = static_cast<unsigned char>(u & 0xFFu);
  b[at + 1] = static_cast<unsigned char>(u >> 8);
}

void putInt32(RecordBytes& b, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (std::size_t i = 0; i < 4; ++i)
    b[at + i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFFu);
}

std::int16_t getInt16(const RecordBytes& b, std::size_t at) {
  const auto u = static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
  return static_cast<std::int16_t>(u);
}

std::int32_t getInt32(const RecordBytes& b, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

// The text in code page 936, cut to the field without splitting a double-byte
// character (a lead byte that would end the field alone is left out, so its place
// becomes a blank), then padded with blanks.
void putText(RecordBytes& b, std::size_t at, std::size_t width, const std::string& text) {
  const std::string bytes = utf8ToCp936(text);
  std::size_t used = 0;
  while (used < bytes.size()) {
    const auto charWidth =
        static_cast<std::size_t>(cp936CharWidth(static_cast<unsigned char>(bytes[used])));
    if (used + charWidth > width || used + charWidth > bytes.size()) break;
    for (std::size_t i = 0; i < charWidth; ++i) {
      b[at + used + i] = static_cast<unsigned char>(bytes[used + i]);
    }
    used += charWidth;
  }
  for (std::size_t i = used; i < width; ++i) b[at + i] = ' ';
}

// The field's text without its trailing blanks and zero bytes (leading blanks stay,
// so " -∞" survives). Neither byte can be the second byte of a double-byte
// character, so cutting them before conversion is safe.
std::string getText(const RecordBytes& b, std::size_t at, std::size_t width) {
  std::size_t end = width;
  while (end > 0 && (b[at + end - 1] == ' ' || b[at + end - 1] == '\0')) --end;
  const std::string raw(reinterpret_cast<const char*>(b.data() + at), end);
  return cp936ToUtf8(raw);
}

bool allZero(const RecordBytes& b, std::size_t at, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (b[at + i] != 0) return false;
  }
  return true;
}

}  // namespace

RecordBytes encodeRecord(const FuncRecord& r) {
  RecordBytes b{};
  putInt16(b, kFamilyAt, r.family);
  putInt16(b, kFormAt, r.form);
  putText(b, kPara1At, kPara1Bytes, r.para1);
  if (!r.zeroPara23) {
    putText(b, kPara2At, kTextBytes, r.para2);
    putText(b, kPara3At, kTextBytes, r.para3);
  }
  putInt32(b, kColorAt, r.color);
  putText(b, kRangeX1At, kTextBytes, r.rangeX1);
  putText(b, kRangeX2At, kTextBytes, r.rangeX2);
  putText(b, kRangeY1At, kTextBytes, r.rangeY1);
  putText(b, kRangeY2At, kTextBytes, r.rangeY2);
  putInt32(b, kIntXAt, r.intX);
  return b;
}

FuncRecord decodeRecord(const RecordBytes& bytes) {
  FuncRecord r;
  r.family = getInt16(bytes, kFamilyAt);
  r.form = getInt16(bytes, kFormAt);
  r.para1 = getText(bytes, kPara1At, kPara1Bytes);
  r.para2 = getText(bytes, kPara2At, kTextBytes);
  r.para3 = getText(bytes, kPara3At, kTextBytes);
  r.zeroPara23 = allZero(bytes, kPara2At, 2 * kTextBytes);
  r.color = getInt32(bytes, kColorAt);
  r.rangeX1 = getText(bytes, kRangeX1At, kTextBytes);
  r.rangeX2 = getText(bytes, kRangeX2At, kTextBytes);
  r.rangeY1 = getText(bytes, kRangeY1At, kTextBytes);
  r.rangeY2 = getText(bytes, kRangeY2At, kTextBytes);
  r.intX = getInt32(bytes, kIntXAt);
  return r;
}

}  // namespace quorvel
