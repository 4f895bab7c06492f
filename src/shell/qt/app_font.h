#pragma once
// The program's texts are Chinese: the application font is a face with Chinese
// glyphs, chosen once at start.
#include <QString>

namespace quorvel {

// "WenQuanYi Micro Hei" or "Noto Sans CJK SC" when installed, else any proportional
// face that writes Simplified Chinese, else any such face; "" when there is none.
QString chineseFontFamily();

// Makes that face (at 9 points) the application's font; returns the family used.
// Needs a QApplication (the windows' library); the surfaces use only the family.
QString useChineseApplicationFont();

}  // namespace quorvel
