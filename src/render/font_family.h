#pragma once
// The face the pictures write their text in: one with Chinese glyphs.
#include <QFont>
#include <QString>

namespace quorvel {

// "WenQuanYi Micro Hei" or "Noto Sans CJK SC" when installed, else any proportional
// face that writes Simplified Chinese, else any such face; "" when there is none.
QString chineseFontFamily();

// The pictures' font: that face, sans-serif, 12 pixels (9 points at 96 dots per inch,
// 15 twips per pixel, as on the screen).
QFont pictureFont();

}  // namespace quorvel
