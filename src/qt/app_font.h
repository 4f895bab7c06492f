#pragma once
// The program's texts are Chinese: the application font is a face with Chinese
// glyphs, chosen once at start.
#include <QString>

namespace quorvel {

// Makes the pictures' Chinese face (render/font_family.h) at 9 points the
// application's font; returns the family used.
QString useChineseApplicationFont();

}  // namespace quorvel
