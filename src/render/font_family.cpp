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

}  // namespace quorvel
