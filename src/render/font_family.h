#pragma once
// The face the pictures write their text in: one with Chinese glyphs.
#include <QString>

namespace quorvel {

// "WenQuanYi Micro Hei" or "Noto Sans CJK SC" when installed, else any proportional
// face that writes Simplified Chinese, else any such face; "" when there is none.
QString chineseFontFamily();

}  // namespace quorvel
