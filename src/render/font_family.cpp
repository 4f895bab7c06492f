#include "render/font_family.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvel {

QString chineseFontFamily() {
  for (const char* name : {"WenQuanYi Micro Hei", "Noto Sans CJK SC"}) {
    const QString family = QString::fromLatin1(name);
    if (QFontDatabase::hasFamily(family)) return family;
  }
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family : chinese) {
    if (!QFontDatabase::isFixedPitch(family)) return family;
  }
  return chinese.isEmpty() ? QString() : chinese.front();
}

QFont pictureFont() {
  // Looked up once: the font database does not change while the program runs.
  static const QString family = chineseFontFamily();
  QFont font;
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  return font;
}

}  // namespace quorvel
