// Code page 936 conversion through glibc's iconv ("CP936", an alias of its GBK
// converter, which also maps 0x80 to the euro sign as Windows does).
#include "catalogue/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace quorvel {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One conversion direction, opened once per thread and kept (opening one costs far
// more than converting a field).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != kNoConverter; }
  iconv_t handle() const { return cd_; }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence at `p` when it is well formed, otherwise 1, so that a
// refused sequence is skipped as one character and a stray byte as one byte.
std::size_t utf8SequenceLength(const unsigned char* p, std::size_t left) {
  const unsigned char lead = p[0];
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (length > left) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if (p[i] < 0x80 || p[i] > 0xBF) return 1;
  }
  return length;
}

enum class Direction { ToCp936, ToUtf8 };

// Runs the converter over the whole input. Where it refuses the input (a character
// with no code in the target, or bytes that are no character of the source), one
// replacement is written and the refused character or byte is skipped.
std::string convert(iconv_t cd, const std::string& input, Direction direction) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // the initial state, whatever came before
  std::string in = input;                         // iconv wants a writable pointer
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  std::string out;
  out.reserve(in.size() * 2);
  char buffer[256];
  // Each round consumes input or empties the buffer; bound it anyway.
  std::size_t roundsLeft = 4 * in.size() + 16;
  while (inLeft > 0 && roundsLeft-- > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result != static_cast<std::size_t>(-1)) continue;
    if (error == E2BIG) {
      if (outPtr == buffer) break;  // no progress possible
      continue;
    }
    // EILSEQ (refused) or EINVAL (incomplete character at the end).
    std::size_t skip = 1;
    if (direction == Direction::ToCp936) {
      // Characters code page 936 cannot represent become "?".
      out += '?';
      skip = error == EINVAL ? inLeft
                             : utf8SequenceLength(reinterpret_cast<unsigned char*>(inPtr), inLeft);
    } else {
      out += kReplacementUtf8;
      skip = error == EINVAL ? inLeft : 1;
    }
    inPtr += skip;
    inLeft -= skip;
  }
  return out;
}

// Without a converter only plain ASCII survives; everything else is replaced.
std::string asciiOnly(const std::string& in, Direction direction) {
  std::string out;
  const auto* p = reinterpret_cast<const unsigned char*>(in.data());
  std::size_t left = in.size();
  while (left > 0) {
    if (p[0] < 0x80) {
      out += static_cast<char>(p[0]);
      ++p;
      --left;
      continue;
    }
    const std::size_t skip = direction == Direction::ToCp936 ? utf8SequenceLength(p, left) : 1;
    out += direction == Direction::ToCp936 ? "?" : kReplacementUtf8;
    p += skip;
    left -= skip;
  }
  return out;
}

bool plainAscii(const std::string& text) {
  for (const char ch : text) {
    if (static_cast<unsigned char>(ch) >= 0x80) return false;
  }
  return true;
}

// The system may know code page 936 as "CP936" or as "GBK".
std::string convertWith(const std::string& in, Direction direction) {
  // ASCII is the same text in both encodings.
  if (plainAscii(in)) return in;
  thread_local Converter toCp936First("CP936", "UTF-8"), toCp936Second("GBK", "UTF-8");
  thread_local Converter toUtf8First("UTF-8", "CP936"), toUtf8Second("UTF-8", "GBK");
  const bool toCp936 = direction == Direction::ToCp936;
  Converter& first = toCp936 ? toCp936First : toUtf8First;
  Converter& second = toCp936 ? toCp936Second : toUtf8Second;
  for (Converter* c : {&first, &second}) {
    if (!c->ok()) continue;
    // Back to the initial shift state: nothing of the last text carries over.
    iconv(c->handle(), nullptr, nullptr, nullptr, nullptr);
    return convert(c->handle(), in, direction);
  }
  return asciiOnly(in, direction);
}

}  // namespace

std::string utf8ToCp936(const std::string& utf8) { return convertWith(utf8, Direction::ToCp936); }

std::string cp936ToUtf8(const std::string& cp936) { return convertWith(cp936, Direction::ToUtf8); }

int cp936CharWidth(unsigned char lead) { return lead >= 0x81 && lead <= 0xFE ? 2 : 1; }

}  // namespace quorvel
