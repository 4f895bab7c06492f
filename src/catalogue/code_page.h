#pragma once
// Texts of the list file are kept in code page 936 (Simplified Chinese), the
// program's texts in UTF-8. The system's converter (iconv) does the work.
#include <string>

namespace quorvel {

// UTF-8 to code page 936. A character that code page 936 cannot hold (an emoji, for
// example) and every byte that is not UTF-8 becomes "?", so the result is always
// complete text of the same length in characters.
std::string utf8ToCp936(const std::string& utf8);

// Code page 936 to UTF-8. A byte that does not start a valid character (and a lead
// byte without its second byte) becomes U+FFFD; any bytes are accepted.
std::string cp936ToUtf8(const std::string& cp936);

// Bytes of the code page 936 character that starts with `lead`: 2 for a lead byte
// 0x81..0xFE, otherwise 1.
int cp936CharWidth(unsigned char lead);

}  // namespace quorvel
